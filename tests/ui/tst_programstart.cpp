// What the program does before its main window: its names.
#include "ui/ProgramStart.h"

#include <QApplication>
#include <QtTest>

using namespace orvel;

class TestProgramStart : public QObject {
    Q_OBJECT

private slots:
    void theWindowsTitlesAreTheirOwn() {
        SetProgramIdentity();
        QCOMPARE(QCoreApplication::organizationName(), QString("Dorne"));
        QCOMPARE(QCoreApplication::applicationName(), QString("Orvel"));
        // Without a display name of its own the application's name stands in for it, and Qt
        // appends nothing to the titles of the program's boxes.
        QCoreApplication::setApplicationName("probe");
        const QString displayName = QGuiApplication::applicationDisplayName();
        QCoreApplication::setApplicationName("Orvel");
        QCOMPARE(displayName, QString("probe"));
    }
};

QTEST_MAIN(TestProgramStart)
#include "tst_programstart.moc"
