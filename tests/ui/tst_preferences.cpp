// The settings dialog: its copy, Cancel and OK, the remembered page, the notes file name rules.
#include "UiTestData.h"
#include "ui/preferences/FormPreference.h"
#include "ui/widgets/WordListBox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>

using namespace orvel;
using namespace orvel::testing;

namespace {

// Runs work on the settings dialog once F9 has shown it, then closes it with OK or Cancel.
void WithDialog(TFormOrvel& form, std::function<void(TFormPreference&)> work, bool ok) {
    auto* timer = new QTimer(&form);
    QObject::connect(timer, &QTimer::timeout, [timer, work, ok] {
        auto* dialog = qobject_cast<TFormPreference*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        work(*dialog);
        ok ? dialog->accept() : dialog->reject();
    });
    timer->start(10);
    form.Action(TMainAction::OrvelPreference)->trigger();
}

int PageShown(const TFormPreference& dialog) {
    return dialog.findChild<QTabWidget*>(QStringLiteral("PageControl"))->currentIndex();
}

} // namespace

class TestPreferences : public QObject {
    Q_OBJECT

private slots:
    void okAppliesCancelDiscardsAndThePageIsRemembered() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        auto* words = form->findChild<TWordListBox*>(QStringLiteral("ListBoxWords"));
        QVERIFY(words);
        QCOMPARE(words->font().pointSize(), 14);
        QTRY_VERIFY(form->Action(TMainAction::OrvelPreference)->isEnabled());

        // Cancel: the changes of the copy are dropped; the page stays remembered.
        WithDialog(
            *form,
            [](TFormPreference& dialog) {
                QCOMPARE(PageShown(dialog), 0);
                dialog.findChild<QTabWidget*>(QStringLiteral("PageControl"))->setCurrentIndex(1);
                dialog.findChild<QSpinBox*>(QStringLiteral("udListFontSize"))->stepBy(4);
                dialog.findChild<QCheckBox*>(QStringLiteral("chbListFontBold"))->setChecked(true);
                QCOMPARE(dialog.Copy().ListFontSize, 18);
                QVERIFY(dialog.Copy().ListFontBold);
            },
            false);
        QCOMPARE(form->Preference().ListFontSize, 14);
        QVERIFY(!form->Preference().ListFontBold);
        QCOMPARE(words->font().pointSize(), 14);
        QTRY_VERIFY(form->Action(TMainAction::OrvelPreference)->isEnabled());

        // OK: the list font changes at once.
        WithDialog(
            *form,
            [](TFormPreference& dialog) {
                QCOMPARE(PageShown(dialog), 1);
                dialog.findChild<QSpinBox*>(QStringLiteral("udListFontSize"))->stepBy(10);
                auto* colour = dialog.findChild<QComboBox*>(QStringLiteral("cbTextSignColor"));
                colour->setCurrentIndex(colour->findText(QStringLiteral("Red")));
            },
            true);
        QCOMPARE(form->Preference().ListFontSize, 24);
        QCOMPARE(form->Preference().TextSignColor, 0x0000FFu);
        QCOMPARE(words->font().pointSize(), 24);
    }

    void copyGreekAsUnicodeIsOffUntilOkAndKeptInTheSettings() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        const auto toggle = [](bool shownChecked) {
            return [shownChecked](TFormPreference& dialog) {
                auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("chbCopyGreekAsUnicode"));
                QVERIFY(box);
                QCOMPARE(box->isChecked(), shownChecked);
                box->click();
                QCOMPARE(dialog.Copy().CopyGreekAsUnicode, !shownChecked);
            };
        };

        // Off by default; Cancel drops the change.
        QTRY_VERIFY(form->Action(TMainAction::OrvelPreference)->isEnabled());
        WithDialog(*form, toggle(false), false);
        QVERIFY(!form->Preference().CopyGreekAsUnicode);

        // OK keeps it, in the settings too at closing, and the next start reads it back.
        QTRY_VERIFY(form->Action(TMainAction::OrvelPreference)->isEnabled());
        WithDialog(*form, toggle(false), true);
        QVERIFY(form->Preference().CopyGreekAsUnicode);
        QVERIFY(form->close());
        form.reset();
        {
            const QSettings written(data.SettingsFile(), QSettings::IniFormat);
            QCOMPARE(written.value("Preference/CopyGreekAsUnicode").toString(), QString("1"));
        }
        auto again = data.MakeForm();
        QVERIFY(ShowAndLoad(*again));
        QVERIFY(again->Preference().CopyGreekAsUnicode);

        // Shown checked; unchecked with OK it is off again.
        QTRY_VERIFY(again->Action(TMainAction::OrvelPreference)->isEnabled());
        WithDialog(*again, toggle(true), true);
        QVERIFY(!again->Preference().CopyGreekAsUnicode);
    }

    void aStoredValueBelowTheRangeIsKeptUntilChanged() {
        TPreference preference;
        preference.ListSearchMaxCount = 1;
        TFormPreference dialog(preference, 1, QString(), {});
        auto* search = dialog.findChild<QSpinBox*>(QStringLiteral("udListSearchMaxCount"));
        QCOMPARE(search->value(), 1);
        QCOMPARE(dialog.Copy().ListSearchMaxCount, 1);
        search->stepBy(1);
        QCOMPARE(search->value(), 3);
        QCOMPARE(dialog.Copy().ListSearchMaxCount, 3);
        search->stepBy(-1);
        QCOMPARE(search->value(), 3);
    }

    void notesFileNameRules() {
        TPreference preference;
        TFormPreference dialog(preference, 4, QStringLiteral("/nowhere/User"), {});
        QCOMPARE(PageShown(dialog), 4);
        auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("edNoteFileName"));
        field->setText(QStringLiteral("a.b.not"));
        QCOMPARE(dialog.Copy().CurrentNoteFile, std::string("a.b"));
        field->setText(QStringLiteral(".hidden.not"));
        QCOMPARE(dialog.Copy().CurrentNoteFile, std::string());
        field->setText(QString::fromUtf8("Лексикон"));
        QCOMPARE(dialog.Copy().CurrentNoteFile, std::string("\xCB\xE5\xEA\xF1\xE8\xEA\xEE\xED"));

        QString startedIn;
        dialog.SetNoteFileChooser([&](const QString& folder, const QString&) {
            startedIn = folder;
            return QStringLiteral("/elsewhere/Lexicon.not");
        });
        dialog.findChild<QPushButton*>(QStringLiteral("btnNoteFileName"))->click();
        QCOMPARE(startedIn, QString("/nowhere/User"));
        QCOMPARE(field->text(), QString("Lexicon"));
        QCOMPARE(dialog.Copy().CurrentNoteFile, std::string("Lexicon"));
    }
};

QTEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
