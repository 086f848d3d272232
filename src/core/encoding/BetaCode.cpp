#include "core/encoding/BetaCode.h"

#include "core/encoding/GreekEncoding.h"

#include <cstdint>

namespace orvel {

namespace {

// The marks of one letter as a bit set.
enum : uint8_t {
    Smooth = 0x01,
    Rough = 0x02,
    Acute = 0x04,
    Grave = 0x08,
    Circumflex = 0x10,
    IotaSubscript = 0x20,
    Diaeresis = 0x40,
};

struct TMarkCode {
    uint8_t Marks;
    uint8_t Code;
};

// Every set of marks that has a diacritic code.
constexpr TMarkCode MarkCodes[] = {
    {Acute, 0xC0},
    {Grave, 0xC1},
    {Circumflex, 0xC2},
    {Smooth, 0xC3},
    {Rough, 0xC4},
    {Smooth | Acute, 0xC5},
    {Smooth | Grave, 0xC6},
    {Rough | Acute, 0xC7},
    {Rough | Grave, 0xC8},
    {Smooth | Circumflex, 0xC9},
    {Rough | Circumflex, 0xCA},
    {IotaSubscript, 0xCD},
    {Acute | IotaSubscript, 0xCE},
    {Grave | IotaSubscript, 0xCF},
    {Circumflex | IotaSubscript, 0xD0},
    {Smooth | IotaSubscript, 0xD1},
    {Rough | IotaSubscript, 0xD2},
    {Smooth | Acute | IotaSubscript, 0xD3},
    {Smooth | Grave | IotaSubscript, 0xD4},
    {Rough | Acute | IotaSubscript, 0xD5},
    {Rough | Grave | IotaSubscript, 0xD6},
    {Smooth | Circumflex | IotaSubscript, 0xD7},
    {Rough | Circumflex | IotaSubscript, 0xD8},
    {Diaeresis, 0xD9},
    {Diaeresis | Acute, 0xDA},
    {Diaeresis | Grave, 0xDB},
    {Diaeresis | Circumflex, 0xDC},
};

uint8_t CodeOfMarks(uint8_t marks) {
    for (const TMarkCode& entry : MarkCodes)
        if (entry.Marks == marks)
            return entry.Code;
    return 0;
}

uint8_t MarksOfCode(uint8_t code) {
    for (const TMarkCode& entry : MarkCodes)
        if (entry.Code == code)
            return entry.Marks;
    return 0;
}

uint8_t MarkOf(char c) {
    switch (c) {
    case ')':
        return Smooth;
    case '(':
        return Rough;
    case '/':
        return Acute;
    case '\\':
        return Grave;
    case '=':
        return Circumflex;
    case '|':
        return IotaSubscript;
    case '+':
        return Diaeresis;
    default:
        return 0;
    }
}

// Beta Code letters of the internal letters 'a'..'y' (both sigmas are 's').
constexpr char BetaLetters[] = "abgdezhqiklmncoprsstufxyw";
static_assert(sizeof(BetaLetters) == 26);

// The internal small letter of a Beta Code letter of either case; 0 for none (v and j, and
// everything that is no letter).
uint8_t InternalLetterOf(char c) {
    if (c >= 'A' && c <= 'Z')
        c = char(c + 0x20);
    if (c < 'a' || c > 'z' || c == 'v' || c == 'j')
        return 0;
    for (uint8_t i = 0; i < 25; ++i)
        if (BetaLetters[i] == c && i != 17) // 17 is final sigma 'r'; 's' gives 's'
            return uint8_t('a' + i);
    return 0;
}

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Whether Orvel000 shows a letter with a code as that very letter and code: a glyph of its own
// that reads back the same.
bool DisplayCanShow(uint8_t code, uint8_t letter) {
    const std::string shown = GreekLetterToFont(code, letter);
    const std::string expected{char(code), char(letter)};
    return FontWordToInternal(shown) == expected;
}

// The whole character (a UTF-8 sequence) that starts at a byte, for messages.
size_t CharacterLength(std::string_view text, size_t at) {
    size_t end = at + 1;
    while (end < text.size() && (uint8_t(text[end]) & 0xC0) == 0x80)
        ++end;
    return end - at;
}

class TConverter {
public:
    TConverter(std::string_view text, TBetaCodeOptions options) : FText(text), FOptions(options) {}

    TBetaCodeResult Run() {
        while (FAt < FText.size() && !FResult.Error) {
            const char c = FText[FAt];
            if (c == ' ') {
                FResult.Internal.push_back(' ');
                ++FAt;
            } else if (c == '\'') {
                FResult.Internal.push_back('z');
                ++FAt;
            } else if (c == '*') {
                Capital();
            } else if (InternalLetterOf(c)) {
                Small();
            } else if (MarkOf(c)) {
                Fail(FAt, 1, "Бета-код: знак «" + std::string(1, c) + "» стоит не после буквы");
            } else {
                const size_t length = CharacterLength(FText, FAt);
                Fail(FAt, length,
                     "Бета-код: знак «" + std::string(FText.substr(FAt, length)) +
                         "» не означает греческой буквы");
            }
        }
        return std::move(FResult);
    }

private:
    // Reads the marks at the current place; a mark given twice makes the set unusable.
    uint8_t Marks(bool& repeated) {
        uint8_t marks = 0;
        while (FAt < FText.size()) {
            const uint8_t mark = MarkOf(FText[FAt]);
            if (!mark)
                break;
            repeated = repeated || (marks & mark);
            marks |= mark;
            ++FAt;
        }
        return marks;
    }

