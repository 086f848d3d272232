// A place to go to in the dictionary: an article and, inside it, a stretch of text to mark or to
// select again, and whether the article is opened or only the word list moves to it.
#pragma once

#include <cstdint>
#include <string>

namespace orvel {

struct TArticleTarget {
    int32_t Index = 0; // the article; kept inside the dictionary
    // With Mark, Start and Length are bytes of the article's text, a search hit shown between
    // marks; without, they are a selection in the pane's text, restored as it was.
    int32_t Start = 0;
    int32_t Length = 0;
    std::string NoteFile = {}; // the notes file of the note the stretch lies in
    bool InNote = false;       // the stretch lies in a note of the article, not in its text
    bool Show = false;         // open the article in the article pane, not only position the list
    bool Mark = false;
};

} // namespace orvel
