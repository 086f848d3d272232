// The place of the selection, for a bookmark: the note pane's when it has the focus and shows a
// note, else the article pane's.
#include "core/dictionary/WordDescriptor.h"
#include "ui/article/ArticlePane.h"
#include "ui/article/ArticleView.h"

#include <QTextCursor>

namespace orvel {

void TArticleView::SelectionPlace(TWordDescriptor& place) const {
    std::string notesFileName;
    int32_t start = 0;
    int32_t length = 0;
    if (NoteSelection(notesFileName, start, length)) {
        place.SetNote(std::move(notesFileName), true);
        place.SetSelection(start, length);
        return;
    }
    const QTextCursor cursor = RichEditArticle->textCursor();
    place.SetSelection(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart());
}

} // namespace orvel
