// The main window on the sample edition: loading and its failures, the search line and the
// word list, opening articles, pasting, the status line and the window state.
#include "UiTestData.h"
#include "core/dictionary/MainDictionary.h"
#include "core/dictionary/SearchTerms.h"
#include "core/encoding/GreekEncoding.h"
#include "core/encoding/Windows1251.h"
#include "platform/Clipboard.h"
#include "platform/RichTextAdapter.h"
#include "ui/PostedMessages.h"
#include "ui/article/ArticlePane.h"
#include "ui/dialogs/HelpWindow.h"
#include "ui/lookup/SearchLine.h"
#include "ui/widgets/VkrStatusBar.h"
#include "ui/widgets/WordListBox.h"

#include <QAction>
#include <QClipboard>
#include <QMimeData>
#include <QSettings>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolBar>

using namespace orvel;
using namespace orvel::testing;

namespace {

using A = TMainAction;

// The article the lookup finds for a word typed in the display layout.
int32_t Lookup(TFormOrvel& form, const std::string& display) {
    return form.Dictionary().FindWord(std::string(1, char(ScriptGreek)) +
                                      FontWordToInternal(display));
}

QString HeadWordShown(const TFormOrvel& form) {
    const TWordListItem* item = form.ListBoxWords->SelectedWordItem();
    return item ? item->DisplayText() : QString();
}

QString StatusText(const TFormOrvel& form) {
    return form.StatusBar->Text();
}

void TypeIntoSearchLine(TFormOrvel& form, const QString& keys) {
    form.RichEditSearch->setFocus();
    QTest::keyClicks(form.RichEditSearch, keys);
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
        QSignalSpy drawn(form->StatusBar, &TVkrStatusBar::Drawn);
        QVERIFY(ShowAndLoad(*form));

        QStringList progress;
        for (const QList<QVariant>& change : drawn)
            if (change[0].toInt() == int(TStatusKind::Progress))
                progress << change[1].toString();
        QCOMPARE(progress, QStringList({" Выполняется загрузка словаря...",
                                        " Выполняется индексирование словаря...",
                                        " Выполняется загрузка заметок..."}));
        QCOMPARE(StatusText(*form), QString(" Словарь готов к работе"));
        QCOMPARE(form->StatusBar->ImageIndex(), int(TStatusKind::Information));
        QCOMPARE(form->StatusBar->HelpContext(), 100);
        QVERIFY(form->RichEditArticle->toPlainText().contains("Orvel"));
        QCOMPARE(form->ListBoxWords->count(), 0);
        QVERIFY(form->Loaded());
        QVERIFY(!form->Busy());
        QVERIFY(QDir(data.File("User")).exists());
        QTRY_VERIFY(form->Action(A::SearchGreek)->isEnabled());
        QVERIFY(!form->Action(A::SearchSelectAll)->isEnabled()); // the readme is no article
        QVERIFY(!form->Action(A::ViewCharTable)->isEnabled());
        QVERIFY(!form->Action(A::OrvelWord)->isEnabled());
        // The commands still to come have no action, so no menu shows them.
        QVERIFY(!form->Action(A::SearchText));
        QVERIFY(!form->Action(A::BookmarkAdd));
        QVERIFY(!form->Action(A::OrvelPreference));
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
        QCOMPARE(form->StatusBar->ImageIndex(), int(TStatusKind::Error));
        QCOMPARE(form->StatusBar->HelpContext(), 0);
        QCOMPARE(form->ListBoxWords->count(), 0);
        QVERIFY(!form->Loaded());

        // Typing looks nothing up; only Exit, help and the documents are left.
        TypeIntoSearchLine(*form, "l3go~\r");
        QTest::qWait(20);
        QCOMPARE(form->ListBoxWords->count(), 0);
        QTRY_VERIFY(form->Action(A::OrvelExit)->isEnabled());
        QVERIFY(!form->Action(A::SearchGreek)->isEnabled());
        QVERIFY(form->Action(A::HelpAbout)->isEnabled());
        form->Action(A::OrvelExit)->trigger();
        QVERIFY(!form->isVisible());
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
        QCOMPARE(form->ListBoxWords->count(), 0);
        QVERIFY(form->close());
    }