    void Capital() {
        const size_t start = FAt++;
        bool repeated = false;
        uint8_t marks = Marks(repeated);
        if (FAt == FText.size() && FOptions.KeepIncompleteEnd) {
            FResult.Pending = std::string(FText.substr(start));
            return;
        }
        const uint8_t letter = FAt < FText.size() ? InternalLetterOf(FText[FAt]) : 0;
        if (!letter) {
            Fail(start, FAt - start + (FAt < FText.size()), "Бета-код: после «*» нет буквы");
            return;
        }
        ++FAt;
        marks |= Marks(repeated); // some write the marks of a capital after it
        Letter(start, uint8_t(letter - 0x20), marks, repeated);
    }

    void Small() {
        const size_t start = FAt;
        uint8_t letter = InternalLetterOf(FText[FAt++]);
        if (letter == 's') {
            const char next = FAt < FText.size() ? FText[FAt] : '\0';
            if (next == '1' || next == '2') {
                letter = next == '1' ? 's' : 'r';
                ++FAt;
            } else if (next == '3') {
                Fail(start, 2, "Бета-код: лунарной сигмы «s3» нет в шрифте Orvel000");
                return;
            } else if (FAt == FText.size() ? FOptions.FinalSigmaAtEnd
                                           : !IsAsciiLetter(next) && !MarkOf(next)) {
                letter = 'r';
            }
        }
        bool repeated = false;
        const uint8_t marks = Marks(repeated);
        Letter(start, letter, marks, repeated);
    }

    void Letter(size_t start, uint8_t letter, uint8_t marks, bool repeated) {
        const uint8_t code = CodeOfMarks(marks);
        if (repeated || (marks && (!code || !DisplayCanShow(code, letter)))) {
            Fail(start, FAt - start,
                 "Бета-код «" + std::string(FText.substr(start, FAt - start)) +
                     "»: такой буквы нет в шрифте Orvel000");
            return;
        }
        if (code)
            FResult.Internal.push_back(char(code));
        FResult.Internal.push_back(char(letter));
    }

    void Fail(size_t position, size_t length, std::string message) {
        FResult.Error = TBetaCodeError{position, length, std::move(message)};
    }

    std::string_view FText;
    TBetaCodeOptions FOptions;
    size_t FAt = 0;
    TBetaCodeResult FResult;
};

bool IsInternalLetter(uint8_t byte) {
    return (byte >= 'a' && byte <= 'y') || (byte >= 'A' && byte <= 'Y');
}

void AppendMarks(std::string& out, uint8_t marks, bool capital) {
    if (marks & Smooth)
        out.push_back(')');
    if (marks & Rough)
        out.push_back('(');
    if ((marks & Diaeresis) && !capital)
        out.push_back('+');
    if (marks & Acute)
        out.push_back('/');
    if (marks & Grave)
        out.push_back('\\');
    if (marks & Circumflex)
        out.push_back('=');
    if ((marks & IotaSubscript) && !capital)
        out.push_back('|');
}

} // namespace

TBetaCodeResult BetaCodeToInternal(std::string_view betaCode, TBetaCodeOptions options) {
    return TConverter(betaCode, options).Run();
}

std::string InternalToBetaCode(std::string_view internal) {
    std::string out;
    uint8_t code = 0;
    for (size_t i = 0; i < internal.size(); ++i) {
        const uint8_t byte = uint8_t(internal[i]);
        if (IsDiacriticCode(byte)) {
            code = IsLengthMarkCode(byte) ? 0 : byte;
            continue;
        }
        const uint8_t marks = MarksOfCode(code);
        code = 0;
        if (byte >= 'a' && byte <= 'y') {
            out.push_back(BetaLetters[byte - 'a']);
            if (byte == 'r' || byte == 's') {
                const uint8_t next = i + 1 < internal.size() ? uint8_t(internal[i + 1]) : 0;
                const bool inWord = IsInternalLetter(next) || IsDiacriticCode(next);
                if (byte == 'r' && inWord)
                    out.push_back('2');
                else if (byte == 's' && !inWord)
                    out.push_back('1');
            }
            AppendMarks(out, marks, false);
        } else if (IsInternalLetter(byte) && byte != 'R') {
            out.push_back('*');
            AppendMarks(out, marks, true);
            out.push_back(BetaLetters[byte - 'A']);
        } else if (byte == 'z') {
            out.push_back('\'');
        } else if (byte == ' ' || byte == '_') {
            out.push_back(' ');
        }
    }
    return out;
}

} // namespace orvel
