// The bookmark list: places the user chose (an article, or a spot in one of its notes, with the
// selection of the moment), kept in ascending order of their list keys, and its file.
//
// A bookmark file is a stream file with the signature "OrvelBookmarks" and version 1: a list
// of word descriptors in their stream form, in list order. Files of version 0 number the
// articles of the previous edition and are moved to today's numbering on reading.
#pragma once

#include "core/dictionary/WordDescriptor.h"

#include <string>
#include <vector>

namespace orvel {

class TBaseLoadStream;

inline constexpr const char* BookmarksSignature = "OrvelBookmarks";
inline constexpr int32_t BookmarksVersion = 1;

enum class TBookmarkAddOutcome {
    Added,   // a new place, inserted at its key's position
    Updated, // the place was bookmarked: that bookmark took the new selection
};

struct TBookmarkAddResult {
    TBookmarkAddOutcome Outcome;
    int Position; // of the bookmark added or updated
};

class TBookmarkList {
public:
    int Count() const { return int(FItems.size()); }
    const TWordDescriptor& Items(int position) const { return FItems[size_t(position)].Place; }
    const std::string& Key(int position) const { return FItems[size_t(position)].Key; }

    // Whether the list differs from its file.
    bool Modified() const { return FModified; }

    // Adds a place. When a bookmark of the same place (article, note flag, notes file) exists,
    // it takes the place's selection and nothing else changes, Modified included.
    TBookmarkAddResult Add(const TWordDescriptor& place);
    // Removes the bookmark at position; answers the position to select then: the same one, the
    // new last one when the last went, -1 when the list is empty.
    int Remove(int position);
    void RemoveAll();
    // Empties the list as a set without a file: not Modified.
    void Clear();

    // Replaces the list by the file's bookmarks. A file of an older version leaves the list
    // Modified, so that it is written back in the current one. A file that cannot be read fails
    // with the stream layer's message and leaves the list empty and not Modified: nothing was
    // read, so nothing may be written over the file.
    void Load(const std::string& fileName);
    // The same for a file's bytes already read.
    void LoadData(std::string data);
    // Replaces the file (atomically) by the list and clears Modified. A failure leaves the old
    // file as it was and the list Modified.
    void Save(const std::string& fileName);

private:
    struct TItem {
        std::string Key;
        TWordDescriptor Place;
    };

    void ReadFrom(TBaseLoadStream& stream);
    // Inserts after the bookmarks of an equal key, so that a file read back keeps its order.
    int Insert(const TWordDescriptor& place);

    std::vector<TItem> FItems;
    bool FModified = false;
};

} // namespace orvel
