#include "core/places/TypeAhead.h"

#include "core/places/BookmarkList.h"

namespace orvel {

char BookmarkTypeAheadLetter(char typed) {
    switch (typed) {
    case 'c':
        return 'w';
    case 'f':
        return 'v';
    case 'g':
        return 'c';
    case 'h':
        return 'g';
    case 'k':
        return 'j';
    case 'l':
        return 'k';
    case 'm':
        return 'l';
    case 'n':
        return 'm';
    case 'q':
        return 'h';
    case 'r':
        return 'q';
    case 'w':
        return 'y';
    case 'x':
        return 'n';
    case 'y':
        return 'x';
    case 'z':
        return 'f';
    default:
        return typed;
    }
}

int BookmarkTypeAheadRow(const TBookmarkList& list, int current, char typed) {
    char letter = BookmarkTypeAheadLetter(typed);
    if (letter >= 'A' && letter <= 'Z')
        letter = char(letter + 32);
    const int count = list.Count();
    for (int step = 1; step <= count; ++step) {
        const int row = ((current < 0 ? -1 : current) + step) % count;
        const std::string& key = list.Key(row);
        if (!key.empty() && key.front() == letter)
            return row;
    }
    return current;
}

} // namespace orvel
