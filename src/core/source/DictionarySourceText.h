// Text in dictionary source files: UTF-8 decoding with columns, and the conversion of one unit
// of text (a character, or a Greek letter with its marks) into program bytes and back. Article
// text follows the rules of its language; vocabulary rows are plain Windows-1251 or Greek.
#pragma once

#include "core/article/ArticleReadingState.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvel {

enum class TSourceScript {
    // Article text, by the reader's language: Greek is Unicode Greek with ASCII signs and
    // digits; the others are ASCII and Windows-1251 letters.
    Greek,
    Russian,
    Latin,
    Symbols,
    TableText,  // a vocabulary row: any Windows-1251 character
    TableGreek, // a vocabulary row in Greek: Unicode Greek, ASCII signs, digits and spaces
};

// The script of article text in a language.
TSourceScript SourceScriptOf(TArticleLanguage Language);

// A line of source decoded into code points, with the 1-based column of each.
struct TSourceChars {
    std::u32string Chars;
    std::vector<int> Columns;
};

// Decodes one line. Returns the column of the first malformed byte, or 0 when the line is
// well-formed (every column counts one code point).
int DecodeSourceLine(std::string_view Line, TSourceChars& Out);

// Converts the unit at Chars[I] to bytes, appended to Out, and advances I past it (a letter
// takes its combining marks along). False, with Error set, when the character has no place
// in the script; I is advanced all the same.
bool EncodeSourceUnit(TSourceScript Script, std::u32string_view Chars, size_t& I, std::string& Out,
                      std::string& Error);

// The source of the unit of Bytes that starts at P, and in Length the bytes it stands for.
// Empty when the bytes have no source form in the script and must be written as "{x:..}".
// A result converts back to exactly those bytes.
std::string DecodeSourceUnit(TSourceScript Script, std::string_view Bytes, size_t P,
                             size_t& Length);

// Parses the hexadecimal bytes of an escape ("1F 80", "1f80", or nothing). False when the text
// holds anything else or an odd digit.
bool ParseHexBytes(std::u32string_view Text, std::string& Out);
// Writes bytes as the escape "{x:1F 80}".
std::string HexEscape(std::string_view Bytes);

} // namespace orvel
