// The full-text search in the main window, on a dictionary made for the test: Russian words
// placed in known articles and in a note. Runs with a hit limit, Next, Cancel, a changed search
// line, a key that cannot be searched for, and a hit inside a note.
#include "UiTestData.h"
#include "core/SampleEdition.h"
#include "core/dictionary/UserDictionary.h"
#include "core/encoding/Windows1251.h"
#include "support/GeneratedDictionary.h"
#include "ui/PostedMessages.h"
#include "ui/article/ArticlePane.h"
#include "ui/article/ArticleView.h"
#include "ui/fulltext/DlgTextSearch.h"
#include "ui/lookup/SearchLine.h"
#include "ui/widgets/VkrStatusBar.h"
#include "ui/widgets/WordListBox.h"

#include <QAction>
#include <QMenu>
#include <QProgressBar>
#include <QTabWidget>
#include <QToolButton>
#include <map>

using namespace orvel;
using namespace orvel::testing;

namespace {

using A = TMainAction;

std::string Russian(const char* utf8) {
    return Utf8ToCp1251(utf8);
}

// Where the test's words stand: article index -> the words its text holds besides the filler.
std::map<int32_t, std::vector<std::string>> PlacedWords() {
    std::map<int32_t, std::vector<std::string>> words;
    for (int32_t k = 0; k < 20; ++k) // 20 hits, one an article
        words[5 + 10 * k].push_back("слово");
    for (int32_t k = 0; k < 8; ++k) // exactly 8 hits
        words[300 + 10 * k].push_back("восемь");
    for (int32_t article : {20, 100}) // one before and one after the 8th hit of "слово"
        words[article].push_back("другое");
    for (int32_t article : {0, 1, 2})
        words[article].push_back("отмена");
    return words;
}

constexpr int32_t NotedArticle = 500;

// The sample edition's sizes, so that the start-up check passes, with articles of Russian text
// in the Russian font: the head word, then filler words and the placed ones.
void WriteTestDictionary(const TUiTestData& data) {
    const TGeneratedDictionary heads =
        GenerateDictionary(SampleEditionArticleCount, SampleEditionDicSize, 17);
    const auto placed = PlacedWords();
    std::vector<std::string> articles;
    for (int32_t i = 0; i < SampleEditionArticleCount; ++i) {
        const std::string& generated = heads.Articles[size_t(i)];
        std::string article = generated.substr(0, generated.find(' ')) + " \x07" +
                              Russian("текст ") + std::to_string(i);
        if (const auto words = placed.find(i); words != placed.end())
            for (const std::string& word : words->second) {
                article += ' ';
                article += Russian(word.c_str()) + Russian(" текст");
            }
        articles.push_back(article);
    }
    const size_t size = BuildDic(articles).size();
    QVERIFY(size <= SampleEditionDicSize);
    articles.back() += std::string(SampleEditionDicSize - size, ' ');
    WriteFile(data.File("orvel.dic").toStdString(), BuildDic(articles));
    // The sample edition's index files do not fit: they are built anew.
    QFile::remove(data.File("orvel.idx"));
    QFile::remove(data.File("orvel.idz"));
}

// A notes file Lexicon with a note for NotedArticle holding "заметка".
void WriteNotes(const QString& userFolder) {
    TUserDictionary notes(userFolder.toStdString(), "Lexicon", true);
    TUserArticle* note = TUserArticle::Create(notes, NotedArticle);
    const std::string text = Russian("моя заметка");
    note->SetText("\x07" + text);
    notes.Save();
}

QString StatusText(const TFormOrvel& form) {
    return Control<TVkrStatusBar>(form, "StatusBar")->Text();
}

TWordListBox* Results(const TFormOrvel& form) {
    return Control<TWordListBox>(form, "ListBoxSearch");
}

std::vector<int32_t> ResultArticles(const TFormOrvel& form) {
    std::vector<int32_t> articles;
    for (int row = 0; row < Results(form)->count(); ++row)
        articles.push_back(Results(form)->WordItem(row)->Descriptor().ArticleIndex);
    return articles;
}

std::vector<int32_t> Articles(int32_t first, int32_t step, int count) {
    std::vector<int32_t> articles;
    for (int k = 0; k < count; ++k)
        articles.push_back(first + step * k);
    return articles;
}

// Watches the progress dialogs the window opens, and may act on each as it is shown.
class TDialogWatcher : public QObject {
public:
    TDialogWatcher() { qApp->installEventFilter(this); }
    ~TDialogWatcher() override { qApp->removeEventFilter(this); }

    int Shown = 0;
    std::function<void(TDlgTextSearch&)> OnShow;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<TDlgTextSearch*>(object)) {
                ++Shown;
                if (OnShow)
                    OnShow(*dialog);
            }
        return false;
    }
};

class TFullTextFixture {
public:
    TFullTextFixture() {
        WriteTestDictionary(Data);
        Form = Data.MakeForm();
        WriteNotes(Form->Paths().UserFolder());
        Form->Preference().ListSearchMaxCount = 8;
    }

