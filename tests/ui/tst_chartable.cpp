// The character tables: composing by clicks, the key panel, the keys of the composition field,
// the right-to-left insertion of the special table; the Greek table from the search line (F2) and
// for another program (WM_WORD_EDIT); the search line's Beta Code mode.
#include "UiTestData.h"
#include "core/dictionary/MainDictionary.h"
#include "core/dictionary/SearchTerms.h"
#include "core/encoding/GreekEncoding.h"
#include "ui/PostedMessages.h"
#include "ui/chartable/FormCharTable.h"
#include "ui/chartable/FormSpecialCharTable.h"
#include "ui/lookup/LookupPanel.h"
#include "ui/lookup/SearchLine.h"
#include "ui/widgets/VkrStatusBar.h"

#include <QAction>
#include <QClipboard>

using namespace orvel;
using namespace orvel::testing;

namespace {

void ClickCell(TCharTableWindow& table, int row, int column) {
    QTest::mouseClick(table.Grid(), Qt::LeftButton, {}, table.Grid()->CellCentre(row, column));
}

// Cells of the Greek table: λ ό γ ο ς.
void ClickLogos(TCharTableWindow& table) {
    for (const auto& [row, column] : {std::pair{0, 10}, {8, 0}, {0, 2}, {0, 14}, {0, 17}})
        ClickCell(table, row, column);
}

// Runs work on the character table once it is shown modally, from inside its event loop.
void WhenTableShown(std::function<void(TCharTableWindow&)> work) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, work] {
        auto* table = qobject_cast<TCharTableWindow*>(QApplication::activeModalWidget());
        if (!table)
            return;
        timer->stop();
        timer->deleteLater();
        work(*table);
    });
    timer->start();
}

// A character typed with a layout of another script (QTest types Latin-1 only).
void TypeCharacter(QWidget* widget, const QString& character) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
    QApplication::sendEvent(widget, &release);
}

int32_t Lookup(TFormOrvel& form, const std::string& display) {
    std::string key(1, char(ScriptGreek));
    key += FontWordToInternal(display);
    return form.Dictionary().FindWord(key);
}

TSearchLine* SearchLine(const TFormOrvel& form) {
    return form.findChild<TSearchLine*>(QStringLiteral("RichEditSearch"));
}

QString StatusText(const TFormOrvel& form) {
    return form.findChild<TVkrStatusBar*>(QStringLiteral("StatusBar"))->Text();
}

QAction* BetaCodeAction(const TFormOrvel& form) {
    return form.findChild<QAction*>(QStringLiteral("actSearchBetaCode"));
}

} // namespace

