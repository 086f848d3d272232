#include "ui/ProgramStart.h"

#include "ui/automation/OrvelDictionary.h"
#include "ui/dialogs/DialogBox.h"

#include <QDBusConnection>
#include <QDBusMessage>
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

bool HandWordToRunningInstance(const QString& word, const QString& busName, int timeoutMs) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        busName, QString::fromLatin1(TOrvelDictionary::ObjectPath),
        QStringLiteral("org.dorne.Orvel.IOrvelDictionary"), QStringLiteral("LookUpWord"));
    call.setAutoStartService(false);
    call << word;
    return bus.call(call, QDBus::Block, timeoutMs).type() == QDBusMessage::ReplyMessage;
}

} // namespace orvel
