// A layout that puts tool bars side by side and wraps them into further rows when the window
// is too narrow, giving each the width it asks for so that no button folds into the extension.
#pragma once

#include "core/appmodel/ToolBarFlow.h"

#include <QLayout>
#include <QList>

namespace orvel {

class TToolBarFlowLayout : public QLayout {
public:
    explicit TToolBarFlowLayout(QWidget* parent);
    ~TToolBarFlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    // All in one row.
    QSize sizeHint() const override;
    // As narrow as the widest tool bar, in as many rows as that takes.
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    std::vector<TFlowPlace> Places(int width) const;

    QList<QLayoutItem*> FItems;
};

} // namespace orvel
