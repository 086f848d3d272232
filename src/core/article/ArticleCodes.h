// The control codes of the article format: every byte below 0x20 and from 0x80 to 0x92 that
// means something other than text, with the vocabulary table each two-byte reference indexes.
// Every reader and writer of articles (the renderer, the reading state, the search, the source
// compiler and decompiler, the synthetic edition) takes the codes from here.
#pragma once

#include "core/article/VocabularyTables.h"

#include <cstdint>

namespace orvel {

// ---- Record framing of orvel.dic: each article stands between these two bytes, so neither
// ever occurs inside an article.
inline constexpr uint8_t RecordStart = 0x01;
inline constexpr uint8_t RecordEnd = 0x02;

// ---- Style switches, in the order normal, bold, italic.
inline constexpr uint8_t CodeNormal = 0x03;
inline constexpr uint8_t CodeBold = 0x04;
inline constexpr uint8_t CodeItalic = 0x05;

constexpr bool IsStyleCode(uint8_t c) {
    return c >= CodeNormal && c <= CodeItalic;
}

// ---- Language switches, in the order of TArticleLanguage.
inline constexpr uint8_t CodeLatin = 0x06;
inline constexpr uint8_t CodeRussian = 0x07;
inline constexpr uint8_t CodeGreek = 0x08;
inline constexpr uint8_t CodeSymbols = 0x09; // the symbol font Orvel001

constexpr bool IsLanguageCode(uint8_t c) {
    return c >= CodeLatin && c <= CodeSymbols;
}

// ---- Numbering of meanings (levels 0, 1, 2); after each the text is Russian, normal.
inline constexpr uint8_t CodeNextMeaning = 0x0A;   // the next meaning of the current level
inline constexpr uint8_t CodeDeeperMeaning = 0x0B; // meaning 1 one level deeper (at most 2)
inline constexpr uint8_t CodeUpperMeaning = 0x0C;  // the next meaning one level up
inline constexpr uint8_t CodeTopMeaning = 0x0D;    // the next meaning at level 0 (from level 2)

constexpr bool IsMeaningCode(uint8_t c) {
    return c >= CodeNextMeaning && c <= CodeTopMeaning;
}

// ---- Fixed words, each shown with a space pending after it.
// The head word abbreviated to its first one or two letters and ".", Greek normal.
inline constexpr uint8_t CodeHeadOneLetter = 0x0E;
inline constexpr uint8_t CodeHeadTwoLetters = 0x14;
// Russian words, Russian italic.
inline constexpr uint8_t CodeAnd = 0x0F; // "и"
inline constexpr uint8_t CodeOr = 0x10;  // "или"
inline constexpr uint8_t CodeTo = 0x11;  // "к"
inline constexpr uint8_t CodeIn = 0x15;  // "в"
// The Greek articles, Greek normal.
inline constexpr uint8_t CodeHo = 0x12; // ὁ
inline constexpr uint8_t CodeHe = 0x13; // ἡ

constexpr bool IsHeadAbbreviationCode(uint8_t c) {
    return c == CodeHeadOneLetter || c == CodeHeadTwoLetters;
}
constexpr bool IsRussianFixedWordCode(uint8_t c) {
    return c == CodeAnd || c == CodeOr || c == CodeTo || c == CodeIn;
}
constexpr bool IsGreekArticleCode(uint8_t c) {
    return c == CodeHo || c == CodeHe;
}

// ---- The mark: shown as "¶", and a word byte. A hit of the search is shown between two.
inline constexpr uint8_t CodeMark = 0x1F;

// ---- Two-byte references: a code and an index byte naming a row of a vocabulary table.
inline constexpr uint8_t CodeArticleMark = 0x80; // I, II, *, ©...: only before the head word
inline constexpr uint8_t CodeAuthor = 0x81;
inline constexpr uint8_t CodeRussianSign = 0x82;
inline constexpr uint8_t CodeLatinSign = 0x83;
inline constexpr uint8_t CodeIndefinitePhrase = 0x84;
inline constexpr uint8_t CodeRussianWordFirst = 0x85; // a page of RussianWords for each code
inline constexpr uint8_t CodeRussianWordLast = 0x90;
inline constexpr uint8_t CodeGreekEnding = 0x91;
inline constexpr uint8_t CodeVowelQuantity = 0x92;

inline constexpr uint8_t ReferenceCodeFirst = CodeArticleMark;
inline constexpr uint8_t ReferenceCodeLast = CodeVowelQuantity;

constexpr bool IsReferenceCode(uint8_t c) {
    return c >= ReferenceCodeFirst && c <= ReferenceCodeLast;
}
constexpr bool IsRussianWordCode(uint8_t c) {
    return c >= CodeRussianWordFirst && c <= CodeRussianWordLast;
}

// The index byte of row 0; a code at the very end of a text reads it.
inline constexpr uint8_t ReferenceIndexBase = 0x40;
// The rows one code addresses, with the index bytes 0x40..0xFF; a table of more rows has a code
// for each page of them.
inline constexpr int ReferencePageRows = 0x100 - ReferenceIndexBase;

// The codes whose references index each table.
struct TReferenceCodes {
    TVocabularyTable Table;
    uint8_t First;
    uint8_t Last;
};
inline constexpr TReferenceCodes ReferenceCodeMap[] = {
    {TVocabularyTable::ArticleMarks, CodeArticleMark, CodeArticleMark},
    {TVocabularyTable::Authors, CodeAuthor, CodeAuthor},
    {TVocabularyTable::RussianSigns, CodeRussianSign, CodeRussianSign},
    {TVocabularyTable::LatinSigns, CodeLatinSign, CodeLatinSign},
    {TVocabularyTable::IndefinitePhrases, CodeIndefinitePhrase, CodeIndefinitePhrase},
    {TVocabularyTable::RussianWords, CodeRussianWordFirst, CodeRussianWordLast},
    {TVocabularyTable::GreekEndings, CodeGreekEnding, CodeGreekEnding},
    {TVocabularyTable::VowelQuantities, CodeVowelQuantity, CodeVowelQuantity},
};

// The codes of a table's references, or of the table a reference code indexes (Code must be
// one).
constexpr const TReferenceCodes& ReferenceCodesOf(TVocabularyTable Table) {
    for (const auto& codes : ReferenceCodeMap)
        if (codes.Table == Table)
            return codes;
    return ReferenceCodeMap[0];
}
constexpr const TReferenceCodes& ReferenceCodesOf(uint8_t Code) {
    for (const auto& codes : ReferenceCodeMap)
        if (Code >= codes.First && Code <= codes.Last)
            return codes;
    return ReferenceCodeMap[0];
}

constexpr TVocabularyTable ReferenceCodeTable(uint8_t Code) {
    return ReferenceCodesOf(Code).Table;
}

// The row of its table a reference addresses, -1 for an index byte below row 0. The row may lie
// past the table's end: such a reference shows nothing.
constexpr int ReferenceCodeRow(uint8_t Code, uint8_t Index) {
    if (Index < ReferenceIndexBase)
        return -1;
    return (Code - ReferenceCodesOf(Code).First) * ReferencePageRows + (Index - ReferenceIndexBase);
}

// The code and the index byte of a reference to a row inside its table.
constexpr uint8_t ReferenceCodeOfRow(TVocabularyTable Table, int Row) {
    return uint8_t(ReferenceCodesOf(Table).First + Row / ReferencePageRows);
}
constexpr uint8_t ReferenceIndexOfRow(int Row) {
    return uint8_t(ReferenceIndexBase + Row % ReferencePageRows);
}

} // namespace orvel
