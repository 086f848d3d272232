// The word list's block of head words, the opening of list items, and the showing of an
// article in the article pane.
#include "core/appmodel/WordListBlock.h"
#include "core/article/ArticleRenderer.h"
#include "core/dictionary/MainDictionary.h"
#include "ui/MainWindow.h"
#include "ui/PostedMessages.h"
#include "ui/article/ArticlePane.h"
#include "ui/widgets/WordListBox.h"

#include <QApplication>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QTextDocument>

namespace orvel {

namespace {

// The mark the renderer shows for the byte 0x1F.
const QString MarkCharacter = QStringLiteral("\u00B6");

} // namespace

TWordListBox* TFormOrvel::ListByNumber(int number) const {
    switch (number) {
    case ListWords:
        return ListBoxWords;
    case ListGoto:
        return ListBoxGoto;
    case ListBookmarks:
        return ListBoxBookmarks;
    case ListSearch:
        return ListBoxSearch;
    default:
        return nullptr;
    }
}

void TFormOrvel::BuildWordBlock(int32_t centre) {
    if (!FLoaded)
        return;
    const QScopedValueRollback building(FBuildingBlock, true);
    const int32_t count = FDictionary->Count();
    const TWordBlock block = WordBlockAround(centre, FPreference.ListWordsMaxCount, count);
    ListBoxWords->setUpdatesEnabled(false);
    ListBoxWords->clear();
    FListCenter = -1;
    FBlock = block;
    int centrePosition = -1;
    for (int32_t index = block.First; index <= block.Last; ++index) {
        if (index == centre)
            centrePosition = index - block.First;
        ListBoxWords->AddDescriptor(TWordDescriptor(index, FDictionary->GetHeadWord(index)));
    }
    if (centrePosition >= 0) {
        ListBoxWords->setCurrentRow(centrePosition);
        ListBoxWords->SetTopRow(WordBlockTopRow(centrePosition, ListBoxWords->VisibleRows()));
    }
    ListBoxWords->setUpdatesEnabled(true);
    FListCenter = centre;
}

void TFormOrvel::WordListRowChanged(int row) {
    if (FBuildingBlock || row < 0)
        return;
    if (WordBlockScrolls(FBlock, row, FDictionary->Count()))
        PostMessage(WM_WORD_LIST_CLICK, FBlock.First + row);
}

void TFormOrvel::WordListClick(int32_t index) {
    if (FBusy || !FLoaded)
        return;
    BuildWordBlock(index);
}

void TFormOrvel::ListOpen(int listNumber) {
    if (FBusy || !FLoaded)
        return;
    TWordListBox* list = ListByNumber(listNumber);
    if (!list)
        return;
    const TWordListItem* item = list->SelectedWordItem();
    if (!item)
        return;
    const TWordDescriptor descriptor = item->Descriptor(); // the list is rebuilt on the way
    GoToArticle({.Index = descriptor.ArticleIndex,
                 .Start = descriptor.SelStart,
                 .Length = descriptor.SelLength,
                 .NoteFile = descriptor.NoteFile,
                 .InNote = descriptor.InNote,
                 .Show = true,
                 .Mark = descriptor.Found});
    list->setFocus();
}

void TFormOrvel::GoToArticle(const TArticleTarget& target) {
    if (!FLoaded || FDictionary->Count() == 0)
        return;
    const int32_t index = std::clamp(target.Index, 0, FDictionary->LastIndex());
    if (index != FListCenter)
        BuildWordBlock(index);
    if (!target.Show)
        return;
    FArticleIndex = index;
    RichEditArticle->setUpdatesEnabled(false);
    // Notes are shown in the article pane's stead once the note pane exists; until then a
    // place in a note opens its article.
    if (target.Mark)
        ShowArticle(index, target.Start, target.Length);
    else
        ShowArticle(index, 0, 0);
    RichEditArticle->setFocus();
    MarkTargetPane(RichEditArticle, target.Mark, target.Start, target.Length);
    RichEditArticle->setUpdatesEnabled(true);
}

void TFormOrvel::MarkTargetPane(QTextEdit* pane, bool mark, int32_t start, int32_t length) {
    QTextDocument* document = pane->document();
    QTextCursor cursor(document);
    if (mark) {
        QTextCursor first = document->find(MarkCharacter);
        if (first.isNull())
            return;
        first.removeSelectedText();
        const int p1 = first.position();
        QTextCursor second = document->find(MarkCharacter, p1);
        if (!second.isNull()) {
            second.removeSelectedText();
            cursor.setPosition(p1);
            cursor.setPosition(second.position(), QTextCursor::KeepAnchor);
        } else {
            cursor.setPosition(p1);
        }
    } else {
        const int end = document->characterCount() - 1;
        cursor.setPosition(std::clamp(start, 0, end));
        cursor.setPosition(std::clamp(start + std::max(length, 0), 0, end),
                           QTextCursor::KeepAnchor);
    }
    pane->setTextCursor(cursor);
    pane->ensureCursorVisible();
}

void TFormOrvel::ShowArticle(int32_t index, int32_t markStart, int32_t markLength) {
    FArticleIndex = index;
    std::string text = FDictionary->GetArticleText(index);
    if (markLength != 0 && markStart >= 0 && size_t(markStart) + 1 <= text.size())
        text = MarkArticleText(text, markStart, markLength);
    const std::string rtf = RenderArticle(text, FPreference, FVocabulary);
    RichEditArticle->LoadRtfText(rtf);
    RichEditArticle->moveCursor(QTextCursor::Start);
    ScheduleActionUpdate();
}

void TFormOrvel::ApplyListFonts() {
    const int size = FPreference.ListFontSize;
    for (TWordListBox* list : {ListBoxWords, ListBoxGoto, ListBoxBookmarks, ListBoxSearch})
        list->SetListFont(size, FPreference.ListFontBold, ListItemHeight(size));
    if (FArticleIndex != -1)
        ShowArticle(FArticleIndex, 0, 0);
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
