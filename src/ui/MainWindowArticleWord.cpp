// The word at the article pane's caret, asked for by a double click or Enter: a Greek word goes
// to the search line and the word list moves to it; a Russian or Latin abbreviation is
// explained in the status line. And the note pane shown again after its notes changed.
#include "core/article/ArticleWord.h"
#include "core/encoding/Windows1251.h"
#include "ui/MainWindow.h"
#include "ui/PostedMessages.h"
#include "ui/article/ArticleView.h"
#include "ui/lookup/LookupPanel.h"

namespace orvel {

void TFormOrvel::ArticleWord() {
    if (FBusy || !FLoaded || !FArticleView->ArticlePaneFocused() ||
        FArticleView->ArticleIndex() == -1)
        return;
    std::optional<std::string> explanation;
    {
        TBusyScope busy(*this);
        StatusProgress(QString());
        const TArticleWord word = FArticleView->TakeArticleWord();
        if (!word.Text.isEmpty()) {
            if (word.Language == TWordLanguage::Greek) {
                FLookupPanel->EnterGreekWord(word.Text);
                PostMessage(WM_SEARCH_LINE, SEARCH_WORDS_TAB);
            } else {
                explanation = ExplainAbbreviation(
                    FVocabulary, Utf16ToCp1251(word.Text.toStdU16String()), word.Language);
                // A Russian word that is no abbreviation is not left selected.
                if (!explanation && word.Language == TWordLanguage::Russian)
                    FArticleView->ClearArticleSelection();
            }
        }
    }
    if (explanation)
        StatusWarning(QString::fromStdString(Cp1251ToUtf8(*explanation)));
    else
        StatusClear();
}

void TFormOrvel::NoteChanged() {
    FArticleView->RefreshNotePane();
}

} // namespace orvel
