#include "ui/places/HistoryPanel.h"

#include "core/appmodel/WordListBlock.h"
#include "ui/PostedMessages.h"
#include "ui/widgets/WordListBox.h"

namespace orvel {

THistoryPanel::THistoryPanel(QObject* parent)
    : QObject(parent), ListBoxGoto(new TWordListBox(ListGoto, false)) {
    ListBoxGoto->setObjectName(QStringLiteral("ListBoxGoto"));
    ListBoxGoto->setProperty("tabSheet", QStringLiteral("TabSheetGoto"));
    connect(ListBoxGoto, &TWordListBox::OpenRequested, this, &THistoryPanel::OpenRequested);
}

QWidget* THistoryPanel::Control() const {
    return ListBoxGoto;
}

void THistoryPanel::AddToHistory(int32_t articleIndex, std::string headWord, int32_t maxCount) {
    FHistory.Add(articleIndex, std::move(headWord), maxCount);
    // At most a hundred items: the list is filled again rather than patched.
    ListBoxGoto->clear();
    for (int i = 0; i < FHistory.Count(); ++i)
        ListBoxGoto->AddDescriptor(FHistory.Items(i));
    ListBoxGoto->setCurrentRow(0);
}

bool THistoryPanel::HasSelectedWord() const {
    return ListBoxGoto->SelectedWordItem() != nullptr;
}

std::optional<TWordDescriptor> THistoryPanel::SelectedWord() const {
    if (const TWordListItem* item = ListBoxGoto->SelectedWordItem())
        return item->Descriptor();
    return std::nullopt;
}

void THistoryPanel::FocusList() {
    ListBoxGoto->setFocus();
}

void THistoryPanel::SetListFont(int pointSize, bool bold) {
    ListBoxGoto->SetListFont(pointSize, bold, ListItemHeight(pointSize));
}

} // namespace orvel
