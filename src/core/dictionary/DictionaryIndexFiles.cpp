// Reading, checking and writing the two index files of the main dictionary: orvel.idx (where
// each record starts) and orvel.idz (the letter index). An index is used only when it is newer
// than the .dic and consistent with it; otherwise it is rebuilt and written anew.
#include "core/article/ArticleCodes.h"
#include "core/base/AtomicFile.h"
#include "core/dictionary/MainDictionary.h"

#include <algorithm>
#include <array>
#include <bit>
#include <unistd.h>

namespace orvel {

namespace {

uint32_t ReadUint32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void WriteUint32(uint8_t* p, uint32_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}

// The number of record end bytes in Size bytes. Rows of 32 bytes are counted in 32
// byte-wide lanes, at most 255 rows before the lanes are added up: a form that compilers turn
// into vector instructions, some ten times faster than a byte at a time.
size_t CountRecordEnds(const uint8_t* p, size_t size) {
    constexpr size_t Width = 32;
    size_t count = 0;
    while (size >= Width) {
        const size_t rows = std::min<size_t>(size / Width, 255);
        uint8_t lanes[Width] = {};
        for (size_t row = 0; row < rows; ++row, p += Width)
            for (size_t j = 0; j < Width; ++j)
                lanes[j] = uint8_t(lanes[j] + (p[j] == RecordEnd));
        size -= rows * Width;
        for (uint8_t lane : lanes)
            count += lane;
    }
    for (; size > 0; --size)
        count += *p++ == RecordEnd;
    return count;
}

// Reads an index file into Table (Capacity bytes) when it exists, fits and is newer than the
// .dic. Failures to open count as "absent".
bool ReadCurrentIndex(TVkrMapFile& file, const std::string& name, void* table, size_t capacity,
                      const TFileTime* dicTime) {
    if (::access(name.c_str(), F_OK) != 0)
        return false;
    try {
        file.OpenInto(name, table, capacity);
    } catch (const std::exception&) {
        return false;
    }
    TFileTime indexTime;
    return file.Memory() && dicTime && file.GetFileTime(indexTime) &&
           CreatedBefore(*dicTime, indexTime);
}

// The little-endian values of an index file read into Table become numbers of this machine.
template <class Value, size_t N>
void FromLittleEndian(std::array<Value, N>& table) {
    if constexpr (std::endian::native != std::endian::little)
        for (Value& value : table)
            value = Value(ReadUint32(reinterpret_cast<const uint8_t*>(&value)));
}

// Writes an index file whole through a temporary file, so that an interrupted write never
// leaves a partial index behind. Failures are swallowed: the index is a cache and is rebuilt at
// the next start.
template <class Fill>
void WriteIndexFile(const std::string& name, uint32_t size, Fill fill) {
    std::string bytes(size, '\0');
    fill(reinterpret_cast<uint8_t*>(bytes.data()));
    try {
        WriteFileAtomically(name, bytes);
    } catch (const std::exception&) {
    }
}

} // namespace

// Reads orvel.idx straight into the article table, which holds the same numbers, to be checked
// against the .dic while it is read (PieceRead). Nothing is to be checked (FIdxCheck.Count -1)
// when there is no current index or it cannot fit the .dic.
void TMainDictionary::StartIdxCheck(const TFileTime* DicTime) {
    FIdxCheck = {};
    TVkrMapFile idx;
    if (!ReadCurrentIndex(idx, IndexFileName(".idx"), ArticleStarts.data(), sizeof ArticleStarts,
                          DicTime))
        return;
    const uint32_t size = idx.Size();
    if (size % 4 != 0 || size < 8)
        return;
    FromLittleEndian(ArticleStarts);
    const int32_t count = int32_t(size / 4 - 1);
    if (ArticleStarts[0] == 0 && ArticleStarts[size_t(count)] == Size())
        FIdxCheck.Count = count;
}

// Each value but the first stands right after a record's end byte, and each value but the last at
// a record's start byte; a record holds at least these two bytes. No article holds the end byte,
// so every value is a place where a record ends, and with as many values as the .dic has end
// bytes none is left out: an index without one would read two records as one article. The values
// that fall in a piece are checked while the piece is in the cache.
void TMainDictionary::PieceRead(const uint8_t* Piece, size_t Size, size_t Offset) {
    TIdxCheck& check = FIdxCheck;
    if (check.Count < 0 || check.Failed)
        return;
    check.Ends += CountRecordEnds(Piece, Size);
    const uint8_t* dic = Piece - Offset;
    const size_t read = Offset + Size; // the bytes before this are in memory
    for (; check.Next <= check.Count; ++check.Next) {
        const bool last = check.Next == check.Count;
        const uint32_t offset = ArticleStarts[size_t(check.Next)];
        if (offset > read || (offset == read && !last))
            break; // a byte it needs is still to come
        if (offset < uint64_t(check.Previous) + 2 || dic[offset - 1] != RecordEnd ||
            (!last && dic[offset] != RecordStart)) {
            check.Failed = true;
            return;
        }
        check.Previous = offset;
    }
}

// The whole .dic was read and agreed with every value of orvel.idx.
bool TMainDictionary::IdxCheckPassed() const {
    const TIdxCheck& check = FIdxCheck;
    return check.Count >= 0 && !check.Failed && check.Next > check.Count &&
           check.Ends == size_t(check.Count) && ArticleStarts[size_t(check.Count)] == Size();
}

void TMainDictionary::WriteIdx() {
    const uint32_t values = uint32_t(FCount) + 1;
    WriteIndexFile(IndexFileName(".idx"), 4 * values, [this, values](uint8_t* out) {
        for (uint32_t i = 0; i < values; ++i)
            WriteUint32(out + 4 * i, ArticleStarts[i] - ArticleStarts[0]);
    });
}

// Leaves the letter index all -1 when the file is not used.
bool TMainDictionary::ReadIdz(const TFileTime* DicTime) {
    static_assert(sizeof FLetterIndex == sizeof(int32_t) * LetterRows * LetterColumns);
    TVkrMapFile idz;
    if (ReadCurrentIndex(idz, IndexFileName(".idz"), FLetterIndex.data(), sizeof FLetterIndex,
                         DicTime) &&
        idz.Size() == sizeof FLetterIndex) {
        for (auto& row : FLetterIndex)
            FromLittleEndian(row);
        if (LetterIndexIsConsistent())
            return true;
    }
    for (auto& row : FLetterIndex)
        row.fill(-1);
    return false;
}

// Every known start must be an article of this dictionary whose key begins with its letter (or
// pair) and the first of them: the article before it begins otherwise. Final sigma never begins
// a word.
bool TMainDictionary::LetterIndexIsConsistent() const {
    for (int c = 97; c <= 121; ++c)
        for (int column = 96; column <= 121; ++column) {
            int32_t start = FLetterIndex[size_t(c - 97)][size_t(column - 96)];
            if (start == -1)
                continue;
            if (start < 0 || start >= FCount || c == 114)
                return false;
            std::string expected(1, char(c));
            if (column != 96)
                expected += char(column);
            if (GetKey(start, expected.size()) != expected ||
                (start > 0 && GetKey(start - 1, expected.size()) == expected))
                return false;
        }
    return true;
}

void TMainDictionary::WriteIdz() {
    constexpr uint32_t size = sizeof(int32_t) * LetterRows * LetterColumns;
    WriteIndexFile(IndexFileName(".idz"), size, [this](uint8_t* out) {
        for (const auto& row : FLetterIndex)
            for (int32_t cell : row) {
                WriteUint32(out, uint32_t(cell));
                out += 4;
            }
    });
}

} // namespace orvel
