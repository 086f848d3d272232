// The lists of the left panel (words, history, bookmarks, search results): each item owns a
// word descriptor and is drawn as one blank and the head word in the display font, all items of
// one fixed height.
#pragma once

#include "core/dictionary/WordDescriptor.h"

#include <QListWidget>
#include <QStyledItemDelegate>

namespace orvel {

class TWordListItem : public QListWidgetItem {
public:
    explicit TWordListItem(TWordDescriptor descriptor);

    const TWordDescriptor& Descriptor() const { return FDescriptor; }
    TWordDescriptor& Descriptor() { return FDescriptor; }
    // The text drawn: one blank and the display form of the head word, in Latin-1 code points
    // (the display font's glyphs sit on them).
    QString DisplayText() const;

private:
    TWordDescriptor FDescriptor;
};

class TWordItemDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void SetItemHeight(int height) { FItemHeight = height; }
    int ItemHeight() const { return FItemHeight; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int FItemHeight = 21;
};

class TWordListBox : public QListWidget {
    Q_OBJECT

public:
    // listNumber is the list's number in WM_LIST_OPEN; spaceOpens: Space opens an item too.
    TWordListBox(int listNumber, bool spaceOpens, QWidget* parent = nullptr);

    int ListNumber() const { return FListNumber; }

    // The list font (the Greek display font of a size in points, bold or not) and the item
    // height.
    void SetListFont(int pointSize, bool bold, int itemHeight);
    int ItemHeight() const { return FDelegate->ItemHeight(); }
    // Whole items that fit into the list's client area.
    int VisibleRows() const;
    // Makes row the top row (as far as scrolling allows).
    void SetTopRow(int row);
    int TopRow() const;

    void AddDescriptor(TWordDescriptor descriptor);
    TWordListItem* WordItem(int row) const;
    TWordListItem* SelectedWordItem() const;

signals:
    // Enter (or Space where it opens) on an item, or a double click.
    void OpenRequested(int listNumber);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int FListNumber;
    bool FSpaceOpens;
    TWordItemDelegate* FDelegate;
};

} // namespace orvel
