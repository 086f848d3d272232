// The note editor on notes files of its own (no dictionary: every head word shows as "?"):
// opening, typing and saving, closing with and without its question, deleting, the list's
// window of notes, pasting, inserting an author, a notes file that cannot be written, and the
// tool bars' icon buttons.
#include "core/article/VocabularyTables.h"
#include "core/dictionary/UserDictionary.h"
#include "core/encoding/Windows1251.h"
#include "core/notes/NoteFormat.h"
#include "core/notes/NoteSave.h"
#include "core/settings/Preference.h"
#include "platform/RichTextAttributes.h"
#include "platform/TextProperties.h"
#include "support/TempDir.h"
#include "ui/dialogs/DialogBox.h"
#include "ui/dialogs/PickerList.h"
#include "ui/noteeditor/FormUserEditor.h"
#include "ui/noteeditor/NoteRichEdit.h"
#include "ui/widgets/VkrStatusBar.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QListWidget>
#include <QMimeData>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <filesystem>
#include <memory>

using namespace orvel;
using A = TEditorAction;

namespace {

// A notes file in a folder of its own with notes for the given articles, empty texts.
struct TNotesFixture {
    explicit TNotesFixture(std::initializer_list<int32_t> articles = {5}, std::string folder = {})
        : Notes(folder.empty() ? Dir.Path() : folder, "Мои", true) {
        for (int32_t article : articles)
            TUserArticle::Create(Notes, article);
        Notes.Modified = false;
    }
    std::string FileName() const { return Notes.FileName(); }

    testing::TTempDir Dir;
    TUserDictionary Notes;
};

struct TEditor {
    TEditor(TUserArticle* note, const TPreference& preference)
        : Form(note, preference, TVocabulary::BuiltIn(), {}) {
        Form.Ask = [this](const QString& text) {
            Questions.append(text);
            return Answers.isEmpty() ? int(TDlgBox::AnswerCancel) : Answers.takeFirst();
        };
        Form.resize(800, 500);
        Form.show();
        QCoreApplication::processEvents();
    }
    void Type(const QString& keys) {
        QTest::keyClicks(Form.RichEdit, keys);
        QCoreApplication::processEvents();
    }
    void Trigger(A action) {
        Form.UpdateActions();
        QVERIFY(Form.Action(action)->isEnabled());
        Form.Action(action)->trigger();
        QCoreApplication::processEvents();
    }
    QTextCharFormat FormatAt(int position) {
        QTextCursor cursor(Form.RichEdit->document());
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    }

    TFormUserEditor Form;
    QList<int> Answers;
    QStringList Questions;
};

std::string Cp1251(const char* utf8) {
    return Utf8ToCp1251(utf8);
}

} // namespace

class TestNoteEditor : public QObject {
    Q_OBJECT

private slots:
    void OpensAnEmptyNoteForRussianTyping() {
        TNotesFixture fixture;
        TPreference preference;
        TEditor editor(fixture.Notes.Items(0), preference);
        const TRichTextAttributes typing =
            AttributesOfFormat(editor.Form.RichEdit->currentCharFormat());
        QCOMPARE(typing.FontName, QStringLiteral("Times New Roman"));
        QCOMPARE(typing.Charset, std::optional<int>(204));
        QVERIFY(!typing.Bold && !typing.Italic && !typing.Color);
        QVERIFY(editor.Form.RussianKeyboard());
        QVERIFY(editor.Form.RichEdit->document()->isEmpty());
        QVERIFY(!editor.Form.Modified());
        QVERIFY(editor.Form.ListBox->isEnabled());
        QCOMPARE(editor.Form.windowTitle(), QString::fromUtf8("Orvel Editor - ") +
                                                QString::fromStdString(fixture.Notes.Name()));
        // Keys of the Latin keyboard type Russian; Enter adds no line break.
        editor.Type(QStringLiteral("ghbdtn"));
        QTest::keyClick(editor.Form.RichEdit, Qt::Key_Return);
        QCOMPARE(editor.Form.RichEdit->toPlainText(), QString::fromUtf8("привет"));
        QVERIFY(editor.Form.Modified());
        QVERIFY(!editor.Form.ListBox->isEnabled());
    }

