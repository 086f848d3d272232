// Other programs driving the dictionary: the bus object called by real clients (gdbus) on a
// private session bus, and "orvel WORD" with an instance running.
#include "UiTestData.h"
#include "core/dictionary/MainDictionary.h"
#include "core/dictionary/SearchTerms.h"
#include "core/encoding/GreekEncoding.h"
#include "ui/ProgramStart.h"
#include "ui/article/ArticleView.h"
#include "ui/chartable/FormCharTable.h"
#include "ui/lookup/LookupPanel.h"
#include "ui/lookup/SearchLine.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QFileInfo>
#include <QMimeData>
#include <QProcess>
#include <QSettings>

using namespace orvel;
using namespace orvel::testing;

namespace {

const QString BusName = QString::fromLatin1(TSingleInstance::DefaultName);

struct TClientRun {
    int ExitCode = -1;
    QString Output;
};

// Runs a client to its end while the window goes on answering it.
TClientRun RunClient(const QString& program, const QStringList& arguments) {
    QProcess client;
    client.start(program, arguments);
    if (!client.waitForStarted(5000))
        return {};
    QElapsedTimer clock;
    clock.start();
    while (client.state() != QProcess::NotRunning && clock.elapsed() < 15000) {
        QCoreApplication::processEvents();
        client.waitForFinished(5);
    }
    return {client.exitStatus() == QProcess::NormalExit ? client.exitCode() : -1,
            QString::fromUtf8(client.readAllStandardOutput() + client.readAllStandardError())};
}

TClientRun Gdbus(const QString& member, const QStringList& arguments = {}) {
    return RunClient(QStringLiteral("gdbus"),
                     QStringList{"call", "--session", "--dest", BusName, "--object-path",
                                 "/OrvelDictionary", "--method",
                                 "org.dorne.Orvel.IOrvelDictionary." + member} +
                         arguments);
}

// Greek in the display font as rich text, as a client puts it on the clipboard.
void PutGreekRtfOnClipboard(const QByteArray& display) {
    auto* data = new QMimeData;
    data->setData(QStringLiteral("text/rtf"),
                  "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset0 Orvel000;}}\\f0\\fs28 " + display +
                      "\\par}");
    QGuiApplication::clipboard()->setMimeData(data);
}

int32_t Lookup(TFormOrvel& form, const std::string& display) {
    std::string key(1, char(ScriptGreek));
    key += FontWordToInternal(display);
    return form.Dictionary().FindWord(key);
}

TSearchLine* SearchLine(const TFormOrvel& form) {
    return form.findChild<TSearchLine*>(QStringLiteral("RichEditSearch"));
}

} // namespace

