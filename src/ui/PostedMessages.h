// The messages the main window posts to itself so that work runs after the event that asked
// for it has returned, with their numbers and the flags of a search-line lookup.
#pragma once

#include <QEvent>

namespace orvel {

inline constexpr int WM_STARTUP_LOAD = 4025;
inline constexpr int WM_SEARCH_LINE = 4026;
inline constexpr int WM_FULL_TEXT_SEARCH = 4027;
inline constexpr int WM_FOCUS_WORD_LIST = 4028;
inline constexpr int WM_ARTICLE_WORD = 4029;
inline constexpr int WM_LIST_OPEN = 4030;
inline constexpr int WM_WORD_LIST_CLICK = 4031;
inline constexpr int WM_NOTE_CHANGED = 4032;
inline constexpr int WM_WORD_EDIT = 4033;

// Requests of other programs: a lookup of the clipboard's word, and the word editor.
inline constexpr int WM_EXT_SEARCH = 4124;
inline constexpr int WM_EXT_WORD_EDIT = 4125;

// Flags of WM_SEARCH_LINE, OR-ed.
inline constexpr int SEARCH_ACTIVATE = 1;  // bring the program to the front
inline constexpr int SEARCH_PASTE = 2;     // replace the search line by the clipboard's word
inline constexpr int SEARCH_SHOW = 4;      // open the found article, not only position the list
inline constexpr int SEARCH_WORDS_TAB = 8; // switch to the word list and show the input prompt
// WParam of WM_FULL_TEXT_SEARCH: go on from the last hit.
inline constexpr int SEARCH_CONTINUE = 16;

// The lists of the left panel, numbered as WM_LIST_OPEN names them.
inline constexpr int ListWords = 0;
inline constexpr int ListGoto = 1;
inline constexpr int ListBookmarks = 2;
inline constexpr int ListSearch = 3;

// A posted message: its number and its one parameter.
class TPostedMessage : public QEvent {
public:
    TPostedMessage(int message, int wParam)
        : QEvent(EventType()), Message(message), WParam(wParam) {}

    static QEvent::Type EventType() {
        static const auto type = QEvent::Type(QEvent::registerEventType());
        return type;
    }

    const int Message;
    const int WParam;
};

} // namespace orvel
