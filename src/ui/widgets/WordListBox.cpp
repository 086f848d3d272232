#include "ui/widgets/WordListBox.h"

#include "core/encoding/GreekEncoding.h"
#include "platform/RichTextAttributes.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

namespace orvel {

TWordListItem::TWordListItem(TWordDescriptor descriptor) : FDescriptor(std::move(descriptor)) {}

QString TWordListItem::DisplayText() const {
    const std::string display = InternalToFontWord(FDescriptor.Word);
    return QLatin1Char(' ') + QString::fromLatin1(display.data(), qsizetype(display.size()));
}

void TWordItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const auto* list = qobject_cast<const TWordListBox*>(parent());
    const TWordListItem* item = list ? list->WordItem(index.row()) : nullptr;
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group =
        option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    painter->save();
    painter->setClipRect(option.rect);
    if (selected)
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    if (item) {
        painter->setFont(option.font);
        painter->setPen(
            option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        const QFontMetrics metrics(option.font);
        painter->drawText(QPoint(option.rect.left(), option.rect.top() + metrics.ascent()),
                          item->DisplayText());
    }
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.rect = option.rect;
        focus.state = option.state;
        focus.backgroundColor = option.palette.color(group, QPalette::Highlight);
        list->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, list);
    }
    painter->restore();
}

QSize TWordItemDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return QSize(1, FItemHeight);
}

TWordListBox::TWordListBox(int listNumber, bool spaceOpens, QWidget* parent)
    : QListWidget(parent), FListNumber(listNumber), FSpaceOpens(spaceOpens),
      FDelegate(new TWordItemDelegate(this)) {
    setItemDelegate(FDelegate);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this] { emit OpenRequested(FListNumber); });
}

void TWordListBox::SetListFont(int pointSize, bool bold, int itemHeight) {
    QFont font(QtFontName(GreekFontName));
    font.setPointSize(pointSize);
    font.setBold(bold);
    setFont(font);
    FDelegate->SetItemHeight(itemHeight);
    // The items' size hints changed: lay the list out again.
    doItemsLayout();
    viewport()->update();
}

int TWordListBox::VisibleRows() const {
    return std::max(1, viewport()->height() / std::max(1, ItemHeight()));
}

void TWordListBox::SetTopRow(int row) {
    if (row >= 0 && row < count())
        scrollToItem(item(row), QAbstractItemView::PositionAtTop);
}

int TWordListBox::TopRow() const {
    const QModelIndex top = indexAt(QPoint(1, 1));
    return top.isValid() ? top.row() : -1;
}

void TWordListBox::AddDescriptor(TWordDescriptor descriptor) {
    addItem(new TWordListItem(std::move(descriptor)));
}

TWordListItem* TWordListBox::WordItem(int row) const {
    return static_cast<TWordListItem*>(item(row));
}

TWordListItem* TWordListBox::SelectedWordItem() const {
    const int row = currentRow();
    if (row < 0)
        return nullptr;
    QListWidgetItem* current = item(row);
    return current && current->isSelected() ? static_cast<TWordListItem*>(current) : nullptr;
}

void TWordListBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter ||
        (FSpaceOpens && key == Qt::Key_Space && event->modifiers() == Qt::NoModifier)) {
        event->accept();
        emit OpenRequested(FListNumber);
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace orvel
