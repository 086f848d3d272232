// The commands of the main window: their names, captions, shortcuts and hints, and the rule
// that decides, from the window's state, whether each one is enabled. The window evaluates the
// rules whenever it is idle; menus, pop-up menus and tool buttons only point to the actions.
#pragma once

#include <array>
#include <cstddef>

namespace orvel {

enum class TMainAction {
    OrvelPreference,
    OrvelWord,
    OrvelExit,
    SearchText,
    SearchTextContinue,
    SearchGreek,
    SearchRussian,
    SearchSelectAll,
    SearchCopy,
    SearchPaste,
    BookmarkAdd,
    BookmarkRemove,
    BookmarkRemoveAll,
    BookmarkLoad,
    BookmarkSave,
    NoteAdd,
    NoteEdit,
    NoteCopy,
    ViewCharTable,
    ViewArticleEnum,
    HelpContent,
    HelpAbout,
    HelpOrvel,
    HelpReadme,
    HelpLicense,
    HelpTroubleshooting,
};

inline constexpr size_t MainActionCount = size_t(TMainAction::HelpTroubleshooting) + 1;

struct TMainActionInfo {
    const char* Name;     // "actSearchGreek"
    const char* Caption;  // "&Greek": '&' marks the access key
    const char* Shortcut; // "Ctrl+G" in the portable key-sequence form; "" for none
    const char* Hint;     // UTF-8: the short hint, '|', the long hint
};

const TMainActionInfo& MainActionInfo(TMainAction action);
// Every action in declaration order.
const std::array<TMainAction, MainActionCount>& MainActions();

// The parts of a hint: before and after the first '|' (the whole hint for both without one).
struct THintParts {
    const char* Short;
    size_t ShortLength;
    const char* Long;
};
THintParts SplitHint(const char* hint);

// What the enabling rules look at.
struct TMainWindowState {
    bool Loading = false; // the loading sequence has not ended: no action is enabled yet
    bool Busy = false;    // a long operation runs
    bool Loaded = false;  // the dictionary is loaded
    bool WordWindowExists = false;
    bool SearchLineEmpty = true;
    bool SearchCanContinue = false; // the full-text search has a position to continue from
    bool ArticleShown = false;
    bool ArticleSelection = false; // at least one character of the article is selected
    bool ClipboardHasText = false; // the clipboard offers text the search line can take
    bool BookmarksTabActive = false;
    bool BookmarkSelected = false;
    bool CurrentNoteFileSet = false;
    bool NotePaneVisible = false;
    bool NoteCurrent = false;
    bool NoteSelection = false;
    bool SearchLineFocusedGreek = false; // the search line has the focus and is in Greek mode
    bool CharTableAvailable = false;     // the Greek character table window exists
};

bool MainActionEnabled(TMainAction action, const TMainWindowState& state);

} // namespace orvel
