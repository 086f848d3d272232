// The note editor's text: opening and showing a note, the format of what is typed and
// inserted, the pickers and the character tables, the format shown by the Format actions, the
// keyboard, and saving the text into the note.
#include "core/article/VocabularyTables.h"
#include "core/dictionary/UserDictionary.h"
#include "core/encoding/Windows1251.h"
#include "core/notes/NoteSave.h"
#include "core/settings/Preference.h"
#include "platform/InputMode.h"
#include "platform/RichTextAdapter.h"
#include "platform/RtfReader.h"
#include "ui/dialogs/PickerList.h"
#include "ui/noteeditor/FormUserEditor.h"
#include "ui/noteeditor/NoteRichEdit.h"
#include "ui/widgets/VkrStatusBar.h"

#include <QAction>
#include <QListWidget>
#include <QScopedValueRollback>
#include <QTimer>

namespace orvel {

namespace {

using A = TEditorAction;

QString FontOf(TNoteLanguage language) {
    switch (language) {
    case TNoteLanguage::Greek:
        return QtFontName(GreekFontName);
    case TNoteLanguage::Symbols:
        return QtFontName(SymbolFontName);
    default:
        return QtFontName(RussianFontName);
    }
}

// Characters of a display font's layout: each byte is the code point of its glyph.
QString DisplayText(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

} // namespace

bool TFormUserEditor::Modified() const {
    return RichEdit->document()->isModified();
}

bool TFormUserEditor::RussianKeyboard() const {
    return FInputMode->Keyboard() == TInputMode::Russian;
}

void TFormUserEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!FOpened) {
        FOpened = true;
        Opening();
    }
}

void TFormUserEditor::Opening() {
    if (!FNote->Text().empty())
        ShowNote();
    else
        SetFormat(TNoteLanguage::Russian, TNoteStyle::Normal, false, std::nullopt);
    RichEdit->document()->setModified(false);
    QFont listFont(QtFontName(GreekFontName));
    listFont.setPointSize(FPreference.ListFontSize);
    listFont.setBold(FPreference.ListFontBold);
    ListBox->setFont(listFont);
    ListBox->setProperty("ItemHeight", FPreference.ListFontSize + FPreference.ListFontSize / 2);
    ShowList(FNotes->IndexOf(FNote));
    UpdateListEnabling();
    UpdateActions();
    TimerFormatControl->start();
    RichEdit->setFocus();
}

void TFormUserEditor::ShowNote() {
    if (!FNote->Text().empty()) {
        const std::string rtf = RenderNoteForEditing(FNote->Text(), FPreference, FVocabulary);
        RichEdit->setUpdatesEnabled(false);
        LoadRtf(*RichEdit->document(), rtf);
        RichEdit->setUpdatesEnabled(true);
        RichEdit->moveCursor(QTextCursor::End);
    } else {
        RichEdit->clear();
        ApplyFormat(FFormat);
    }
    RichEdit->document()->setModified(false);
}

void TFormUserEditor::SetFormat(TNoteLanguage language, TNoteStyle style, bool reduced,
                                std::optional<uint32_t> color) {
    FFormat.Language = language;
    FFormat.Style = style;
    FFormat.Color = color;
    FFormat.Size = reduced ? FPreference.TextFontSize * FPreference.TextAuthorSizePercent / 100
                           : FPreference.TextFontSize;
    ApplyFormat(FFormat);
}

void TFormUserEditor::ApplyFormat(const TFormat& format) {
    TRichTextAttributes attributes;
    attributes.FontName = FontOf(format.Language);
    attributes.Charset = format.Language == TNoteLanguage::Russian ? CharsetRussian : CharsetAnsi;
    attributes.Bold = format.Style == TNoteStyle::Bold;
    attributes.Italic = format.Style == TNoteStyle::Italic;
    attributes.Color = format.Color;
    attributes.Size = format.Size;
    RichEdit->setCurrentCharFormat(MakeCharFormat(attributes));
    PostMessage(WM_NOTE_KEYBOARD, format.Language == TNoteLanguage::Russian ? 1 : 0);
}

void TFormUserEditor::SwitchKeyboard(bool russian) {
    const TInputMode mode = russian ? TInputMode::Russian : TInputMode::Greek;
    FInputMode->SetMode(mode, true);
}

void TFormUserEditor::InsertText(const QString& text) {
    QTextCursor cursor = RichEdit->textCursor();
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    RichEdit->setTextCursor(cursor);
    cursor.insertText(text);
    cursor.setPosition(start);
    cursor.setPosition(start + int(text.size()), QTextCursor::KeepAnchor);
    RichEdit->setTextCursor(cursor);
    ApplyFormat(FFormat);
    cursor.setPosition(start + int(text.size()));
    RichEdit->setTextCursor(cursor);
}

