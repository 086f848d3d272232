// The search line's commands and the lookup that every keystroke in it asks for: the lookup
// panel builds the key, the window finds the article and goes to it.
#include "core/dictionary/MainDictionary.h"
#include "core/dictionary/SearchTerms.h"
#include "ui/MainWindow.h"
#include "ui/PostedMessages.h"
#include "ui/lookup/LookupPanel.h"

#include <QPointer>
#include <QTabWidget>

namespace orvel {

void TFormOrvel::SearchLineFocusEntered() {
    PageControl->setCurrentIndex(ListWords);
    StatusInfo(QStringLiteral("Ввод слова или фразы для поиска"));
}

void TFormOrvel::SearchGreek() {
    FLookupPanel->PrepareInput(TInputMode::Greek);
    StatusInfo(QStringLiteral("Строка поиска подготовлена для ввода греческого слова или фразы"));
}

void TFormOrvel::SearchRussian() {
    FLookupPanel->PrepareInput(TInputMode::Russian);
    StatusInfo(QStringLiteral("Строка поиска подготовлена для ввода русского слова или фразы"));
}

void TFormOrvel::SearchPaste() {
    if (FLoaded)
        FLookupPanel->PasteToSearchLine(true);
    StatusInfo(QStringLiteral("Текст из буфера обмена вставлен в строку поиска"));
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
            FLookupPanel->PasteToSearchLine(false);
        FLookupPanel->FocusSearchLine();
        key = FLookupPanel->BuildSearchKey(false);
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
    FLookupPanel->FocusWordList();
    StatusInfo(QStringLiteral("Список словарных статей"));
}

} // namespace orvel
