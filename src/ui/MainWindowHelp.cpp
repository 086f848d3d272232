// The help window, the documents that come with the program and the About box.
#include "platform/FileReading.h"
#include "ui/MainWindow.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/DocumentWindow.h"
#include "ui/dialogs/HelpWindow.h"

#include <QFileInfo>

namespace orvel {

void TFormOrvel::ShowHelp(int topic) {
    if (!HelpWindow) {
        HelpWindow = new THelpWindow(this);
        HelpWindow->setObjectName(QStringLiteral("HelpWindow"));
    }
    HelpWindow->ShowPage(FEnvironment.Paths.HelpUrl(topic));
}

void TFormOrvel::OpenDocument(TDocument document) {
    const QString path = FEnvironment.Paths.DocumentPath(document);
    // Read first, so that a missing or unreadable document is reported here by its path
    // rather than handed to an application of the desktop.
    const TFileContent content = ReadWholeFile(path);
    if (!content.Read()) {
        StatusError(content.Error);
        return;
    }
    if (FEnvironment.DesktopOpener && FEnvironment.DesktopOpener(path))
        return;
    // No application of the desktop takes RTF: the program shows the document itself.
    if (!DocumentWindow) {
        DocumentWindow = new TDocumentWindow(this);
        DocumentWindow->setObjectName(QStringLiteral("DocumentWindow"));
    }
    if (!DocumentWindow->ShowRtf(QFileInfo(path).fileName(), content.Bytes))
        StatusError(QStringLiteral("Не удалось открыть файл: ") + path);
}

void TFormOrvel::HelpAbout() {
    TAboutBox about(this);
    about.exec();
}

} // namespace orvel
