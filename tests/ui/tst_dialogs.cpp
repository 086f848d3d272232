// The message box, the picker list, the viewer windows and the status line as controls of their
// own.
#include "core/appmodel/StatusMessages.h"
#include "ui/dialogs/DialogBox.h"
#include "ui/dialogs/DocumentWindow.h"
#include "ui/dialogs/HelpWindow.h"
#include "ui/dialogs/PickerList.h"
#include "ui/widgets/StatusIcons.h"
#include "ui/widgets/VkrStatusBar.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace orvel;

namespace {

// Runs action on the dialog once it is shown modally.
void WhenShown(const std::function<void(QWidget*)>& action) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start(5);
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT

private slots:
    void viewerWindowsCloseWithEscapeAndCtrlW() {
        THelpWindow help;
        TDocumentWindow document;
        for (QWidget* window : {static_cast<QWidget*>(&help), static_cast<QWidget*>(&document)})
            for (const QKeyCombination keys :
                 {QKeyCombination(Qt::Key_Escape), Qt::CTRL | Qt::Key_W}) {
                window->show();
                QVERIFY(QTest::qWaitForWindowActive(window));
                QTest::keyClick(window, keys.key(), keys.keyboardModifiers());
                QVERIFY2(!window->isVisible(), qPrintable(QKeySequence(keys).toString()));
            }
    }

    void oneLineErrorBoxKeepsTheMinimumSize() {
        TDlgBox box(TDlgBox::TKind::Error, "Short");
        box.show();
        QCOMPARE(box.lblMessage->size(), QSize(300, 32));
        QCOMPARE(box.imgIcon->y(), 16);
        QVERIFY(box.btnYes->isVisible());
        QCOMPARE(box.btnYes->text(), QString("Ok"));
        QVERIFY(!box.btnNo->isVisible());
        QVERIFY(!box.btnCancel->isVisible());
        QCOMPARE(box.btnYes->y(), 64);
        QCOMPARE(box.width(), 380);
        // One button stands centred, right of the label's left edge.
        QCOMPARE(box.btnYes->x(), (380 - box.btnYes->width()) / 2);
        box.close();
    }

    void longMessageWrapsAndGrows() {
        const QString text = QString("Обнаружено изменение файла: /tmp/x.idx\r\n\r\n") +
                             QString("слово ").repeated(80);
        TDlgBox box(TDlgBox::TKind::Error, text);
        box.show();
        QCOMPARE(box.lblMessage->width(), 400);
        QVERIFY(box.lblMessage->height() > 32 && box.lblMessage->height() <= 400);
        QVERIFY(!box.lblMessage->text().contains('\r'));
        QCOMPARE(box.height(), box.btnYes->height() + box.lblMessage->height() + 48);
        QCOMPARE(box.imgIcon->y(), (box.lblMessage->height() - 32) / 2 + 16);
        box.close();
    }

    void questionAnswers() {
        WhenShown([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QCOMPARE(TDlgBox::AskYesNoCancel("Save?"), TDlgBox::AnswerCancel);
        WhenShown([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
        QCOMPARE(TDlgBox::AskYesNoCancel("Save?"), TDlgBox::AnswerYes);
        WhenShown([](QWidget* box) { static_cast<TDlgBox*>(box)->btnNo->click(); });
        QCOMPARE(TDlgBox::AskYesNoCancel("Save?"), TDlgBox::AnswerNo);
        WhenShown([](QWidget* box) { box->close(); });
        QCOMPARE(TDlgBox::AskYesNoCancel("Save?"), TDlgBox::AnswerCancel);

        TDlgBox box(TDlgBox::TKind::Question, "Save?");
        box.show();
        const int row = box.btnYes->y();
        QCOMPARE(box.btnNo->y(), row);
        QCOMPARE(box.btnNo->x(), box.btnYes->x() + box.btnYes->width() + 8);
        QCOMPARE(box.btnCancel->x(), box.btnNo->x() + box.btnNo->width() + 8);
        QVERIFY(box.btnYes->x() >= box.lblMessage->x());
        box.close();
    }

    void pickerRowsAreSortedAndChosenByEnter() {
        TDlgListSigns picker;
        picker.SetTitle("Authors");
        picker.AddRow("Xen.", "Xenophon");
        picker.AddRow("Arst.", "Aristoteles");
        picker.AddRow("Hom.", "Homerus");
        QCOMPARE(picker.RowCount(), 3);
        QCOMPARE(picker.RowName(0), QString("Arst."));
        QCOMPARE(picker.RowName(1), QString("Hom."));
        QCOMPARE(picker.RowName(2), QString("Xen."));
        QCOMPARE(picker.List->item(0, 1)->text(), QString("Aristoteles"));
        QCOMPARE(picker.SelectedName(), QString());

        WhenShown([&picker](QWidget*) {
            picker.List->selectRow(1);
            QTest::keyClick(picker.List, Qt::Key_Return);
        });
        QCOMPARE(picker.exec(), int(QDialog::Accepted));
        QCOMPARE(picker.SelectedName(), QString("Hom."));

        WhenShown([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
        QCOMPARE(picker.exec(), int(QDialog::Rejected));
    }

    void statusBarDrawsIconsAtTheRightEdge() {
        TImageList images(DrawStatusIcons());
        TVkrStatusBar bar;
        bar.SetImages(&images);
        bar.SetImageHelpIndex(StatusHelpImageIndex);
        bar.resize(400, bar.sizeHint().height());
        bar.show();
        QVERIFY(bar.height() >= TVkrStatusBar::DefaultHeight);

        bar.SetStatus(-1, "text only");
        QVERIFY(bar.KindImageRect().isNull());
        QVERIFY(bar.HelpImageRect().isNull());
        QVERIFY(bar.toolTip().isEmpty());

        // Drawn comes first, with what is about to be shown.
        QStringList seen;
        connect(&bar, &TVkrStatusBar::Drawn, &bar,
                [&](int kind, const QString& text) { seen << QString::number(kind) + text; });
        bar.SetStatus(2, "error", 12);
        QCOMPARE(seen, QStringList("2error"));
        QCOMPARE(bar.KindImageRect(), QRect(400 - 16, (bar.height() - 16) / 2, 16, 16));
        QCOMPARE(bar.HelpImageRect(), bar.KindImageRect().translated(-16, 0));
        QVERIFY(!bar.toolTip().isEmpty());

        // A kind beyond the images draws no kind icon: the help icon takes the right edge.
        bar.SetStatus(9, "odd", 1);
        QVERIFY(bar.KindImageRect().isNull());
        QCOMPARE(bar.HelpImageRect().right(), 399);
    }

    void statusBarForgetsItsImageList() {
        auto* images = new TImageList(DrawStatusIcons());
        TVkrStatusBar bar;
        bar.SetImages(images);
        bar.resize(300, 20);
        bar.show();
        bar.SetStatus(0, "info", 0);
        QVERIFY(!bar.KindImageRect().isNull());
        delete images;
        QVERIFY(!bar.Images());
        bar.SetStatus(0, "info", 5);
        QVERIFY(bar.KindImageRect().isNull());
        QVERIFY(bar.HelpImageRect().isNull());
    }

    void statusBarClickIsReported() {
        TVkrStatusBar bar;
        bar.resize(300, 20);
        bar.show();
        QSignalSpy clicked(&bar, &TVkrStatusBar::Clicked);
        QTest::mouseClick(&bar, Qt::LeftButton);
        QCOMPARE(clicked.size(), 1);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
