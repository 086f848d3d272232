#include "core/dictionary/WordDescriptor.h"

#include "core/storage/TaggedValues.h"

#include <array>
#include <cstdint>
#include <utility>

namespace orvel {

TWordDescriptor::TWordDescriptor(int32_t ArticleIndex, std::string Word)
    : ArticleIndex(ArticleIndex), Word(std::move(Word)) {}

void TWordDescriptor::SetSelection(int32_t Start, int32_t Length) {
    SelStart = Start;
    SelLength = Length;
    Found = false;
}

void TWordDescriptor::SetFoundSelection(int32_t Start, int32_t Length) {
    SelStart = Start;
    SelLength = Length;
    Found = true;
}

void TWordDescriptor::SetNote(std::string NoteFile, bool InNote) {
    this->NoteFile = std::move(NoteFile);
    this->InNote = InNote;
}

std::string TWordDescriptor::ListKey() const {
    std::string key;
    key.reserve(Word.size());
    for (char ch : Word) {
        uint8_t c = uint8_t(ch);
        if (c >= 97 && c <= 122)
            key += char(c);
        else if (c >= 65 && c <= 89)
            key += char(c + 32);
    }
    return key;
}

bool TWordDescriptor::SameAs(const TWordDescriptor& Other) const {
    return ArticleIndex == Other.ArticleIndex && InNote == Other.InNote &&
           NoteFile == Other.NoteFile;
}

void TWordDescriptor::Save(TValueWriter& Writer) const {
    Writer.WriteInteger(ArticleIndex);
    Writer.WriteString(Word);
    Writer.WriteBoolean(InNote);
    Writer.WriteString(NoteFile);
    // Selections of search hits are not kept.
    Writer.WriteInteger(Found ? 0 : SelStart);
    Writer.WriteInteger(Found ? 0 : SelLength);
}

void TWordDescriptor::Load(TValueReader& Reader, int32_t FileVersion) {
    ArticleIndex = Reader.ReadInteger();
    Word = Reader.ReadString();
    InNote = Reader.ReadBoolean();
    NoteFile = Reader.ReadString();
    SelStart = Reader.ReadInteger();
    SelLength = Reader.ReadInteger();
    Found = false;
    if (FileVersion == 0)
        ArticleIndex = MigrateArticleIndexFromVersion0(ArticleIndex);
}

int32_t MigrateArticleIndexFromVersion0(int32_t Index) {
    static constexpr std::array<int32_t, 11> Thresholds = {23761, 23848, 23926, 24173, 24173, 24176,
                                                           25139, 25139, 25229, 42282, 45516};
    int32_t shift = 0;
    for (int32_t threshold : Thresholds)
        if (threshold <= Index)
            ++shift;
    // An index of a damaged file may lie anywhere; it must not overflow.
    return Index > INT32_MAX - shift ? INT32_MAX : Index + shift;
}

} // namespace orvel