class TestAutomation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run under dbus-run-session");
        QVERIFY(QDBusConnection::sessionBus().registerService(BusName));
    }

    void introspectionListsTheMembers() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        QVERIFY(form->PublishAutomation());
        const TClientRun run =
            RunClient(QStringLiteral("gdbus"), {"introspect", "--session", "--dest", BusName,
                                                "--object-path", "/OrvelDictionary"});
        QCOMPARE(run.ExitCode, 0);
        QVERIFY(run.Output.contains("interface org.dorne.Orvel.IOrvelDictionary"));
        for (const char* member :
             {"WordSearch()", "WordEdit()", "OrvelSave()", "ExtSearch()", "ExtWordEdit()",
              "LookUpWord(", "readonly u AppHandle", "readonly u WinHandle"})
            QVERIFY2(run.Output.contains(QLatin1String(member)), member);
        // No X11 window without X11.
        const TClientRun handle =
            RunClient(QStringLiteral("gdbus"),
                      {"call", "--session", "--dest", BusName, "--object-path", "/OrvelDictionary",
                       "--method", "org.freedesktop.DBus.Properties.Get",
                       "org.dorne.Orvel.IOrvelDictionary", "WinHandle"});
        QCOMPARE(handle.ExitCode, 0);
        QCOMPARE(handle.Output.trimmed(), QString("(<uint32 0>,)"));
    }

    void wordSearchMovesTheListBehindAMinimisedWindow() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        QVERIFY(form->PublishAutomation());
        form->showMinimized();
        QVERIFY(form->isMinimized());

        PutGreekRtfOnClipboard("l3go~ a");
        QCOMPARE(Gdbus("WordSearch").ExitCode, 0);
        const int32_t logos = Lookup(*form, "l3go~");
        QTRY_COMPARE(form->LookupPanel().ListCenter(), logos);
        QCOMPARE(SearchLine(*form)->toPlainText(), QString("l3go~"));
        QCOMPARE(form->ArticleView().ArticleIndex(), -1);
        QVERIFY(form->isMinimized());

        // ExtSearch restores the window and opens the article.
        PutGreekRtfOnClipboard("#gaq3~");
        QCOMPARE(Gdbus("ExtSearch").ExitCode, 0);
        const int32_t aner = Lookup(*form, "#gaq3~");
        QTRY_COMPARE(form->ArticleView().ArticleIndex(), aner);
        QVERIFY(!form->isMinimized());
    }

    void wordEditCancelledLeavesTheLineAlone() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        QVERIFY(form->PublishAutomation());
        QTest::keyClicks(SearchLine(*form), "l3go~");
        QTRY_COMPARE(form->LookupPanel().ListCenter(), Lookup(*form, "l3go~"));

        bool tableShown = false;
        auto* timer = new QTimer(form.get());
        connect(timer, &QTimer::timeout, [&] {
            if (auto* table = qobject_cast<TFormCharTable*>(QApplication::activeModalWidget())) {
                tableShown = true;
                table->SetComposedBytes("#gaq3~");
                table->reject();
            }
        });
        timer->start(10);
        QCOMPARE(Gdbus("WordEdit").ExitCode, 0);
        QTRY_VERIFY(tableShown);
        QTest::qWait(50);
        QCOMPARE(SearchLine(*form)->toPlainText(), QString("l3go~"));
    }

    void orvelSaveWritesTheState() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        QVERIFY(form->PublishAutomation());
        form->Preference().ListWordsMaxCount = 55;
        QCOMPARE(Gdbus("OrvelSave").ExitCode, 0);
        const QSettings settings(data.SettingsFile(), QSettings::IniFormat);
        QCOMPARE(settings.value("Preference/ListWordsMaxCount").toString(), QString("55"));
        QVERIFY(form->isVisible()); // saved, not closed
    }

    void commandLineWordOpensInTheRunningInstance() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        QVERIFY(form->PublishAutomation());
        const TClientRun run =
            RunClient(qEnvironmentVariable("ORVEL_PROGRAM"), {QString::fromUtf8("λόγος")});
        QCOMPARE(run.ExitCode, 0);
        QTRY_COMPARE(form->ArticleView().ArticleIndex(), Lookup(*form, "l3go~"));
        QCOMPARE(SearchLine(*form)->toPlainText(), QString("l3go~"));

        // Without a running instance the hand-over fails and the start goes on.
        QVERIFY(!HandWordToRunningInstance(QStringLiteral("x"), "org.dorne.OrvelNobody", 2000));
    }

    // orvel-tool's dbus requests, as a script sends them.
    void toolRequestsSaveTheBookmarksAndReportAFailure() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        QVERIFY(form->PublishAutomation());
        const QString tool = QDir(BinDir()).filePath(QStringLiteral("orvel-tool"));
        const auto bookmark = [&](const char* word, const std::string& display) {
            QCOMPARE(RunClient(tool, {"dbus", "lookup", QString::fromUtf8(word)}).ExitCode, 0);
            QTRY_COMPARE(form->ArticleView().ArticleIndex(), Lookup(*form, display));
            QTRY_VERIFY(form->Action(TMainAction::BookmarkAdd)->isEnabled());
            form->Action(TMainAction::BookmarkAdd)->trigger();
        };
        bookmark("λόγος", "l3go~");
        QVERIFY(form->BookmarksModified());
        QCOMPARE(RunClient(tool, {"dbus", "save"}).ExitCode, 0);
        QVERIFY(QFileInfo(data.File("User/Default.bmr")).isFile());
        QVERIFY(!form->BookmarksModified());

        // A folder where the set's file should be: the caller hears of it, the change is kept.
        bookmark("ἀγαθός", "#gaq3~");
        QVERIFY(form->BookmarksModified());
        QVERIFY(QFile::remove(data.File("User/Default.bmr")));
        QVERIFY(QDir().mkpath(data.File("User/Default.bmr/inside")));
        TErrorBoxCatcher boxes;
        const TClientRun failed = RunClient(tool, {"dbus", "save"});
        QCOMPARE(failed.ExitCode, 1);
        QCOMPARE(failed.Output, QString("orvel-tool: Закладки не сохранены\n"));
        QCOMPARE(boxes.Texts.size(), 1);
        QVERIFY(form->BookmarksModified());

        // Nobody on the bus to answer.
        QProcess alone;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + data.File("no-bus"));
        alone.setProcessEnvironment(environment);
        alone.start(tool, {"dbus", "edit"});
        QVERIFY(alone.waitForFinished(10000));
        QCOMPARE(alone.exitCode(), 1);
        QVERIFY(alone.readAllStandardError().startsWith("orvel-tool: "));
    }
};

QTEST_MAIN(TestAutomation)
#include "tst_automation.moc"
