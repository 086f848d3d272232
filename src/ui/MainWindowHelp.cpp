// The help window, the documents that come with the program and the About box.
#include "ui/MainWindow.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/HelpWindow.h"

namespace orvel {

void TFormOrvel::ShowHelp(int topic) {
    if (!HelpWindow) {
        HelpWindow = new THelpWindow(this);
        HelpWindow->setObjectName(QStringLiteral("HelpWindow"));
    }
    HelpWindow->ShowPage(FEnvironment.Paths.HelpUrl(topic));
}

void TFormOrvel::OpenDocument(TDocument document) {
    // The desktop opens the document with its own program; a failure is not reported.
    OpenWithDesktop(FEnvironment.Paths.DocumentPath(document));
}

void TFormOrvel::HelpAbout() {
    TAboutBox about(this);
    about.exec();
}

} // namespace orvel
