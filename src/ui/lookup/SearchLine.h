// The search line: a one-line rich-text control in which the user types a Greek word (in the
// display font, on the Latin keys) or a Russian one. It turns its keys into requests that the
// main window answers: a typed character, an edit, Enter, the Down arrow and the right button.
// Nothing enters it but typing and the window's own paste, so that every character carries the
// font and charset the lookup reads.
#pragma once

#include "core/appmodel/InputMode.h"

#include <QTextEdit>
#include <string>

namespace orvel {

class TInputModeFilter;

// What applying an input mode to the search line does besides setting its font and charset.
struct TInputModeOptions {
    bool Clear = false;          // empty the line first
    bool SwitchKeyboard = false; // make the keys follow the mode
};

class TSearchLine : public QTextEdit {
    Q_OBJECT

public:
    // The height of the line's font in pixels.
    static constexpr int FontHeight = 27;
    static constexpr QRgb FocusTextColor = 0x0000FF;

    explicit TSearchLine(QWidget* parent = nullptr);

    // Applies an input mode: gives the line and its default character format the mode's font
    // and charset, and does what the options ask besides.
    void SetInputMode(TInputMode mode, TInputModeOptions options = {});
    TInputMode Mode() const;
    TInputModeFilter* Filter() const { return FFilter; }

    // Gives the line a font by name and charset (a paste takes the pasted text's).
    void SetLineFont(const QString& fontName, int charset);

    bool IsEmpty() const;

    // Beta Code: in Greek mode the line takes ASCII keys as Beta Code and shows the Greek they
    // stand for; other characters (Greek from a system layout) are typed as they are.
    void SetBetaCode(bool on);
    bool BetaCode() const { return FBetaCode; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void CharacterTyped(); // by a key or an input method's commit
    void TextEdited();     // Backspace or Delete released
    void EnterReleased();
    void DownReleased();
    void ContextMenuRequested(const QPoint& globalPosition);
    void FocusEntered();
    void FocusLeft();
    void BetaCodeRefused(const QString& message); // a key that gives nothing the font can show
    void BetaCodeWaiting(const QString& pending); // a capital's '*' and marks, shown nowhere yet

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void SetTextColor(const QColor& color);
    void TypeBetaCodeKey(char key);

    bool FBetaCode = false;
    std::string FBetaPending;      // Beta Code typed that waits for its letter
    bool FEditingBetaCode = false; // the line's own Beta Code edit: it keeps FBetaPending

    TInputModeFilter* FFilter;
    int FPressedKey = 0; // the last key pressed here, so that a release from elsewhere is not
                         // taken for one
};

// A font of the family whose lines are about the given number of pixels high.
QFont FontOfHeight(const QString& family, int pixelHeight);

} // namespace orvel
