// The settings file: key paths as groups, values as text read strictly, the preferences and the
// window state through it.
#include "core/settings/Preference.h"
#include "platform/QtSettingsStore.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QFile>
#include <QtTest>
#include <unistd.h>

using namespace orvel;

namespace {

const std::string PreferenceKey = std::string(OrvelKeyPath) + "\\Preference";

void WriteFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void keyPathsMapToGroups() {
        using S = TQtSettingsStore;
        QCOMPARE(S::GroupOfPath("Software\\Dorne\\Orvel"), QString());
        QCOMPARE(S::GroupOfPath("Software\\Dorne\\Orvel\\Preference"), QString("Preference"));
        QCOMPARE(S::GroupOfPath("\\software\\DORNE\\orvel\\FormOrvel\\ControlBar\\"),
                 QString("FormOrvel/ControlBar"));
        QVERIFY(!S::GroupOfPath("Software\\Dorne"));
        QVERIFY(!S::GroupOfPath("Software\\Other\\Orvel"));
        QVERIFY(!S::GroupOfPath("Software\\Dorne\\Orvel\\a/b"));
    }

    void firstRunReadsNothingAndWritesNothing() {
        testing::TTempDir dir;
        const QString path = QString::fromStdString(dir.File("Orvel.conf"));
        {
            TQtSettingsStore store(path);
            TPreference preference;
            preference.LoadPreference(store, OrvelKeyPath);
            QCOMPARE(preference.ListFontSize, 14); // the built-in default, the key being missing
            const TWindowState state =
                LoadMainWindowState(store, QRect(10, 20, 600, 400), QRect(0, 0, 1024, 768));
            QCOMPARE(ToQRect(state.Rect), QRect(10, 20, 600, 400));
            QVERIFY(!store.OpenKey(OrvelKeyPath, false));
        }
        QVERIFY(!QFile::exists(path));
    }

    void createdKeysExistBeforeTheyHoldValues() {
        testing::TTempDir dir;
        TQtSettingsStore store(QString::fromStdString(dir.File("Orvel.conf")));
        QVERIFY(store.OpenKey(PreferenceKey, true));
        QVERIFY(store.OpenKey(PreferenceKey, false));
        QVERIFY(store.OpenKey(OrvelKeyPath, false)); // a parent of a created key
        QVERIFY(!store.OpenKey(std::string(OrvelKeyPath) + "\\FormOrvel", false));
        QVERIFY(!store.OpenKey("Software\\Elsewhere", true));
    }

    void preferencesRoundTripThroughTheFile() {
        testing::TTempDir dir;
        const QString path = QString::fromStdString(dir.File("Orvel.conf"));
        TPreference saved;
        saved.CommonBookmarksFileName = "\xCC\xEE\xE8 \xE7\xE0\xEA\xEB\xE0\xE4\xEA\xE8, 2"; // 1251
        saved.CommonWindowsSound = true;
        saved.ListFontBold = true;
        saved.ListSearchMaxCount = 1;
        saved.TextEnumColor = 0x123456;
        saved.CurrentNoteFile = "Lexicon";
        {
            TQtSettingsStore store(path);
            saved.SavePreference(store, OrvelKeyPath);
            QVERIFY(store.Sync());
        }
        // Unicode text in a group named after the subkey, every value as text.
        const QString text = QString::fromUtf8(ReadFile(path));
        QVERIFY(text.contains("[Preference]"));
        QVERIFY(text.contains(QString::fromUtf8("Мои закладки")));
        QVERIFY(text.contains("ListFontBold=1"));
        QVERIFY(text.contains("TextEnumColor=1193046"));

        TQtSettingsStore store(path);
        TPreference loaded;
        loaded.LoadPreference(store, OrvelKeyPath);
        QVERIFY(loaded == saved);
    }

