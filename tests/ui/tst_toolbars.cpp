// The main window's tool bars: the menu bar on a tool bar of its own, the buttons as separate
// items, the arrangement kept across runs, and the menus that show and hide bars and buttons.
#include "UiTestData.h"
#include "ui/toolbars/VkrControlBarManager.h"

#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>

using namespace orvel;
using namespace orvel::testing;
using A = TMainAction;

namespace {

TVkrControlBarManager* Manager(const TFormOrvel& form) {
    return Control<TVkrControlBarManager>(form, "ControlBarManager");
}

QAction* ButtonItem(const TFormOrvel& form, const char* toolBar, const char* name) {
    return Control<QToolBar>(form, toolBar)->findChild<QAction*>(QLatin1String(name));
}

QStringList Captions(QMenu& menu) {
    QStringList captions;
    for (const QAction* item : menu.actions())
        captions << item->text() + (item->isChecked() ? "+" : "-") +
                        (item->isEnabled() ? "" : " disabled");
    return captions;
}

void WriteSettings(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

const QString Key = QStringLiteral("FormOrvel/ControlBar/");

} // namespace

class TestToolBars : public QObject {
    Q_OBJECT

private slots:
    void designedArrangementOnFirstStart() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        auto* menu = Control<QToolBar>(*form, "ToolBarMenu");
        auto* main = Control<QToolBar>(*form, "ToolBarMain");
        auto* text = Control<QToolBar>(*form, "ToolBarText");
        auto* user = Control<QToolBar>(*form, "ToolBarUser");
        QCOMPARE(Manager(*form)->ToolBars(), (QList<QToolBar*>{menu, main, text, user}));
        // The menu alone in the first row, the tool bars in the second.
        QVERIFY(main->y() > menu->y());
        QCOMPARE(text->y(), main->y());
        QCOMPARE(user->y(), main->y());
        QVERIFY(main->x() < text->x() && text->x() < user->x());
        QVERIFY(Control<QMenuBar>(*form, "MainMenu")->parent() == menu);

        // A button carries its action's icon, hint and command; the action itself is unchanged.
        auto* search = Control<QToolButton>(*form, "btnSearchText");
        QCOMPARE(search->defaultAction(), form->Action(A::SearchText));
        QCOMPARE(search->toolTip(), QString("Полнотекстовый поиск"));
        QVERIFY(!search->icon().isNull());

        // Nothing is written until the window closes.
        QVERIFY(!QSettings(data.SettingsFile(), QSettings::IniFormat)
                     .contains(Key + "ToolBarMainVisible"));
    }

    void arrangementComesBackAtTheNextStart() {
        TUiTestData data;
        {
            auto form = data.MakeForm();
            QVERIFY(ShowAndLoad(*form));
            // Through the menus, as the user does: hide the Text tool bar and the Copy button.
            QMenu bars;
            Manager(*form)->FillToolBarMenu(&bars);
            QCOMPARE(Captions(bars), (QStringList{"Menu+", "Main+", "Text+", "Notes+"}));
            bars.actions().at(2)->trigger();
            QMenu buttons;
            Manager(*form)->FillButtonMenu(&buttons, 1);
            QCOMPARE(Captions(buttons), (QStringList{"&Search+", "&Next+", "Add &Bookmark+",
                                                     "Greek &Table+", "&Meanings+"}));
            buttons.actions().at(4)->trigger();
            // The Notes tool bar moves before the Main one; the menu bar loses its Help menu.
            auto* user = Control<QToolBar>(*form, "ToolBarUser");
            form->removeToolBar(user);
            form->insertToolBar(Control<QToolBar>(*form, "ToolBarMain"), user);
            user->show();
            Control<QMenu>(*form, "mnuHelp")->menuAction()->setVisible(false);
            QVERIFY(form->close());
        }
        QSettings written(data.SettingsFile(), QSettings::IniFormat);
        QCOMPARE(written.value(Key + "ToolBarTextVisible").toString(), QString("0"));
        QCOMPARE(written.value(Key + "btnViewArticleEnum").toString(), QString("0"));
        QCOMPARE(written.value(Key + "btnSearchText").toString(), QString("1"));
        QCOMPARE(written.value(Key + "mnuHelp").toString(), QString("0"));
        QVERIFY(written.value(Key + "ToolBarMainWidth").toInt() > 3);

        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        QVERIFY(Control<QToolBar>(*form, "ToolBarText")->isHidden());
        QVERIFY(!ButtonItem(*form, "ToolBarMain", "btnViewArticleEnum")->isVisible());
        QVERIFY(ButtonItem(*form, "ToolBarMain", "btnSearchText")->isVisible());
        QVERIFY(!Control<QMenu>(*form, "mnuHelp")->menuAction()->isVisible());
        // Hidden from the tool bar only: the command stays in the menus and keeps its key.
        QVERIFY(form->Action(A::ViewArticleEnum)->isVisible());
        const auto* main = Control<QToolBar>(*form, "ToolBarMain");
        const auto* user = Control<QToolBar>(*form, "ToolBarUser");
        QCOMPARE(user->y(), main->y());
        QVERIFY(user->x() < main->x());
        QVERIFY(Control<QToolBar>(*form, "ToolBarMenu")->y() < main->y());
    }

