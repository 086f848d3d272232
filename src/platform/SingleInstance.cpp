#include "platform/SingleInstance.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

namespace orvel {

namespace {

const QString Interface = QStringLiteral("org.dorne.Orvel.SingleInstance");
const char RaiseAnswer[] = "ok\n";

// The address of a socket file; false when the path does not fit.
bool SocketAddress(const QString& path, sockaddr_un& address) {
    const QByteArray name = QFile::encodeName(path);
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || size_t(name.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return true;
}

// A socket descriptor closed with its holder.
class TSocket {
public:
    explicit TSocket(int fd) : FFd(fd) {}
    ~TSocket() {
        if (FFd >= 0)
            ::close(FFd);
    }
    TSocket(const TSocket&) = delete;
    TSocket& operator=(const TSocket&) = delete;

    int Fd() const { return FFd; }
    int Release() { return std::exchange(FFd, -1); }

private:
    int FFd;
};

} // namespace

TSingleInstance::TSingleInstance(QObject* parent)
    : TSingleInstance(QString::fromLatin1(DefaultName),
                      QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation), true,
                      parent) {}

TSingleInstance::TSingleInstance(const QString& name, const QString& runtimeFolder,
                                 bool useSessionBus, QObject* parent)
    : QObject(parent), FName(name), FRuntimeFolder(runtimeFolder), FUseSessionBus(useSessionBus) {}

TSingleInstance::~TSingleInstance() {
    Release();
}

bool TSingleInstance::UsesSessionBus() const {
    return FUseSessionBus && QDBusConnection::sessionBus().isConnected();
}

QString TSingleInstance::LockFilePath() const {
    return FRuntimeFolder.isEmpty() ? QString() : QDir(FRuntimeFolder).filePath(FName + ".lock");
}

QString TSingleInstance::SocketPath() const {
    return FRuntimeFolder.isEmpty() ? QString() : QDir(FRuntimeFolder).filePath(FName + ".socket");
}

TSingleInstance::TRunning TSingleInstance::FindRunningInstance(int timeoutMs) {
    return UsesSessionBus() ? FindOnBus(timeoutMs) : FindOnSocket(timeoutMs);
}

TSingleInstance::TRunning TSingleInstance::FindOnBus(int timeoutMs) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(FName, QString::fromLatin1(ObjectPath), Interface, "Raise");
    call.setAutoStartService(false);
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, timeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return TRunning::Raised;
    // ServiceUnknown: nobody owns the name. A timeout means an owner that is alive but busy.
    const QDBusError::ErrorType error = QDBusError(reply).type();
    if (error == QDBusError::NoReply || error == QDBusError::Timeout ||
        error == QDBusError::TimedOut)
        return TRunning::NotAnswering;
    return TRunning::None;
}

TSingleInstance::TRunning TSingleInstance::FindOnSocket(int timeoutMs) {
    sockaddr_un address;
    if (FRuntimeFolder.isEmpty() || !SocketAddress(SocketPath(), address))
        return TRunning::None;
    const TSocket socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.Fd() < 0)
        return TRunning::None;
    if (::connect(socket.Fd(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        // A full backlog means an owner that is alive but busy; a socket file whose owner is
        // gone refuses the connection.
        return errno == EAGAIN ? TRunning::NotAnswering : TRunning::None;
    // Connected: the owner answers once it has raised its window.
    pollfd reply{socket.Fd(), POLLIN, 0};
    char answer[sizeof RaiseAnswer];
    if (::poll(&reply, 1, timeoutMs) == 1 && ::recv(socket.Fd(), answer, sizeof answer, 0) > 0)
        return TRunning::Raised;
    return TRunning::NotAnswering;
}

bool TSingleInstance::Announce() {
    if (FGuard != TGuard::None)
        return true;
    return UsesSessionBus() ? AnnounceOnBus() : AnnounceOnSocket();
}

bool TSingleInstance::AnnounceOnBus() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString path = QString::fromLatin1(ObjectPath);
    if (!bus.registerObject(path, this, QDBusConnection::ExportScriptableSlots))
        return false;
    // Never queued behind another owner, never handed over.
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus.interface()->registerService(FName, QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid() || reply.value() != QDBusConnectionInterface::ServiceRegistered) {
        bus.unregisterObject(path);
        return false;
    }
    FGuard = TGuard::SessionBus;
    return true;
}

bool TSingleInstance::AnnounceOnSocket() {
    sockaddr_un address;
    if (FRuntimeFolder.isEmpty() || !SocketAddress(SocketPath(), address))
        return false;
    auto lock = std::make_unique<QLockFile>(LockFilePath());
    // The lock is stale only when its process is gone, never by age: the program runs for days.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    TSocket server(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (server.Fd() < 0)
        return false;
    // Holding the lock, any socket file left here belongs to a dead instance.
    ::unlink(address.sun_path);
    if (::bind(server.Fd(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return false;
    ::chmod(address.sun_path, S_IRUSR | S_IWUSR);
    if (::listen(server.Fd(), 8) != 0) {
        ::unlink(address.sun_path);
        return false;
    }
    FServerSocket = server.Release();
    FServerNotifier = new QSocketNotifier(FServerSocket, QSocketNotifier::Read, this);
    connect(FServerNotifier, &QSocketNotifier::activated, this,
            &TSingleInstance::AnswerConnections);
    FLock = std::move(lock);
    FGuard = TGuard::LocalSocket;
    return true;
}

void TSingleInstance::AnswerConnections() {
    int accepted = 0;
    while (true) {
        const TSocket client(::accept4(FServerSocket, nullptr, nullptr, SOCK_CLOEXEC));
        if (client.Fd() < 0)
            break;
        // A short answer fits the socket buffer; a client that left already is of no concern.
        [[maybe_unused]] const ssize_t written =
            ::send(client.Fd(), RaiseAnswer, sizeof RaiseAnswer - 1, MSG_NOSIGNAL | MSG_DONTWAIT);
        ++accepted;
    }
    if (accepted > 0)
        emit RaiseRequested();
}

void TSingleInstance::Release() {
    if (FGuard == TGuard::SessionBus) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterService(FName);
        bus.unregisterObject(QString::fromLatin1(ObjectPath));
    } else if (FGuard == TGuard::LocalSocket) {
        delete FServerNotifier;
        FServerNotifier = nullptr;
        ::close(FServerSocket);
        FServerSocket = -1;
        QFile::remove(SocketPath());
        FLock.reset(); // unlocks and removes the lock file
    }
    FGuard = TGuard::None;
}

void TSingleInstance::Raise() {
    emit RaiseRequested();
}

} // namespace orvel
