// The program: one instance at a time, one main window.
#include "platform/Paths.h"
#include "platform/QtSettingsStore.h"
#include "platform/SingleInstance.h"
#include "ui/MainWindow.h"
#include "ui/ProgramStart.h"

#include <QApplication>
#include <iostream>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    orvel::SetProgramIdentity();

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
        form->show();
        QApplication::exec();
    } catch (...) {
        // What escapes the window's own handling ends the program quietly.
    }
    return 0;
}
