// Where the program finds its data, documents, help and fonts, where it keeps user files, and
// which of the desktop's applications opens a document.
#include "platform/DesktopApplications.h"
#include "platform/Fonts.h"
#include "platform/Paths.h"
#include "support/TempDir.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QStandardPaths>
#include <QtTest>
#include <unistd.h>

using namespace orvel;

namespace {

void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

QString BinDir() {
    return qEnvironmentVariable("ORVEL_BIN_DIR");
}

void WriteText(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// A desktop of its own for the life of the object: the user's and the system's configuration
// and data folders in a temporary folder, with no application installed. The system's MIME
// database is lent to it, so that types are still known.
class TDesktop {
public:
    TDesktop() {
        const QString mime = QStandardPaths::locate(QStandardPaths::GenericDataLocation, "mime",
                                                    QStandardPaths::LocateDirectory);
        QDir().mkpath(File("usr"));
        if (!mime.isEmpty())
            QFile::link(mime, File("usr/mime"));
        for (const char* name : Variables)
            FSaved << qgetenv(name);
        qputenv("XDG_CONFIG_HOME", File("config").toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", File("etc/xdg").toLocal8Bit());
        qputenv("XDG_DATA_HOME", File("home").toLocal8Bit());
        qputenv("XDG_DATA_DIRS", File("usr").toLocal8Bit());
    }
    ~TDesktop() {
        for (size_t i = 0; i < std::size(Variables); ++i)
            qputenv(Variables[i], FSaved[qsizetype(i)]);
    }

    QString File(const QString& name) const {
        return QString::fromStdString(FDir.Path()) + "/" + name;
    }
    void Install(const QString& folder, const QString& desktopId) const {
        WriteText(File(folder + "/applications/" + desktopId),
                  "[Desktop Entry]\nType=Application\nName=App\nExec=true %f\n");
    }

private:
    static constexpr const char* Variables[] = {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS",
                                                "XDG_DATA_HOME", "XDG_DATA_DIRS"};
    testing::TTempDir FDir;
    QList<QByteArray> FSaved;
};

} // namespace

class TestPaths : public QObject {
    Q_OBJECT

public slots:
    void Opened(const QUrl& url) { FOpened << url; }

private slots:
    void dataLiesBesideTheProgramOrInShare() {
        testing::TTempDir dir;
        const QString root = QString::fromStdString(dir.Path());
        const TPaths paths(root + "/bin/orvel", root + "/home");

        // A build tree: everything beside the program.
        QCOMPARE(paths.DataFolder(), root + "/bin");
        QCOMPARE(paths.DictionaryFile(".idx"), root + "/bin/orvel.idx");

        // Installed: share/orvel, unless the dictionary lies beside the program after all.
        QDir().mkpath(root + "/share/orvel");
        QCOMPARE(paths.DataFolder(), root + "/share/orvel");
        QCOMPARE(paths.DictionaryFile(".dic"), root + "/share/orvel/orvel.dic");
        QCOMPARE(paths.DocumentPath(TDocument::Troubleshooting),
                 root + "/share/orvel/troubleshooting.rtf");
        QCOMPARE(paths.HelpIndex(), root + "/share/orvel/help/index.html");
        Touch(root + "/bin/orvel.dic");
        QCOMPARE(paths.DataFolder(), root + "/bin");

        // Named after the program: "Orvel" looks for "Orvel.dic", which is not "orvel.dic".
        QCOMPARE(TPaths(root + "/bin/Orvel").DictionaryFile(".dic"),
                 root + "/share/orvel/Orvel.dic");
    }

    void userFolderIsBesideTheDataWhenWritable() {
        testing::TTempDir dir;
        const QString root = QString::fromStdString(dir.Path());
        QDir().mkpath(root + "/bin");
        const TPaths paths(root + "/bin/orvel", root + "/home");
        QCOMPARE(paths.UserFolder(), root + "/bin/User");
        QVERIFY(paths.CreateUserFolder());
        QVERIFY(QFileInfo(root + "/bin/User").isDir());
        QVERIFY(paths.CreateUserFolder()); // already there

        if (::geteuid() == 0)
            QSKIP("permissions do not bind the superuser");
        QFile::setPermissions(root + "/bin", QFile::ReadOwner | QFile::ExeOwner);
        QFile::setPermissions(root + "/bin/User", QFile::ReadOwner | QFile::ExeOwner);
        const QString userFolder = paths.UserFolder();
        QFile::setPermissions(root + "/bin/User",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(root + "/bin",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(userFolder, root + "/home/orvel/User");
    }

    void installedProgramKeepsUserFilesOutOfItsPrefix() {
        // The prefix is writable here (and to the superuser everywhere): the User folder still
        // goes to the user's data folder, and nothing is created under the prefix.
        testing::TTempDir dir;
        const QString root = QString::fromStdString(dir.Path());
        Touch(root + "/share/orvel/orvel.dic");
        const TPaths paths(root + "/bin/orvel", root + "/home");
        QCOMPARE(paths.DataFolder(), root + "/share/orvel");
        QCOMPARE(paths.UserFolder(), root + "/home/orvel/User");
        QVERIFY(paths.CreateUserFolder());
        QVERIFY(QFileInfo(root + "/home/orvel/User").isDir());
        QVERIFY(!QFileInfo::exists(root + "/share/orvel/User"));
        QVERIFY(!QFileInfo::exists(root + "/bin"));
    }

    void helpTopicsAreAnchorsOfOnePage() {
        const TPaths paths("/opt/orvel/bin/orvel");
        QCOMPARE(paths.HelpUrl(), QUrl::fromLocalFile("/opt/orvel/bin/help/index.html"));
        QCOMPARE(paths.HelpUrl(1200).fragment(), QString("topic1200"));
        QCOMPARE(paths.HelpUrl(1200).toLocalFile(), QString("/opt/orvel/bin/help/index.html"));
    }

    void helpPagesHoldEveryTopic() {
        if (BinDir().isEmpty())
            QSKIP("ORVEL_BIN_DIR is not set");
        QFile page(QDir(BinDir()).filePath("help/index.html"));
        QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(page.fileName()));
        const QString html = QString::fromUtf8(page.readAll());
        for (const int topic : {100, 140, 210, 1010, 1200, 1500})
            QVERIFY2(html.contains(QString("name=\"%1\"").arg(TPaths::HelpAnchor(topic))),
                     qPrintable(QString::number(topic)));
    }

    void applicationsForATypeFollowTheAssociations() {
        const TDesktop desktop;
        // A fresh desktop: nothing registered for RTF.
        QCOMPARE(DesktopApplicationsFor("text/rtf"), QStringList());

        // The installed applications' cache, under the type or its alias; an entry without its
        // desktop file does not count.
        desktop.Install("usr", "viewer.desktop");
        WriteText(desktop.File("usr/applications/mimeinfo.cache"),
                  "[MIME Cache]\napplication/rtf=gone.desktop;viewer.desktop;\n");
        QCOMPARE(DesktopApplicationsFor("text/rtf"), QStringList("viewer.desktop"));

        // The user's choice comes first; a removal holds for the files after it.
        desktop.Install("home", "writer.desktop");
        WriteText(desktop.File("config/mimeapps.list"),
                  "[Default Applications]\ntext/rtf=writer.desktop;\n"
                  "[Removed Associations]\napplication/rtf=viewer.desktop;\n");
        QCOMPARE(DesktopApplicationsFor("text/rtf"), QStringList("writer.desktop"));
    }

    void documentsOpenWithTheDesktopOnlyWhenItHasAnApplication() {
        const TDesktop desktop;
        testing::TTempDir dir;
        const QString root = QString::fromStdString(dir.Path()) + "/Словарь и заметки";
        const TPaths paths(root + "/orvel");
        Touch(paths.DocumentPath(TDocument::License));
        QDesktopServices::setUrlHandler("file", this, "Opened");
        const bool withoutApplication = OpenWithDesktop(paths.DocumentPath(TDocument::License));
        desktop.Install("usr", "writer.desktop");
        WriteText(desktop.File("usr/applications/mimeinfo.cache"),
                  "[MIME Cache]\ntext/rtf=writer.desktop;\n");
        const bool withApplication = OpenWithDesktop(paths.DocumentPath(TDocument::License));
        QDesktopServices::unsetUrlHandler("file");
        QVERIFY(!withoutApplication);
        QVERIFY(withApplication);
        QCOMPARE(FOpened.size(), 1);
        QCOMPARE(FOpened.front().toLocalFile(), root + "/license.rtf");
    }

    void missingOrForeignFontFilesAreReported() {
        testing::TTempDir dir;
        const QString folder = QString::fromStdString(dir.Path());
        TFontLoadResult result = LoadOrvelFonts(folder);
        QVERIFY(result.Loaded.isEmpty());
        QCOMPARE(result.Missing, OrvelFontFiles());

        Touch(folder + "/Orvel000.ttf"); // not a font
        const QString other = "/usr/share/fonts/truetype/freefont/FreeSerif.ttf";
        if (!QFile::copy(other, folder + "/Orvel001.ttf"))
            QSKIP("no FreeSerif to stand in for a font of another family");
        result = LoadOrvelFonts(folder);
        QVERIFY(result.Loaded.isEmpty());
        QCOMPARE(result.Missing, OrvelFontFiles());
        QCOMPARE(MissingCharacters(folder + "/Orvel000.ttf", "ab"), QString("ab"));
        // The coverage check reads the file itself.
        QCOMPARE(MissingCharacters(folder + "/Orvel001.ttf", QString::fromUtf8("aλ\u4E00")),
                 QString::fromUtf8("\u4E00"));
    }

    void builtFontsLoadAndCoverTheDisplayLayout() {
        const QString bin = BinDir();
        if (bin.isEmpty() || !QFile::exists(QDir(bin).filePath("Orvel000.ttf")))
            QSKIP("the fonts are not built");
        const TFontLoadResult result = LoadOrvelFonts(bin);
        QCOMPARE(result.Loaded, QStringList({"Orvel000", "Orvel001"}));
        QVERIFY(result.Missing.isEmpty());
        QVERIFY(QFontDatabase::families().contains("Orvel000"));
        // Loading again adds nothing twice.
        QCOMPARE(LoadOrvelFonts(bin).Loaded, result.Loaded);
        QCOMPARE(QFontDatabase::families().count("Orvel000"), 1);

        const QString characters = GreekDisplayCharacters();
        QVERIFY(characters.size() > 100);
        QCOMPARE(MissingCharacters(QDir(bin).filePath("Orvel000.ttf"), characters), QString());
    }

private:
    QList<QUrl> FOpened;
};

QTEST_MAIN(TestPaths)
#include "tst_paths.moc"
