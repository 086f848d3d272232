// The history and the bookmarks in the main window on the sample edition: adding, removing and
// clearing bookmarks with their questions and messages, the set saved at closing and read at
// the next start, a set that cannot be saved, a set chosen outside the User folder, and the
// keys typed into the bookmark list.
#include "UiTestData.h"
#include "core/dictionary/MainDictionary.h"
#include "core/places/BookmarkList.h"
#include "ui/article/ArticlePane.h"
#include "ui/article/ArticleView.h"
#include "ui/places/BookmarksPanel.h"
#include "ui/places/HistoryPanel.h"
#include "ui/widgets/VkrStatusBar.h"
#include "ui/widgets/WordListBox.h"

#include <QAction>
#include <QDateTime>
#include <QFileInfo>
#include <QMenu>
#include <QTabWidget>
#include <QTextCursor>
#include <deque>

using namespace orvel;
using namespace orvel::testing;

namespace {

using A = TMainAction;

QString StatusText(const TFormOrvel& form) {
    return Control<TVkrStatusBar>(form, "StatusBar")->Text();
}

TWordListBox* BookmarkList(const TFormOrvel& form) {
    return Control<TWordListBox>(form, "ListBoxBookmarks");
}

std::vector<int32_t> Indexes(const TBookmarkList& list) {
    std::vector<int32_t> indexes;
    for (int i = 0; i < list.Count(); ++i)
        indexes.push_back(list.Items(i).ArticleIndex);
    return indexes;
}

// Answers the program's message boxes while it lives: a question with the next of the given
// answers (Yes when none is left), an error box with its "Ok". Keeps the texts shown.
class TBoxAnswers : public QObject {
public:
    explicit TBoxAnswers(std::deque<int> answers = {}) : FAnswers(std::move(answers)) {
        connect(&FTimer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<TDlgBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            Texts << box->lblMessage->text();
            int answer = TDlgBox::AnswerYes;
            if (!box->btnNo->isHidden() && !FAnswers.empty()) {
                answer = FAnswers.front();
                FAnswers.pop_front();
            }
            (answer == TDlgBox::AnswerYes  ? box->btnYes
             : answer == TDlgBox::AnswerNo ? box->btnNo
                                           : box->btnCancel)
                ->click();
        });
        FTimer.start(10);
    }

    QStringList Texts;

private:
    std::deque<int> FAnswers;
    QTimer FTimer;
};

// A loaded window, active so that the shortcuts reach it.
std::unique_ptr<TFormOrvel> LoadedForm(const TUiTestData& data) {
    auto form = data.MakeForm();
    if (!ShowAndLoad(*form))
        qFatal("The sample edition did not load: %s", qPrintable(StatusText(*form)));
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get()))
        qFatal("The window did not become active");
    return form;
}

void Open(TFormOrvel& form, int32_t index) {
    form.GoToArticle({.Index = index, .Show = true});
}

// Waits for the action's rules to enable it (they are evaluated when the window is idle).
bool Enabled(TFormOrvel& form, A action) {
    return QTest::qWaitFor([&] { return form.Action(action)->isEnabled(); }, 2000);
}

void Trigger(TFormOrvel& form, A action) {
    if (!Enabled(form, action))
        qFatal("%s stays disabled", MainActionInfo(action).Name);
    form.Action(action)->trigger();
}

// Opens each article and bookmarks it with Ins in the article pane.
void Bookmark(TFormOrvel& form, std::initializer_list<int32_t> indexes) {
    for (int32_t index : indexes) {
        Open(form, index);
        if (!Enabled(form, A::BookmarkAdd))
            qFatal("Add Bookmark stays disabled");
        QTest::keyClick(Control<TArticlePane>(form, "RichEditArticle"), Qt::Key_Insert);
    }
}

} // namespace

