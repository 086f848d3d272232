// The article and note panes on the sample edition: the double click and Enter on a word of
// the article, Greek words to the search line and abbreviations explained, notes of two notes
// files browsed with the header, the note panel's height, and places inside notes.
#include "UiTestData.h"
#include "core/dictionary/MainDictionary.h"
#include "core/dictionary/SearchTerms.h"
#include "core/encoding/GreekEncoding.h"
#include "core/encoding/UnicodeGreek.h"
#include "core/encoding/Windows1251.h"
#include "ui/PostedMessages.h"
#include "ui/article/ArticlePane.h"
#include "ui/article/ArticleView.h"
#include "ui/article/NoteImages.h"
#include "ui/lookup/LookupPanel.h"
#include "ui/lookup/SearchLine.h"
#include "ui/widgets/VkrStatusBar.h"

#include <QHeaderView>
#include <QSplitter>

using namespace orvel;
using namespace orvel::testing;

namespace {

TArticlePane* ArticlePane(const TFormOrvel& form) {
    return Control<TArticlePane>(form, "RichEditArticle");
}

TArticlePane* NotePane(const TFormOrvel& form) {
    return Control<TArticlePane>(form, "RichEditNote");
}

QWidget* NotePanel(const TFormOrvel& form) {
    return Control<QWidget>(form, "PanelNote");
}

QHeaderView* NoteHeader(const TFormOrvel& form) {
    return Control<QHeaderView>(form, "HeaderControlNote");
}

QString StatusText(const TFormOrvel& form) {
    return Control<TVkrStatusBar>(form, "StatusBar")->Text();
}

// A Greek word as the display font shows it.
QString DisplayForm(const char* utf8Greek) {
    return QString::fromLatin1(InternalToFontWord(Utf8GreekToInternal(utf8Greek)));
}

// The article the lookup finds for a Greek word.
int32_t Lookup(TFormOrvel& form, const char* utf8Greek) {
    std::string key(1, char(ScriptGreek));
    key += Utf8GreekToInternal(utf8Greek);
    return form.Dictionary().FindWord(key);
}

// The article of a head word.
int32_t Article(TFormOrvel& form, const char* utf8Greek) {
    const int32_t index = Lookup(form, utf8Greek);
    if (index < 0 || form.Dictionary().GetHeadWord(index) != Utf8GreekToInternal(utf8Greek))
        qFatal("The sample edition has no article %s", utf8Greek);
    return index;
}

void Open(TFormOrvel& form, const char* utf8Greek) {
    form.GoToArticle({.Index = Article(form, utf8Greek), .Show = true});
}

// Where the text first stands in the article pane, or -1.
int Find(const TArticlePane* pane, const QString& text) {
    const QTextCursor found = pane->document()->find(text, 0, QTextDocument::FindCaseSensitively);
    return found.isNull() ? -1 : found.selectionStart();
}

// A left press in a pane at a point of its viewport, at a time of the event clock.
void Press(TArticlePane* pane, QPoint at, quint64 timestamp) {
    QWidget* viewport = pane->viewport();
    const QPointF global = viewport->mapToGlobal(QPointF(at));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    press.setTimestamp(timestamp);
    QApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    release.setTimestamp(timestamp + 1);
    QApplication::sendEvent(viewport, &release);
}

// The point of the viewport where a character of the pane stands.
QPoint PointOf(TArticlePane* pane, int position) {
    QTextCursor cursor(pane->document());
    cursor.setPosition(position);
    return pane->cursorRect(cursor).center() + QPoint(2, 0);
}

// Double-clicks the character at a position of the article pane and lets the window act.
void DoubleClick(TFormOrvel& form, int position) {
    TArticlePane* pane = ArticlePane(form);
    pane->ensureCursorVisible();
    const QPoint at = PointOf(pane, position);
    Press(pane, at, 1000);
    Press(pane, at, 1200);
    QCoreApplication::sendPostedEvents(&form);
}

// A note of a notes file for an article, with Russian text.
void AddNote(TFormOrvel& form, int32_t article, const std::string& notesFile, const char* utf8) {
    const std::string userFolder = QFile::encodeName(form.Paths().UserFolder()).toStdString();
    TUserArticle* note = form.Dictionary().GetNote(article, notesFile, userFolder);
    QVERIFY(note);
    std::string text = "\x07"; // Russian
    text += Utf8ToCp1251(utf8);
    note->SetText(text);
}

QString NoteShown(const TFormOrvel& form) {
    return NotePane(form)->toPlainText().trimmed();
}

void ClickHeaderSection(TFormOrvel& form, int section) {
    QHeaderView* header = NoteHeader(form);
    const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class TestArticlePanes : public QObject {
    Q_OBJECT

private slots:
    void doubleClickIsTwoPressesCloseInTimeAndPlace_data() {
        QTest::addColumn<int>("milliseconds");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("words");
        QTest::newRow("799 ms, 3 px") << 799 << 3 << 1;
        QTest::newRow("900 ms") << 900 << 0 << 0;
        QTest::newRow("5 px") << 100 << 5 << 0;
        QTest::newRow("4 px") << 100 << 4 << 0;
    }

    void doubleClickIsTwoPressesCloseInTimeAndPlace() {
        QFETCH(int, milliseconds);
        QFETCH(int, pixels);
        QFETCH(int, words);
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        Open(*form, "ἀγαθός");
        QSignalSpy asked(&form->ArticleView(), &TArticleView::ArticleWordRequested);
        const QPoint at(20, 10);
        Press(ArticlePane(*form), at, 5000);
        Press(ArticlePane(*form), at + QPoint(pixels, 0), 5000 + quint64(milliseconds));
        QCOMPARE(asked.count(), words);
        // The rule holds vertically too, and a third press counts from the second.
        Press(ArticlePane(*form), at + QPoint(pixels, pixels), 5000 + 2 * quint64(milliseconds));
        QCOMPARE(asked.count(), 2 * words);
    }

    void aGreekWordGoesToTheSearchLine() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        Open(*form, "ἄχρι");
        // "ἄχρι (ἄχρις) ...": the word in parentheses, without them.
        const QString word = DisplayForm("ἄχρις");
        const int at = Find(ArticlePane(*form), "(" + word + ")");
        QVERIFY(at > 0);
        DoubleClick(*form, at + 3);
        QCOMPARE(ArticlePane(*form)->textCursor().selectedText(), word);
        auto* line = Control<TSearchLine>(*form, "RichEditSearch");
        QCOMPARE(line->toPlainText(), word);
        QCOMPARE(line->Mode(), TInputMode::Greek);
        QVERIFY(line->hasFocus());
        // The lookup that follows moves the word list; the article stays.
        QTRY_COMPARE(form->LookupPanel().ListCenter(), Lookup(*form, "ἄχρις"));
        QCOMPARE(form->ArticleView().ArticleIndex(), Article(*form, "ἄχρι"));
    }

    void abbreviationsAreExplained_data() {
        QTest::addColumn<QString>("article");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("selected");
        QTest::newRow("author") << "ἀγαθός"
                                << "Hom."
                                << " Hom.: Гомер X-IX вв. до н.э."
                                << "Hom.";
        QTest::newRow("Russian sign after a parenthesis") << "ἀνοίγω"
                                                          << "атт."
                                                          << " атт.: аттический, аттический диалект"
                                                          << "атт.";
        QTest::newRow("Russian word") << "ἀγαθός"
                                      << "хороший" << QString() << QString();
        QTest::newRow("Latin sign without explanation") << "ἄχρι"
                                                        << "cum" << QString() << "cum";
    }

    void abbreviationsAreExplained() {
        QFETCH(QString, article);
        QFETCH(QString, word);
        QFETCH(QString, status);
        QFETCH(QString, selected);
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        Open(*form, article.toUtf8().constData());
        TArticlePane* pane = ArticlePane(*form);
        const int at = Find(pane, word);
        QVERIFY(at > 0);
        // Enter with the caret in the word acts as a double click does.
        QTextCursor caret(pane->document());
        caret.setPosition(at + 1);
        pane->setTextCursor(caret);
        pane->setFocus();
        QTest::keyClick(pane, Qt::Key_Return);
        QCoreApplication::sendPostedEvents(form.get());
        QCOMPARE(StatusText(*form), status);
        QCOMPARE(pane->textCursor().selectedText(), selected);
        QVERIFY(!form->Busy());
    }

    void theWordIsTakenOnlyFromTheFocusedArticlePane() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        Open(*form, "ἀγαθός");
        const int at = Find(ArticlePane(*form), "Hom.");
        QTextCursor caret(ArticlePane(*form)->document());
        caret.setPosition(at + 1);
        ArticlePane(*form)->setTextCursor(caret);
        Control<TSearchLine>(*form, "RichEditSearch")->setFocus();
        form->PostMessage(WM_ARTICLE_WORD);
        QCoreApplication::sendPostedEvents(form.get());
        QVERIFY(!ArticlePane(*form)->textCursor().hasSelection());
        QVERIFY(!StatusText(*form).contains("Hom."));
    }

