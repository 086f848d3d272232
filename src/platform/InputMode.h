// The input-mode layer of a text control. An event filter installed on the control rewrites
// the text of its key presses (and input-method commits) for the control's keyboard mode and,
// before each one, asks for the character format the text is to be inserted with: the mode's
// font and charset, or those of the typed character's script when it came from a system layout
// of another script.
//
// Widgets are not this layer's business, so the format is handed out by a signal; a text edit
// connects it to its mergeCurrentCharFormat.
#pragma once

#include "core/appmodel/InputMode.h"

#include <QObject>
#include <QString>
#include <QTextCharFormat>

class QInputMethodEvent;
class QKeyEvent;

namespace orvel {

// The font family and charset of a format (other properties unset).
QTextCharFormat TypedCharFormat(const TTypedFormat& format);
// The format a control in a mode holds by default.
QTextCharFormat InputModeCharFormat(TInputMode mode);

class TInputModeFilter : public QObject {
    Q_OBJECT

public:
    // Starts in the given mode with the keyboard in the same mode.
    explicit TInputModeFilter(TInputMode mode = TInputMode::Greek, QObject* parent = nullptr);

    // The mode decides the format of typed text; with switchKeyboard the keys follow it too,
    // as activating the mode's keyboard layout would. Without, the keyboard stays as it was.
    void SetMode(TInputMode mode, bool switchKeyboard);
    TInputMode Mode() const { return FMode; }
    TInputMode Keyboard() const { return FKeyboard; }

signals:
    // Emitted before typed text reaches the control, with the format it is to take.
    void CharFormatRequested(const QTextCharFormat& format);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TRun {
        QString Text;
        TTypedFormat Format;
    };

    // The typed text mapped for the keyboard and cut into runs of one format.
    QList<TRun> Runs(const QString& typed) const;
    bool FilterKey(QObject* watched, QKeyEvent* event);
    bool FilterInputMethod(QObject* watched, QInputMethodEvent* event);
    bool Deliver(QObject* watched, QEvent* event);

    TInputMode FMode;
    TInputMode FKeyboard;
    bool FDelivering = false; // an event of our own is on its way to the control
};

} // namespace orvel
