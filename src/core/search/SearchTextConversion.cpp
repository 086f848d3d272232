#include "core/search/SearchTextConversion.h"

#include "core/dictionary/SearchTerms.h"
#include "core/encoding/FontNames.h"
#include "core/encoding/GreekEncoding.h"
#include "core/encoding/UnicodeGreek.h"
#include "core/encoding/Windows1251.h"

#include <string_view>

namespace orvel {
namespace {

constexpr std::string_view kStandardFonts[] = {
    "Times New Roman", "Times New Roman Cyr", "Times New Roman Greek",
    "Arial",           "Arial Cyr",           "Arial Greek",
    "Courier New",     "Courier New Cyr",     "Courier New Greek",
};

bool IsStandardFont(std::string_view name) {
    for (const std::string_view font : kStandardFonts) {
        if (font == name) {
            return true;
        }
    }
    return false;
}

constexpr const char* kMixedFonts = "Смешение нескольких шрифтов в одном слове";
constexpr const char* kMixedLanguages = "Смешение нескольких языков в одном слове";

// The wildcard and grouping characters of a search pass through every form.
constexpr bool IsSearchSign(char32_t c) {
    return c == '!' || c == '(' || c == ')' || c == '*' || c == '?' || c == '[' || c == ']';
}

constexpr bool IsCyrillic(char32_t c) {
    return c >= 0x0400 && c <= 0x04FF;
}

// Characters that belong to no language: their charset, when it was taken from their script,
// says nothing about the word (spaces, digits, punctuation, combining marks).
constexpr bool HasNoScript(char32_t c) {
    if (c < 0xC0) {
        const bool asciiLetter = (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
        return !asciiLetter && c != 0xAA && c != 0xB5 && c != 0xBA;
    }
    return IsCombiningMark(c) || (c >= 0x2000 && c <= 0x206F);
}

// Unicode characters that make up Greek text.
constexpr bool IsUnicodeGreekText(char32_t c) {
    return IsGreekScript(c) || IsCombiningMark(c) || IsElisionMark(c);
}

// Diacritic characters of GraecaII, typed after the letter.
uint8_t GraecaDiacritic(int b) {
    switch (b) {
    case 'v':
    case 0xE9:
        return 0xC0;
    case ';':
    case 0xED:
        return 0xC1;
    case '\'':
    case '`':
    case 0xA4:
    case 0xDF:
        return 0xC2;
    case 'j':
        return 0xC3;
    case 'J':
        return 0xC4;
    case '[':
        return 0xC5;
    case ']':
        return 0xC6;
    case '{':
        return 0xC7;
    case '}':
        return 0xC8;
    case '\\':
        return 0xC9;
    case '|':
        return 0xCA;
    case '/':
    case 0xE6:
    case 0xF3:
        return 0xCD;
    case '>':
    case 0x9F:
        return 0xD9;
    case '?':
        return 0xDA;
    case 0xD6:
        return 0xDB;
    case 0xC0:
        return 0xDC;
    default:
        return 0;
    }
}

// A code combined with the iota subscript 0xCD or the diaeresis 0xD9 typed as a second
// character. The font draws smooth + grave and rough + grave with the iota subscript with the
// glyphs of the acute forms, so they read back as those.
uint8_t CombineGraecaCodes(uint8_t code, uint8_t with) {
    if (with == 0xCD) {
        if (code >= 0xC0 && code <= 0xC4) {
            return static_cast<uint8_t>(code + 0x0E);
        }
        switch (code) {
        case 0xC5:
        case 0xC6:
            return 0xD3;
        case 0xC7:
        case 0xC8:
            return 0xD5;
        case 0xC9:
            return 0xD7;
        case 0xCA:
            return 0xD8;
        default:
            return code;
        }
    }
    if (with == 0xD9 && code >= 0xC0 && code <= 0xC2) {
        return static_cast<uint8_t>(code + 0x1A);
    }
    return code;
}

// GraecaII letters by Latin key, as internal letters.
constexpr char kGraecaLetters[] = "abwdevcgi?jklmophqstu?ynxf";
static_assert(sizeof(kGraecaLetters) == 27);

// The internal letter of a GraecaII key 'a'..'z' or 'A'..'Z' ('j', 'v', 'J', 'V' are no
// letters), 0 for other bytes.
uint8_t GraecaLetter(int b) {
    if (b >= 'a' && b <= 'z' && b != 'j' && b != 'v') {
        return static_cast<uint8_t>(kGraecaLetters[b - 'a']);
    }
    if (b >= 'A' && b <= 'Z' && b != 'J' && b != 'V') {
        return static_cast<uint8_t>(kGraecaLetters[b - 'A'] - 0x20);
    }
    return 0;
}

bool GraecaLetterTakesCode(uint8_t letter, uint8_t code) {
    switch (letter) {
    case 'a':
    case 'g':
    case 'y':
        return code >= 0xC0 && code <= 0xD8;
    case 'e':
    case 'o':
        return code >= 0xC0 && code <= 0xC8;
    case 'i':
    case 'u':
        return (code >= 0xC0 && code <= 0xCA) || (code >= 0xD9 && code <= 0xDC);
    case 'q':
        return code == 0xC3 || code == 0xC4;
    default:
        return false;
    }
}

// GraecaII glyphs of a breathing drawn before a capital.
uint8_t GraecaCapitalBreathing(int b) {
    switch (b) {
    case 0xC6:
        return 0xC3;
    case 0xC7:
        return 0xC9;
    case 0xC8:
        return 0xCA;
    case 0xD2:
    case 0xD4:
        return 0xC5;
    case 0xD3:
    case 0xD5:
        return 0xC7;
    case 0xEF:
        return 0xC4;
    default:
        return 0;
    }
}

enum class Form { Display, GreekCharset, Russian, Graeca, UnicodeGreek };

class TSearchTextReader {
public:
    TSearchTextReader(const TCharacterReader& reader, bool allowSpaces)
        : FReader(reader), FLength(reader.Length()), FAllowSpaces(allowSpaces) {}

    std::string Convert() {
        // The first character that is not a blank sets the font and the language of the word.
        // Tabs and line breaks before it are blanks too: a word copied from a table cell or a
        // line of its own arrives with them.
        int position = 0;
        TCharacterInfo first;
        for (; position < FLength; ++position) {
            first = FReader.Character(position);
            if (first.CodePoint == 0 || first.CodePoint > ' ') {
                break;
            }
        }
        if (position >= FLength) {
            return {};
        }
        FPosition = position;
        FWordFont = first.FontName;
        FWordCharset = first.Charset;
        SetCurrent(first);
        if (FCurrent == 0) {
            return {};
        }
        FForm = ChooseForm();
        FResult.push_back(static_cast<char>(FForm == Form::Russian ? ScriptRussian : ScriptGreek));
        switch (FForm) {
        case Form::Display:
            ReadDisplay();
            break;
        case Form::GreekCharset:
            ReadGreekCharset();
            break;
        case Form::Russian:
            ReadRussian();
            break;
        case Form::Graeca:
            ReadGraeca();
            break;
        case Form::UnicodeGreek:
            ReadUnicodeGreek();
            break;
        }
        return FResult;
    }

private:
    Form ChooseForm() const {
        if (FWordFont == GreekFontName) {
            return Form::Display;
        }
        if (IsStandardFont(FWordFont)) {
            if (FWordCharset == 161) {
                return Form::GreekCharset;
            }
            if (FWordCharset == 1 || FWordCharset == 204) {
                return Form::Russian;
            }
        }
        if (FWordFont == "GraecaII") {
            return Form::Graeca;
        }
        // Unicode text carries its script in every character, whatever font shows it.
        if (IsGreekScript(FCurrent)) {
            return Form::UnicodeGreek;
        }
        if (IsCyrillic(FCurrent)) {
            return Form::Russian;
        }
        throw EOrvelError("Orvel не работает со шрифтом " + FWordFont + " (" +
                          CharsetName(FWordCharset) + ")");
    }

    void SetCurrent(const TCharacterInfo& info) {
        FCurrentInfo = info;
        FCurrent = info.CodePoint < 0x20 ? 0 : info.CodePoint;
    }

    void Next() {
        ++FPosition;
        FCurrent = 0;
        if (FPosition >= FLength) {
            return;
        }
        TCharacterInfo info = FReader.Character(FPosition);
        if (info.CodePoint == 0) {
            return;
        }
        if (info.FontName != FWordFont) {
            throw TRtfToOrvelException(kMixedFonts, FPosition);
        }
        if (info.Charset != FWordCharset && ChecksCharset(info.CodePoint)) {
            throw TRtfToOrvelException(kMixedLanguages, FPosition);
        }
        SetCurrent(info);
    }

    // Steps back to the previous character, which was read and checked before.
    void Back() {
        --FPosition;
        SetCurrent(FPosition < FLength ? FReader.Character(FPosition) : TCharacterInfo{});
    }

    // Whether a character's charset must be the word's. A charset taken from the script of a
    // Unicode character tells nothing where the character itself shows its language.
    bool ChecksCharset(char32_t c) const {
        switch (FForm) {
        case Form::Display:
            return c <= 0xFF || !IsUnicodeGreekText(c);
        case Form::Graeca:
            return true;
        case Form::Russian:
            return !IsCyrillic(c) && !HasNoScript(c);
        case Form::GreekCharset:
        case Form::UnicodeGreek:
            return !IsUnicodeGreekText(c) && !HasNoScript(c);
        }
        return true;
    }

    void Append(uint8_t b) { FResult.push_back(static_cast<char>(b)); }
    void Append(const std::string& s) { FResult += s; }

    // A space, a search sign or nothing.
    bool AppendCommon(char32_t c) {
        if (c == ' ') {
            if (FAllowSpaces) {
                Append(' ');
            }
            return true;
        }
        if (IsSearchSign(c)) {
            Append(static_cast<uint8_t>(c));
            return true;
        }
        return false;
    }

    // A Unicode Greek letter and the combining marks after it.
    bool AppendUnicodeLetter() {
        const TGreekLetter letter = DecomposeGreekLetter(FCurrent);
        if (letter.Letter == 0) {
            return false;
        }
        TGreekMarks marks = letter.Marks;
        for (;;) {
            Next();
            if (FCurrent == 0 || !IsCombiningMark(FCurrent)) {
                Back();
                break;
            }
            marks |= GreekCombiningMark(FCurrent);
        }
        if (const uint8_t code = GreekDiacriticCode(letter.Letter, marks); code != 0) {
            Append(code);
        }
        Append(letter.Letter);
        return true;
    }

    void ReadDisplay() {
        for (; FCurrent != 0; Next()) {
            if (FCurrent > 0xFF) {
                // Greek typed with a system keyboard layout into the display font.
                if (!AppendUnicodeLetter() && IsElisionMark(FCurrent)) {
                    Append('z');
                }
                continue;
            }
            const auto b = static_cast<uint8_t>(FCurrent);
            if (AppendCommon(b) || b == '-') {
                continue;
            }
            if (IsCapitalPrefixGlyph(b)) {
                Next();
                if (FCurrent > 0xFF) {
                    Back(); // no glyph of the layout: it is read on its own
                } else {
                    Append(FontCapitalToInternal(b, static_cast<uint8_t>(FCurrent)));
                }
                continue;
            }
            Append(FontCharToInternal(b));
        }
    }

    void ReadGreekCharset() {
        for (; FCurrent != 0; Next()) {
            // Letters are read by their Unicode form, which also takes polytonic letters and
            // combining marks; on the letters of code page 1253 it gives the same codes.
            if (AppendUnicodeLetter() || AppendCommon(FCurrent)) {
                continue;
            }
            if (UnicodeToCharsetByte(FCurrent, FWordFont, 161) == 0x9F) {
                Append('U');
            }
        }
    }

    void ReadRussian() {
        for (; FCurrent != 0; Next()) {
            const auto byte = UnicodeToCp1251(FCurrent);
            const int b = byte ? *byte : -1;
            if (b >= 0xC0) {
                Append(static_cast<uint8_t>(b));
            } else if (b == 0xA8) {
                Append(0xC5); // Ё
            } else if (b == 0xB8) {
                Append(0xE5); // ё
            } else if (!AppendCommon(FCurrent) && b != '-') {
                return; // anything else ends the word
            }
        }
    }

    // The byte of the current character in its code page, -1 at the end or without one.
    int GraecaByte() const {
        if (FCurrent == 0) {
            return -1;
        }
        const auto b = UnicodeToCharsetByte(FCurrent, FCurrentInfo.FontName, FCurrentInfo.Charset);
        return b ? *b : -1;
    }

    // A lower-case letter and the diacritic characters typed after it (at most two).
    void AppendGraecaLetter(uint8_t letter) {
        uint8_t code = 0;
        Next();
        const uint8_t first = GraecaDiacritic(GraecaByte());
        if (first == 0) {
            Back();
        } else {
            Next();
            const uint8_t second = GraecaDiacritic(GraecaByte());
            if (second != 0 && (first == 0xCD || first == 0xD9)) {
                code = CombineGraecaCodes(second, first);
            } else if (second == 0xCD || second == 0xD9) {
                code = CombineGraecaCodes(first, second);
            } else {
                code = first;
                Back();
            }
        }
        if (code != 0 && GraecaLetterTakesCode(letter, code)) {
            Append(code);
        }
        Append(letter);
    }

    void AppendGraecaBreathingCapital(uint8_t code) {
        Next();
        const int next = GraecaByte();
        const uint8_t capital = next >= 'A' && next <= 'Z' ? GraecaLetter(next) : 0;
        if (capital == 0) {
            // The smooth breathing alone is the apostrophe; the character after it is read on
            // its own.
            if (code == 0xC3) {
                Append('z');
            }
            Back();
            return;
        }
        const bool takes = std::string_view("AEGIOUY").find(static_cast<char>(capital)) !=
                               std::string_view::npos ||
                           (capital == 'Q' && (code == 0xC3 || code == 0xC4));
        if (takes) {
            Append(code);
        }
        Append(capital);
    }

    void ReadGraeca() {
        for (; FCurrent != 0; Next()) {
            const int b = GraecaByte();
            if (const uint8_t letter = GraecaLetter(b); letter != 0) {
                if (b >= 'a') {
                    AppendGraecaLetter(letter);
                } else {
                    Append(letter);
                }
            } else if (const uint8_t code = GraecaCapitalBreathing(b); code != 0) {
                AppendGraecaBreathingCapital(code);
            } else if (b == '"' || b == '~' || b == 0xF5) {
                Append('r');
            } else if (b == 'V' || b == 0xBE) {
                Append('z');
            } else if (b == 0xBB) {
                Append('[');
            } else if (b == 0xBC) {
                Append(']');
            } else if (b == 0xF4) {
                Append('?');
            } else if (b == ' ' || b == '!' || b == '(' || b == ')' || b == '*') {
                AppendCommon(static_cast<char32_t>(b));
            }
        }
    }

    void ReadUnicodeGreek() {
        for (; FCurrent != 0; Next()) {
            if (AppendUnicodeLetter() || AppendCommon(FCurrent)) {
                continue;
            }
            if (IsElisionMark(FCurrent)) {
                Append('z');
            }
        }
    }

    const TCharacterReader& FReader;
    const int FLength;
    const bool FAllowSpaces;
    int FPosition = 0;
    char32_t FCurrent = 0; // 0 at the end
    TCharacterInfo FCurrentInfo;
    std::string FWordFont;
    uint8_t FWordCharset = 0;
    Form FForm = Form::Display;
    std::string FResult;
};

} // namespace

std::string CharsetName(uint8_t charset) {
    switch (charset) {
    case 0:
        return "ANSI";
    case 1:
        return "Default";
    case 2:
        return "Symbol";
    case 77:
        return "Mac";
    case 128:
        return "ShiftJIS";
    case 129:
    case 130:
        return "Hangeul";
    case 134:
    case 136:
        return "Chinese";
    case 161:
        return "Greek";
    case 162:
        return "Turkish";
    case 163:
        return "Vietnamese";
    case 177:
        return "Hebrew";
    case 178:
        return "Arabic";
    case 186:
        return "Baltic";
    case 204:
        return "Russian";
    case 222:
        return "Thai";
    case 238:
        return "East Europe";
    case 255:
        return "OEM";
    default:
        return "Unknown";
    }
}

std::string RichTextToInternal(const TCharacterReader& reader, bool allowSpaces) {
    return TSearchTextReader(reader, allowSpaces).Convert();
}

} // namespace orvel