    void notesOfTwoFilesAreBrowsedWithTheHeader() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        const int32_t article = Article(*form, "ἀγαθός");
        AddNote(*form, article, "alpha", "первая заметка");
        AddNote(*form, article, "beta", "вторая заметка");
        form->Preference().CurrentNoteFile = "beta";
        Open(*form, "ἀγαθός");
        QVERIFY(NotePanel(*form)->isVisible());
        const TArticleView& view = form->ArticleView();

        // The latest attached first: beta's, the current notes file.
        QCOMPARE(NoteShown(*form), QString("вторая заметка."));
        QCOMPARE(NoteHeader(*form)->model()->headerData(0, Qt::Horizontal).toString(),
                 QString("beta"));
        QCOMPARE(view.NoteHeaderImage(0), int(NoteImageCurrentFile));
        QCOMPARE(view.NoteHeaderImage(1), int(NoteImagePreviousDisabled));
        QCOMPARE(view.NoteHeaderImage(2), int(NoteImageNext));
        ClickHeaderSection(*form, 1); // disabled: nothing
        QCOMPARE(NoteShown(*form), QString("вторая заметка."));

        ClickHeaderSection(*form, 2);
        QCOMPARE(NoteShown(*form), QString("первая заметка."));
        QCOMPARE(NoteHeader(*form)->model()->headerData(0, Qt::Horizontal).toString(),
                 QString("alpha"));
        QCOMPARE(view.NoteHeaderImage(0), int(NoteImageOtherFile));
        QCOMPARE(view.NoteHeaderImage(1), int(NoteImagePrevious));
        QCOMPARE(view.NoteHeaderImage(2), int(NoteImageNextDisabled));
        ClickHeaderSection(*form, 2);
        QCOMPARE(NoteShown(*form), QString("первая заметка."));

