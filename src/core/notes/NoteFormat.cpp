#include "core/notes/NoteFormat.h"

#include "core/settings/Preference.h"

namespace orvel {

TPreference NoteEditingPreference(const TPreference& preference) {
    TPreference editing(preference);
    editing.TextAuthorColor = NoteAuthorColor;
    editing.TextSignColor = NoteSignColor;
    editing.TextEnumColor = NoteSectionColor;
    return editing;
}

} // namespace orvel