    void SavesTheTextIntoTheNote() {
        TNotesFixture fixture;
        TPreference preference;
        TEditor editor(fixture.Notes.Items(0), preference);
        editor.Type(QStringLiteral("ghbdtn"));
        editor.Trigger(A::ArticleSave);
        QCOMPARE(fixture.Notes.Items(0)->Text(), "\x07\x03" + Cp1251("привет"));
        QVERIFY(fixture.Notes.Modified);
        QVERIFY(!editor.Form.Modified());
        QCOMPARE(editor.Form.StatusBar->Text(), QString::fromUtf8(" Текст сохранен"));
        // The note is shown again as rendered from its stored text.
        QVERIFY(editor.Form.RichEdit->toPlainText().startsWith(QString::fromUtf8("привет")));
        QVERIFY(!editor.Form.Action(A::ArticleSave)->isEnabled());
        QVERIFY(editor.Form.Action(A::ArticleExit)->isEnabled());
    }

    void ARefusedTextStaysWithTheOffendingCharacterSelected() {
        TNotesFixture fixture;
        TPreference preference;
        TEditor editor(fixture.Notes.Items(0), preference);
        editor.Type(QStringLiteral("ab"));
        // A character in a font the note cannot carry.
        QTextCursor cursor(editor.Form.RichEdit->document());
        cursor.setPosition(1);
        cursor.setPosition(2, QTextCursor::KeepAnchor);
        QTextCharFormat arial;
        arial.setFontFamilies({QStringLiteral("Arial")});
        cursor.mergeCharFormat(arial);
        editor.Trigger(A::ArticleSave);
        QVERIFY(fixture.Notes.Items(0)->Text().empty());
        QVERIFY(editor.Form.Modified());
        QCOMPARE(editor.Form.StatusBar->ImageIndex(), int(TStatusKind::Error));
        QCOMPARE(editor.Form.StatusBar->HelpContext(), NoteErrorHelpContext);
        QCOMPARE(editor.Form.RichEdit->textCursor().selectionStart(), 1);
        QCOMPARE(editor.Form.RichEdit->textCursor().selectionEnd(), 2);
    }

    void SaveAndCloseWritesTheNotesFile() {
        TNotesFixture fixture;
        TPreference preference;
        TEditor editor(fixture.Notes.Items(0), preference);
        editor.Type(QStringLiteral("ghbdtn"));
        editor.Answers = {TDlgBox::AnswerYes};
        editor.Form.done(QDialog::Accepted);
        QCOMPARE(editor.Questions,
                 QStringList{QString::fromUtf8("Текст был изменен, но не сохранен. Сохранить?")});
        QCoreApplication::processEvents();
        QVERIFY(!editor.Form.isVisible());
        QCOMPARE(editor.Form.result(), int(QDialog::Accepted));
        QVERIFY(!fixture.Notes.Modified);
        TUserDictionary read(fixture.Dir.Path(), fixture.Notes.Name(), true);
        read.Load();
        QCOMPARE(read.Count(), 1);
        QCOMPARE(read.Items(0)->Text(), "\x07\x03" + Cp1251("привет"));
    }

    void TheClosingQuestion() {
        TNotesFixture fixture;
        fixture.Notes.Items(0)->SetText("\x07\x03" + Cp1251("мир"));
        fixture.Notes.Modified = false;
        TPreference preference;
        TEditor editor(fixture.Notes.Items(0), preference);
        editor.Type(QStringLiteral("f"));
        editor.Answers = {TDlgBox::AnswerCancel};
        editor.Form.done(QDialog::Accepted);
        QVERIFY(editor.Form.isVisible());
        QVERIFY(editor.Form.Modified());
        editor.Answers = {TDlgBox::AnswerNo};
        editor.Form.done(QDialog::Accepted);
        QVERIFY(!editor.Form.isVisible());
        QCOMPARE(editor.Form.result(), int(QDialog::Rejected));
        QCOMPARE(fixture.Notes.Items(0)->Text(), "\x07\x03" + Cp1251("мир"));
        QVERIFY(!QFile::exists(QString::fromStdString(fixture.FileName())));
    }

    void DeletingTheOnlyNote() {
        TNotesFixture fixture({7});
        fixture.Notes.Items(0)->SetText("\x07\x03" + Cp1251("мир"));
        fixture.Notes.Save();
        TPreference preference;
        TEditor editor(fixture.Notes.Items(0), preference);
        editor.Trigger(A::ArticleDelete);
        // An empty note for the same article takes its place...
        QCOMPARE(fixture.Notes.Count(), 1);
        QCOMPARE(editor.Form.Note()->ArticleIndex(), 7);
        QVERIFY(editor.Form.Note()->Text().empty());
        QVERIFY(editor.Form.RichEdit->document()->isEmpty());
        // ...and is dropped on closing, when the file is written without it.
        editor.Trigger(A::ArticleExit);
        QVERIFY(!editor.Form.isVisible());
        QCOMPARE(fixture.Notes.Count(), 0);
        TUserDictionary read(fixture.Dir.Path(), fixture.Notes.Name(), true);
        read.Load();
        QCOMPARE(read.Count(), 0);
    }