void TFormUserEditor::InsertPicked(TEditorAction action) {
    const struct {
        TVocabularyTable Table;
        const char* Title;
    } pick = action == A::InsertAuthor
                 ? decltype(pick){TVocabularyTable::Authors,
                                  "Перечень греческих авторов, вошедших в словарь"}
             : action == A::InsertRussianSign
                 ? decltype(pick){TVocabularyTable::RussianSigns, "Русские условные обозначения"}
                 : decltype(pick){TVocabularyTable::LatinSigns, "Латинские условные обозначения"};
    TDlgListSigns picker(this);
    picker.SetTitle(QString::fromUtf8(pick.Title));
    for (int row = 0; row < TableInfo(pick.Table).Rows; ++row) {
        const TVocabularyRow* entry = FVocabulary.Row(pick.Table, row);
        if (!entry || !entry->Text || entry->Text->empty())
            continue;
        picker.AddRow(QString::fromStdString(Cp1251ToUtf8(*entry->Text)),
                      QString::fromStdString(Cp1251ToUtf8(entry->Explanation.value_or(""))));
    }
    if (picker.exec() != QDialog::Accepted || picker.SelectedName().isEmpty())
        return;
    QString text = picker.SelectedName();
    FSavedFormat = FFormat;
    if (action == A::InsertAuthor) {
        // The words of an author's name stay together, so that the name converts as one.
        text.replace(QLatin1Char(' '), QChar(0x00A0));
        SetFormat(TNoteLanguage::Latin, TNoteStyle::Normal, true, NoteAuthorColor);
    } else {
        SetFormat(action == A::InsertRussianSign ? TNoteLanguage::Russian : TNoteLanguage::Latin,
                  TNoteStyle::Italic, false, NoteSignColor);
    }
    InsertText(text);
    ApplyFormat(FSavedFormat);
}

void TFormUserEditor::InsertSeparator() {
    SetFormat(TNoteLanguage::Latin, TNoteStyle::Normal, false, NoteSectionColor);
    InsertText(QStringLiteral("#) "));
    SetFormat(TNoteLanguage::Russian, TNoteStyle::Normal, false, std::nullopt);
}

void TFormUserEditor::InsertSymbols() {
    if (!FServices.ComposeSymbols)
        return;
    const std::optional<std::string> symbols = FServices.ComposeSymbols();
    if (!symbols)
        return;
    FSavedFormat = FFormat;
    SetFormat(TNoteLanguage::Symbols, TNoteStyle::Normal, false, std::nullopt);
    InsertText(DisplayText(*symbols));
    ApplyFormat(FSavedFormat);
}

void TFormUserEditor::InsertGreek() {
    if (!FServices.ComposeGreek)
        return;
    const std::optional<std::string> greek = FServices.ComposeGreek();
    if (!greek)
        return;
    SetFormat(TNoteLanguage::Greek, FFormat.Style, false, std::nullopt);
    InsertText(DisplayText(*greek));
}

void TFormUserEditor::InsertSpecialChar(char16_t character) {
    SetFormat(TNoteLanguage::Latin, TNoteStyle::Normal, false, std::nullopt);
    InsertText(QString(QChar(character)));
}

void TFormUserEditor::TimerFormat() {
    const TRichTextAttributes attributes = AttributesOfFormat(RichEdit->currentCharFormat());
    const QString font =
        attributes.FontName.isEmpty() ? QtFontName(RussianFontName) : attributes.FontName;
    const int charset = attributes.Charset.value_or(CharsetRussian);
    const bool greek = font == QtFontName(GreekFontName);
    const bool symbols = font == QtFontName(SymbolFontName);
    Action(A::FormatGreek)->setChecked(greek);
    Action(A::FormatRussian)->setChecked(!greek && !symbols && charset == CharsetRussian);
    Action(A::FormatLatin)->setChecked(!greek && !symbols && charset != CharsetRussian);
    Action(A::FormatBold)->setChecked(attributes.Bold);
    Action(A::FormatItalic)->setChecked(!attributes.Bold && attributes.Italic);
}

void TFormUserEditor::SaveNote(bool closeAfter) {
    TNoteSaveResult result;
    {
        const QScopedValueRollback busy(FBusy, true);
        TimerFormatControl->stop();
        UpdateActions();
        StatusProgress(QString::fromUtf8(NoteConvertingProgress));
        RichEdit->setUpdatesEnabled(false);
        TRichTextAdapter text(RichEdit->document());
        try {
            result = SaveNoteText(*FNote, text, FVocabulary);
        } catch (...) {
            RichEdit->setUpdatesEnabled(true);
            TimerFormatControl->start();
            throw;
        }
        RichEdit->setUpdatesEnabled(true);
        TimerFormatControl->start();
        if (!result.Saved) {
            QTextCursor cursor = RichEdit->textCursor();
            cursor.setPosition(result.SelectionStart);
            cursor.setPosition(result.SelectionStart + result.SelectionLength,
                               QTextCursor::KeepAnchor);
            RichEdit->setTextCursor(cursor);
        }
    }
    const QString message = QString::fromStdString(result.Message);
    if (!result.Saved) {
        SetStatus(int(TStatusKind::Error), message, NoteErrorHelpContext);
        UpdateActions();
        return;
    }
    SetStatus(int(TStatusKind::Information), message);
    if (result.NoteEmptied)
        DeleteCurrentNote();
    if (closeAfter) {
        RichEdit->document()->setModified(false);
        done(Accepted);
        return;
    }
    ShowNote();
    RichEdit->document()->setModified(false);
    UpdateActions();
}

} // namespace orvel
