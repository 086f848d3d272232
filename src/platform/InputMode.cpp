#include "platform/InputMode.h"

#include "platform/TextProperties.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>

namespace orvel {

QTextCharFormat TypedCharFormat(const TTypedFormat& format) {
    QTextCharFormat result;
    result.setFontFamilies(QStringList{QString::fromLatin1(format.FontName)});
    result.setProperty(CharsetProperty, int(format.Charset));
    return result;
}

QTextCharFormat InputModeCharFormat(TInputMode mode) {
    return TypedCharFormat(InputModeFormat(mode));
}

TInputModeFilter::TInputModeFilter(TInputMode mode, QObject* parent)
    : QObject(parent), FMode(mode), FKeyboard(mode) {}

void TInputModeFilter::SetMode(TInputMode mode, bool switchKeyboard) {
    FMode = mode;
    if (switchKeyboard)
        FKeyboard = mode;
}

QList<TInputModeFilter::TRun> TInputModeFilter::Runs(const QString& typed) const {
    QList<TRun> runs;
    for (const char32_t c : typed.toUcs4()) {
        const char32_t mapped = MapTypedCharacter(c, FKeyboard);
        const TTypedFormat format = TypedCharacterFormat(mapped, FMode);
        if (runs.isEmpty() || !(runs.back().Format == format))
            runs.append({QString(), format});
        runs.back().Text += QString::fromUcs4(&mapped, 1);
    }
    return runs;
}

bool TInputModeFilter::eventFilter(QObject* watched, QEvent* event) {
    if (FDelivering)
        return false;
    if (event->type() == QEvent::KeyPress)
        return FilterKey(watched, static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::InputMethod)
        return FilterInputMethod(watched, static_cast<QInputMethodEvent*>(event));
    return false;
}

bool TInputModeFilter::FilterKey(QObject* watched, QKeyEvent* event) {
    const QString typed = event->text();
    // Shortcuts and control keys (Enter, Backspace, Escape, Ctrl+letter) pass untouched.
    if (typed.isEmpty() || (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        return false;
    for (const QChar c : typed)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;

    const QList<TRun> runs = Runs(typed);
    if (runs.size() == 1 && runs.front().Text == typed) {
        emit CharFormatRequested(TypedCharFormat(runs.front().Format));
        return false;
    }
    bool accepted = false;
    for (const TRun& run : runs) {
        emit CharFormatRequested(TypedCharFormat(run.Format));
        QKeyEvent rewritten(event->type(), event->key(), event->modifiers(),
                            event->nativeScanCode(), event->nativeVirtualKey(),
                            event->nativeModifiers(), run.Text, event->isAutoRepeat(),
                            ushort(event->count()), event->device());
        accepted = Deliver(watched, &rewritten) || accepted;
    }
    event->setAccepted(accepted);
    return true;
}

bool TInputModeFilter::FilterInputMethod(QObject* watched, QInputMethodEvent* event) {
    const QString typed = event->commitString();
    if (typed.isEmpty())
        return false;
    const QList<TRun> runs = Runs(typed);
    if (runs.size() == 1 && runs.front().Text == typed) {
        emit CharFormatRequested(TypedCharFormat(runs.front().Format));
        return false;
    }
    // The first commit replaces what the original would have; the pre-edit text comes last.
    bool accepted = false;
    for (qsizetype i = 0; i < runs.size(); ++i) {
        const bool first = i == 0;
        const bool last = i == runs.size() - 1;
        emit CharFormatRequested(TypedCharFormat(runs[i].Format));
        QInputMethodEvent rewritten(last ? event->preeditString() : QString(),
                                    last ? event->attributes()
                                         : QList<QInputMethodEvent::Attribute>());
        rewritten.setCommitString(runs[i].Text, first ? event->replacementStart() : 0,
                                  first ? event->replacementLength() : 0);
        accepted = Deliver(watched, &rewritten) || accepted;
    }
    event->setAccepted(accepted);
    return true;
}

// Sends an event of our own past this filter (mapping it again would map '/' to '.' and then
// to 'ю').
bool TInputModeFilter::Deliver(QObject* watched, QEvent* event) {
    const QScopedValueRollback delivering(FDelivering, true);
    QCoreApplication::sendEvent(watched, event);
    return event->isAccepted();
}

} // namespace orvel
