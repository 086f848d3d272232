// The main dictionary: the mapped orvel.dic with its article table and letter index, read from
// or rebuilt into orvel.idx and orvel.idz beside it, and the head-word lookup over it.
#pragma once

#include "core/base/VkrMapFile.h"
#include "core/base/VkrObjectList.h"
#include "core/dictionary/SearchTerms.h"
#include "core/dictionary/UserDictionary.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvel {

inline constexpr int32_t MaxArticles = 70540;

// Where LoadIndex took an index from.
enum class TIndexSource { None, Read, Rebuilt };

class TMainDictionary : public TVkrMapFile {
public:
    static constexpr int LetterRows = 25;    // letter codes 97..121
    static constexpr int LetterColumns = 26; // 96 (the letter alone), 97..121 (the pair)
    using TLetterIndex = std::array<std::array<int32_t, LetterColumns>, LetterRows>;

    TMainDictionary();
    // Destroys the notes files first: their notes detach themselves from the articles.
    ~TMainDictionary() override;

    // The object holds the article table, most of a megabyte, filled at every start, so it is
    // placed on large pages (LargePages.h).
    static void* operator new(size_t Size);
    static void operator delete(void* Block, size_t Size);

    // Opens orvel.dic read-only; a missing file fails through the error box. Its bytes are read
    // by LoadIndex.
    void Open(const std::string& FileName);

    // Reads the .dic and fills the article table and the letter index from the index files,
    // rebuilding (and rewriting) each one that is missing, older than the .dic or damaged.
    void LoadIndex();

    int32_t Count() const { return FCount; }
    int32_t LastIndex() const { return FCount - 1; }

    std::string GetArticleText(int32_t Index) const;
    const uint8_t* ArticleData(int32_t Index) const;
    int32_t ArticleLength(int32_t Index) const;
    std::string GetHeadWord(int32_t Index) const;

    // The normalised key of article Index's head word, at most MaxLength characters.
    std::string GetKey(int32_t Index, size_t MaxLength) const;
    int32_t FirstOfLetter(int C);
    int32_t FirstOfPair(int C, int D);
    // The article to show for search string S, or -1.
    int32_t FindWord(std::string_view S);

    const TLetterIndex& LetterIndex() const { return FLetterIndex; }
    TIndexSource IdxSource() const { return FIdxSource; }
    TIndexSource IdzSource() const { return FIdzSource; }
    std::string IndexFileName(const char* Extension) const;

    // Notes. A note goes to the head of its article's chain when attached.
    void AttachNote(TUserArticle* Note);
    // Unlinks the note from its article's chain; nothing when it is not in it.
    void DetachNote(TUserArticle* Note);
    // Loads one notes file (a path) as a collection named by its base name and appends it to
    // UserDictionaries; the collection is saved back to that file, whatever the case of its
    // extension. A file that cannot be read is reported in the error box, keeps what was read
    // and cannot be saved. Null when the name cannot be program text (then nothing is added).
    TUserDictionary* LoadNotesFile(const std::string& FilePath);
    // Loads every "*.not" regular file of UserFolder, the extension in any case ("*.NOT"), by
    // name in byte order; hidden files are skipped. A missing folder holds no notes.
    void LoadAllNotes(const std::string& UserFolder);
    // The note of the collection CurrentNoteFile for an article, to be edited: created empty
    // when missing. A collection not loaded yet is read from UserFolder when its file is there,
    // else created empty (nothing is written). Null when CurrentNoteFile is empty or no plain
    // file name of UserFolder. A damaged collection, which cannot be saved, fails with its
    // message and hands out nothing.
    TUserArticle* GetNote(int32_t ArticleIndex, const std::string& CurrentNoteFile,
                          const std::string& UserFolder);
    // The note shown with an article: the latest attached one of a notes file, or null.
    TUserArticle* FirstNote(int32_t ArticleIndex) const;
    // The head of an article's note chain; null for none or an index outside the articles.
    TUserArticle* NoteChain(int32_t ArticleIndex) const;

    TSearchState SearchState;                               // the lookup's parsed search string
    TVkrObjectList<TUserDictionary> UserDictionaries{true}; // the loaded notes files

private:
    void CheckIndex(int32_t Index) const;
    size_t KeyAt(int32_t Index, size_t MaxLength, char* Key) const;
    int32_t& LetterCell(int C, int Column) {
        return FLetterIndex[size_t(C - 97)][size_t(Column - 96)];
    }

    void StartIdxCheck(const TFileTime* DicTime);
    void PieceRead(const uint8_t* Piece, size_t Size, size_t Offset) override;
    bool IdxCheckPassed() const;
    void ScanArticles();
    void WriteIdx();
    bool ReadIdz(const TFileTime* DicTime);
    void FillLetterIndex();
    void WriteIdz();
    bool LetterIndexIsConsistent() const;

    // Where each record starts: the offset of its 0x01 byte in the .dic, entry FCount the .dic's
    // size. The offsets are orvel.idx as it stands on a little-endian machine, so the file is read
    // straight into the table; entries up to FCount are filled by LoadIndex.
    std::array<uint32_t, MaxArticles + 1> ArticleStarts;
    // The notes attached to each article, the latest first.
    std::array<TUserArticle*, MaxArticles + 1> NoteChains{};
    int32_t FCount = 0;
    // orvel.idx checked against the .dic while the .dic is read: Count values read into
    // ArticleStarts (-1 when there is none to check), the next one to check, the one before it
    // and the record ends counted so far.
    struct TIdxCheck {
        int32_t Count = -1;
        int32_t Next = 1;
        uint32_t Previous = 0;
        size_t Ends = 0;
        bool Failed = false;
    } FIdxCheck;
    TLetterIndex FLetterIndex;
    TIndexSource FIdxSource = TIndexSource::None;
    TIndexSource FIdzSource = TIndexSource::None;
};

} // namespace orvel
