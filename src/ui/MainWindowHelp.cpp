// The help window, the documents that come with the program and the About box.
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
    if (!QFileInfo(path).isFile()) {
        StatusError(QStringLiteral("Отсутствует файл: ") + path);
        return;
    }
    if (FEnvironment.DesktopOpener && FEnvironment.DesktopOpener(path))
        return;
    // No application of the desktop takes RTF: the program shows the document itself.
    if (!DocumentWindow) {
        DocumentWindow = new TDocumentWindow(this);
        DocumentWindow->setObjectName(QStringLiteral("DocumentWindow"));
    }
    if (!DocumentWindow->ShowFile(path))
        StatusError(QStringLiteral("Не удалось открыть файл: ") + path);
}

void TFormOrvel::HelpAbout() {
    TAboutBox about(this);
    about.exec();
}

} // namespace orvel
