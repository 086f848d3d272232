// A character table: a modal window in which the user composes text glyph by glyph from a grid
// of every glyph of a display font. A click on a cell puts its glyph into the one-line
// composition field and names, in the key panel at the bottom, the key that types it without
// the table. OK (the "Copy" button or Enter) hands the composed text to whoever opened the
// table. The Greek table (Orvel000) and the special table (Orvel001) are the two kinds.
#pragma once

#include "core/appmodel/CharTableGrid.h"

#include <QDialog>
#include <QTextEdit>
#include <string>

class QLabel;
class QPushButton;

namespace orvel {

// Messages the table posts to itself.
inline constexpr int WM_TABLE_FOCUS = 3024; // give the focus back to the composition field
inline constexpr int WM_TABLE_OK = 3025;    // close with OK
inline constexpr int WM_TABLE_WORD = 3026;  // send the composed text to Word

// The help topic of both tables.
inline constexpr int CharTableHelpTopic = 1500;

// The grid of glyphs, drawn cell by cell in the table's font.
class TCharGrid : public QWidget {
    Q_OBJECT

public:
    static constexpr int CellWidth = 20;
    static constexpr int CellHeight = 31;

    TCharGrid(TCharTableKind kind, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // The centre of a cell, for tests and for the pointer.
    QPoint CellCentre(int row, int column) const;

signals:
    void CellClicked(uint8_t code); // on the release of the button over a cell

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TCharTableKind FKind;
};

// The one-line composition field: the keys of its font are typed as they are; Enter does not
// break the line; Ctrl with any key but A and Z does nothing, so select all and undo work but
// the control's own cut, copy, paste and formatting do not.
class TCompositionField : public QTextEdit {
    Q_OBJECT

public:
    TCompositionField(const QString& fontName, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void EnterReleased(bool ctrl);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;

private:
    bool FEnterPressed = false;
};

class TCharTableWindow : public QDialog {
    Q_OBJECT

public:
    // The composed text: the composition field's bytes in the table's font.
    std::string ComposedBytes() const;
    // Replaces the composed text and puts the caret at a place in it (the end when -1).
    void SetComposedBytes(const std::string& bytes, int caret = -1);
    int Caret() const;

    TCompositionField* Field() const { return RichEdit; }
    TCharGrid* Grid() const { return DrawGrid; }
    QString KeyPanelText() const;

signals:
    void HelpRequested(int topic);

protected:
    TCharTableWindow(TCharTableKind kind, const QString& caption, const QString& okHint,
                     QWidget* parent);

    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Ctrl+Enter; the Greek table sends the text to Word.
    virtual void TransferToWord() {}

    void PostToSelf(int message);

private:
    void CellClicked(uint8_t code);

    TCharTableKind FKind;
    QString FFontName;
    TCompositionField* RichEdit;
    TCharGrid* DrawGrid;
    QPushButton* btnOk;
    QLabel* pnlKeys;
    QPushButton* btnHelp;
};

} // namespace orvel