    bool Load() { return ShowAndLoad(*Form); }

    // Clears the search line for Russian and types the Latin keys of a Russian word.
    void TypeRussian(const char* keys) {
        QVERIFY(QTest::qWaitFor([&] { return Form->Action(A::SearchRussian)->isEnabled(); }));
        Form->Action(A::SearchRussian)->trigger();
        QTest::keyClicks(Control<TSearchLine>(*Form, "RichEditSearch"), keys);
    }

    // Triggers Search or Next and waits until the search it posts has ended.
    bool Run(A action) {
        if (!QTest::qWaitFor([&] { return Form->Action(action)->isEnabled(); }))
            return false;
        const int shown = Dialogs.Shown;
        Form->Action(action)->trigger();
        return QTest::qWaitFor([&] { return Dialogs.Shown > shown && !Form->Busy(); });
    }

    bool NextEnabled() {
        Form->UpdateActions();
        return Form->Action(A::SearchTextContinue)->isEnabled();
    }

    TUiTestData Data;
    std::unique_ptr<TFormOrvel> Form;
    TDialogWatcher Dialogs;
};

} // namespace

class TestFullText : public QObject {
    Q_OBJECT

private slots:
    void aLimitedSearchGoesOnWithNextUntilTheEnd() {
        TFullTextFixture f;
        QVERIFY(f.Load());
        std::vector<TArticleTarget> opened;
        connect(f.Form.get(), &TFormOrvel::ArticleTargetOpened, this,
                [&](const TArticleTarget& target) { opened.push_back(target); });
        f.TypeRussian("ckjdj"); // слово

        QVERIFY(f.Run(A::SearchText));
        QCOMPARE(ResultArticles(*f.Form), Articles(5, 10, 8));
        QCOMPARE(StatusText(*f.Form), QString(" Найдено слов: 8"));
        QCOMPARE(Control<QTabWidget>(*f.Form, "PageControl")->currentIndex(), ListSearch);
        // The first hit is open with the found word selected, and the list keeps the focus.
        QCOMPARE(Results(*f.Form)->currentRow(), 0);
        QCOMPARE(f.Form->ArticleView().ArticleIndex(), 5);
        QCOMPARE(Control<TArticlePane>(*f.Form, "RichEditArticle")->textCursor().selectedText(),
                 QString("слово"));
        QVERIFY(!Control<TArticlePane>(*f.Form, "RichEditArticle")->toPlainText().contains("¶"));
        QCOMPARE(f.Form->focusWidget(), Results(*f.Form));
        QCOMPARE(opened.size(), size_t(1));
        QVERIFY(opened[0].Mark && opened[0].Show && !opened[0].InNote);
        QVERIFY(f.NextEnabled());

        QVERIFY(f.Run(A::SearchTextContinue));
        QCOMPARE(ResultArticles(*f.Form), Articles(85, 10, 8));
        QVERIFY(f.NextEnabled());
        QVERIFY(f.Run(A::SearchTextContinue));
        QCOMPARE(ResultArticles(*f.Form), Articles(165, 10, 4));
        QCOMPARE(StatusText(*f.Form), QString(" Найдено слов: 4"));
        QVERIFY(!f.NextEnabled());
        QVERIFY(f.Form->Action(A::SearchText)->isEnabled());
    }

    void exactlyTheLimitLeavesNextToFindNothing() {
        TFullTextFixture f;
        QVERIFY(f.Load());
        f.TypeRussian("djctvm"); // восемь
        QVERIFY(f.Run(A::SearchText));
        QCOMPARE(ResultArticles(*f.Form), Articles(300, 10, 8));
        QVERIFY(f.NextEnabled());
        const int32_t shown = f.Form->ArticleView().ArticleIndex();

        QVERIFY(f.Run(A::SearchTextContinue));
        QCOMPARE(Results(*f.Form)->count(), 0);
        QCOMPARE(StatusText(*f.Form), QString(" Указанное слово не найдено"));
        QCOMPARE(f.Form->ArticleView().ArticleIndex(), shown);
        QVERIFY(!f.NextEnabled());
    }

    void nextLooksForTheNewTextFromTheOldPlace() {
        TFullTextFixture f;
        QVERIFY(f.Load());
        f.TypeRussian("ckjdj"); // слово: the 8th hit is in article 75
        QVERIFY(f.Run(A::SearchText));
        f.TypeRussian("lheujt"); // другое: in articles 20 and 100
        QVERIFY(f.Run(A::SearchTextContinue));
        QCOMPARE(ResultArticles(*f.Form), std::vector<int32_t>{100});
        QCOMPARE(StatusText(*f.Form), QString(" Найдено слов: 1"));
    }

