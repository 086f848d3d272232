// Keys typed into the bookmark list. The list's keys are head words in the internal Greek
// letters, while the user types the keys of the display layout: each lower-case key that types
// a different internal letter is replaced by that letter before the list looks for it.
#pragma once

namespace orvel {

// The internal letter a typed key stands for (c gives w, h gives g, ...); any other character
// is answered unchanged.
char BookmarkTypeAheadLetter(char typed);

class TBookmarkList;

// The row the list moves to for a typed character: the next bookmark after current (wrapping
// round) whose key starts with the character's letter, capitals matching their small letters;
// current itself when there is none. current is -1 when no row is selected.
int BookmarkTypeAheadRow(const TBookmarkList& list, int current, char typed);

} // namespace orvel
