// What the program does before its main window: its names and a second start.
#include "ui/ProgramStart.h"
#include "ui/dialogs/DialogBox.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <sstream>

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

    void aStartThatGetsNoAnswerSaysSoAndFails() {
        QStringList boxes;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<TDlgBox*>(QApplication::activeModalWidget())) {
                boxes << box->windowTitle() + ": " + box->lblMessage->text();
                box->btnYes->click();
            }
        });
        closer.start(10);

        std::ostringstream errors;
        QCOMPARE(SecondStartExitStatus(TSingleInstance::TRunning::NotAnswering, errors),
                 std::optional<int>(1));
        const QString text = QString::fromUtf8(InstanceNotAnsweringText);
        QCOMPARE(QString::fromStdString(errors.str()), "orvel: " + text + "\n");
        QCOMPARE(boxes, QStringList("Orvel information: " + text));

        // A raised instance ends the start quietly; without one the start goes on.
        QCOMPARE(SecondStartExitStatus(TSingleInstance::TRunning::Raised, errors),
                 std::optional<int>(0));
        QCOMPARE(SecondStartExitStatus(TSingleInstance::TRunning::None, errors), std::nullopt);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(QString::fromStdString(errors.str()), "orvel: " + text + "\n");
    }
};

QTEST_MAIN(TestProgramStart)
#include "tst_programstart.moc"