class TestPlaces : public QObject {
    Q_OBJECT

private slots:
    void openedArticlesGoIntoTheHistory() {
        TUiTestData data;
        auto form = LoadedForm(data);
        for (int32_t index : {7, 9, 7})
            Open(*form, index);
        const THistory& history = form->HistoryPanel().History();
        QCOMPARE(history.Count(), 2);
        QCOMPARE(history.Items(0).ArticleIndex, 7);
        QCOMPARE(history.Items(0).Word, form->Dictionary().GetHeadWord(7));
        auto* list = Control<TWordListBox>(*form, "ListBoxGoto");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->currentRow(), 0);
        // Only shown articles count: positioning the word list is no visit.
        form->GoToArticle({.Index = 3});
        QCOMPARE(form->HistoryPanel().History().Count(), 2);
    }

    void insAddsAndWarnsOnTheSamePlace() {
        TUiTestData data;
        auto form = LoadedForm(data);
        QVERIFY(!form->BookmarksModified());
        Bookmark(*form, {5});
        QCOMPARE(Indexes(form->BookmarksPanel().Bookmarks()), std::vector<int32_t>{5});
        QCOMPARE(StatusText(*form), QString(" Текущая статья добавлена в список закладок"));
        QCOMPARE(Control<TVkrStatusBar>(*form, "StatusBar")->HelpContext(), 1200);
        QVERIFY(form->BookmarksModified());
        QCOMPARE(BookmarkList(*form)->count(), 1);

        // Again with a selection: the bookmark takes it, and nothing is added.
        auto* pane = Control<TArticlePane>(*form, "RichEditArticle");
        QTextCursor cursor(pane->document());
        cursor.setPosition(2);
        cursor.setPosition(6, QTextCursor::KeepAnchor);
        pane->setTextCursor(cursor);
        QVERIFY(Enabled(*form, A::BookmarkAdd));
        QTest::keyClick(pane, Qt::Key_Insert);
        QCOMPARE(StatusText(*form), QString(" Эта статья уже внесена в список закладок"));
        const TBookmarkList& bookmarks = form->BookmarksPanel().Bookmarks();
        QCOMPARE(bookmarks.Count(), 1);
        QCOMPARE(bookmarks.Items(0).SelStart, 2);
        QCOMPARE(bookmarks.Items(0).SelLength, 4);

        // Opening the bookmark restores its selection.
        Open(*form, 6);
        Control<QTabWidget>(*form, "PageControl")->setCurrentIndex(2);
        BookmarkList(*form)->setCurrentRow(0);
        QTest::keyClick(BookmarkList(*form), Qt::Key_Return);
        QTRY_COMPARE(form->ArticleView().ArticleIndex(), 5);
        QCOMPARE(pane->textCursor().selectionStart(), 2);
        QCOMPARE(pane->textCursor().selectionEnd(), 6);
    }

    void f8RemovesTheSelectedBookmark() {
        TUiTestData data;
        auto form = LoadedForm(data);
        Bookmark(*form, {1, 2, 3});
        const std::vector<int32_t> all = Indexes(form->BookmarksPanel().Bookmarks());
        QCOMPARE(all.size(), size_t(3));
        auto* list = BookmarkList(*form);
        Control<QTabWidget>(*form, "PageControl")->setCurrentIndex(2);
        list->setCurrentRow(2);
        list->setFocus();
        QTRY_VERIFY(form->Action(A::BookmarkRemove)->isEnabled());
        QTest::keyClick(list, Qt::Key_F8);
        QCOMPARE(Indexes(form->BookmarksPanel().Bookmarks()),
                 std::vector<int32_t>(all.begin(), all.begin() + 2));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(StatusText(*form), QString(" Выбранная статья удалена из списка закладок"));

        for (int i = 0; i < 2; ++i)
            QTest::keyClick(list, Qt::Key_F8);
        QCOMPARE(list->count(), 0);
        QTRY_VERIFY(!form->Action(A::BookmarkRemove)->isEnabled());
        // Nor on another tab.
        Bookmark(*form, {4});
        list->setCurrentRow(0);
        Control<QTabWidget>(*form, "PageControl")->setCurrentIndex(1);
        QTRY_VERIFY(!form->Action(A::BookmarkRemove)->isEnabled());
    }

    void deleteAllAsksFirst() {
        TUiTestData data;
        auto form = LoadedForm(data);
        Bookmark(*form, {1, 2});
        {
            TBoxAnswers boxes({TDlgBox::AnswerNo});
            Trigger(*form, A::BookmarkRemoveAll);
            QCOMPARE(boxes.Texts,
                     QStringList("Вы действительно хотите удалить все имеющиеся закладки?"));
            QCOMPARE(form->BookmarksPanel().Bookmarks().Count(), 2);
        }
        TBoxAnswers boxes({TDlgBox::AnswerYes});
        Trigger(*form, A::BookmarkRemoveAll);
        QCOMPARE(form->BookmarksPanel().Bookmarks().Count(), 0);
        QCOMPARE(BookmarkList(*form)->count(), 0);
        QCOMPARE(StatusText(*form), QString(" Список закладок очищен"));
    }

    void theSetIsSavedAtClosingAndReadAtTheNextStart() {
        TUiTestData data;
        const QString file = data.File("User/Default.bmr");
        {
            auto form = LoadedForm(data);
            Bookmark(*form, {8, 4});
            QVERIFY(form->close());
        }
        QVERIFY(QFile::exists(file));
        const QDateTime written = QFileInfo(file).lastModified();
        {
            auto form = LoadedForm(data);
            QCOMPARE(Indexes(form->BookmarksPanel().Bookmarks()).size(), size_t(2));
            QCOMPARE(BookmarkList(*form)->count(), 2);
            QVERIFY(!form->BookmarksModified());
            // Unchanged, the set is not written again; without automatic saving neither.
            QVERIFY(form->close());
        }
        QCOMPARE(QFileInfo(file).lastModified(), written);
        {
            auto form = LoadedForm(data);
            form->Preference().CommonAutoLoadSave = false;
            Bookmark(*form, {9});
            QVERIFY(form->close());
        }
        auto form = LoadedForm(data);
        QCOMPARE(form->BookmarksPanel().Bookmarks().Count(), 2);
    }

    void aSetThatCannotBeSavedIsKept() {
        TUiTestData data;
        auto form = LoadedForm(data);
        Bookmark(*form, {1});
        // A folder where the set's file should be: the file cannot be replaced.
        QVERIFY(QDir().mkpath(data.File("User/Default.bmr/inside")));
        {
            TBoxAnswers boxes({TDlgBox::AnswerNo});
            QVERIFY(!form->close());
            QCOMPARE(boxes.Texts.size(), 2);
            QVERIFY(
                boxes.Texts[0].startsWith("Не могу сохранить файл закладок.\nCannot write file"));
            QVERIFY(boxes.Texts[1].contains("Всё равно закрыть программу?"));
        }
        QVERIFY(form->isVisible());
        QVERIFY(form->BookmarksModified());
        QVERIFY(QFileInfo(data.File("User/Default.bmr")).isDir());

        // Saved by the command, the same: the error box and the changes kept.
        {
            TBoxAnswers boxes;
            QVERIFY(!form->SaveBookmarks());
            QCOMPARE(boxes.Texts.size(), 1);
            QVERIFY(form->BookmarksModified());
        }
        TBoxAnswers boxes({TDlgBox::AnswerYes});
        QVERIFY(form->close());
    }

    void aSetChosenElsewhereIsCopiedIntoTheUserFolder() {
        TUiTestData data;
        auto form = LoadedForm(data);
        QVERIFY(QDir().mkpath(data.File("elsewhere")));
        TBookmarkList work;
        work.Add(TWordDescriptor(7, form->Dictionary().GetHeadWord(7)));
        work.Save(data.File("elsewhere/Work.bmr").toStdString());
        QString chosen = data.File("elsewhere/Work.bmr");
        form->SetBookmarkFileChooser([&](TBookmarkDialog kind, const QString& folder,
                                         const QString& name) {
            return kind == TBookmarkDialog::Open && folder == data.File("User") && name == "Default"
                       ? chosen
                       : QString();
        });
        Trigger(*form, A::BookmarkLoad);
        QCOMPARE(form->Preference().CommonBookmarksFileName, std::string("Work"));
        QCOMPARE(Indexes(form->BookmarksPanel().Bookmarks()), std::vector<int32_t>{7});
        QVERIFY(QFile::exists(data.File("User/Work.bmr")));
        QCOMPARE(StatusText(*form), QString(" Закладки загружены"));

        // A set of that name in the User folder is replaced only when the user says so.
        work.Add(TWordDescriptor(8, form->Dictionary().GetHeadWord(8)));
        work.Save(chosen.toStdString());
        {
            TBoxAnswers boxes({TDlgBox::AnswerNo});
            form->SetBookmarkFileChooser(
                [&](TBookmarkDialog, const QString&, const QString&) { return chosen; });
            Trigger(*form, A::BookmarkLoad);
            QCOMPARE(boxes.Texts.size(), 1);
            QVERIFY(boxes.Texts[0].contains("Work.bmr"));
            QCOMPARE(form->BookmarksPanel().Bookmarks().Count(), 1);
        }
        {
            TBoxAnswers boxes({TDlgBox::AnswerYes});
            Trigger(*form, A::BookmarkLoad);
            QCOMPARE(form->BookmarksPanel().Bookmarks().Count(), 2);
        }

        // A damaged file is not copied, and the current set stays.
        QFile damaged(data.File("elsewhere/Damaged.bmr"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("\x06\x0eOrvelBookmarks\x02\x02\x01\x00", 20);
        damaged.close();
        chosen = damaged.fileName();
        TBoxAnswers boxes;
        Trigger(*form, A::BookmarkLoad);
        QCOMPARE(boxes.Texts,
                 QStringList("Не могу прочитать файл закладок.\nНекорректная версия файла"));
        QVERIFY(!QFile::exists(data.File("User/Damaged.bmr")));
        QCOMPARE(form->Preference().CommonBookmarksFileName, std::string("Work"));
        QCOMPARE(form->BookmarksPanel().Bookmarks().Count(), 2);
    }

    void aDamagedSetIsReportedAtStart() {
        TUiTestData data;
        QVERIFY(QDir().mkpath(data.File("User")));
        QFile file(data.File("User/Default.bmr"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\x06\x13OrvelUserDictionary\x02\x01", 23);
        file.close();
        TBoxAnswers boxes;
        auto form = LoadedForm(data);
        QCOMPARE(boxes.Texts,
                 QStringList("Не могу прочитать файл закладок.\nНарушена структура файла"));
        QCOMPARE(form->BookmarksPanel().Bookmarks().Count(), 0);
        QVERIFY(!form->BookmarksModified());
    }

    void typedKeysFindGreekLetters() {
        TUiTestData data;
        auto form = LoadedForm(data);
        const TMainDictionary& dictionary = form->Dictionary();
        // The first articles of the sample edition whose keys start with eta (g) and alpha.
        int32_t eta = -1;
        for (int32_t i = 0; i < dictionary.Count() && eta == -1; ++i)
            if (TWordDescriptor(i, dictionary.GetHeadWord(i)).ListKey().starts_with('g'))
                eta = i;
        QVERIFY(eta != -1);
        Bookmark(*form, {0, eta});
        auto* list = BookmarkList(*form);
        Control<QTabWidget>(*form, "PageControl")->setCurrentIndex(2);
        list->setFocus();
        QTest::keyClicks(list, "h"); // the key that types eta
        QCOMPARE(list->WordItem(list->currentRow())->Descriptor().ArticleIndex, eta);
    }

    void menusAndButtonsOfTheBookmarks() {
        TUiTestData data;
        auto form = data.MakeForm();
        QCOMPARE(form->Action(A::BookmarkAdd)->shortcut(), QKeySequence(Qt::Key_Insert));
        QCOMPARE(form->Action(A::BookmarkRemove)->shortcut(), QKeySequence(Qt::Key_F8));
        QCOMPARE(form->Action(A::BookmarkAdd)->toolTip(), QString("Добавить закладку"));
        auto* popup = Control<QMenu>(*form, "PopupMenuBookmark");
        QStringList entries;
        for (const QAction* action : popup->actions())
            entries << (action->isSeparator() ? QString("-") : action->objectName());
        QCOMPARE(entries, QStringList({"actBookmarkRemove", "actBookmarkRemoveAll", "-",
                                       "actBookmarkLoad", "actBookmarkSave"}));
        QVERIFY(Control<QMenu>(*form, "PopupMenuArticle")
                    ->actions()
                    .contains(form->Action(A::BookmarkAdd)));
    }
};

QTEST_MAIN(TestPlaces)
#include "tst_places.moc"
