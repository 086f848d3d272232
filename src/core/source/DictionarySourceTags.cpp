#include "core/source/DictionarySourceTags.h"

#include "core/article/ArticleReadingState.h"
#include "core/encoding/UnicodeGreek.h"

#include <array>

namespace orvel {

namespace {

const TFixedTag FixedTags[] = {
    {"gr", 0x08, TTagKind::Switch},  {"ru", 0x07, TTagKind::Switch}, {"la", 0x06, TTagKind::Switch},
    {"sym", 0x09, TTagKind::Switch}, {"n", 0x03, TTagKind::Switch},  {"b", 0x04, TTagKind::Switch},
    {"i", 0x05, TTagKind::Switch},   {"1", 0x0A, TTagKind::Meaning}, {"+", 0x0B, TTagKind::Meaning},
    {"-", 0x0C, TTagKind::Meaning},  {"0", 0x0D, TTagKind::Meaning}, {"~", 0x0E, TTagKind::Word},
    {"~~", 0x14, TTagKind::Word},    {"и", 0x0F, TTagKind::Word},    {"или", 0x10, TTagKind::Word},
    {"к", 0x11, TTagKind::Word},     {"в", 0x15, TTagKind::Word},    {"ὁ", 0x12, TTagKind::Word},
    {"ἡ", 0x13, TTagKind::Word},     {"¶", 0x1F, TTagKind::Mark},    {"_", 0x20, TTagKind::Space},
    {"[", 0x22, TTagKind::Sign},     {"]", 0x27, TTagKind::Sign},
};

const TReferenceTag ReferenceTags[] = {
    {"mark", 0x80, TVocabularyTable::ArticleMarks},
    {"a", 0x81, TVocabularyTable::Authors},
    {"s", 0x82, TVocabularyTable::RussianSigns},
    {"l", 0x83, TVocabularyTable::LatinSigns},
    {"p", 0x84, TVocabularyTable::IndefinitePhrases},
    {"w", 0x85, TVocabularyTable::RussianWords},
    {"end", 0x91, TVocabularyTable::GreekEndings},
    {"q", 0x92, TVocabularyTable::VowelQuantities},
};

constexpr int RowsPerPage = 192; // rows a code of RussianWords holds: index bytes 0x40..0xFF

} // namespace

const TFixedTag* FindFixedTag(std::string_view Name) {
    for (const auto& tag : FixedTags)
        if (Name == tag.Name)
            return &tag;
    // ὁ and ἡ typed with a combining breathing.
    bool greek = !Name.empty();
    for (char c : Name)
        greek = greek && uint8_t(c) >= 0x80;
    if (greek) {
        const std::string internal = Utf8GreekToInternal(Name);
        if (internal == "\xC4o")
            return FixedTagOfByte(0x12);
        if (internal == "\xC4g")
            return FixedTagOfByte(0x13);
    }
    return nullptr;
}

const TFixedTag* FixedTagOfByte(uint8_t Byte) {
    static const auto byByte = [] {
        std::array<const TFixedTag*, 256> table{};
        for (const auto& tag : FixedTags)
            table[tag.Byte] = &tag;
        return table;
    }();
    return byByte[Byte];
}

const TReferenceTag* FindReferenceTag(std::string_view Name) {
    for (const auto& tag : ReferenceTags)
        if (Name == tag.Name)
            return &tag;
    return nullptr;
}

const TReferenceTag& ReferenceTagOf(TVocabularyTable Table) {
    for (const auto& tag : ReferenceTags)
        if (tag.Table == Table)
            return tag;
    return ReferenceTags[0];
}

TSourceScript TableScript(TVocabularyTable Table) {
    return Table == TVocabularyTable::GreekEndings || Table == TVocabularyTable::VowelQuantities
               ? TSourceScript::TableGreek
               : TSourceScript::TableText;
}

bool ReferenceRow(uint8_t Code, uint8_t Index, TVocabularyTable& Table, int& Row) {
    if (!IsReferenceCode(Code) || Index < 0x40)
        return false;
    if (Code >= 0x85 && Code <= 0x90) {
        Table = TVocabularyTable::RussianWords;
        Row = (Code - 0x85) * RowsPerPage + (Index - 0x40);
    } else {
        Table = Code == 0x80   ? TVocabularyTable::ArticleMarks
                : Code <= 0x84 ? TVocabularyTable(Code - 0x80)
                : Code == 0x91 ? TVocabularyTable::GreekEndings
                               : TVocabularyTable::VowelQuantities;
        Row = Index - 0x40;
    }
    return Row < TableInfo(Table).Rows;
}

std::string ReferenceBytes(TVocabularyTable Table, int Row) {
    const uint8_t code = ReferenceTagOf(Table).Code;
    if (Table == TVocabularyTable::RussianWords)
        return {char(code + Row / RowsPerPage), char(0x40 + Row % RowsPerPage)};
    return {char(code), char(0x40 + Row)};
}

int FindRowByText(const TVocabulary& Vocabulary, TVocabularyTable Table, std::string_view Text) {
    const auto& rows = Vocabulary.Tables[size_t(Table)];
    for (size_t row = 0; row < rows.size(); ++row)
        if (rows[row].Text && *rows[row].Text == Text)
            return int(row);
    return -1;
}

bool ParseReferenceName(TVocabularyTable Table, std::u32string_view Name, std::string& Text,
                        std::string& Error) {
    Text.clear();
    for (size_t i = 0; i < Name.size();)
        if (!EncodeSourceUnit(TableScript(Table), Name, i, Text, Error))
            return false;
    return true;
}

std::string ReferenceTagSource(const TVocabulary& Vocabulary, TVocabularyTable Table, int Row) {
    const TReferenceTag& tag = ReferenceTagOf(Table);
    const std::string* text = Vocabulary.Text(Table, Row);
    if (text && !text->empty() && FindRowByText(Vocabulary, Table, *text) == Row) {
        // The name must read back as the same text: no escapes, no '}'.
        std::string name;
        size_t length = 0;
        for (size_t p = 0; p < text->size(); p += length) {
            const std::string unit = DecodeSourceUnit(TableScript(Table), *text, p, length);
            if (unit.empty() || unit == "}") {
                name.clear();
                break;
            }
            name += unit;
        }
        if (!name.empty())
            return std::string("{") + tag.Name + ":" + name + "}";
    }
    return std::string("{") + tag.Name + "#" + std::to_string(Row) + "}";
}

} // namespace orvel
