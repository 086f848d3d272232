#include "ui/ProgramStart.h"

#include <QGuiApplication>

namespace orvel {

void SetProgramIdentity() {
    QCoreApplication::setOrganizationName(QStringLiteral("Dorne"));
    QCoreApplication::setApplicationName(QStringLiteral("Orvel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("orvel"));
}

} // namespace orvel