    void valuesAreParsedStrictly() {
        testing::TTempDir dir;
        const QString path = QString::fromStdString(dir.File("Orvel.conf"));
        WriteFile(path, "[General]\n"
                        "Maximize=2\n"
                        "Width=100\n"
                        "Left=5000\n"
                        "Top=-0\n"
                        "[Preference]\n"
                        "CommonBookmarksFileName=first, second\n"
                        "CommonAutoLoadSave=false\n"
                        "CommonWindowsSound=yes\n"
                        "CommonWordFontSize=+12\n"
                        "ListFontBold=2\n"
                        "ListWordsMaxCount=forty\n"
                        "ListGotoMaxCount=12abc\n"
                        "ListSearchMaxCount=0\n"
                        "TextFontSize=0x10\n"
                        "TextAuthorSizePercent=10\n"
                        "TextAuthorColor=99999999999\n"
                        "TextSignColor=-5\n"
                        "CurrentNoteFile=\"a, b\"\n");
        TQtSettingsStore store(path);

        const std::unique_ptr<TSettingsKey> key = store.OpenKey(PreferenceKey, false);
        QVERIFY(key);
        QCOMPARE(key->ReadInteger("ListWordsMaxCount").Status, TSettingStatus::WrongType);
        QCOMPARE(key->ReadBoolean("CommonWindowsSound").Status, TSettingStatus::WrongType);
        QCOMPARE(key->ReadString("CommonBookmarksFileName").Status, TSettingStatus::WrongType);
        QCOMPARE(key->ReadInteger("Missing").Status, TSettingStatus::Missing);
        QCOMPARE(key->ReadString("ListGotoMaxCount").Value, std::string("12abc"));

        TPreference p;
        p.LoadPreference(store, OrvelKeyPath);
        QCOMPARE(p.CommonBookmarksFileName, std::string()); // a list is no text of ours
        QCOMPARE(p.CommonAutoLoadSave, false);
        QCOMPARE(p.CommonWindowsSound, false); // its default
        QCOMPARE(p.CommonWordFontSize, 20);    // the current value
        QCOMPARE(p.ListFontSize, 20);          // missing in an existing key
        QCOMPARE(p.ListFontBold, false);       // 2 is no boolean
        QCOMPARE(p.ListWordsMaxCount, 40);
        QCOMPARE(p.ListGotoMaxCount, 16);
        QCOMPARE(p.ListSearchMaxCount, 1); // clamped
        QCOMPARE(p.TextFontSize, 20);
        QCOMPARE(p.TextAuthorSizePercent, 50);
        QCOMPARE(p.TextAuthorColor, uint32_t(0x800000)); // out of 32 bits: wrongly typed
        QCOMPARE(p.TextSignColor, uint32_t(0));          // clamped
        QCOMPARE(p.CurrentNoteFile, std::string("a, b"));

        const TWindowState state =
            LoadMainWindowState(store, QRect(10, 20, 600, 400), QRect(0, 0, 1024, 768));
        QVERIFY(!state.Maximize);
        QCOMPARE(ToQRect(state.Rect), QRect(824, 0, 200, 400));
        QCOMPARE(state.LeftWidth, 200 / 3);
    }

    void windowStateRoundTripsWithTheProgramPath() {
        testing::TTempDir dir;
        const QString path = QString::fromStdString(dir.File("Orvel.conf"));
        const TWindowState saved{false, TWindowRect{30, 40, 700, 500}, 250};
        {
            TQtSettingsStore store(path);
            QVERIFY(SaveMainWindowState(store, saved));
        }
        TQtSettingsStore store(path);
        QCOMPARE(LoadMainWindowState(store, QRect(0, 0, 600, 400), QRect(0, 0, 1920, 1080)), saved);
        const auto key = store.OpenKey(OrvelKeyPath, false);
        QCOMPARE(key->ReadString("AppSearch").Value, std::string("4124"));
        QCOMPARE(QSettings(path, QSettings::IniFormat).value("AppPath").toString(),
                 QCoreApplication::applicationFilePath());

        // A path beyond Windows-1251 is kept as it is, not with question marks.
        const QString program = QString::fromUtf8("/home/José/Ορβελ/Словарь/orvel");
        {
            TQtSettingsStore other(path);
            QVERIFY(SaveWindowState(other, OrvelKeyPath, saved, program.toStdString()));
        }
        QCOMPARE(QSettings(path, QSettings::IniFormat).value("AppPath").toString(), program);
    }

    void unwritableFileWritesNothing() {
        if (::geteuid() == 0)
            QSKIP("permissions do not bind the superuser");
        testing::TTempDir dir;
        const QString path = QString::fromStdString(dir.File("Orvel.conf"));
        WriteFile(path, "[Preference]\nListFontSize=9\n");
        QFile::setPermissions(path, QFile::ReadOwner);
        TQtSettingsStore store(path);
        const auto key = store.OpenKey(PreferenceKey, false);
        QVERIFY(key);
        QVERIFY(!key->WriteInteger("ListFontSize", 10));
        QVERIFY(!store.OpenKey(PreferenceKey, true));
        TPreference p;
        p.LoadPreference(store, OrvelKeyPath);
        QCOMPARE(p.ListFontSize, 9);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
