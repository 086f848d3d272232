#include "ui/lookup/LookupPanel.h"

#include "core/dictionary/MainDictionary.h"
#include "core/encoding/GreekEncoding.h"
#include "core/encoding/UnicodeGreek.h"
#include "core/search/SearchTextConversion.h"
#include "core/settings/Preference.h"
#include "platform/Clipboard.h"
#include "platform/InputMode.h"
#include "platform/RichTextAdapter.h"
#include "platform/RichTextAttributes.h"
#include "platform/TextProperties.h"
#include "ui/PostedMessages.h"
#include "ui/lookup/SearchLine.h"
#include "ui/widgets/WordListBox.h"

#include <QScopedValueRollback>
#include <QTextCursor>
#include <QTextDocument>

namespace orvel {

TLookupPanel::TLookupPanel(const TMainDictionary& dictionary, const TPreference& preference,
                           QWidget* window)
    : QObject(window), FDictionary(dictionary), FPreference(preference) {
    RichEditSearch = new TSearchLine;
    ListBoxWords = new TWordListBox(ListWords, true);
    ListBoxWords->setObjectName(QStringLiteral("ListBoxWords"));
    ListBoxWords->setProperty("tabSheet", QStringLiteral("TabSheetWords"));

    RichEditClipboard = new QTextEdit(window);
    RichEditClipboard->setObjectName(QStringLiteral("RichEditClipboard"));
    RichEditClipboard->setEnabled(false);
    RichEditClipboard->hide();
    RichEditClipboard->document()->setDefaultFont(QFont(QtFontName(RussianFontName)));

    connect(RichEditSearch, &TSearchLine::CharacterTyped, this, &TLookupPanel::SearchLineEdited);
    connect(RichEditSearch, &TSearchLine::TextEdited, this, &TLookupPanel::SearchLineEdited);
    connect(RichEditSearch, &TSearchLine::EnterReleased, this, &TLookupPanel::SearchLineEntered);
    connect(RichEditSearch, &TSearchLine::DownReleased, this, &TLookupPanel::WordListWanted);
    connect(RichEditSearch, &TSearchLine::FocusEntered, this, &TLookupPanel::SearchLineFocused);
    connect(RichEditSearch, &TSearchLine::ContextMenuRequested, this,
            &TLookupPanel::SearchLineMenuRequested);
    connect(RichEditSearch, &QTextEdit::textChanged, this, &TLookupPanel::StateChanged);
    connect(RichEditSearch, &TSearchLine::BetaCodeRefused, this, [this](const QString& message) {
        emit StatusReported(ErrorMessage(message.toStdString()));
    });
    connect(RichEditSearch, &TSearchLine::BetaCodeWaiting, this, [this](const QString& pending) {
        emit StatusReported(InfoMessage(
            QString::fromUtf8("Бета-код «%1»: далее буква").arg(pending).toStdString()));
    });
    connect(ListBoxWords, &TWordListBox::OpenRequested, this, &TLookupPanel::WordOpenRequested);
    connect(ListBoxWords, &QListWidget::currentRowChanged, this, &TLookupPanel::WordListRowChanged);
}

QWidget* TLookupPanel::SearchLineControl() const {
    return RichEditSearch;
}

QWidget* TLookupPanel::WordListControl() const {
    return ListBoxWords;
}

void TLookupPanel::FocusSearchLine() {
    RichEditSearch->setFocus();
}

void TLookupPanel::PrepareInput(TInputMode mode) {
    RichEditSearch->setFocus();
    RichEditSearch->SetInputMode(mode, {.Clear = true, .SwitchKeyboard = true});
}

void TLookupPanel::EnterGreekWord(const QString& word) {
    PrepareInput(TInputMode::Greek);
    RichEditSearch->insertPlainText(word);
}

void TLookupPanel::PasteToSearchLine(bool allowSpaces) {
    RichEditSearch->setFocus();
    RichEditSearch->clear();
    QTextDocument* buffer = RichEditClipboard->document();
    PasteClipboardInto(*buffer);
    const TRichTextAdapter pasted(buffer);
    const std::vector<TRichTextRun> runs = SearchLinePasteRuns(pasted, allowSpaces);
    if (!runs.empty()) {
        const TRichTextAttributes& first = runs.front().Attributes;
        const int charset = first.Charset.value_or(0);
        RichEditSearch->SetLineFont(first.FontName, charset);
        if (first.FontName == QtFontName(GreekFontName))
            RichEditSearch->Filter()->SetMode(TInputMode::Greek, false);
        else if (charset == CharsetRussian)
            RichEditSearch->Filter()->SetMode(TInputMode::Russian, false);
        QTextCharFormat format;
        format.setFontFamilies({first.FontName});
        format.setProperty(CharsetProperty, charset);
        QTextCursor cursor(RichEditSearch->document());
        for (const TRichTextRun& run : runs)
            cursor.insertText(run.Text, format);
    }
    buffer->clear();
    QTextCursor start(RichEditSearch->document());
    start.movePosition(QTextCursor::Start);
    RichEditSearch->setTextCursor(start);
}

void TLookupPanel::SetBetaCode(bool on) {
    RichEditSearch->SetBetaCode(on);
}

std::string TLookupPanel::TextForCharTable(int& caret) {
    caret = RichEditSearch->textCursor().position();
    RichEditSearch->selectAll();
    // Greek typed with a system layout is written in the display layout too; what the display
    // font has no glyph for is left out.
    std::string display;
    for (const char32_t c : RichEditSearch->toPlainText().toUcs4()) {
        if (c <= 0xFF)
            display.push_back(char(c));
        else if (IsGreekScript(c))
            display +=
                InternalToFontWord(Utf8GreekToInternal(QString::fromUcs4(&c, 1).toStdString()));
    }
    return display;
}

void TLookupPanel::TakeComposedWord(const std::string& display, int caret) {
    RichEditSearch->setFocus();
    RichEditSearch->SetInputMode(TInputMode::Greek, {.Clear = true, .SwitchKeyboard = true});
    QTextCursor cursor(RichEditSearch->document());
    cursor.insertText(QString::fromLatin1(display.data(), qsizetype(display.size())),
                      InputModeCharFormat(TInputMode::Greek));
    if (caret >= 0 && caret < cursor.position())
        cursor.setPosition(caret);
    RichEditSearch->setTextCursor(cursor);
}

std::string TLookupPanel::BuildSearchKey(bool forFullText) {
    try {
        const TRichTextAdapter text(RichEditSearch->document());
        return RichTextToInternal(text, forFullText);
    } catch (const TRtfToOrvelException& error) {
        emit StatusReported(ErrorMessage(QString::fromUtf8(error.what()).toStdString()));
        QTextCursor cursor = RichEditSearch->textCursor();
        cursor.setPosition(error.Position());
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        RichEditSearch->setTextCursor(cursor);
    } catch (const std::exception& error) {
        emit StatusReported(InternalErrorMessage(QString::fromUtf8(error.what()).toStdString()));
    }
    return std::string();
}

void TLookupPanel::BuildWordBlock(int32_t centre) {
    const QScopedValueRollback building(FBuildingBlock, true);
    const int32_t count = FDictionary.Count();
    const TWordBlock block = WordBlockAround(centre, FPreference.ListWordsMaxCount, count);
    ListBoxWords->setUpdatesEnabled(false);
    ListBoxWords->clear();
    FListCenter = -1;
    FBlock = block;
    int centrePosition = -1;
    for (int32_t index = block.First; index <= block.Last; ++index) {
        if (index == centre)
            centrePosition = index - block.First;
        ListBoxWords->AddDescriptor(TWordDescriptor(index, FDictionary.GetHeadWord(index)));
    }
    if (centrePosition >= 0) {
        ListBoxWords->setCurrentRow(centrePosition);
        ListBoxWords->SetTopRow(WordBlockTopRow(centrePosition, ListBoxWords->VisibleRows()));
    }
    ListBoxWords->setUpdatesEnabled(true);
    FListCenter = centre;
}

void TLookupPanel::WordListRowChanged(int row) {
    if (FBuildingBlock || row < 0)
        return;
    if (WordBlockScrolls(FBlock, row, FDictionary.Count()))
        emit BlockEndReached(FBlock.First + row);
}

std::optional<TWordDescriptor> TLookupPanel::SelectedWord() const {
    if (const TWordListItem* item = ListBoxWords->SelectedWordItem())
        return item->Descriptor();
    return std::nullopt;
}

void TLookupPanel::FocusWordList() {
    ListBoxWords->setFocus();
}

void TLookupPanel::SetListFont(int pointSize, bool bold) {
    ListBoxWords->SetListFont(pointSize, bold, ListItemHeight(pointSize));
}

void TLookupPanel::AddActionState(TMainWindowState& state) const {
    state.SearchLineEmpty = RichEditSearch->IsEmpty();
    state.SearchLineFocusedGreek =
        RichEditSearch->hasFocus() && RichEditSearch->Mode() == TInputMode::Greek;
}

} // namespace orvel
