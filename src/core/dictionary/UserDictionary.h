// Notes: a note is a text in the article format attached to one article of the main dictionary;
// a notes file is a named collection of notes, at most one per article, stored as a stream file
// in the User folder. A file that holds two notes for one article (written by hand or by another
// program) is read as one note with both texts, joined in file order.
//
// Notes file: the signature "OrvelUserDictionary" and version 1, then the kind flag (true for a
// notes file), then a list of (article index, text) pairs in ascending index order. Files of
// version 0 number the articles of the previous edition and are moved to today's numbering.
//
// Ownership: a collection owns its notes. A note adds itself to its collection when created and
// removes itself when destroyed (`delete Note`), detaching itself from its article's chain in the
// dictionary the collection belongs to; that dictionary must outlive the collection.
#pragma once

#include "core/base/VkrObjectList.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

namespace orvel {

class TMainDictionary;
class TUserDictionary;
class TValueReader;
class TValueWriter;

inline constexpr char NotesSignature[] = "OrvelUserDictionary";
inline constexpr int32_t NotesVersion = 1;
inline constexpr size_t NotesBufferSize = 32768;

class TUserArticle {
public:
    // A note with an empty text for ArticleIndex (-1: attached to none) in Owner, which becomes
    // modified; attached to the article when Owner belongs to a dictionary. An index beyond the
    // dictionary's articles fails an internal check.
    static TUserArticle* Create(TUserDictionary& Owner, int32_t ArticleIndex);

    // Removes the note from its collection (which becomes modified) and from its article's chain.
    ~TUserArticle();

    TUserArticle(const TUserArticle&) = delete;
    TUserArticle& operator=(const TUserArticle&) = delete;

    // Writes the index and the text; a note attached to no article is not written.
    void Save(TValueWriter& Writer) const;

    const std::string& Text() const { return FText; }
    // Stores a different text and marks the collection modified.
    void SetText(std::string Text);

    TUserDictionary* Owner() const { return FOwner; }
    int32_t ArticleIndex() const { return FArticleIndex; }
    // The next note attached to the same article (an older one), or null.
    TUserArticle* Next() const { return FNext; }

    // The head word in the internal Greek encoding: the article's for a note, the start of its
    // own text for an entry of a user dictionary (Kind false). Empty when there is none.
    std::string GetHeadWord() const;
    // The head word in the display layout, or "?" when it is empty.
    std::string GetDisplayWord() const;

private:
    friend class TMainDictionary;
    friend class TUserDictionary;

    TUserArticle(TUserDictionary& Owner, int32_t ArticleIndex, std::string Text);
    static TUserArticle* Insert(std::unique_ptr<TUserArticle> Note);
    // Reads the article index (in today's numbering) and the text of one note of Owner's file
    // of FileVersion. A negative index, or one naming no article of the dictionary, fails as a
    // damaged file.
    static std::pair<int32_t, std::string> Read(const TUserDictionary& Owner, int32_t FileVersion,
                                                TValueReader& Reader);

    TUserDictionary* FOwner;
    std::string FText;
    int32_t FArticleIndex;
    TUserArticle* FNext = nullptr;
};

class TUserDictionary {
public:
    // An empty, unmodified collection whose file is Folder/Name.not (Name.dic when Kind is
    // false, or another extension given to SetFileExtension). Name is program text
    // (Windows-1251); the file name on disk is its UTF-8 form. Notes are attached to
    // Dictionary's articles when it is given.
    TUserDictionary(std::string Folder, std::string Name, bool Kind,
                    TMainDictionary* Dictionary = nullptr);
    // Destroys the notes, which detach themselves.
    ~TUserDictionary();

    TUserDictionary(const TUserDictionary&) = delete;
    TUserDictionary& operator=(const TUserDictionary&) = delete;

    std::string FileName() const;
    // The file's extension as spelt on disk when it is not the usual one ("NOT" for a file
    // copied from Windows), so that the collection is read from and saved to that very file.
    void SetFileExtension(std::string Extension) { FExtension = std::move(Extension); }

    // Reads the file into this (empty) collection. A file of an older version leaves the
    // collection modified, so that it is written back in today's form. On any failure the notes
    // read so far stay and the collection is marked damaged; so is a file whose kind flag
    // differs from Kind (it would be written back under another name). A second note for an
    // article is joined to the first and leaves the collection modified.
    void Load();
    // When modified, writes the whole file anew (atomically) and clears Modified. A damaged
    // collection is never written: Save then fails and the file on disk stays as it was.
    void Save();
    // Fails with the message that the file is damaged and cannot be saved when it is.
    void CheckNotDamaged() const;

    int Count() const { return FItems.Count(); }
    TUserArticle* Items(int Index) const { return FItems.Items(Index); }
    int IndexOf(const TUserArticle* Note) const { return FItems.IndexOf(Note); }
    // The note for ArticleIndex, or null.
    TUserArticle* Find(int32_t ArticleIndex) const;
    // Orders the notes by article index, keeping the order of notes with equal indices.
    void Sort();

    const std::string& Folder() const { return FFolder; }
    const std::string& Name() const { return FName; }
    bool Kind() const { return FKind; }
    bool Damaged() const { return FDamaged; }
    TMainDictionary* Dictionary() const { return FDictionary; }

    // The collection differs from its file and must be written.
    bool Modified = false;

private:
    friend class TUserArticle;

    void Add(std::unique_ptr<TUserArticle> Note);
    void Remove(TUserArticle* Note);

    TVkrObjectList<TUserArticle> FItems;
    std::string FFolder;
    std::string FName;
    std::string FExtension; // empty: "not" or "dic" by FKind
    bool FKind;
    bool FDamaged = false;
    bool FDestroying = false; // the notes are being destroyed with the collection
    TMainDictionary* FDictionary;
};

} // namespace orvel
