// The main window on the sample edition: loading and its failures, the search line and the
// word list, opening articles, pasting, the status line, the window state, and where the panels
// put their controls.
#include "UiTestData.h"
#include "core/dictionary/MainDictionary.h"
#include "core/dictionary/SearchTerms.h"
#include "core/encoding/GreekEncoding.h"
#include "core/encoding/Windows1251.h"
#include "platform/Clipboard.h"
#include "platform/RichTextAdapter.h"
#include "ui/PostedMessages.h"
#include "ui/article/ArticlePane.h"
#include "ui/article/ArticleView.h"
#include "ui/dialogs/DocumentWindow.h"
#include "ui/dialogs/HelpWindow.h"
#include "ui/lookup/LookupPanel.h"
#include "ui/lookup/SearchLine.h"
#include "ui/widgets/VkrStatusBar.h"
#include "ui/widgets/WordListBox.h"

#include <QAction>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

using namespace orvel;
using namespace orvel::testing;

namespace {

using A = TMainAction;

// The article the lookup finds for a word typed in the display layout.
int32_t Lookup(TFormOrvel& form, const std::string& display) {
    std::string key(1, char(ScriptGreek));
    key += FontWordToInternal(display);
    return form.Dictionary().FindWord(key);
}

// A control of the window, found by its name.
TSearchLine* SearchLine(const TFormOrvel& form) {
    return Control<TSearchLine>(form, "RichEditSearch");
}

TWordListBox* WordList(const TFormOrvel& form) {
    return Control<TWordListBox>(form, "ListBoxWords");
}

TArticlePane* ArticlePane(const TFormOrvel& form) {
    return Control<TArticlePane>(form, "RichEditArticle");
}

QTabWidget* Pages(const TFormOrvel& form) {
    return Control<QTabWidget>(form, "PageControl");
}

TVkrStatusBar* StatusBar(const TFormOrvel& form) {
    return Control<TVkrStatusBar>(form, "StatusBar");
}

int32_t ListCenter(const TFormOrvel& form) {
    return form.LookupPanel().ListCenter();
}

int32_t ArticleShown(const TFormOrvel& form) {
    return form.ArticleView().ArticleIndex();
}

QString HeadWordShown(const TFormOrvel& form) {
    const TWordListItem* item = WordList(form)->SelectedWordItem();
    return item ? item->DisplayText() : QString();
}

QString StatusText(const TFormOrvel& form) {
    return StatusBar(form)->Text();
}

void TypeIntoSearchLine(TFormOrvel& form, const QString& keys) {
    SearchLine(form)->setFocus();
    QTest::keyClicks(SearchLine(form), keys);
}

QMimeData* RunsMimeData(const std::vector<TRichTextRun>& runs) {
    auto* data = new QMimeData;
    data->setData(OrvelRichTextMimeType, EncodeRichTextRuns(runs));
    return data;
}

TRichTextRun Run(const QString& text, const QString& font, int charset) {
    TRichTextRun run;
    run.Text = text;
    run.Attributes.FontName = font;
    run.Attributes.Charset = charset;
    run.Attributes.Size = 12;
    return run;
}

// The sounds the window makes, on a clock the test turns.
struct TSoundLog {
    explicit TSoundLog(TFormOrvel& form) {
        form.Sounds().SetClock([this] { return Now; });
        form.Sounds().SetBeepPlayer([this] {
            ++Beeps;
            return true;
        });
        form.Sounds().SetErrorSoundPlayer([this] {
            ++ErrorSounds;
            return true;
        });
    }
    uint64_t Now = 100000;
    int Beeps = 0;
    int ErrorSounds = 0;
};

void WriteSettings(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void loadsTheSampleEditionAndShowsTheReadme() {
        TUiTestData data;
        auto form = data.MakeForm();
        QSignalSpy drawn(StatusBar(*form), &TVkrStatusBar::Drawn);
        // Each progress message lets events through; no action may come alive meanwhile.
        QStringList enabledWhileLoading;
        connect(StatusBar(*form), &TVkrStatusBar::Drawn, form.get(), [&](int kind) {
            if (kind == int(TStatusKind::Progress))
                for (const QAction* action : form->actions())
                    if (action->isEnabled())
                        enabledWhileLoading << action->objectName();
        });
        QVERIFY(ShowAndLoad(*form));
        QCOMPARE(enabledWhileLoading, QStringList());

        QStringList progress;
        for (const QList<QVariant>& change : drawn)
            if (change[0].toInt() == int(TStatusKind::Progress))
                progress << change[1].toString();
        QCOMPARE(progress,
                 QStringList(
                     {" Выполняется загрузка словаря...", " Выполняется индексирование словаря...",
                      " Выполняется загрузка закладок...", " Выполняется загрузка заметок..."}));
        QCOMPARE(StatusText(*form), QString(" Словарь готов к работе"));
        QCOMPARE(StatusBar(*form)->ImageIndex(), int(TStatusKind::Information));
        QCOMPARE(StatusBar(*form)->HelpContext(), 100);
        QVERIFY(ArticlePane(*form)->toPlainText().contains("Orvel"));
        // The word list shows the dictionary's first words; no article opens over the readme.
        QCOMPARE(WordList(*form)->count(), 41);
        QCOMPARE(WordList(*form)->WordItem(0)->Descriptor().ArticleIndex, 0);
        QCOMPARE(WordList(*form)->currentRow(), 0);
        QCOMPARE(ListCenter(*form), 0);
        QCOMPARE(ArticleShown(*form), -1);
        QVERIFY(form->Loaded());
        QVERIFY(!form->Busy());
        QVERIFY(QDir(data.File("User")).exists());
        QTRY_VERIFY(form->Action(A::SearchGreek)->isEnabled());
        QVERIFY(form->Action(A::HelpReadme)->isEnabled());
        QVERIFY(!form->Action(A::SearchSelectAll)->isEnabled()); // the readme is no article
        QVERIFY(form->Action(A::ViewCharTable)->isEnabled());    // the line has the focus, in Greek
        // Microsoft Word does not run here: no menu or tool bar offers to go to it.
        QVERIFY(!form->Action(A::OrvelWord));
        for (const QWidget* bar : form->findChildren<QWidget*>())
            if (qobject_cast<const QMenu*>(bar) || qobject_cast<const QToolBar*>(bar))
                for (const QAction* action : bar->actions())
                    QVERIFY2(!action->statusTip().contains("Word"), qPrintable(action->text()));
    }

    void missingDictionaryFails() {
        TUiTestData data;
        QVERIFY(QFile::remove(data.File("orvel.dic")));
        TErrorBoxCatcher boxes;
        auto form = data.MakeForm();
        QVERIFY(!ShowAndLoad(*form));

        const QString path = data.File("orvel.dic").toLower();
        QCOMPARE(boxes.Texts, QStringList("Отсутствует обязательный файл: " + path +
                                          "\n\nЦелесообразно полностью переустановить словарь."));
        QCOMPARE(StatusText(*form), " Отсутствует файл: " + path);
        QCOMPARE(StatusBar(*form)->ImageIndex(), int(TStatusKind::Error));
        QCOMPARE(StatusBar(*form)->HelpContext(), 0);
        QCOMPARE(WordList(*form)->count(), 0);
        QVERIFY(!form->Loaded());

        // Typing looks nothing up; only Exit, help and the documents are left.
        TypeIntoSearchLine(*form, "l3go~\r");
        QTest::qWait(20);
        QCOMPARE(WordList(*form)->count(), 0);
        QTRY_VERIFY(form->Action(A::OrvelExit)->isEnabled());
        QVERIFY(!form->Action(A::SearchGreek)->isEnabled());
        QVERIFY(form->Action(A::HelpAbout)->isEnabled());
        form->Action(A::OrvelExit)->trigger();
        QVERIFY(!form->isVisible());
    }

    void aReadmeThatCannotBeShownIsNamedAndTheDictionaryLoads() {
        for (const bool missing : {true, false}) {
            TUiTestData data;
            const QString readme = data.File("readme.rtf");
            QVERIFY(QFile::remove(readme));
            if (!missing) {
                QFile plain(readme);
                QVERIFY(plain.open(QIODevice::WriteOnly));
                plain.write("plain text");
            }
            TErrorBoxCatcher boxes;
            auto form = data.MakeForm();
            QVERIFY(ShowAndLoad(*form));
            QVERIFY(boxes.Texts.isEmpty());
            QCOMPARE(StatusText(*form),
                     (missing ? " Отсутствует файл: " : " Не удалось открыть файл: ") + readme);
            QCOMPARE(StatusBar(*form)->ImageIndex(), int(TStatusKind::Warning));
            QVERIFY(ArticlePane(*form)->toPlainText().isEmpty());
            QCOMPARE(WordList(*form)->count(), 41);
        }
        // A missing font is the graver warning and stays in the status line.
        TUiTestData data;
        QVERIFY(QFile::remove(data.File("readme.rtf")));
        QVERIFY(QFile::remove(data.File("Orvel001.ttf")));
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        QCOMPARE(StatusText(*form), QString(" Не найден файл шрифта: Orvel001.ttf"));
    }

    void indexFileOfAnotherSizeFails() {
        TUiTestData data;
        QFile idx(data.File("orvel.idx"));
        QVERIFY(idx.resize(idx.size() - 1));
        TErrorBoxCatcher boxes;
        auto form = data.MakeForm();
        QVERIFY(!ShowAndLoad(*form));

        const QString path = data.File("orvel.idx").toLower();
        QCOMPARE(boxes.Texts.size(), 1);
        QVERIFY(boxes.Texts[0].startsWith("Обнаружено изменение файла: " + path + "\n\n"));
        QCOMPARE(StatusText(*form), " Обнаружено изменение файла: " + path);
        QCOMPARE(WordList(*form)->count(), 0);
        QVERIFY(form->close());
    }

    void typingMovesTheWordListAndEnterOpensTheArticle() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        const int32_t expected = Lookup(*form, "l3go~");
        QVERIFY(expected > 0);

        TypeIntoSearchLine(*form, "l3go~");
        QTRY_COMPARE(ListCenter(*form), expected);
        const TWordBlock block = WordBlockAround(expected, 40, form->Dictionary().Count());
        QCOMPARE(WordList(*form)->count(), block.Last - block.First + 1);
        QCOMPARE(WordList(*form)->WordItem(0)->Descriptor().ArticleIndex, block.First);
        QCOMPARE(WordList(*form)->currentRow(), expected - block.First);
        QCOMPARE(HeadWordShown(*form), QString(" l3go~"));
        QCOMPARE(ArticleShown(*form), -1); // typing alone opens nothing
        QCOMPARE(Pages(*form)->currentIndex(), ListWords);

        // Each keystroke looks up the text of its moment: one letter less, another article.
        QTest::keyClick(SearchLine(*form), Qt::Key_Backspace);
        QTRY_COMPARE(ListCenter(*form), Lookup(*form, "l3go"));

        QTest::keyClicks(SearchLine(*form), "~");
        QTest::keyClick(SearchLine(*form), Qt::Key_Return);
        QTRY_COMPARE(ArticleShown(*form), expected);
        QVERIFY(SearchLine(*form)->hasFocus()); // the focus comes back to the line
        QTextCursor first(ArticlePane(*form)->document());
        first.movePosition(QTextCursor::NextCharacter);
        QVERIFY(first.charFormat().fontFamilies().toStringList().contains("Orvel000"));
        QVERIFY(ArticlePane(*form)->toPlainText().startsWith("l3go~"));
        QCOMPARE(StatusText(*form), QString());
        QTRY_VERIFY(form->Action(A::SearchSelectAll)->isEnabled());

        // Down leads into the word list; the tabs announce themselves.
        QTest::keyClick(SearchLine(*form), Qt::Key_Down);
        QTRY_VERIFY(WordList(*form)->hasFocus());
        QCOMPARE(StatusText(*form), QString(" Список словарных статей"));
        Pages(*form)->setCurrentIndex(ListGoto);
        QCOMPARE(StatusText(*form), QString(" История переходов по словарным статьям"));
    }