    void cancelKeepsTheHitsSoFarAndTheDialogWaitsForTheScan() {
        TFullTextFixture f;
        QVERIFY(f.Load());
        f.TypeRussian("jnvtyf"); // отмена: in articles 0, 1 and 2
        bool refusedClose = false;
        f.Dialogs.OnShow = [&](TDlgTextSearch& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Orvel Search"));
            QCOMPARE(dialog.lblPrompt->text(),
                     QString("Для досрочного прекращения поиска нажмите кнопку \"Cancel\""));
            QCOMPARE(dialog.btnCancel->text(), QString("Cancel"));
            QCOMPARE(dialog.ProgressBar->maximum(), 100);
            QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
            // Shown, not yet scanning: a close request is refused, Cancel is kept for the scan.
            refusedClose = !dialog.close() && !dialog.Done();
            dialog.btnCancel->click();
        };
        QVERIFY(f.Run(A::SearchText));
        QVERIFY(refusedClose);
        // The scan stops after the first article.
        QCOMPARE(ResultArticles(*f.Form), std::vector<int32_t>{0});
        QCOMPARE(StatusText(*f.Form), QString(" Найдено слов: 1"));
        QVERIFY(!f.NextEnabled());
    }

    void aKeyThatCannotBeSearchedIsAnErrorWithItsHelpTopic() {
        TFullTextFixture f;
        QVERIFY(f.Load());
        f.TypeRussian("ckjdj  ckjdj"); // two blanks between the words
        QVERIFY(f.Run(A::SearchText));
        QCOMPARE(Results(*f.Form)->count(), 0);
        const TStatusMessage& status = f.Form->RememberedStatus();
        QCOMPARE(status.Kind, TStatusKind::Error);
        QCOMPARE(QString::fromStdString(status.Text), QString(" Недопустимая строка для поиска"));
        QCOMPARE(status.HelpContext, 210);
        QVERIFY(!f.NextEnabled());
    }

    void aHitInANoteGoesToTheNote() {
        TFullTextFixture f;
        QVERIFY(f.Load());
        std::vector<TArticleTarget> opened;
        connect(f.Form.get(), &TFormOrvel::ArticleTargetOpened, this,
                [&](const TArticleTarget& target) { opened.push_back(target); });
        f.TypeRussian("pfvtnrf"); // заметка
        QVERIFY(f.Run(A::SearchText));
        QCOMPARE(ResultArticles(*f.Form), std::vector<int32_t>{NotedArticle});
        QCOMPARE(opened.size(), size_t(1));
        const TArticleTarget& target = opened[0];
        QCOMPARE(target.Index, NotedArticle);
        QVERIFY(target.InNote && target.Mark && target.Show);
        QCOMPARE(target.NoteFile, std::string("Lexicon"));
        // "\x07моя " stands before the word in the note's text.
        QCOMPARE(target.Start, 5);
        QCOMPARE(target.Length, 7);
    }

    void aSecondSearchPostedDuringTheFirstIsDropped() {
        TFullTextFixture f;
        QVERIFY(f.Load());
        f.TypeRussian("ckjdj");
        QTRY_VERIFY(f.Form->Action(A::SearchText)->isEnabled());
        f.Form->PostMessage(WM_FULL_TEXT_SEARCH);
        f.Form->PostMessage(WM_FULL_TEXT_SEARCH, SEARCH_CONTINUE);
        QTRY_VERIFY(f.Dialogs.Shown >= 1 && !f.Form->Busy());
        QTest::qWait(50);
        // The second was handled while the first dialog scanned, and dropped: no dialog
        // opened inside the first, searching the same session.
        QCOMPARE(f.Dialogs.Shown, 1);
        QCOMPARE(ResultArticles(*f.Form), Articles(5, 10, 8));
    }

    void theCommandsStandInTheMenusAndOnTheToolBar() {
        TFullTextFixture f;
        const auto firstTwo = [](const QList<QAction*>& actions) { return actions.mid(0, 2); };
        const QList<QAction*> both{f.Form->Action(A::SearchText),
                                   f.Form->Action(A::SearchTextContinue)};
        QCOMPARE(Control<QToolButton>(*f.Form, "btnSearchText")->defaultAction(), both[0]);
        QCOMPARE(Control<QToolButton>(*f.Form, "btnSearchTextContinue")->defaultAction(), both[1]);
        QCOMPARE(firstTwo(Control<QMenu>(*f.Form, "PopupMenuSearch")->actions()), both);
        QCOMPARE(both[0]->shortcut(), QKeySequence("Ctrl+F"));
        QCOMPARE(both[1]->shortcut(), QKeySequence("F3"));
        QCOMPARE(both[0]->toolTip(), QString("Полнотекстовый поиск"));
        // Not before the dictionary is loaded, and not with an empty search line.
        QVERIFY(!both[0]->isEnabled());
        QVERIFY(f.Load());
        f.Form->Action(A::SearchRussian)->trigger();
        f.Form->UpdateActions();
        QVERIFY(!both[0]->isEnabled());
    }
};

QTEST_MAIN(TestFullText)
#include "tst_fulltext.moc"
