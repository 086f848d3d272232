#include "ui/noteeditor/ToolBarFlowLayout.h"

#include <QWidget>
#include <algorithm>

namespace orvel {

TToolBarFlowLayout::TToolBarFlowLayout(QWidget* parent) : QLayout(parent) {
    setSpacing(2);
}

TToolBarFlowLayout::~TToolBarFlowLayout() {
    qDeleteAll(FItems);
}

void TToolBarFlowLayout::addItem(QLayoutItem* item) {
    FItems.append(item);
}

int TToolBarFlowLayout::count() const {
    return int(FItems.size());
}

QLayoutItem* TToolBarFlowLayout::itemAt(int index) const {
    return index >= 0 && index < FItems.size() ? FItems[index] : nullptr;
}

QLayoutItem* TToolBarFlowLayout::takeAt(int index) {
    return index >= 0 && index < FItems.size() ? FItems.takeAt(index) : nullptr;
}

Qt::Orientations TToolBarFlowLayout::expandingDirections() const {
    return {};
}

bool TToolBarFlowLayout::hasHeightForWidth() const {
    return true;
}

std::vector<TFlowPlace> TToolBarFlowLayout::Places(int width) const {
    std::vector<TFlowSize> sizes;
    for (const QLayoutItem* item : FItems) {
        if (item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        sizes.push_back({hint.width(), hint.height()});
    }
    const QMargins margins = contentsMargins();
    return FlowRows(sizes, width - margins.left() - margins.right(), spacing());
}

int TToolBarFlowLayout::heightForWidth(int width) const {
    const QMargins margins = contentsMargins();
    return FlowHeight(Places(width)) + margins.top() + margins.bottom();
}

QSize TToolBarFlowLayout::sizeHint() const {
    int width = 0;
    int height = 0;
    for (const QLayoutItem* item : FItems) {
        if (item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        width += (width > 0 ? spacing() : 0) + hint.width();
        height = std::max(height, hint.height());
    }
    const QMargins margins = contentsMargins();
    return QSize(width + margins.left() + margins.right(),
                 height + margins.top() + margins.bottom());
}

QSize TToolBarFlowLayout::minimumSize() const {
    int width = 0;
    for (const QLayoutItem* item : FItems)
        if (!item->isEmpty())
            width = std::max(width, item->sizeHint().width());
    const QMargins margins = contentsMargins();
    width += margins.left() + margins.right();
    return QSize(width, heightForWidth(width));
}

void TToolBarFlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const std::vector<TFlowPlace> places = Places(rect.width());
    const QRect inner = rect.marginsRemoved(contentsMargins());
    size_t next = 0;
    for (QLayoutItem* item : FItems) {
        if (item->isEmpty())
            continue;
        const TFlowPlace& place = places[next++];
        item->setGeometry(
            QRect(inner.left() + place.Left, inner.top() + place.Top, place.Width, place.Height));
    }
}

} // namespace orvel
