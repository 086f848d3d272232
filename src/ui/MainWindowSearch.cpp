// The search line: its input modes, its paste, the search key built from its text and the
// lookup that every keystroke asks for.
#include "core/dictionary/MainDictionary.h"
#include "core/dictionary/SearchTerms.h"
#include "core/search/SearchTextConversion.h"
#include "platform/Clipboard.h"
#include "platform/InputMode.h"
#include "platform/RichTextAdapter.h"
#include "platform/RichTextAttributes.h"
#include "platform/TextProperties.h"
#include "ui/MainWindow.h"
#include "ui/PostedMessages.h"
#include "ui/lookup/SearchLine.h"
#include "ui/widgets/WordListBox.h"

#include <QApplication>
#include <QPointer>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextDocument>

namespace orvel {

void TFormOrvel::SearchLineFocusEntered() {
    PageControl->setCurrentIndex(ListWords);
    StatusInfo(QStringLiteral("Ввод слова или фразы для поиска"));
}

void TFormOrvel::SearchGreek() {
    RichEditSearch->setFocus();
    RichEditSearch->SetInputMode(TInputMode::Greek, {.Clear = true, .SwitchKeyboard = true});
    StatusInfo(QStringLiteral("Строка поиска подготовлена для ввода греческого слова или фразы"));
}

void TFormOrvel::SearchRussian() {
    RichEditSearch->setFocus();
    RichEditSearch->SetInputMode(TInputMode::Russian, {.Clear = true, .SwitchKeyboard = true});
    StatusInfo(QStringLiteral("Строка поиска подготовлена для ввода русского слова или фразы"));
}

void TFormOrvel::SearchPaste() {
    PasteToSearchLine(true);
    StatusInfo(QStringLiteral("Текст из буфера обмена вставлен в строку поиска"));
}

void TFormOrvel::PasteToSearchLine(bool allowSpaces) {
    if (!FLoaded)
        return;
    RichEditSearch->setFocus();
    RichEditSearch->clear();
    QTextDocument* buffer = RichEditClipboard->document();
    PasteClipboardInto(*buffer);
    const TRichTextAdapter pasted(buffer);
    const std::vector<TRichTextRun> runs = SearchLinePasteRuns(pasted, allowSpaces);
    if (!runs.empty()) {
        // The line takes the font and charset of the pasted word; the keys stay as they were.
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

std::string TFormOrvel::BuildSearchKey(bool forFullText) {
    try {
        const TRichTextAdapter text(RichEditSearch->document());
        return RichTextToInternal(text, forFullText);
    } catch (const TRtfToOrvelException& error) {
        StatusError(QString::fromUtf8(error.what()));
        QTextCursor cursor = RichEditSearch->textCursor();
        cursor.setPosition(error.Position());
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        RichEditSearch->setTextCursor(cursor);
    } catch (const std::exception& error) {
        StatusInternalError(QString::fromUtf8(error.what()));
    }
    return std::string();
}

void TFormOrvel::SearchLine(int flags) {
    if (FBusy) {
        // Run once the work in hand is done, on the text of that moment.
        FDroppedLookupFlags |= flags;
        return;
    }
    if (!FLoaded)
        return;
    if (flags & SEARCH_WORDS_TAB) {
        PageControl->setCurrentIndex(ListWords);
        StatusInfo(QStringLiteral("Ввод слова или фразы для поиска"));
    }
    const QPointer<QWidget> active = focusWidget();
    std::string key;
    {
        TBusyScope busy(*this);
        if (flags & SEARCH_ACTIVATE) {
            if (isMinimized())
                showNormal();
            raise();
            activateWindow();
        }
        if (flags & SEARCH_PASTE)
            PasteToSearchLine(false);
        RichEditSearch->setFocus();
        key = BuildSearchKey(false);
    }
    // Russian words are found by the full-text search only.
    if (key.empty() || uint8_t(key[0]) != ScriptGreek)
        return;
    TBusyScope busy(*this);
    StatusProgress(QString());
    const int32_t index = FDictionary->FindWord(key);
    if (index != -1) {
        GoToArticle({.Index = index, .Show = bool(flags & SEARCH_SHOW)});
        if (active)
            active->setFocus();
    }
    StatusClear();
}

void TFormOrvel::TakeDroppedLookup() {
    const int flags = FDroppedLookupFlags;
    FDroppedLookupFlags = 0;
    if (flags && FLoaded)
        PostMessage(WM_SEARCH_LINE, flags);
}

void TFormOrvel::FocusWordList() {
    PageControl->setCurrentIndex(ListWords);
    ListBoxWords->setFocus();
    StatusInfo(QStringLiteral("Список словарных статей"));
}

} // namespace orvel
