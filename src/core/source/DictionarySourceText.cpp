#include "core/source/DictionarySourceText.h"

#include "core/encoding/GreekEncoding.h"
#include "core/encoding/UnicodeGreek.h"
#include "core/encoding/Utf8.h"
#include "core/encoding/Windows1251.h"

#include <array>
#include <cstdio>

namespace orvel {

namespace {

constexpr char32_t LeftQuote = 0x00AB, RightQuote = 0x00BB, Ellipsis = 0x2026;

bool IsAsciiLetter(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Letter bytes of the internal Greek encoding, 'z' (elision) included.
bool IsGreekLetterByte(uint8_t b) {
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Y');
}

bool IsArticleScript(TSourceScript script) {
    return script != TSourceScript::TableText && script != TSourceScript::TableGreek;
}

const char* ScriptName(TSourceScript script) {
    switch (script) {
    case TSourceScript::Greek:
    case TSourceScript::TableGreek:
        return "Greek";
    case TSourceScript::Russian:
        return "Russian";
    case TSourceScript::Latin:
        return "Latin";
    default:
        return "symbol";
    }
}

std::string Describe(std::u32string_view chars) {
    std::string text = "'";
    for (char32_t c : chars)
        AppendUtf8(text, c);
    char code[16];
    std::snprintf(code, sizeof code, "' (U+%04X)", unsigned(chars.empty() ? 0 : chars[0]));
    return text + code;
}

// The marks that the internal letter shows with a diacritic code.
TGreekMarks CarriedMarks(uint8_t code, uint8_t letter) {
    std::string internal;
    if (code)
        internal += char(code);
    internal += char(letter);
    const std::u32string chars = DecodeUtf8(InternalToUnicode(internal));
    if (chars.empty())
        return 0;
    TGreekMarks marks = DecomposeGreekLetter(chars[0]).Marks;
    for (size_t i = 1; i < chars.size(); ++i)
        marks |= GreekCombiningMark(chars[i]);
    return marks;
}

// A Greek letter with the combining marks after it, or an elision sign.
bool EncodeGreek(std::u32string_view chars, size_t& i, std::string& out, std::string& error) {
    const size_t start = i;
    const char32_t c = chars[i++];
    if (IsElisionMark(c)) {
        out += 'z';
        return true;
    }
    if (IsCombiningMark(c)) {
        error = "a combining mark without a letter";
        return false;
    }
    const TGreekLetter letter = DecomposeGreekLetter(c);
    TGreekMarks marks = letter.Marks;
    bool unknownMark = false;
    for (; i < chars.size() && IsCombiningMark(chars[i]); ++i) {
        const TGreekMarks mark = GreekCombiningMark(chars[i]);
        unknownMark |= mark == 0;
        marks |= mark;
    }
    if (letter.Letter == 0) {
        error = Describe(chars.substr(start, 1)) + " is no Greek letter";
        return false;
    }
    const uint8_t code = GreekDiacriticCode(letter.Letter, marks);
    if (unknownMark || CarriedMarks(code, letter.Letter) != marks) {
        error = Describe(chars.substr(start, i - start)) +
                ": the dictionary's Greek has no letter with these marks";
        return false;
    }
    if (code)
        out += char(code);
    out += char(letter.Letter);
    return true;
}

// The Greek letter (with its diacritic code) at P, in Unicode.
std::string DecodeGreek(std::string_view bytes, size_t p, size_t& length) {
    const uint8_t b = uint8_t(bytes[p]);
    if (IsDiacriticCode(b) && p + 1 < bytes.size() && IsGreekLetterByte(uint8_t(bytes[p + 1]))) {
        length = 2;
        return InternalToUnicode(bytes.substr(p, 2));
    }
    return IsGreekLetterByte(b) ? InternalToUnicode(bytes.substr(p, 1)) : std::string();
}

// An ASCII character of article text: signs and digits in every language, letters outside
// Greek. '{' and '}' belong to the tags and never get here.
bool EncodeArticleAscii(TSourceScript script, char32_t c, std::string& out, std::string& error) {
    if (c <= 0x20 || c == 0x7F) {
        error = "a control character in the text";
        return false;
    }
    if (c == '$' || c == '&' || c == '@') {
        error = Describe(std::u32string(1, c)) + " has no role in an article (it shows as #)";
        return false;
    }
    if (script == TSourceScript::Greek && IsAsciiLetter(c)) {
        error =
            "Latin letter " + Describe(std::u32string(1, c)) + " in Greek text (switch with {la})";
        return false;
    }
    out += char(c);
    return true;
}

} // namespace

TSourceScript SourceScriptOf(TArticleLanguage Language) {
    switch (Language) {
    case TArticleLanguage::Latin:
        return TSourceScript::Latin;
    case TArticleLanguage::Russian:
        return TSourceScript::Russian;
    case TArticleLanguage::Greek:
        return TSourceScript::Greek;
    default:
        return TSourceScript::Symbols;
    }
}

int DecodeSourceLine(std::string_view Line, TSourceChars& Out) {
    Out.Chars.clear();
    Out.Columns.clear();
    int column = 1;
    for (size_t i = 0; i < Line.size(); ++column) {
        char32_t c = 0;
        const size_t length = ReadUtf8(Line, i, c);
        if (length == 0)
            return column;
        Out.Chars += c;
        Out.Columns.push_back(column);
        i += length;
    }
    return 0;
}

bool EncodeSourceUnit(TSourceScript Script, std::u32string_view Chars, size_t& I, std::string& Out,
                      std::string& Error) {
    const char32_t c = Chars[I];
    if (Script == TSourceScript::TableText) {
        ++I;
        if (const auto byte = UnicodeToCp1251(c)) {
            Out += char(*byte);
            return true;
        }
        Error = Describe(std::u32string(1, c)) + " is not a Windows-1251 character";
        return false;
    }
    if (c < 0x80) {
        ++I;
        if (Script != TSourceScript::TableGreek)
            return EncodeArticleAscii(Script, c, Out, Error);
        if (IsAsciiLetter(c)) {
            Error = "Latin letter " + Describe(std::u32string(1, c)) + " in Greek text";
            return false;
        }
        if (c < 0x20 || c == 0x7F) {
            Error = "a control character in the text";
            return false;
        }
        Out += char(c);
        return true;
    }
    if (IsArticleScript(Script) && (c == LeftQuote || c == RightQuote || c == Ellipsis)) {
        ++I;
        Out += c == LeftQuote ? '<' : c == RightQuote ? '>' : '#';
        return true;
    }
    if (Script == TSourceScript::Greek || Script == TSourceScript::TableGreek)
        return EncodeGreek(Chars, I, Out, Error);
    ++I;
    if (const auto byte = UnicodeToCp1251(c); byte && *byte >= 0xC0) {
        Out += char(*byte);
        return true;
    }
    if (IsGreekScript(c) || IsElisionMark(c))
        Error = "Greek " + Describe(std::u32string(1, c)) + " in " + ScriptName(Script) +
                " text (switch with {gr})";
    else
        Error = Describe(std::u32string(1, c)) + " has no place in " + ScriptName(Script) + " text";
    return false;
}

namespace {

// The source of the unit at P, worked out by converting it back and comparing.
std::string DecodeUnit(TSourceScript Script, std::string_view Bytes, size_t P, size_t& Length) {
    const auto b = uint8_t(Bytes[P]);
    const bool greek = Script == TSourceScript::Greek || Script == TSourceScript::TableGreek;
    Length = 1;
    std::string source;
    if (Script == TSourceScript::TableText) {
        if (b >= 0x20 && b != 0x7F && b != 0x98 && b != '{')
            source = Cp1251ToUtf8(Bytes.substr(P, 1));
    } else if (b == ' ') {
        // A space in a vocabulary row is text; in an article it is whitespace.
        if (Script == TSourceScript::TableGreek)
            source = " ";
    } else if (b < 0x80 && !(greek && IsGreekLetterByte(b))) {
        // Control bytes and the braces of the tags have no source form.
        const bool plain = b >= 0x20 && b != 0x7F && b != '{' && b != '}';
        if (plain && IsArticleScript(Script) && (b == '<' || b == '>' || b == '#'))
            AppendUtf8(source, b == '<' ? LeftQuote : b == '>' ? RightQuote : Ellipsis);
        else if (plain)
            source = char(b);
    } else if (greek) {
        source = DecodeGreek(Bytes, P, Length);
    } else if (b >= 0xC0) {
        source = Cp1251ToUtf8(Bytes.substr(P, 1));
    }
    if (source.empty())
        return source;

    const std::u32string chars = DecodeUtf8(source);
    std::string bytes, error;
    for (size_t i = 0; i < chars.size();)
        if (!EncodeSourceUnit(Script, chars, i, bytes, error))
            return std::string();
    return bytes == Bytes.substr(P, Length) ? source : std::string();
}

// A unit is one byte, or a diacritic code with its letter: every answer is worked out once.
struct TUnitTable {
    std::array<std::string, 256> Single;
    std::array<std::string, (kDiacriticLast - kDiacriticFirst + 1) * 58> Pair; // letters 'A'..'z'
};

std::array<TUnitTable, 6> MakeUnitTables() {
    std::array<TUnitTable, 6> tables;
    for (size_t script = 0; script < tables.size(); ++script) {
        TUnitTable& table = tables[script];
        size_t length = 0;
        for (int b = 0; b < 256; ++b) {
            const std::string byte(1, char(b));
            table.Single[size_t(b)] = DecodeUnit(TSourceScript(script), byte, 0, length);
        }
        for (int code = kDiacriticFirst; code <= kDiacriticLast; ++code)
            for (int letter = 'A'; letter <= 'z'; ++letter) {
                const std::string pair = {char(code), char(letter)};
                std::string unit = DecodeUnit(TSourceScript(script), pair, 0, length);
                const size_t index = size_t(code - kDiacriticFirst) * 58 + size_t(letter - 'A');
                table.Pair[index] = length == 2 ? unit : std::string();
            }
    }
    return tables;
}

} // namespace

std::string DecodeSourceUnit(TSourceScript Script, std::string_view Bytes, size_t P,
                             size_t& Length) {
    static const std::array<TUnitTable, 6> tables = MakeUnitTables();
    const TUnitTable& table = tables[size_t(Script)];
    const auto b = uint8_t(Bytes[P]);
    Length = 1;
    if (IsDiacriticCode(b) && P + 1 < Bytes.size()) {
        const auto letter = uint8_t(Bytes[P + 1]);
        if (letter >= 'A' && letter <= 'z') {
            const std::string& pair =
                table.Pair[size_t(b - kDiacriticFirst) * 58 + size_t(letter - 'A')];
            if (!pair.empty()) {
                Length = 2;
                return pair;
            }
        }
    }
    return table.Single[b];
}

bool ParseHexBytes(std::u32string_view Text, std::string& Out) {
    auto digit = [](char32_t c) -> int {
        if (c >= '0' && c <= '9')
            return int(c - '0');
        if (c >= 'A' && c <= 'F')
            return int(c - 'A' + 10);
        if (c >= 'a' && c <= 'f')
            return int(c - 'a' + 10);
        return -1;
    };
    for (size_t i = 0; i < Text.size();) {
        if (Text[i] == ' ') {
            ++i;
            continue;
        }
        if (i + 1 >= Text.size() || digit(Text[i]) < 0 || digit(Text[i + 1]) < 0)
            return false;
        Out += char(digit(Text[i]) * 16 + digit(Text[i + 1]));
        i += 2;
    }
    return true;
}

std::string HexEscape(std::string_view Bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out = "{x:";
    for (size_t i = 0; i < Bytes.size(); ++i) {
        if (i)
            out += ' ';
        out += digits[uint8_t(Bytes[i]) >> 4];
        out += digits[uint8_t(Bytes[i]) & 15];
    }
    return out + "}";
}

} // namespace orvel
