// The arithmetic of the word list: which block of head words is shown around an article, where
// it scrolls, how tall its items are, and how a search hit is marked in an article's text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvel {

struct TWordBlock {
    int32_t First = 0;
    int32_t Last = -1; // inclusive; Last < First for an empty dictionary
};

// The block of MaxCount + 1 consecutive articles around Centre in a dictionary of Count
// articles, centred where the dictionary allows it.
TWordBlock WordBlockAround(int32_t Centre, int32_t MaxCount, int32_t Count);

// The top row that puts the selected position in the middle of Rows visible rows.
int32_t WordBlockTopRow(int32_t SelectedPosition, int32_t Rows);

// Whether selecting the item at Position of a block asks for a new block around it: the first or
// last item, unless it is the first or last article of the dictionary.
bool WordBlockScrolls(const TWordBlock& Block, int32_t Position, int32_t Count);

// The height in pixels of a list item for a font of PointSize points.
int32_t ListItemHeight(int32_t PointSize);

// The article text with the marks 0x1F around the Length bytes at Start (a search hit), which
// the pane shows as "¶" and then turns into a selection. Unchanged when there is nothing to mark.
std::string MarkArticleText(std::string_view Text, int32_t Start, int32_t Length);

} // namespace orvel
