#include "ui/ProgramStart.h"

#include "ui/dialogs/DialogBox.h"

#include <QGuiApplication>

namespace orvel {

void SetProgramIdentity() {
    QCoreApplication::setOrganizationName(QStringLiteral("Dorne"));
    QCoreApplication::setApplicationName(QStringLiteral("Orvel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.dorne.Orvel"));
}

std::optional<int> SecondStartExitStatus(TSingleInstance::TRunning running, std::ostream& errors) {
    switch (running) {
    case TSingleInstance::TRunning::None:
        return std::nullopt;
    case TSingleInstance::TRunning::Raised:
        return 0;
    case TSingleInstance::TRunning::NotAnswering:
        break;
    }
    errors << "orvel: " << InstanceNotAnsweringText << '\n' << std::flush;
    TDlgBox::ShowErrorBox(QString::fromUtf8(InstanceNotAnsweringText));
    return 1;
}

} // namespace orvel