    void typingMovesTheWordListAndEnterOpensTheArticle() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        const int32_t expected = Lookup(*form, "l3go~");
        QVERIFY(expected > 0);

        TypeIntoSearchLine(*form, "l3go~");
        QTRY_COMPARE(form->ListCenter(), expected);
        const TWordBlock block = WordBlockAround(expected, 40, form->Dictionary().Count());
        QCOMPARE(form->ListBoxWords->count(), block.Last - block.First + 1);
        QCOMPARE(form->ListBoxWords->WordItem(0)->Descriptor().ArticleIndex, block.First);
        QCOMPARE(form->ListBoxWords->currentRow(), expected - block.First);
        QCOMPARE(HeadWordShown(*form), QString(" l3go~"));
        QCOMPARE(form->ArticleIndex(), -1); // typing alone opens nothing
        QCOMPARE(form->PageControl->currentIndex(), ListWords);

        // Each keystroke looks up the text of its moment: one letter less, another article.
        QTest::keyClick(form->RichEditSearch, Qt::Key_Backspace);
        QTRY_COMPARE(form->ListCenter(), Lookup(*form, "l3go"));

        QTest::keyClicks(form->RichEditSearch, "~");
        QTest::keyClick(form->RichEditSearch, Qt::Key_Return);
        QTRY_COMPARE(form->ArticleIndex(), expected);
        QVERIFY(form->RichEditSearch->hasFocus()); // the focus comes back to the line
        QTextCursor first(form->RichEditArticle->document());
        first.movePosition(QTextCursor::NextCharacter);
        QVERIFY(first.charFormat().fontFamilies().toStringList().contains("Orvel000"));
        QVERIFY(form->RichEditArticle->toPlainText().startsWith("l3go~"));
        QCOMPARE(StatusText(*form), QString());
        QTRY_VERIFY(form->Action(A::SearchSelectAll)->isEnabled());

