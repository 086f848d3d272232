// The guard that keeps one instance of the program running.
//
// The running instance owns the session bus name org.dorne.Orvel and offers, at the object
// /SingleInstance, the method Raise, which brings its window to the front. A second start finds
// the owner, calls Raise and ends. The bus drops the name when its owner's process ends, however
// it ends, so a crashed instance never blocks a start.
//
// Without a session bus the guard is a lock file and a local (Unix domain) socket in the user's
// runtime folder: the lock (held through the process's life, stale once its process is gone)
// marks the owner; a connection to the socket is the request to raise the window, answered with
// "ok". A socket left by a dead instance refuses connections and is removed by the next owner.
// When neither can be had the program runs unguarded.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QLockFile;
class QSocketNotifier;

namespace orvel {

class TSingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.dorne.Orvel.SingleInstance")

public:
    enum class TGuard {
        None,        // not announced, or no mechanism could be had
        SessionBus,  // owns the bus name
        LocalSocket, // holds the lock and listens on the socket
    };

    static constexpr const char* DefaultName = "org.dorne.Orvel";
    static constexpr const char* ObjectPath = "/SingleInstance";
    static constexpr int DefaultTimeoutMs = 5000;

    // The program's guard: the default name, the session bus, the user's runtime folder.
    explicit TSingleInstance(QObject* parent = nullptr);
    // name is the bus name and the base name of the lock and socket files in runtimeFolder;
    // without useSessionBus the bus is not tried.
    TSingleInstance(const QString& name, const QString& runtimeFolder, bool useSessionBus,
                    QObject* parent = nullptr);
    ~TSingleInstance() override;

    enum class TRunning {
        None,         // no other instance runs
        Raised,       // one runs and was asked to bring its window to the front
        NotAnswering, // one holds the guard but did not answer in time (busy or hung)
    };

    // Looks for another instance and, when one runs, asks it to bring its window to the front.
    TRunning FindRunningInstance(int timeoutMs = DefaultTimeoutMs);
    // Whether another instance runs, answering or not.
    bool AnotherInstanceRuns(int timeoutMs = DefaultTimeoutMs) {
        return FindRunningInstance(timeoutMs) != TRunning::None;
    }
    // Makes this process the running instance. False when the guard cannot be had (another
    // instance took it meanwhile, or no mechanism works): the program then runs on unguarded.
    bool Announce();
    // Gives the guard up; a later start then runs normally.
    void Release();

    TGuard Guard() const { return FGuard; }
    bool UsesSessionBus() const;
    QString LockFilePath() const;
    QString SocketPath() const;

signals:
    // Another start asked for the window to be brought to the front.
    void RaiseRequested();

public slots:
    // Called over the bus by a second start.
    Q_SCRIPTABLE void Raise();

private:
    TRunning FindOnBus(int timeoutMs);
    TRunning FindOnSocket(int timeoutMs);
    bool AnnounceOnBus();
    bool AnnounceOnSocket();
    void AnswerConnections();

    QString FName;
    QString FRuntimeFolder;
    bool FUseSessionBus;
    TGuard FGuard = TGuard::None;
    std::unique_ptr<QLockFile> FLock;
    int FServerSocket = -1;
    QSocketNotifier* FServerNotifier = nullptr;
};

} // namespace orvel