class TestCharTable : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        TUiTestData data;
        data.MakeForm();
    } // loads the fonts

    void clickingCellsComposesAndNamesTheKey() {
        TFormCharTable table;
        table.show();
        ClickLogos(table);
        QCOMPARE(table.ComposedBytes(), std::string("l3go~"));
        QCOMPARE(table.KeyPanelText(), QString::fromUtf8("Клавиша ‹~›"));
        ClickCell(table, 2, 2);
        QCOMPARE(table.KeyPanelText(), QString::fromUtf8("Клавиша ‹Alt + 0192›"));
        ClickCell(table, 8, 17);
        QCOMPARE(table.KeyPanelText(), QString::fromUtf8("Клавиша ‹&›"));
        ClickCell(table, 1, 17); // empty: a space, and the panel is cleared
        QCOMPARE(table.ComposedBytes(), std::string("l3go~\xC0& "));
        QCOMPARE(table.KeyPanelText(), QString());
        QTRY_COMPARE(table.focusWidget(), static_cast<QWidget*>(table.Field()));

        // Ctrl+V does nothing; Ctrl+A and typing on the keys do.
        QGuiApplication::clipboard()->setText(QStringLiteral("xyz"));
        QTest::keyClick(table.Field(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(table.ComposedBytes(), std::string("l3go~\xC0& "));
        QTest::keyClick(table.Field(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(table.Field(), "a)");
        TypeCharacter(table.Field(), QString::fromUtf8("λ")); // not in the font
        QCOMPARE(table.ComposedBytes(), std::string("a)"));
    }

    void enterClosesWithOkAndEscapeCancels() {
        TFormCharTable table;
        table.open();
        ClickCell(table, 0, 0);
        QTest::keyClick(table.Field(), Qt::Key_Return);
        QTRY_VERIFY(!table.isVisible());
        QCOMPARE(table.result(), int(QDialog::Accepted));
        table.open();
        QTest::keyClick(table.Field(), Qt::Key_Escape);
        QTRY_VERIFY(!table.isVisible());
        QCOMPARE(table.result(), int(QDialog::Rejected));
    }

    void specialTableInsertsHebrewRightToLeft() {
        TFormSpecialCharTable table;
        table.open();
        ClickCell(table, 0, 0); // 0x61
        ClickCell(table, 0, 1); // 0x62
        QCOMPARE(table.ComposedBytes(), std::string("\x62\x61"));
        QCOMPARE(table.Caret(), 0);
        table.SetComposedBytes(std::string());
        ClickCell(table, 5, 0); // 0x41
        ClickCell(table, 5, 1); // 0x42
        QCOMPARE(table.ComposedBytes(), std::string("AB"));
        QCOMPARE(table.Caret(), 2);
        QCOMPARE(table.KeyPanelText(), QString::fromUtf8("Клавиша ‹B›"));
        // Ctrl+Enter is Enter here: there is no transfer to Word.
        QTest::keyClick(table.Field(), Qt::Key_Return, Qt::ControlModifier);
        QTRY_VERIFY(!table.isVisible());
        QCOMPARE(table.result(), int(QDialog::Accepted));
    }

    void theTableComposesForTheSearchLine() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        SearchLine(*form)->setFocus();
        QTest::keyClicks(SearchLine(*form), "l3g");
        QTRY_VERIFY(form->Action(TMainAction::ViewCharTable)->isEnabled());

        // Cancel leaves the line as it was.
        WhenTableShown([](TCharTableWindow& table) {
            QCOMPARE(table.ComposedBytes(), std::string("l3g"));
            ClickCell(table, 0, 0);
            table.reject();
        });
        QTest::keyClick(SearchLine(*form), Qt::Key_F2);
        QCOMPARE(SearchLine(*form)->toPlainText(), QString("l3g"));
        form->activateWindow(); // as the desktop does when a dialog closes
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        SearchLine(*form)->setFocus();
        QTRY_VERIFY(form->Action(TMainAction::ViewCharTable)->isEnabled());

        // OK puts the word back and the list moves to it.
        WhenTableShown([](TCharTableWindow& table) {
            QCOMPARE(table.Caret(), 3);
            ClickCell(table, 0, 14);
            ClickCell(table, 0, 17);
            QTest::keyClick(table.Field(), Qt::Key_Return);
        });
        QTest::keyClick(SearchLine(*form), Qt::Key_F2);
        QCOMPARE(SearchLine(*form)->toPlainText(), QString("l3go~"));
        QCOMPARE(form->focusWidget(), static_cast<QWidget*>(SearchLine(*form)));
        QTRY_COMPARE(form->LookupPanel().ListCenter(), Lookup(*form, "l3go~"));
        QVERIFY(form->close());
    }

    void anotherProgramsWordEditLooksTheWordUp() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        WhenTableShown([](TCharTableWindow& table) {
            QCOMPARE(table.ComposedBytes(), std::string());
            ClickLogos(table);
            QTest::keyClick(table.Field(), Qt::Key_Return);
        });
        form->PostMessage(WM_WORD_EDIT);
        QTRY_COMPARE(SearchLine(*form)->toPlainText(), QString("l3go~"));
        QTRY_COMPARE(form->LookupPanel().ListCenter(), Lookup(*form, "l3go~"));
        QVERIFY(form->close());
    }

    void betaCodeModeShowsAndLooksUpGreek() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        QAction* betaCode = BetaCodeAction(*form);
        QVERIFY(!betaCode->isChecked()); // off until the user asks
        betaCode->trigger();

        SearchLine(*form)->setFocus();
        QTest::keyClicks(SearchLine(*form), "a)gaqo/s");
        QCOMPARE(SearchLine(*form)->toPlainText(), QString("#gaq3~"));
        QTRY_COMPARE(form->LookupPanel().ListCenter(), Lookup(*form, "#gaq3~"));

        // A key the font cannot show is refused with its reason; the line stays.
        QTest::keyClicks(SearchLine(*form), " le=");
        QCOMPARE(SearchLine(*form)->toPlainText(), QString("#gaq3~ le"));
        QVERIFY(StatusText(*form).contains(QString::fromUtf8("«e=»")));

        // Greek from a system layout is typed as it is.
        SearchLine(*form)->clear();
        TypeCharacter(SearchLine(*form), QString::fromUtf8("λ"));
        QCOMPARE(SearchLine(*form)->toPlainText(), QString::fromUtf8("λ"));
        QTRY_COMPARE(form->LookupPanel().ListCenter(), Lookup(*form, "l"));

        // The mode is kept in the settings.
        QVERIFY(form->close());
        form.reset();
        QSettings written(data.SettingsFile(), QSettings::IniFormat);
        QCOMPARE(written.value("Preference/SearchBetaCode").toString(), QString("1"));
        auto again = data.MakeForm();
        QVERIFY(BetaCodeAction(*again)->isChecked());
    }
};

QTEST_MAIN(TestCharTable)
#include "tst_chartable.moc"
