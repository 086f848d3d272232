#include "ui/places/BookmarksPanel.h"

#include "core/appmodel/WordListBlock.h"
#include "core/places/TypeAhead.h"
#include "ui/PostedMessages.h"
#include "ui/widgets/WordListBox.h"

#include <QKeyEvent>

namespace orvel {

TBookmarksPanel::TBookmarksPanel(QObject* parent)
    : QObject(parent), ListBoxBookmarks(new TWordListBox(ListBookmarks, false)) {
    ListBoxBookmarks->setObjectName(QStringLiteral("ListBoxBookmarks"));
    ListBoxBookmarks->setProperty("tabSheet", QStringLiteral("TabSheetBookmarks"));
    ListBoxBookmarks->setContextMenuPolicy(Qt::CustomContextMenu);
    ListBoxBookmarks->installEventFilter(this);
    connect(ListBoxBookmarks, &TWordListBox::OpenRequested, this, &TBookmarksPanel::OpenRequested);
    connect(ListBoxBookmarks, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        emit ContextMenuRequested(ListBoxBookmarks->viewport()->mapToGlobal(at));
    });
    connect(ListBoxBookmarks, &QListWidget::itemSelectionChanged, this,
            &TBookmarksPanel::StateChanged);
}

QWidget* TBookmarksPanel::Control() const {
    return ListBoxBookmarks;
}

TBookmarkAddOutcome TBookmarksPanel::Add(const TWordDescriptor& place) {
    const TBookmarkAddResult result = FBookmarks.Add(place);
    if (result.Outcome == TBookmarkAddOutcome::Added)
        ListBoxBookmarks->insertItem(result.Position,
                                     new TWordListItem(FBookmarks.Items(result.Position)));
    else
        ListBoxBookmarks->WordItem(result.Position)->Descriptor() =
            FBookmarks.Items(result.Position);
    return result.Outcome;
}

bool TBookmarksPanel::RemoveSelected() {
    if (!ListBoxBookmarks->SelectedWordItem())
        return false;
    const int row = ListBoxBookmarks->currentRow();
    const int next = FBookmarks.Remove(row);
    delete ListBoxBookmarks->takeItem(row);
    SelectRow(next);
    return true;
}

void TBookmarksPanel::RemoveAll() {
    FBookmarks.RemoveAll();
    ListBoxBookmarks->clear();
}

void TBookmarksPanel::Clear() {
    FBookmarks.Clear();
    ListBoxBookmarks->clear();
}

void TBookmarksPanel::Load(const std::string& fileName) {
    try {
        FBookmarks.Load(fileName);
    } catch (...) {
        Refill();
        throw;
    }
    Refill();
}

void TBookmarksPanel::Save(const std::string& fileName) {
    FBookmarks.Save(fileName);
}

void TBookmarksPanel::Refill() {
    ListBoxBookmarks->clear();
    for (int i = 0; i < FBookmarks.Count(); ++i)
        ListBoxBookmarks->AddDescriptor(FBookmarks.Items(i));
}

bool TBookmarksPanel::HasSelectedWord() const {
    return ListBoxBookmarks->SelectedWordItem() != nullptr;
}

std::optional<TWordDescriptor> TBookmarksPanel::SelectedWord() const {
    if (const TWordListItem* item = ListBoxBookmarks->SelectedWordItem())
        return item->Descriptor();
    return std::nullopt;
}

void TBookmarksPanel::SelectRow(int row) {
    if (row >= 0 && row < ListBoxBookmarks->count())
        ListBoxBookmarks->setCurrentRow(row);
}

void TBookmarksPanel::FocusList() {
    ListBoxBookmarks->setFocus();
}

void TBookmarksPanel::SetListFont(int pointSize, bool bold) {
    ListBoxBookmarks->SetListFont(pointSize, bold, ListItemHeight(pointSize));
}

bool TBookmarksPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != ListBoxBookmarks || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    const bool plain =
        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    // A typed character of the keyboard's Latin keys: the keys the display layout types with.
    if (!plain || text.size() != 1 || text[0].unicode() <= 32 || text[0].unicode() >= 127)
        return false;
    const int current =
        ListBoxBookmarks->currentItem() && ListBoxBookmarks->currentItem()->isSelected()
            ? ListBoxBookmarks->currentRow()
            : -1;
    SelectRow(BookmarkTypeAheadRow(FBookmarks, current, char(text[0].unicode())));
    return true;
}

} // namespace orvel