        // Down leads into the word list; the tabs announce themselves.
        QTest::keyClick(form->RichEditSearch, Qt::Key_Down);
        QTRY_VERIFY(form->ListBoxWords->hasFocus());
        QCOMPARE(StatusText(*form), QString(" Список словарных статей"));
        form->PageControl->setCurrentIndex(ListGoto);
        QCOMPARE(StatusText(*form), QString(" История переходов по словарным статьям"));
    }

    void aRussianWordLeavesTheListAlone() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        TypeIntoSearchLine(*form, "l3go~");
        QTest::keyClick(form->RichEditSearch, Qt::Key_Return);
        const int32_t article = Lookup(*form, "l3go~");
        QTRY_COMPARE(form->ArticleIndex(), article);

        QTRY_VERIFY(form->Action(A::SearchRussian)->isEnabled());
        form->Action(A::SearchRussian)->trigger();
        QVERIFY(form->RichEditSearch->IsEmpty());
        QCOMPARE(StatusText(*form),
                 QString(" Строка поиска подготовлена для ввода русского слова или фразы"));
        QTest::keyClicks(form->RichEditSearch, "ckjdj"); // the Russian keys of "слово"
        QTest::keyClick(form->RichEditSearch, Qt::Key_Return);
        QTest::qWait(30);
        QCOMPARE(form->RichEditSearch->toPlainText(), QString("слово"));
        QCOMPARE(form->ListCenter(), article);
        QCOMPARE(form->ArticleIndex(), article);
        QCOMPARE(HeadWordShown(*form), QString(" l3go~"));

        form->Action(A::SearchGreek)->trigger();
        QVERIFY(form->RichEditSearch->IsEmpty());
        QCOMPARE(form->RichEditSearch->Mode(), TInputMode::Greek);
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
        QCOMPARE(form->RichEditSearch->toPlainText(), QString(32, u'a'));
        QCOMPARE(form->RichEditSearch->textCursor().position(), 0);
        QCOMPARE(StatusText(*form), QString(" Текст из буфера обмена вставлен в строку поиска"));
        QCOMPARE(form->ListCenter(), -1); // no lookup follows a paste

        // The first run only: the next font ends the paste; the blank stays for the action.
        clipboard->setMimeData(
            RunsMimeData({Run("l3go~ a", "Orvel000", 0), Run("xyz", "Times New Roman", 204)}));
        QTRY_VERIFY(paste->isEnabled());
        paste->trigger();
        QCOMPARE(form->RichEditSearch->toPlainText(), QString("l3go~ a"));
        const TRichTextAdapter line(form->RichEditSearch->document());
        QCOMPARE(line.Attributes(0).FontName, QString("Orvel000"));

        // A paste asked for by another program takes the first word and shows its article.
        clipboard->setMimeData(RunsMimeData({Run("l3go~ a", "Orvel000", 0)}));
        QTRY_VERIFY(paste->isEnabled());
        form->PostMessage(WM_SEARCH_LINE, SEARCH_ACTIVATE | SEARCH_PASTE | SEARCH_SHOW);
        QTRY_COMPARE(form->ArticleIndex(), Lookup(*form, "l3go~"));
        QCOMPARE(form->RichEditSearch->toPlainText(), QString("l3go~"));

        // Unicode text from other programs is read by its script.
        clipboard->setText(QString::fromUtf8("λόγος"));
        QTRY_VERIFY(paste->isEnabled());
        paste->trigger();
        QCOMPARE(form->RichEditSearch->toPlainText(), QString::fromUtf8("λόγος"));
        QTest::keyClick(form->RichEditSearch, Qt::Key_Return);
        QTRY_COMPARE(form->ArticleIndex(), Lookup(*form, "l3go~"));
    }

    void mixedFontsAreReportedAndLookNothingUp() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        TypeIntoSearchLine(*form, "l3");
        QTextCursor end(form->RichEditSearch->document());
        end.movePosition(QTextCursor::End);
        QTextCharFormat arial;
        arial.setFontFamilies({QStringLiteral("Arial")});
        end.insertText("go", arial);
        form->PostMessage(WM_SEARCH_LINE, SEARCH_SHOW);
        QTRY_COMPARE(StatusText(*form), QString(" Смешение нескольких шрифтов в одном слове"));
        QCOMPARE(form->StatusBar->ImageIndex(), int(TStatusKind::Error));
        QCOMPARE(form->RichEditSearch->textCursor().selectionStart(), 2);
        QCOMPARE(form->RichEditSearch->textCursor().selectionEnd(), 3);
        QCOMPARE(form->ArticleIndex(), -1);
    }

    void lookupsArrivingWhileBusyRunOnceItEnds() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        // A keystroke that arrives while the lookup of the one before shows its progress.
        bool typed = false;
        connect(form->StatusBar, &TVkrStatusBar::Drawn, form.get(), [&](int kind) {
            if (kind != int(TStatusKind::Progress) || typed)
                return;
            typed = true;
            QTextCursor end(form->RichEditSearch->document());
            end.movePosition(QTextCursor::End);
            end.insertText("3go~");
            form->PostMessage(WM_SEARCH_LINE, SEARCH_WORDS_TAB);
        });
        TypeIntoSearchLine(*form, "l");
        QTRY_VERIFY(typed);
        QTRY_COMPARE(form->ListCenter(), Lookup(*form, "l3go~"));
    }

    void closingIsRefusedWhileBusy() {
        TUiTestData data;
        auto form = data.MakeForm();
        bool refused = false;
        connect(form->StatusBar, &TVkrStatusBar::Drawn, form.get(), [&](int kind) {
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
            QTest::keyClick(form->RichEditSearch, Qt::Key_Return);
            QTest::qWait(30);
            QCOMPARE(form->ArticleIndex(), -1);
        }
        QVERIFY(!form->Busy());
        QTRY_COMPARE(form->ArticleIndex(), Lookup(*form, "l3go~"));
        QVERIFY(form->isVisible());
    }

    void theBlockScrollsAtItsEdges() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        const int32_t count = form->Dictionary().Count();
        QVERIFY(count > 100);
        form->GoToArticle({.Index = count / 2});
        QCOMPARE(form->ListCenter(), count / 2);
        const int32_t last = form->Block().Last;

        form->ListBoxWords->setCurrentRow(form->ListBoxWords->count() - 1);
        QTRY_COMPARE(form->ListCenter(), last);
        QCOMPARE(form->Block().First, last - 20);
        QCOMPARE(HeadWordShown(*form), form->ListBoxWords->WordItem(20)->DisplayText());

        // Inside the block selecting only selects.
        form->ListBoxWords->setCurrentRow(25);
        QTest::qWait(20);
        QCOMPARE(form->ListCenter(), last);

        // The dictionary's last article ends the scrolling.
        form->GoToArticle({.Index = count - 1});
        QCOMPARE(form->Block().Last, count - 1);
        form->ListBoxWords->setCurrentRow(39);
        form->ListBoxWords->setCurrentRow(40);
        QTest::qWait(20);
        QCOMPARE(form->ListCenter(), count - 1);

        // Enter in the list opens the selected word and keeps the focus there.
        form->ListBoxWords->setFocus();
        QTest::keyClick(form->ListBoxWords, Qt::Key_Space);
        QTRY_COMPARE(form->ArticleIndex(), count - 1);
        QVERIFY(form->ListBoxWords->hasFocus());
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
        const QTextDocument* document = form->RichEditArticle->document();
        QVERIFY(!document->toPlainText().contains(u'\u00B6'));
        const QTextCursor selection = form->RichEditArticle->textCursor();
        QVERIFY(selection.hasSelection());
        // The article's last four letters (Russian), before the full stop the pane adds.
        QCOMPARE(selection.selectedText(),
                 QString::fromStdString(Cp1251ToUtf8(text.substr(text.size() - 4))));
        QCOMPARE(selection.selectionEnd(), int(document->toPlainText().trimmed().size()) - 1);

        // A saved selection without marks is restored as it was.
        form->GoToArticle({.Index = article, .Start = 2, .Length = 3, .Show = true});
        QCOMPARE(form->RichEditArticle->textCursor().selectionStart(), 2);
        QCOMPARE(form->RichEditArticle->textCursor().selectionEnd(), 5);
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
        QVERIFY(form->RichEditArticle->textCursor().hasSelection()); // the selection stays
    }

    void listFontsFollowThePreferences() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        form->Preference().ListFontSize = 15;
        form->Preference().ListFontBold = true;
        form->ApplyListFonts();
        QCOMPARE(form->ListBoxGoto->ItemHeight(), 22);
        QVERIFY(form->ListBoxWords->font().bold());
        form->GoToArticle({.Index = 10});
        QCOMPARE(form->ListBoxWords->visualItemRect(form->ListBoxWords->item(0)).height(), 22);
        QCOMPARE(form->ListBoxWords->font().family(), QString("Orvel000"));
    }

    void statusKindsColoursAndSounds() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        TSoundLog sounds(*form);
        TVkrStatusBar* bar = form->StatusBar;
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
        QWidget* button = form->ToolBarText->widgetForAction(form->Action(A::SearchGreek));
        QVERIFY(button);
        QCOMPARE(button->toolTip(), QString("Греческий"));

        QStatusTipEvent enter(button->statusTip());
        QApplication::sendEvent(button, &enter);
        QCOMPARE(StatusText(*form), QString(" Подготовка для ввода греческого слова"));
        QCOMPARE(form->StatusBar->ImageIndex(), int(TStatusKind::Hint));
        QStatusTipEvent leave{QString()};
        QApplication::sendEvent(button, &leave);
        QCOMPARE(StatusText(*form), QString(" Словарь готов к работе"));
        QCOMPARE(form->StatusBar->HelpContext(), 100);
    }

    void clickingTheStatusLineOpensItsTopic() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        QTest::mouseClick(form->StatusBar, Qt::LeftButton);
        QVERIFY(form->HelpWindow && form->HelpWindow->isVisible());
        QCOMPARE(form->HelpWindow->Source().fragment(), QString("topic100"));

        form->StatusInfo("no topic");
        QTest::mouseClick(form->StatusBar, Qt::LeftButton);
        QCOMPARE(form->StatusBar->Text(), QString());
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
        QCOMPARE(form->PanelLeft->width(), 100);

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
