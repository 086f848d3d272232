#include "core/source/DictionarySourceTags.h"

#include "core/article/ArticleCodes.h"
#include "core/article/ArticleReadingState.h"
#include "core/encoding/UnicodeGreek.h"

#include <array>

namespace orvel {

namespace {

const TFixedTag FixedTags[] = {
    {"gr", CodeGreek, TTagKind::Switch},
    {"ru", CodeRussian, TTagKind::Switch},
    {"la", CodeLatin, TTagKind::Switch},
    {"sym", CodeSymbols, TTagKind::Switch},
    {"n", CodeNormal, TTagKind::Switch},
    {"b", CodeBold, TTagKind::Switch},
    {"i", CodeItalic, TTagKind::Switch},
    {"1", CodeNextMeaning, TTagKind::Meaning},
    {"+", CodeDeeperMeaning, TTagKind::Meaning},
    {"-", CodeUpperMeaning, TTagKind::Meaning},
    {"0", CodeTopMeaning, TTagKind::Meaning},
    {"~", CodeHeadOneLetter, TTagKind::Word},
    {"~~", CodeHeadTwoLetters, TTagKind::Word},
    {"и", CodeAnd, TTagKind::Word},
    {"или", CodeOr, TTagKind::Word},
    {"к", CodeTo, TTagKind::Word},
    {"в", CodeIn, TTagKind::Word},
    {"ὁ", CodeHo, TTagKind::Word},
    {"ἡ", CodeHe, TTagKind::Word},
    {"¶", CodeMark, TTagKind::Mark},
    {"_", ' ', TTagKind::Space},
    {"[", '"', TTagKind::Sign},
    {"]", '\'', TTagKind::Sign},
};

const TReferenceTag ReferenceTags[] = {
    {"mark", TVocabularyTable::ArticleMarks},   {"a", TVocabularyTable::Authors},
    {"s", TVocabularyTable::RussianSigns},      {"l", TVocabularyTable::LatinSigns},
    {"p", TVocabularyTable::IndefinitePhrases}, {"w", TVocabularyTable::RussianWords},
    {"end", TVocabularyTable::GreekEndings},    {"q", TVocabularyTable::VowelQuantities},
};

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
            return FixedTagOfByte(CodeHo);
        if (internal == "\xC4g")
            return FixedTagOfByte(CodeHe);
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
    if (!IsReferenceCode(Code) || Index < ReferenceIndexBase)
        return false;
    Table = ReferenceCodeTable(Code);
    Row = ReferenceCodeRow(Code, Index);
    return Row < TableInfo(Table).Rows;
}

std::string ReferenceBytes(TVocabularyTable Table, int Row) {
    return {char(ReferenceCodeOfRow(Table, Row)), char(ReferenceIndexOfRow(Row))};
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
