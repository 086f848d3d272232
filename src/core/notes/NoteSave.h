// Saving the note editor's text into its note: the conversion, the note's new text and what the
// editor shows afterwards. The editor sets its busy flag, shows NoteConvertingProgress as a
// progress message and suspends redrawing around the call; on success it deletes the note when
// NoteEmptied is set, then shows the note again (or closes) and clears its modified flag.
#pragma once

#include "core/encoding/CharacterReader.h"

#include <string>

namespace orvel {

class TUserArticle;
class TVocabulary;

inline constexpr char NoteConvertingProgress[] =
    "Преобразование текста во внутренний формат словаря";
inline constexpr char NoteDeletedMessage[] = "Текст удален"; // the text was empty
inline constexpr char NoteSavedMessage[] = "Текст сохранен";
// The help topic of every conversion error.
inline constexpr int NoteErrorHelpContext = 1500;

struct TNoteSaveResult {
    // The note holds the converted text: the message is information. Otherwise nothing was
    // stored and the message is an error with help topic NoteErrorHelpContext.
    bool Saved = false;
    // The note's text is empty now: the editor deletes the note.
    bool NoteEmptied = false;
    std::string Message; // UTF-8, without the status line's leading blank
    // The selection to leave in the editor: the offending character after an error.
    int SelectionStart = 0;
    int SelectionLength = 0;
};

// Converts the text and stores it in the note (marking the notes file modified when the text
// differs). A text the note cannot carry leaves the note as it was.
TNoteSaveResult SaveNoteText(TUserArticle& note, const TCharacterReader& text,
                             const TVocabulary& vocabulary);

} // namespace orvel
