// The program: one instance at a time, one main window. "orvel WORD" opens the word's article,
// in the running instance when there is one.
#include "platform/Paths.h"
#include "platform/QtSettingsStore.h"
#include "platform/SingleInstance.h"
#include "ui/MainWindow.h"
#include "ui/ProgramStart.h"

#include <QApplication>
#include <QCommandLineParser>
#include <iostream>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    orvel::SetProgramIdentity();
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVEL_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Orvel, a dictionary of Ancient Greek with Russian translations."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("word"),
        QStringLiteral(
            "A Greek word (Unicode Greek or the Orvel000 layout) whose article to open."),
        QStringLiteral("[word]"));
    parser.process(application);
    const QString word = parser.positionalArguments().join(QLatin1Char(' '));

    if (!word.isEmpty() && orvel::HandWordToRunningInstance(word))
        return 0;

    // A second start brings the running instance's window to the front and ends.
    orvel::TSingleInstance guard;
    if (const std::optional<int> status =
            orvel::SecondStartExitStatus(guard.FindRunningInstance(), std::cerr))
        return *status;

    try {
        orvel::TFormOrvel::TEnvironment environment{
            orvel::TPaths::Application(), std::make_unique<orvel::TQtSettingsStore>(), &guard};
        auto form = std::make_unique<orvel::TFormOrvel>(std::move(environment));
        QObject::connect(&guard, &orvel::TSingleInstance::RaiseRequested, form.get(),
                         [window = form.get()] {
                             if (window->isMinimized())
                                 window->showNormal();
                             window->raise();
                             window->activateWindow();
                         });
        if (!word.isEmpty())
            QObject::connect(form.get(), &orvel::TFormOrvel::LoadingFinished, form.get(),
                             [window = form.get(), word](bool loaded) {
                                 if (loaded)
                                     window->LookUpWord(word);
                             });
        form->show();
        // Other programs reach the dictionary under the guard's bus name.
        if (guard.Guard() == orvel::TSingleInstance::TGuard::SessionBus)
            form->PublishAutomation();
        QApplication::exec();
    } catch (...) {
        // What escapes the window's own handling ends the program quietly.
    }
    return 0;
}
