// The single-instance guard between processes: this test program, started again in a helper
// mode, plays the second start (check) or a running instance (own).
#include "platform/SingleInstance.h"
#include "support/TempDir.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

using namespace orvel;

namespace {

// Helper mode: tst_singleinstance --helper check|own <name> <runtime folder> <bus 0|1>
// [<timeout ms>]. check exits 0 when another instance raised its window, 1 when none runs, 3
// when one runs but does not answer; own announces, writes "ready 1" (or "ready 0"), then
// "raised" for every request, until it is killed.
int RunHelper(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 6 && argc != 7)
        return 2;
    const QString mode = argv[2];
    TSingleInstance guard(argv[3], argv[4], QByteArray(argv[5]) == "1");
    if (mode == "check") {
        const int timeout = argc == 7 ? std::atoi(argv[6]) : TSingleInstance::DefaultTimeoutMs;
        switch (guard.FindRunningInstance(timeout)) {
        case TSingleInstance::TRunning::Raised:
            return 0;
        case TSingleInstance::TRunning::None:
            return 1;
        case TSingleInstance::TRunning::NotAnswering:
            return 3;
        }
    }
    QObject::connect(&guard, &TSingleInstance::RaiseRequested, [] {
        std::fputs("raised\n", stdout);
        std::fflush(stdout);
    });
    std::printf("ready %d\n", guard.Announce() ? 1 : 0);
    std::fflush(stdout);
    return app.exec();
}

bool HaveSessionBus() {
    return QDBusConnection::sessionBus().isConnected();
}

// A name of this run only, so that a real instance on the user's bus is never disturbed.
QString TestName() {
    return QString("org.dorne.OrvelTest%1").arg(QCoreApplication::applicationPid());
}

class THelper {
public:
    THelper(const QString& mode, const QString& name, const QString& folder, bool bus,
            const QStringList& more = {}) {
        FProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        FProcess.start(QCoreApplication::applicationFilePath(),
                       QStringList{"--helper", mode, name, folder, bus ? "1" : "0"} + more);
    }
    ~THelper() {
        FProcess.kill();
        FProcess.waitForFinished();
    }

    // Waits for a line of output, running the event loop meanwhile (the helper may be calling
    // this process).
    QString Line(int timeoutMs = 10000) {
        QDeadlineTimer deadline(timeoutMs);
        while (!FProcess.canReadLine() && !deadline.hasExpired() &&
               FProcess.state() != QProcess::NotRunning)
            QTest::qWait(10);
        return QString::fromUtf8(FProcess.readLine()).trimmed();
    }

    // The exit code, -1 on a crash or timeout.
    int Finish(int timeoutMs = 15000) {
        QDeadlineTimer deadline(timeoutMs);
        while (FProcess.state() != QProcess::NotRunning && !deadline.hasExpired())
            QTest::qWait(10);
        if (FProcess.state() != QProcess::NotRunning ||
            FProcess.exitStatus() != QProcess::NormalExit)
            return -1;
        return FProcess.exitCode();
    }

    // The exit code, waiting without running this process's event loop, as a busy instance
    // would; -1 on a crash or timeout.
    int FinishWithoutEvents(int timeoutMs = 15000) {
        if (!FProcess.waitForFinished(timeoutMs) || FProcess.exitStatus() != QProcess::NormalExit)
            return -1;
        return FProcess.exitCode();
    }

