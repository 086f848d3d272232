// The status line of the main window: the status operations, the colours and the sound of
// errors, long hints, and help topics opened by a click.
#include "core/appmodel/StatusMessages.h"
#include "ui/MainWindow.h"
#include "ui/widgets/VkrStatusBar.h"

#include <QCoreApplication>

namespace orvel {

namespace {

const QColor ErrorBackground(255, 255, 0);
const QColor ErrorText(0, 0, 128);

std::string Utf8(const QString& text) {
    return text.toStdString();
}

} // namespace

void TFormOrvel::ShowStatus(const TStatusMessage& message) {
    StatusBar->SetStatus(int(message.Kind), QString::fromStdString(message.Text),
                         message.HelpContext);
}

void TFormOrvel::RememberStatus(const TStatusMessage& message) {
    FStatus = message;
    ShowStatus(message);
}

void TFormOrvel::StatusInfo(const QString& text, int helpContext) {
    RememberStatus(InfoMessage(Utf8(text), helpContext));
}

void TFormOrvel::StatusWarning(const QString& text) {
    RememberStatus(WarningMessage(Utf8(text)));
}

void TFormOrvel::StatusError(const QString& text, int helpContext) {
    RememberStatus(ErrorMessage(Utf8(text), helpContext));
}

void TFormOrvel::StatusInternalError(const QString& text) {
    RememberStatus(InternalErrorMessage(Utf8(text)));
}

void TFormOrvel::StatusClear() {
    RememberStatus(ClearMessage());
}

void TFormOrvel::StatusProgress(const QString& text) {
    ShowStatus(ProgressMessage(Utf8(text)));
    QCoreApplication::processEvents();
}

void TFormOrvel::StatusBarDraw(int kind, const QString&) {
    FSounds.StatusChanged(kind, FPreference.CommonWindowsSound);
    QPalette colours = StatusBar->palette();
    if (kind == int(TStatusKind::Error)) {
        colours.setColor(QPalette::Window, ErrorBackground);
        colours.setColor(QPalette::WindowText, ErrorText);
    } else {
        colours.setColor(QPalette::Window, palette().color(QPalette::Window));
        colours.setColor(QPalette::WindowText, palette().color(QPalette::WindowText));
    }
    if (colours != StatusBar->palette())
        StatusBar->setPalette(colours);
}

void TFormOrvel::StatusBarClick() {
    const int topic = StatusBar->HelpContext();
    if (StatusClickOpensHelp(topic))
        ShowHelp(topic);
    else
        StatusClear();
}

void TFormOrvel::LongHintChanged(const QString& longHint) {
    ShowStatus(HintChangedMessage(Utf8(longHint), FStatus));
}

} // namespace orvel
