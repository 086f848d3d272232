// The lists of the page control: opening the selected item of a list, the word list's move to a
// new block, GoToArticle, which moves the word list and the article view to an article, and the
// list font.
#include "core/dictionary/MainDictionary.h"
#include "ui/MainWindow.h"
#include "ui/PostedMessages.h"
#include "ui/article/ArticleView.h"
#include "ui/fulltext/FullTextPanel.h"
#include "ui/lookup/LookupPanel.h"
#include "ui/places/BookmarksPanel.h"
#include "ui/places/HistoryPanel.h"

namespace orvel {

std::optional<TWordDescriptor> TFormOrvel::SelectedWord(int listNumber) const {
    if (listNumber == ListWords)
        return FLookupPanel->SelectedWord();
    if (listNumber == ListSearch)
        return FFullTextPanel->SelectedWord();
    if (listNumber == ListGoto)
        return FHistoryList->SelectedWord();
    if (listNumber == ListBookmarks)
        return FBookmarkList->SelectedWord();
    return std::nullopt;
}

void TFormOrvel::FocusList(int listNumber) {
    if (listNumber == ListWords)
        FLookupPanel->FocusWordList();
    else if (listNumber == ListSearch)
        FFullTextPanel->FocusList();
    else if (listNumber == ListGoto)
        FHistoryList->FocusList();
    else if (listNumber == ListBookmarks)
        FBookmarkList->FocusList();
}

void TFormOrvel::WordListClick(int32_t index) {
    if (FBusy || !FLoaded)
        return;
    FLookupPanel->BuildWordBlock(index);
}

void TFormOrvel::ListOpen(int listNumber) {
    if (FBusy || !FLoaded)
        return;
    // A copy: the list is rebuilt on the way.
    const std::optional<TWordDescriptor> word = SelectedWord(listNumber);
    if (!word)
        return;
    GoToArticle({.Index = word->ArticleIndex,
                 .Start = word->SelStart,
                 .Length = word->SelLength,
                 .NoteFile = word->NoteFile,
                 .InNote = word->InNote,
                 .Show = true,
                 .Mark = word->Found});
    FocusList(listNumber);
}

void TFormOrvel::GoToArticle(const TArticleTarget& target) {
    if (!FLoaded || FDictionary->Count() == 0)
        return;
    const int32_t index = std::clamp(target.Index, 0, FDictionary->LastIndex());
    if (index != FLookupPanel->ListCenter())
        FLookupPanel->BuildWordBlock(index);
    if (!target.Show)
        return;
    AddToHistory(index);
    TArticleTarget shown = target;
    shown.Index = index;
    emit ArticleTargetOpened(shown);
    FArticleView->OpenArticle(shown);
}

void TFormOrvel::ApplyListFonts() {
    const int size = FPreference.ListFontSize;
    const bool bold = FPreference.ListFontBold;
    FLookupPanel->SetListFont(size, bold);
    FHistoryList->SetListFont(size, bold);
    FBookmarkList->SetListFont(size, bold);
    FFullTextPanel->SetListFont(size, bold);
    FArticleView->ShowArticleAgain();
}

void TFormOrvel::PageChanged(int page) {
    static const char* const messages[] = {
        "Список словарных статей",
        "История переходов по словарным статьям",
        "Закладки",
        "Результаты полнотекстового поиска",
    };
    if (page >= 0 && page < 4)
        StatusInfo(QString::fromUtf8(messages[page]));
    ScheduleActionUpdate();
}

} // namespace orvel