    void damagedOrMissingValuesKeepTheDesign() {
        TUiTestData data;
        WriteSettings(data.SettingsFile(), "[FormOrvel]\n"
                                           "ControlBar\\ToolBarMainVisible=yes\n"
                                           "ControlBar\\btnSearchText=0\n"
                                           "ControlBar\\btnSearchTextContinue=7\n"
                                           "ControlBar\\ToolBarUserTop=900\n");
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        const auto* main = Control<QToolBar>(*form, "ToolBarMain");
        QVERIFY(!main->isHidden());
        QVERIFY(!ButtonItem(*form, "ToolBarMain", "btnSearchText")->isVisible());
        QVERIFY(ButtonItem(*form, "ToolBarMain", "btnSearchTextContinue")->isVisible());
        // A Top without its Left moves nothing.
        QCOMPARE(Control<QToolBar>(*form, "ToolBarUser")->y(), main->y());
    }

    void theLastShownToolBarStays() {
        TUiTestData data;
        // Every tool bar stored as hidden: the menu's comes back, or nothing could be clicked.
        WriteSettings(data.SettingsFile(), "[FormOrvel]\n"
                                           "ControlBar\\ToolBarMenuVisible=0\n"
                                           "ControlBar\\ToolBarMainVisible=0\n"
                                           "ControlBar\\ToolBarTextVisible=0\n"
                                           "ControlBar\\ToolBarUserVisible=0\n");
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        auto* menu = Control<QToolBar>(*form, "ToolBarMenu");
        QVERIFY(!menu->isHidden());
        QVERIFY(Control<QToolBar>(*form, "ToolBarMain")->isHidden());
        QMenu bars;
        Manager(*form)->FillToolBarMenu(&bars);
        QCOMPARE(Captions(bars), (QStringList{"Menu+ disabled", "Main-", "Text-", "Notes-"}));
        Manager(*form)->ToggleToolBar(0);
        QVERIFY(!menu->isHidden());
        Manager(*form)->ToggleToolBar(1);
        Manager(*form)->ToggleToolBar(0);
        QVERIFY(menu->isHidden());
    }

    void orvelSaveStoresTheLayout() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        Manager(*form)->ToggleButton(3, 1);
        QVERIFY(!ButtonItem(*form, "ToolBarUser", "btnNoteEdit")->isVisible());
        QVERIFY(form->OrvelSave());
        QSettings written(data.SettingsFile(), QSettings::IniFormat);
        QCOMPARE(written.value(Key + "btnNoteEdit").toString(), QString("0"));
        QCOMPARE(written.value(Key + "ToolBarUserVisible").toString(), QString("1"));
    }
};

QTEST_MAIN(TestToolBars)
#include "tst_toolbars.moc"
