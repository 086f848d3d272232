#include "core/notes/NoteFormat.h"

#include "core/article/ArticleRenderer.h"
#include "core/settings/Preference.h"

namespace orvel {

std::string RenderNoteForEditing(std::string_view note, const TPreference& preference,
                                 const TVocabulary& vocabulary) {
    TPreference editing(preference);
    editing.TextAuthorColor = NoteAuthorColor;
    editing.TextSignColor = NoteSignColor;
    editing.TextEnumColor = NoteSectionColor;
    return RenderArticle(note, editing, vocabulary, true);
}

} // namespace orvel