        ClickHeaderSection(*form, 1);
        QCOMPARE(NoteShown(*form), QString("вторая заметка."));

        // Whatever changed in the notes, the first one is shown again.
        ClickHeaderSection(*form, 2);
        form->PostMessage(WM_NOTE_CHANGED);
        QCoreApplication::sendPostedEvents(form.get());
        QCOMPARE(NoteShown(*form), QString("вторая заметка."));
    }

    void theNotePanelKeepsItsHeight() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        AddNote(*form, Article(*form, "ἀγαθός"), "alpha", "заметка");
        AddNote(*form, Article(*form, "ἄγαλμα"), "alpha", "другая");
        Open(*form, "ἀγαθός");
        QCOMPARE(NotePanel(*form)->height(), 64);
        // The header leaves the panel to the note.
        QCoreApplication::processEvents();
        QVERIFY(NotePane(*form)->height() > NoteHeader(*form)->height());

        // The user drags the splitter up until the panel is 120 pixels high.
        auto* splitter = Control<QSplitter>(*form, "SplitterNote");
        QSplitterHandle* handle = splitter->handle(1);
        const QPoint grip(handle->width() / 2, handle->height() / 2);
        auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
            QMouseEvent event(type, QPointF(at), QPointF(handle->mapToGlobal(at)), Qt::LeftButton,
                              buttons, Qt::NoModifier);
            QApplication::sendEvent(handle, &event);
        };
        send(QEvent::MouseButtonPress, grip, Qt::LeftButton);
        send(QEvent::MouseMove, grip - QPoint(0, 56), Qt::LeftButton);
        send(QEvent::MouseButtonRelease, grip - QPoint(0, 56), Qt::NoButton);
        QCOMPARE(NotePanel(*form)->height(), 120);

        Open(*form, "ἄγαν");
        QVERIFY(NotePanel(*form)->isHidden());
        Open(*form, "ἄγαλμα");
        QVERIFY(NotePanel(*form)->isVisible());
        QCOMPARE(NoteShown(*form), QString("другая."));
        QCOMPARE(NotePanel(*form)->height(), 120);
    }

    void aPlaceInANoteIsSelectedInTheNotePane() {
        TUiTestData data;
        auto form = data.MakeForm();
        QVERIFY(ShowAndLoad(*form));
        const int32_t article = Article(*form, "ἀγαθός");
        AddNote(*form, article, "alpha", "одна найденная фраза");
        AddNote(*form, article, "beta", "другая заметка");
        const TArticleView& view = form->ArticleView();

        // A hit of the full-text search: bytes of the note's text between marks.
        const std::string text = form->Dictionary().NoteChain(article)->Next()->Text();
        const int32_t start = int32_t(text.find(Utf8ToCp1251("найденная")));
        form->GoToArticle({.Index = article,
                           .Start = start,
                           .Length = 9,
                           .NoteFile = "alpha",
                           .InNote = true,
                           .Show = true,
                           .Mark = true});
        QCOMPARE(NotePane(*form)->textCursor().selectedText(), QString("найденная"));
        QVERIFY(NotePane(*form)->hasFocus());
        QVERIFY(!NotePane(*form)->toPlainText().contains(u'\u00B6'));
        std::string notesFile;
        int32_t selStart = 0, selLength = 0;
        QVERIFY(view.NoteSelection(notesFile, selStart, selLength));
        QCOMPARE(notesFile, std::string("alpha"));

        // A bookmark: the selection saved from the pane is restored as it was.
        form->GoToArticle({.Index = article,
                           .Start = selStart,
                           .Length = selLength,
                           .NoteFile = notesFile,
                           .InNote = true,
                           .Show = true});
        QCOMPARE(NotePane(*form)->textCursor().selectedText(), QString("найденная"));
        QCOMPARE(view.CurrentNote()->Owner()->Name(), std::string("alpha"));

        // A notes file the article has no note of: the article pane, nothing selected.
        form->GoToArticle({.Index = article,
                           .Start = 3,
                           .Length = 2,
                           .NoteFile = "gamma",
                           .InNote = true,
                           .Show = true});
        QVERIFY(ArticlePane(*form)->hasFocus());
        QVERIFY(!ArticlePane(*form)->textCursor().hasSelection());
        QVERIFY(!view.NoteSelection(notesFile, selStart, selLength));
    }
};

QTEST_MAIN(TestArticlePanes)
#include "tst_articlepanes.moc"