    void charactersOfAnInputMethodLookUpAsKeysDo() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        TypeIntoSearchLine(*form, "l3go");
        QTRY_COMPARE(ListCenter(*form), Lookup(*form, "l3go"));

        // A dead key followed by space gives its sign through the input method.
        QInputMethodEvent deadKey;
        deadKey.setCommitString("~");
        QApplication::sendEvent(SearchLine(*form), &deadKey);
        QCOMPARE(SearchLine(*form)->toPlainText(), QString("l3go~"));
        QTRY_COMPARE(ListCenter(*form), Lookup(*form, "l3go~"));
    }

    void theSearchLineFollowsRealFocusChangesOnly() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        TSearchLine* line = SearchLine(*form);
        const QColor blue = QColor::fromRgb(TSearchLine::FocusTextColor);

        // The focus that start-up gave the line arrives with the window's activation, after the
        // loading: the line turns blue, the ready message stays and its topic opens on a click.
        QFocusEvent activated(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(line, &activated);
        QCOMPARE(line->palette().color(QPalette::Text), blue);
        QCOMPARE(StatusText(*form), QString(" Словарь готов к работе"));
        QTest::mouseClick(StatusBar(*form), Qt::LeftButton);
        auto* help = form->findChild<THelpWindow*>("HelpWindow");
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->Source().fragment(), QString("topic100"));
        help->close();

        // A pop-up menu leaves the line as it was: blue, nothing selected, the next key added.
        TypeIntoSearchLine(*form, "l3go");
        QMenu* menu = Control<QMenu>(*form, "PopupMenuSearch");
        QTest::mouseClick(line->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(line->palette().color(QPalette::Text), blue);
        QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_VERIFY(!menu->isVisible());
        QTRY_VERIFY(line->hasFocus());
        QVERIFY(!line->textCursor().hasSelection());
        QTest::keyClicks(line, "~");
        QCOMPARE(line->toPlainText(), QString("l3go~"));

        // A real move away and back: the colour goes and comes, the text is selected for
        // replacing and the prompt is shown.
        WordList(*form)->setFocus();
        QCOMPARE(line->palette().color(QPalette::Text),
                 QApplication::palette(line).color(QPalette::Text));
        form->StatusInfo("elsewhere");
        line->setFocus();
        QCOMPARE(line->palette().color(QPalette::Text), blue);
        QCOMPARE(line->textCursor().selectedText(), QString("l3go~"));
        QCOMPARE(StatusText(*form), QString(" Ввод слова или фразы для поиска"));
    }

    void documentsShowInTheProgramsViewerWhenTheDesktopTakesNone() {
        TUiTestData data;
        QStringList offered;
        bool desktopTakes = false;
        auto form = data.MakeForm([&](const QString& path) {
            offered << path;
            return desktopTakes;
        });
        QVERIFY(ShowAndLoad(*form));
        QTRY_VERIFY(form->Action(A::HelpReadme)->isEnabled());
        form->Action(A::HelpReadme)->trigger();
        QCOMPARE(offered, QStringList(data.File("readme.rtf")));
        auto* viewer = form->findChild<TDocumentWindow*>("DocumentWindow");
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(viewer->windowTitle(), QString("readme.rtf"));
        QVERIFY(viewer->Text->toPlainText().contains("Orvel"));
        viewer->close();

        // The desktop took it: the program shows nothing of its own.
        desktopTakes = true;
        form->Action(A::HelpReadme)->trigger();
        QCOMPARE(offered.size(), 2);
        QVERIFY(!viewer->isVisible());

        // A missing document, and one that holds no RTF, are reported.
        form->Action(A::HelpLicense)->trigger();
        QCOMPARE(StatusText(*form), " Отсутствует файл: " + data.File("license.rtf"));
        QCOMPARE(StatusBar(*form)->ImageIndex(), int(TStatusKind::Error));
        QCOMPARE(offered.size(), 2);
        // So is one that cannot be read, which the desktop is not offered either.
        QVERIFY(QDir().mkdir(data.File("license.rtf")));
        form->Action(A::HelpLicense)->trigger();
        QCOMPARE(StatusText(*form), " Не удалось прочитать файл: " + data.File("license.rtf"));
        QCOMPARE(offered.size(), 2);
        desktopTakes = false;
        QFile broken(data.File("orvel.rtf"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("plain text");
        broken.close();
        form->Action(A::HelpOrvel)->trigger();
        QCOMPARE(StatusText(*form), " Не удалось открыть файл: " + data.File("orvel.rtf"));
        QVERIFY(!viewer->isVisible());
    }

    void debugSaveWritesTheArticleWhole() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        TypeIntoSearchLine(*form, "l3go~");
        QTest::keyClick(SearchLine(*form), Qt::Key_Return);
        QTRY_COMPARE(ArticleShown(*form), Lookup(*form, "l3go~"));
        QAction* save = nullptr;
        for (QAction* item : Control<QMenu>(*form, "mnuDebug")->actions())
            if (item->text().contains("test.rtf"))
                save = item;
        QVERIFY(save);
        save->trigger();
        QFile written(data.File("test.rtf"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray rtf = written.readAll();
        QVERIFY(rtf.startsWith("{\\rtf1"));
        QVERIFY(rtf.contains("l3go~"));
        // Nothing is left beside it.
        QCOMPARE(QDir(data.Folder()).entryList({"test.rtf*"}, QDir::Files),
                 QStringList("test.rtf"));
    }

    void aRussianWordLeavesTheListAlone() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        TypeIntoSearchLine(*form, "l3go~");
        QTest::keyClick(SearchLine(*form), Qt::Key_Return);
        const int32_t article = Lookup(*form, "l3go~");
        QTRY_COMPARE(ArticleShown(*form), article);

        QTRY_VERIFY(form->Action(A::SearchRussian)->isEnabled());
        form->Action(A::SearchRussian)->trigger();
        QVERIFY(SearchLine(*form)->IsEmpty());
        QCOMPARE(StatusText(*form),
                 QString(" Строка поиска подготовлена для ввода русского слова или фразы"));
        QTest::keyClicks(SearchLine(*form), "ckjdj"); // the Russian keys of "слово"
        QTest::keyClick(SearchLine(*form), Qt::Key_Return);
        QTest::qWait(30);
        QCOMPARE(SearchLine(*form)->toPlainText(), QString("слово"));
        QCOMPARE(ListCenter(*form), article);
        QCOMPARE(ArticleShown(*form), article);
        QCOMPARE(HeadWordShown(*form), QString(" l3go~"));

        form->Action(A::SearchGreek)->trigger();
        QVERIFY(SearchLine(*form)->IsEmpty());
        QCOMPARE(SearchLine(*form)->Mode(), TInputMode::Greek);
    }

    void pasteTakesAtMost32CharactersOfOneFont() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        QClipboard* clipboard = QGuiApplication::clipboard();
        QAction* paste = form->Action(A::SearchPaste);

        clipboard->setMimeData(RunsMimeData({Run(QString(50, u'a'), "Orvel000", 0)}));
        QTRY_VERIFY(paste->isEnabled());
        paste->trigger();
        QCOMPARE(SearchLine(*form)->toPlainText(), QString(32, u'a'));
        QCOMPARE(SearchLine(*form)->textCursor().position(), 0);
        QCOMPARE(StatusText(*form), QString(" Текст из буфера обмена вставлен в строку поиска"));
        QCOMPARE(ListCenter(*form), 0); // no lookup follows a paste: the list stays at the start

        // The first run only: the next font ends the paste; the blank stays for the action.
        clipboard->setMimeData(
            RunsMimeData({Run("l3go~ a", "Orvel000", 0), Run("xyz", "Times New Roman", 204)}));
        QTRY_VERIFY(paste->isEnabled());
        paste->trigger();
        QCOMPARE(SearchLine(*form)->toPlainText(), QString("l3go~ a"));
        const TRichTextAdapter line(SearchLine(*form)->document());
        QCOMPARE(line.Attributes(0).FontName, QString("Orvel000"));

        // A paste asked for by another program takes the first word and shows its article.
        clipboard->setMimeData(RunsMimeData({Run("l3go~ a", "Orvel000", 0)}));
        QTRY_VERIFY(paste->isEnabled());
        form->PostMessage(WM_SEARCH_LINE, SEARCH_ACTIVATE | SEARCH_PASTE | SEARCH_SHOW);
        QTRY_COMPARE(ArticleShown(*form), Lookup(*form, "l3go~"));
        QCOMPARE(SearchLine(*form)->toPlainText(), QString("l3go~"));

        // Unicode text from other programs is read by its script.
        clipboard->setText(QString::fromUtf8("λόγος"));
        QTRY_VERIFY(paste->isEnabled());
        paste->trigger();
        QCOMPARE(SearchLine(*form)->toPlainText(), QString::fromUtf8("λόγος"));
        QTest::keyClick(SearchLine(*form), Qt::Key_Return);
        QTRY_COMPARE(ArticleShown(*form), Lookup(*form, "l3go~"));
    }

    void mixedFontsAreReportedAndLookNothingUp() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        TypeIntoSearchLine(*form, "l3");
        QTextCursor end(SearchLine(*form)->document());
        end.movePosition(QTextCursor::End);
        QTextCharFormat arial;
        arial.setFontFamilies({QStringLiteral("Arial")});
        end.insertText("go", arial);
        form->PostMessage(WM_SEARCH_LINE, SEARCH_SHOW);
        QTRY_COMPARE(StatusText(*form), QString(" Смешение нескольких шрифтов в одном слове"));
        QCOMPARE(StatusBar(*form)->ImageIndex(), int(TStatusKind::Error));
        QCOMPARE(SearchLine(*form)->textCursor().selectionStart(), 2);
        QCOMPARE(SearchLine(*form)->textCursor().selectionEnd(), 3);
        QCOMPARE(ArticleShown(*form), -1);
    }

    void lookupsArrivingWhileBusyRunOnceItEnds() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        // A keystroke that arrives while the lookup of the one before shows its progress.
        bool typed = false;
        connect(StatusBar(*form), &TVkrStatusBar::Drawn, form.get(), [&](int kind) {
            if (kind != int(TStatusKind::Progress) || typed)
                return;
            typed = true;
            QTextCursor end(SearchLine(*form)->document());
            end.movePosition(QTextCursor::End);
            end.insertText("3go~");
            form->PostMessage(WM_SEARCH_LINE, SEARCH_WORDS_TAB);
        });
        TypeIntoSearchLine(*form, "l");
        QTRY_VERIFY(typed);
        QTRY_COMPARE(ListCenter(*form), Lookup(*form, "l3go~"));
    }

    void closingIsRefusedWhileBusy() {
        TUiTestData data;
        auto form = data.MakeForm();
        bool refused = false;
        connect(StatusBar(*form), &TVkrStatusBar::Drawn, form.get(), [&](int kind) {
            if (kind == int(TStatusKind::Progress) && !refused)
                refused = !form->close();
        });
        QVERIFY(ShowAndLoad(*form));
        QVERIFY(refused);
        QVERIFY(form->isVisible());
        QVERIFY(form->close());
    }

    void anInnerBusyScopeLeavesTheWindowBusy() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        {
            TFormOrvel::TBusyScope outer(*form);
            { TFormOrvel::TBusyScope inner(*form); }
            QVERIFY(form->Busy());
            QVERIFY(!form->close());
            // A lookup asked for now waits for the outer scope.
            TypeIntoSearchLine(*form, "l3go~");
            QTest::keyClick(SearchLine(*form), Qt::Key_Return);
            QTest::qWait(30);
            QCOMPARE(ArticleShown(*form), -1);
        }
        QVERIFY(!form->Busy());
        QTRY_COMPARE(ArticleShown(*form), Lookup(*form, "l3go~"));
        QVERIFY(form->isVisible());
    }

    void theBlockScrollsAtItsEdges() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        const int32_t count = form->Dictionary().Count();
        QVERIFY(count > 100);
        form->GoToArticle({.Index = count / 2});
        QCOMPARE(ListCenter(*form), count / 2);
        const int32_t last = form->LookupPanel().Block().Last;
        TWordListBox* list = WordList(*form);
        list->setFocus();

        QTest::keyClick(list, Qt::Key_End);
        QTRY_COMPARE(ListCenter(*form), last);
        QCOMPARE(form->LookupPanel().Block().First, last - 20);
        QCOMPARE(HeadWordShown(*form), list->WordItem(20)->DisplayText());

        // Inside the block selecting only selects.
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 25);
        QTest::qWait(20);
        QCOMPARE(ListCenter(*form), last);

        // The dictionary's last article ends the scrolling.
        form->GoToArticle({.Index = count - 1});
        QCOMPARE(form->LookupPanel().Block().Last, count - 1);
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_End);
        QCOMPARE(list->currentRow(), 40);
        QTest::qWait(20);
        QCOMPARE(ListCenter(*form), count - 1);

        // Space in the word list opens the selected word and keeps the focus there.
        QTest::keyClick(list, Qt::Key_Space);
        QTRY_COMPARE(ArticleShown(*form), count - 1);
        QVERIFY(list->hasFocus());
    }

    void theOtherListsOpenTheirSelectedWord_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("page");
        QTest::newRow("history") << "ListBoxGoto" << int(ListGoto);
        QTest::newRow("bookmarks") << "ListBoxBookmarks" << int(ListBookmarks);
        QTest::newRow("search results") << "ListBoxSearch" << int(ListSearch);
    }

    void theOtherListsOpenTheirSelectedWord() {
        QFETCH(QString, name);
        QFETCH(int, page);
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        const int32_t article = Lookup(*form, "l3go~");
        auto* list = Control<TWordListBox>(*form, name.toLatin1().constData());
        Pages(*form)->setCurrentIndex(page);
        list->AddDescriptor(TWordDescriptor(article, form->Dictionary().GetHeadWord(article)));
        list->setCurrentRow(0);
        list->setFocus();

        // Space only opens in the word list.
        QTest::keyClick(list, Qt::Key_Space);
        QTest::qWait(20);
        QCOMPARE(ArticleShown(*form), -1);

        QTest::keyClick(list, Qt::Key_Return);
        QTRY_COMPARE(ArticleShown(*form), article);
        QCOMPARE(ListCenter(*form), article);
        QVERIFY(list->hasFocus());
    }

    void markedHitReachingTheEndIsSelected() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        const int32_t article = Lookup(*form, "l3go~");
        const std::string text = form->Dictionary().GetArticleText(article);
        const int32_t length = int32_t(text.size());
        form->GoToArticle(
            {.Index = article, .Start = length - 4, .Length = 4, .Show = true, .Mark = true});
        const QTextDocument* document = ArticlePane(*form)->document();
        QVERIFY(!document->toPlainText().contains(u'\u00B6'));
        const QTextCursor selection = ArticlePane(*form)->textCursor();
        QVERIFY(selection.hasSelection());
        // The article's last four letters (Russian), before the full stop the pane adds.
        QCOMPARE(selection.selectedText(),
                 QString::fromStdString(Cp1251ToUtf8(text.substr(text.size() - 4))));
        QCOMPARE(selection.selectionEnd(), int(document->toPlainText().trimmed().size()) - 1);

        // A saved selection without marks is restored as it was.
        form->GoToArticle({.Index = article, .Start = 2, .Length = 3, .Show = true});
        QCOMPARE(ArticlePane(*form)->textCursor().selectionStart(), 2);
        QCOMPARE(ArticlePane(*form)->textCursor().selectionEnd(), 5);
    }

    void copyPutsRtfAndUnicodeOnTheClipboard() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        form->GoToArticle({.Index = Lookup(*form, "l3go~"), .Show = true});
        QTRY_VERIFY(form->Action(A::SearchSelectAll)->isEnabled());
        QVERIFY(!form->Action(A::SearchCopy)->isEnabled());
        form->Action(A::SearchSelectAll)->trigger();
        QTRY_VERIFY(form->Action(A::SearchCopy)->isEnabled());
        form->Action(A::SearchCopy)->trigger();

        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied->data(RtfMimeType).startsWith("{\\rtf1"));
        QVERIFY(copied->text().startsWith(QString::fromUtf8("λόγος")));
        QCOMPARE(StatusText(*form),
                 QString(" Копирование выделенной части статьи в буфер обмена выполнено"));
        QVERIFY(ArticlePane(*form)->textCursor().hasSelection()); // the selection stays
    }

    void listFontsFollowThePreferences() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        form->Preference().ListFontSize = 15;
        form->Preference().ListFontBold = true;
        form->ApplyListFonts();
        QCOMPARE(Control<TWordListBox>(*form, "ListBoxGoto")->ItemHeight(), 22);
        QVERIFY(WordList(*form)->font().bold());
        form->GoToArticle({.Index = 10});
        QCOMPARE(WordList(*form)->visualItemRect(WordList(*form)->item(0)).height(), 22);
        QCOMPARE(WordList(*form)->font().family(), QString("Orvel000"));
    }

    void listsArePagesInTheirOrder_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("tabSheet");
        QTest::addColumn<QString>("caption");
        QTest::newRow("words") << int(ListWords) << "ListBoxWords"
                               << "TabSheetWords"
                               << "Words";
        QTest::newRow("history") << int(ListGoto) << "ListBoxGoto"
                                 << "TabSheetGoto"
                                 << "History";
        QTest::newRow("bookmarks") << int(ListBookmarks) << "ListBoxBookmarks"
                                   << "TabSheetBookmarks"
                                   << "Bookmarks";
        QTest::newRow("search results") << int(ListSearch) << "ListBoxSearch"
                                        << "TabSheetSearch"
                                        << "Search";
    }

    void listsArePagesInTheirOrder() {
        QFETCH(int, page);
        QFETCH(QString, list);
        QFETCH(QString, tabSheet);
        QFETCH(QString, caption);
        TUiTestData data;
        auto form = data.MakeForm();
        QTabWidget* pages = Pages(*form);
        QCOMPARE(pages->count(), 4);
        const auto* shown = qobject_cast<TWordListBox*>(pages->widget(page));
        QVERIFY(shown);
        QCOMPARE(shown->objectName(), list);
        QCOMPARE(shown->ListNumber(), page);
        QCOMPARE(shown->property("tabSheet").toString(), tabSheet);
        QCOMPARE(pages->tabText(page), caption);
    }

    void controlsSitInTheirPanels_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<bool>("visible");
        QTest::newRow("search line") << "RichEditSearch"
                                     << "PanelLeft" << true;
        QTest::newRow("page control") << "PageControl"
                                      << "PanelLeft" << true;
        QTest::newRow("note splitter") << "SplitterNote"
                                       << "PanelRight" << true;
        QTest::newRow("article pane") << "RichEditArticle"
                                      << "SplitterNote" << true;
        QTest::newRow("note panel") << "PanelNote"
                                    << "SplitterNote" << false;
        QTest::newRow("note header") << "HeaderControlNote"
                                     << "PanelNote" << false;
        QTest::newRow("note pane") << "RichEditNote"
                                   << "PanelNote" << false;
        QTest::newRow("paste buffer") << "RichEditClipboard"
                                      << "FormOrvel" << false;
    }

    void controlsSitInTheirPanels() {
        QFETCH(QString, control);
        QFETCH(QString, parent);
        QFETCH(bool, visible);
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        const auto* widget = form->findChild<QWidget*>(control);
        QVERIFY(widget && widget->parentWidget());
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        QCOMPARE(widget->isVisible(), visible);
    }

    void tabLeadsFromTheSearchLineThroughTheListsToTheArticle() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        const QList<std::pair<const QWidget*, QString>> named = {
            {SearchLine(*form), "search line"},
            {Pages(*form)->tabBar(), "tabs"},
            {WordList(*form), "words"},
            {ArticlePane(*form), "article"},
        };
        SearchLine(*form)->setFocus();
        QStringList order;
        for (int presses = 0; presses < 12; ++presses) {
            const QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused);
            for (const auto& [widget, label] : named)
                if (widget == focused && !order.contains(label))
                    order << label;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, QStringList({"search line", "tabs", "words", "article"}));
    }

    void theRightButtonOpensTheControlsMenu_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("menu");
        QTest::newRow("search line") << "RichEditSearch"
                                     << "PopupMenuSearch";
        QTest::newRow("article pane") << "RichEditArticle"
                                      << "PopupMenuArticle";
    }

    void theRightButtonOpensTheControlsMenu() {
        QFETCH(QString, control);
        QFETCH(QString, menu);
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        auto* pane = form->findChild<QTextEdit*>(control);
        auto* popup = form->findChild<QMenu*>(menu);
        QVERIFY(pane && popup);
        QVERIFY(!popup->isVisible());
        QTest::mouseClick(pane->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QTRY_VERIFY(popup->isVisible());
        popup->close();
    }

    void statusKindsColoursAndSounds() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        TSoundLog sounds(*form);
        TVkrStatusBar* bar = StatusBar(*form);
        const QColor normal = form->palette().color(QPalette::Window);

        form->StatusInfo("info");
        sounds.Now += 1500;
        form->StatusError("first", 7);
        QCOMPARE(sounds.Beeps, 1); // a second and a half after the information
        QCOMPARE(bar->palette().color(QPalette::Window), QColor(255, 255, 0));
        QCOMPARE(bar->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        QCOMPARE(bar->Text(), QString(" first"));
        QCOMPARE(bar->HelpContext(), 7);

        sounds.Now += 500;
        form->StatusError("second");
        QCOMPARE(sounds.Beeps, 1); // half a second after the first: silent

        sounds.Now += 2000;
        form->StatusProgress("work");
        QCOMPARE(bar->Text(), QString(" work..."));
        QCOMPARE(bar->palette().color(QPalette::Window), normal);
        sounds.Now += 300;
        form->StatusError("soon after progress");
        QCOMPARE(sounds.Beeps, 1);
        QCOMPARE(bar->palette().color(QPalette::Window), QColor(255, 255, 0));

        // The desktop's sound when the preference asks for it.
        form->Preference().CommonWindowsSound = true;
        sounds.Now += 1000;
        form->StatusInternalError("boom");
        QCOMPARE(sounds.ErrorSounds, 1);
        QCOMPARE(bar->Text(), QString(" Internal error: boom"));

        form->StatusWarning("careful");
        QCOMPARE(bar->ImageIndex(), int(TStatusKind::Warning));
        QCOMPARE(bar->palette().color(QPalette::Window), normal);
        form->StatusClear();
        QCOMPARE(bar->ImageIndex(), -1);
        QCOMPARE(bar->Text(), QString());
    }

    void hintsCoverTheRememberedMessage() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        auto* button = Control<QToolButton>(*form, "btnSearchGreek");
        QVERIFY(button);
        QCOMPARE(button->toolTip(), QString("Греческий"));

        QStatusTipEvent enter(button->statusTip());
        QApplication::sendEvent(button, &enter);
        QCOMPARE(StatusText(*form), QString(" Подготовка для ввода греческого слова"));
        QCOMPARE(StatusBar(*form)->ImageIndex(), int(TStatusKind::Hint));
        QStatusTipEvent leave{QString()};
        QApplication::sendEvent(button, &leave);
        QCOMPARE(StatusText(*form), QString(" Словарь готов к работе"));
        QCOMPARE(StatusBar(*form)->HelpContext(), 100);
    }

    void clickingTheStatusLineOpensItsTopic() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        QTest::mouseClick(StatusBar(*form), Qt::LeftButton);
        const auto* help = form->findChild<THelpWindow*>("HelpWindow");
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->Source().fragment(), QString("topic100"));

        form->StatusInfo("no topic");
        QTest::mouseClick(StatusBar(*form), Qt::LeftButton);
        QCOMPARE(StatusBar(*form)->Text(), QString());
        QCOMPARE(form->RememberedStatus().Kind, TStatusKind::None);
    }

    void windowStateIsReadWithItsClamps() {
        TUiTestData data;
        WriteSettings(data.SettingsFile(),
                      "[General]\nWidth=600\nHeight=100\nLeft=5000\nTop=-40\nLeftWidth=10\n");
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(form->width(), 600);
        QCOMPARE(form->height(), 200);
        QCOMPARE(form->x(), screen.right() + 1 - 600);
        QCOMPARE(form->y(), screen.top());
        QCOMPARE(Control<QWidget>(*form, "PanelLeft")->width(), 100);

        form->resize(640, 480);
        form->move(12, 34);
        QTRY_COMPARE(form->pos(), QPoint(12, 34));
        QVERIFY(form->close());
        form.reset();
        QSettings written(data.SettingsFile(), QSettings::IniFormat);
        QCOMPARE(written.value("Maximize").toString(), QString("0"));
        QCOMPARE(written.value("Width").toInt(), 640);
        QCOMPARE(written.value("Height").toInt(), 480);
        QCOMPARE(written.value("Left").toInt(), 12);
        QCOMPARE(written.value("Top").toInt(), 34);
        QCOMPARE(written.value("LeftWidth").toInt(), 100); // the article pane took the growth
        QCOMPARE(written.value("AppSearch").toString(), QString("4124"));
        QCOMPARE(written.value("AppPath").toString(), QCoreApplication::applicationFilePath());
        QCOMPARE(written.value("Preference/ListFontSize").toString(), QString("14"));
    }

    void maximisedWindowKeepsItsNormalGeometry() {
        TUiTestData data;
        WriteSettings(data.SettingsFile(), "[General]\nMaximize=1\nWidth=500\nHeight=400\n");
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        QVERIFY(form->isMaximized());
        QVERIFY(form->close());
        form.reset();
        QSettings written(data.SettingsFile(), QSettings::IniFormat);
        QCOMPARE(written.value("Maximize").toString(), QString("1"));
        QCOMPARE(written.value("Width").toInt(), 500);
        QCOMPARE(written.value("Height").toInt(), 400);
        QVERIFY(!written.contains("Left"));
        QVERIFY(written.contains("LeftWidth"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
