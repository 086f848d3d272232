#include "core/notes/NoteSave.h"

#include "core/dictionary/UserDictionary.h"
#include "core/notes/NoteConversion.h"

namespace orvel {

TNoteSaveResult SaveNoteText(TUserArticle& note, const TCharacterReader& text,
                             const TVocabulary& vocabulary) {
    TNoteSaveResult result;
    try {
        note.SetText(ConvertToNote(text, vocabulary));
    } catch (const ENoteConversionError& error) {
        result.Message = error.what();
        result.SelectionStart = error.Position();
        result.SelectionLength = 1;
        return result;
    }
    result.Saved = true;
    result.NoteEmptied = note.Text().empty();
    result.Message = text.Length() <= 0 ? NoteDeletedMessage : NoteSavedMessage;
    return result;
}

} // namespace orvel
