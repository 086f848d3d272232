// The commands of the note editor: names, captions, shortcuts, hints and enabling rules, and the
// arithmetic of its list, which holds a window of notes around one note so that a long notes
// file is listed quickly and paged through by selecting the first or last row.
#pragma once

#include <array>
#include <cstddef>

namespace orvel {

enum class TEditorAction {
    ArticleSave,
    ArticleDelete,
    ArticleReload,
    ArticleExit,
    EditUndo,
    EditCut,
    EditCopy,
    EditPaste,
    EditDelete,
    EditSelectAll,
    InsertAuthor,
    InsertRussianSign,
    InsertLatinSign,
    InsertEnum,
    InsertGraphSymbol,
    InsertGreek,
    FormatRussian,
    FormatGreek,
    FormatLatin,
    FormatBold,
    FormatItalic,
    HelpContents,
};

inline constexpr size_t EditorActionCount = size_t(TEditorAction::HelpContents) + 1;

struct TEditorActionInfo {
    const char* Name;     // "actArticleSave"
    const char* Caption;  // "&Save"
    const char* Shortcut; // portable key-sequence form; "" for none
    const char* Hint;     // UTF-8: short hint, '|', long hint (or the short one alone)
};

const TEditorActionInfo& EditorActionInfo(TEditorAction action);
const std::array<TEditorAction, EditorActionCount>& EditorActions();

// What the enabling rules look at.
struct TNoteEditorState {
    bool Busy = false;
    bool Modified = false;
    bool CanUndo = false;
    bool Selection = false;       // at least one character is selected
    bool ClipboardHasRtf = false; // the clipboard offers rich text
    bool HasText = false;         // the text has at least one line
};

bool EditorActionEnabled(TEditorAction action, const TNoteEditorState& state);

// The notes a list of rowsThatFit rows lists around the note at index of count notes: twice as
// many rows as fit, plus one, centred on index and kept inside the notes.
struct TNoteListWindow {
    int First = 0;
    int Last = -1;
};
TNoteListWindow NoteListWindow(int index, int count, int rowsThatFit);

} // namespace orvel
