// The record by which the word list, history, bookmarks, notes and search results name a place
// in the dictionary: an article, its head word, and optionally a note and a selection in it.
#pragma once

#include <cstdint>
#include <string>

namespace orvel {

class TValueReader;
class TValueWriter;

class TWordDescriptor {
public:
    TWordDescriptor() = default;
    TWordDescriptor(int32_t ArticleIndex, std::string Word);

    void SetSelection(int32_t Start, int32_t Length);
    void SetFoundSelection(int32_t Start, int32_t Length);
    void SetNote(std::string NoteFile, bool InNote);

    // The string under which the descriptor is sorted into a list: the head word's letters in
    // lower case, everything else dropped.
    std::string ListKey() const;
    // The same place: article, note flag and notes file; the word and selection do not count.
    bool SameAs(const TWordDescriptor& Other) const;

    void Save(TValueWriter& Writer) const;
    // Reads the stream form; a descriptor of a version-0 file is moved to today's numbering.
    void Load(TValueReader& Reader, int32_t FileVersion);

    int32_t ArticleIndex = -1;
    std::string Word;
    bool InNote = false;
    std::string NoteFile;
    int32_t SelStart = 0;
    int32_t SelLength = 0;
    bool Found = false;
};

// Moves an article index of the previous edition's numbering (files of version 0) to the
// current one.
int32_t MigrateArticleIndexFromVersion0(int32_t Index);

} // namespace orvel