    // Ends the process as a crash would: no cleanup of any kind.
    void Crash() {
        FProcess.kill();
        FProcess.waitForFinished();
    }

private:
    QProcess FProcess;
};

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void secondStartRaisesTheFirst_data() {
        QTest::addColumn<bool>("bus");
        QTest::newRow("session bus") << true;
        QTest::newRow("local socket") << false;
    }

    void secondStartRaisesTheFirst() {
        QFETCH(bool, bus);
        if (bus && !HaveSessionBus())
            QSKIP("no session bus");
        testing::TTempDir dir;
        const QString folder = QString::fromStdString(dir.Path());
        TSingleInstance first(TestName(), folder, bus);
        QVERIFY(!first.AnotherInstanceRuns());
        QVERIFY(first.Announce());
        QCOMPARE(first.Guard(),
                 bus ? TSingleInstance::TGuard::SessionBus : TSingleInstance::TGuard::LocalSocket);

        QSignalSpy raised(&first, &TSingleInstance::RaiseRequested);
        THelper second("check", TestName(), folder, bus);
        QCOMPARE(second.Finish(), 0);
        QTRY_COMPARE(raised.count(), 1);

        // A second guard of the same name cannot be had while the first holds it.
        TSingleInstance other(TestName(), folder, bus);
        QVERIFY(!other.Announce());
        QCOMPARE(other.Guard(), TSingleInstance::TGuard::None);

        // Released, the next start runs normally.
        first.Release();
        THelper third("check", TestName(), folder, bus);
        QCOMPARE(third.Finish(), 1);
        QVERIFY(other.Announce());
    }

    void busyInstanceIsToldApartFromNone_data() { secondStartRaisesTheFirst_data(); }

    void busyInstanceIsToldApartFromNone() {
        QFETCH(bool, bus);
        if (bus && !HaveSessionBus())
            QSKIP("no session bus");
        testing::TTempDir dir;
        const QString folder = QString::fromStdString(dir.Path());
        TSingleInstance first(TestName(), folder, bus);
        QVERIFY(first.Announce());
        QSignalSpy raised(&first, &TSingleInstance::RaiseRequested);
        // This process runs no events while the second start waits for its answer.
        THelper second("check", TestName(), folder, bus, {"300"});
        QCOMPARE(second.FinishWithoutEvents(), 3);
        // The request is taken up once the instance is free again.
        QTRY_COMPARE(raised.count(), 1);
    }

    void crashedInstanceDoesNotBlockAStart_data() { secondStartRaisesTheFirst_data(); }

    void crashedInstanceDoesNotBlockAStart() {
        QFETCH(bool, bus);
        if (bus && !HaveSessionBus())
            QSKIP("no session bus");
        testing::TTempDir dir;
        const QString folder = QString::fromStdString(dir.Path());
        TSingleInstance guard(TestName(), folder, bus);
        {
            THelper running("own", TestName(), folder, bus);
            QCOMPARE(running.Line(), QString("ready 1"));
            QVERIFY(guard.AnotherInstanceRuns());
            QCOMPARE(running.Line(), QString("raised"));
            running.Crash();
        }
        if (bus) {
            QTRY_VERIFY(
                !QDBusConnection::sessionBus().interface()->isServiceRegistered(TestName()));
        } else {
            // Its lock and socket are left behind.
            QVERIFY(QFile::exists(guard.LockFilePath()));
            QVERIFY(QFile::exists(guard.SocketPath()));
        }
        QVERIFY(!guard.AnotherInstanceRuns());
        QVERIFY(guard.Announce());

        // And the new owner is found in turn.
        QSignalSpy raised(&guard, &TSingleInstance::RaiseRequested);
        THelper next("check", TestName(), folder, bus);
        QCOMPARE(next.Finish(), 0);
        QTRY_COMPARE(raised.count(), 1);
    }

    void withoutAnyMechanismTheProgramRunsUnguarded() {
        testing::TTempDir dir;
        const QString missing = QString::fromStdString(dir.File("no/such/folder"));
        for (const QString& folder : {missing, QString()}) {
            TSingleInstance guard(TestName(), folder, false);
            QVERIFY(!guard.AnotherInstanceRuns());
            QVERIFY(!guard.Announce());
            QCOMPARE(guard.Guard(), TSingleInstance::TGuard::None);
        }
        // A socket path beyond what the system takes.
        TSingleInstance longName(QString(120, 'x'), QString::fromStdString(dir.Path()), false);
        QVERIFY(!longName.Announce());
        QVERIFY(!longName.AnotherInstanceRuns());
    }
};

int main(int argc, char** argv) {
    if (argc > 1 && QByteArray(argv[1]) == "--helper")
        return RunHelper(argc, argv);
    QCoreApplication app(argc, argv);
    TestSingleInstance test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
