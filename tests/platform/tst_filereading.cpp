// Reading a whole file, and the errors that name it.
#include "platform/FileReading.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace orvel;

class TestFileReading : public QObject {
    Q_OBJECT

private slots:
    void readsTheWholeFileOrNamesItInTheError() {
        orvel::testing::TTempDir temp;
        const QDir folder(QString::fromStdString(temp.Path()));

        const QString document = folder.filePath("readme.rtf");
        QFile file(document);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray bytes("{\\rtf1 text\0with a zero byte}", 29);
        file.write(bytes);
        file.close();
        TFileContent content = ReadWholeFile(document);
        QVERIFY(content.Read());
        QCOMPARE(content.Bytes, bytes);

        // An empty file is read: it holds nothing, which is no error.
        const QString empty = folder.filePath("empty.rtf");
        QFile emptyFile(empty);
        QVERIFY(emptyFile.open(QIODevice::WriteOnly));
        emptyFile.close();
        content = ReadWholeFile(empty);
        QVERIFY(content.Read());
        QVERIFY(content.Bytes.isEmpty());

        const QString missing = folder.filePath("license.rtf");
        content = ReadWholeFile(missing);
        QVERIFY(!content.Read());
        QCOMPARE(content.Error, "Отсутствует файл: " + missing);
        QVERIFY(content.Bytes.isEmpty());

        // A folder in a document's place exists but cannot be read as one.
        const QString notAFile = folder.filePath("orvel.rtf");
        QVERIFY(folder.mkdir("orvel.rtf"));
        content = ReadWholeFile(notAFile);
        QVERIFY(!content.Read());
        QCOMPARE(content.Error, "Не удалось прочитать файл: " + notAFile);
    }
};

QTEST_MAIN(TestFileReading)
#include "tst_filereading.moc"