    void TheListPagesThroughTheNotes() {
        std::vector<int32_t> articles(100);
        for (int i = 0; i < 100; ++i)
            articles[size_t(i)] = i * 3;
        TNotesFixture fixture({});
        for (int32_t article : articles)
            TUserArticle::Create(fixture.Notes, article);
        TPreference preference;
        TEditor editor(fixture.Notes.Items(50), preference);
        QListWidget* list = editor.Form.ListBox;
        // A list that holds ten rows.
        const int rowHeight = list->property("ItemHeight").toInt();
        list->setFixedHeight(10 * rowHeight + rowHeight / 2 +
                             (list->height() - list->viewport()->height()));
        QCoreApplication::processEvents();
        QCOMPARE(list->viewport()->height() / rowHeight, 10);

        editor.Form.ShowList(50);
        QCOMPARE(editor.Form.ListFirstNote(), 40);
        QCOMPARE(editor.Form.ListRowCount(), 21);
        QCOMPARE(editor.Form.ListSelectedNote(), 50);
        QCOMPARE(list->item(0)->text(), QStringLiteral("?"));
        // Selecting the last row moves the window on; a row inside it does not.
        list->setCurrentRow(5);
        QCOMPARE(editor.Form.ListFirstNote(), 40);
        list->setCurrentRow(20);
        QCOMPARE(editor.Form.ListFirstNote(), 50);
        QCOMPARE(editor.Form.ListSelectedNote(), 60);
        // Near the end the window keeps its size.
        editor.Form.ShowList(95);
        QCOMPARE(editor.Form.ListFirstNote(), 79);
        QCOMPARE(editor.Form.ListRowCount(), 21);
        // The editor keeps its note until a row is opened.
        QCOMPARE(editor.Form.Note(), fixture.Notes.Items(50));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(editor.Form.Note(), fixture.Notes.Items(95));
    }

