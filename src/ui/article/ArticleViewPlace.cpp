// The place of the selection, for a bookmark.
#include "core/dictionary/WordDescriptor.h"
#include "ui/article/ArticlePane.h"
#include "ui/article/ArticleView.h"

#include <QTextCursor>

namespace orvel {

void TArticleView::SelectionPlace(TWordDescriptor& place) const {
    const QTextCursor cursor = RichEditArticle->textCursor();
    place.SetSelection(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart());
}

} // namespace orvel