    void PastingTakesOnlyRichText() {
        TNotesFixture fixture;
        TPreference preference;
        TEditor editor(fixture.Notes.Items(0), preference);
        QGuiApplication::clipboard()->setText(QStringLiteral("plain"));
        QCoreApplication::processEvents();
        editor.Form.UpdateActions();
        QVERIFY(!editor.Form.Action(A::EditPaste)->isEnabled());
        editor.Form.RichEdit->paste(); // the control's own Ctrl+V
        QVERIFY(editor.Form.RichEdit->document()->isEmpty());

        auto* rich = new QMimeData;
        rich->setData(QStringLiteral("text/rtf"),
                      QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset0 Times New Roman;}}\\f0 ab}"));
        QGuiApplication::clipboard()->setMimeData(rich);
        QCoreApplication::processEvents();
        editor.Trigger(A::EditPaste);
        QCOMPARE(editor.Form.RichEdit->toPlainText(), QStringLiteral("ab"));
    }

    void AnAuthorInsertedWhileTypingBoldRussian() {
        TNotesFixture fixture;
        TPreference preference;
        TEditor editor(fixture.Notes.Items(0), preference);
        editor.Trigger(A::FormatBold);
        editor.Type(QStringLiteral("f"));
        QString picked;
        QTimer::singleShot(0, [&] {
            auto* picker = qobject_cast<TDlgListSigns*>(QApplication::activeModalWidget());
            QVERIFY(picker);
            picker->List->selectRow(0);
            picked = picker->SelectedName();
            picker->accept();
        });
        editor.Trigger(A::InsertAuthor);
        QVERIFY(!picked.isEmpty());
        editor.Type(QStringLiteral("f"));
        const QString text = editor.Form.RichEdit->toPlainText();
        QCOMPARE(text, QString::fromUtf8("а") + QString(picked).replace(u' ', QChar(0xA0)) +
                           QString::fromUtf8("а"));
        const TRichTextAttributes author = AttributesOfFormat(editor.FormatAt(1));
        QCOMPARE(author.Color, std::optional<uint32_t>(NoteAuthorColor));
        QVERIFY(!author.Bold && !author.Italic);
        QCOMPARE(author.Size,
                 double(preference.TextFontSize * preference.TextAuthorSizePercent / 100));
        const TRichTextAttributes after = AttributesOfFormat(editor.FormatAt(int(text.size()) - 1));
        QVERIFY(after.Bold);
        QCOMPARE(after.Charset, std::optional<int>(204));
        QVERIFY(!after.Color);
        // And it converts: the author is recognised by its colour.
        editor.Trigger(A::ArticleSave);
        QCOMPARE(editor.Form.StatusBar->Text(), QString::fromUtf8(" Текст сохранен"));
    }

    void AFailedWriteOnClosingKeepsTheNotes() {
        // The notes file's folder lies under a plain file: it cannot be written.
        testing::TTempDir dir;
        const std::string blocker = dir.Path() + "/file";
        QFile(QString::fromStdString(blocker)).open(QIODevice::WriteOnly);
        TNotesFixture fixture({3, 9}, blocker + "/User");
        fixture.Notes.Items(0)->SetText("\x07\x03" + Cp1251("мир"));
        TPreference preference;
        TEditor editor(fixture.Notes.Items(1), preference); // empty: dropped on closing
        // Retry (fails again), then back to the editor.
        editor.Answers = {TDlgBox::AnswerYes, TDlgBox::AnswerCancel};
        editor.Trigger(A::ArticleExit);
        QCOMPARE(editor.Questions.size(), 2);
        QVERIFY(editor.Form.isVisible());
        QVERIFY(editor.Form.Note());
        QCOMPARE(editor.Form.StatusBar->ImageIndex(), int(TStatusKind::Error));
        QCOMPARE(fixture.Notes.Items(0)->Text(), "\x07\x03" + Cp1251("мир"));
        QVERIFY(fixture.Notes.Modified);
        // Closing without writing is a choice of its own; the notes stay in memory.
        editor.Answers = {TDlgBox::AnswerNo};
        editor.Trigger(A::ArticleExit);
        QVERIFY(!editor.Form.isVisible());
        QCOMPARE(fixture.Notes.Count(), 1);
        QVERIFY(fixture.Notes.Modified);
    }

    void TheTextKeepsItsLengthLimit() {
        TNotesFixture fixture;
        TPreference preference;
        TEditor editor(fixture.Notes.Items(0), preference);
        QTextCursor cursor = editor.Form.RichEdit->textCursor();
        cursor.insertText(QString(NoteMaxLength - 2, u'a'));
        cursor.insertText(QStringLiteral("bcdef"));
        QCOMPARE(editor.Form.RichEdit->TextLength(), NoteMaxLength);
        QVERIFY(editor.Form.RichEdit->toPlainText().endsWith(QStringLiteral("abc")));
    }

    void ToolBarsShowEveryButtonAsAnIcon() {
        // At the designed size, in a window too narrow for one row of tool bars and in one
        // narrower than any tool bar, every button stands on its tool bar inside the window and
        // none is folded behind the extension.
        TNotesFixture fixture;
        TPreference preference;
        TEditor editor(fixture.Notes.Items(0), preference);
        const QList<QToolBar*> toolBars = editor.Form.findChildren<QToolBar*>();
        QCOMPARE(toolBars.size(), 4);
        for (const QSize size :
             {QSize(960, 680), QSize(800, 500), QSize(360, 500), QSize(60, 300)}) {
            editor.Form.resize(size);
            QCoreApplication::processEvents();
            for (QToolBar* toolBar : toolBars) {
                const QString name = toolBar->objectName();
                QCOMPARE(toolBar->toolButtonStyle(), Qt::ToolButtonIconOnly);
                QVERIFY2(toolBar->mapTo(&editor.Form, QPoint(toolBar->width(), 0)).x() <=
                             editor.Form.width(),
                         qPrintable(name));
                for (QAction* action : toolBar->actions()) {
                    const QString what = name + QLatin1Char(' ') + action->objectName();
                    QVERIFY2(!action->icon().isNull(), qPrintable(what));
                    const QWidget* button = toolBar->widgetForAction(action);
                    QVERIFY2(button && button->isVisible(), qPrintable(what));
                }
                const auto* extension =
                    toolBar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
                QVERIFY2(!extension || !extension->isVisible(), qPrintable(name));
            }
        }
        // The tool bars do not cover the text below them.
        const QToolBar* lowest = toolBars.first();
        for (const QToolBar* toolBar : toolBars)
            if (toolBar->mapTo(&editor.Form, QPoint()).y() >
                lowest->mapTo(&editor.Form, QPoint()).y())
                lowest = toolBar;
        QVERIFY(lowest->mapTo(&editor.Form, QPoint(0, lowest->height())).y() <=
                editor.Form.Splitter->y());
    }
};

QTEST_MAIN(TestNoteEditor)
#include "tst_noteeditor.moc"
