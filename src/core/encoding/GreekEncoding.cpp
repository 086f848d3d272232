#include "core/encoding/GreekEncoding.h"

#include <array>

namespace orvel {
namespace {

// Up to two bytes of a conversion result, kept in the tables so that a lookup allocates nothing.
struct Bytes {
    uint8_t size = 0;
    uint8_t bytes[2] = {0, 0};
};

constexpr Bytes One(uint8_t a) {
    return Bytes{1, {a, 0}};
}
constexpr Bytes Two(uint8_t a, uint8_t b) {
    return Bytes{2, {a, b}};
}

void Append(std::string& out, const Bytes& b) {
    out.append(reinterpret_cast<const char*>(b.bytes), b.size);
}

std::string ToString(const Bytes& b) {
    return std::string(reinterpret_cast<const char*>(b.bytes), b.size);
}

// Display glyphs of the internal letters 'a'..'z' and of the capitals 'A'..'Y'. The capital
// final sigma 'R' has no glyph at all (0 here).
constexpr char kLowerGlyphs[] = "abgdezhqiklmnxopr~stufcyw`";
constexpr char kCapitalGlyphs[] = "ABGDEZHQIKLMNXOPR\0STUFCYW";
static_assert(sizeof(kLowerGlyphs) == 27 && sizeof(kCapitalGlyphs) == 26);

constexpr bool IsLower(uint8_t b) {
    return b >= 'a' && b <= 'z';
}
constexpr bool IsCapital(uint8_t b) {
    return b >= 'A' && b <= 'Y';
}

constexpr uint8_t BareGlyph(uint8_t letter) {
    if (IsLower(letter)) {
        return static_cast<uint8_t>(kLowerGlyphs[letter - 'a']);
    }
    if (IsCapital(letter)) {
        return static_cast<uint8_t>(kCapitalGlyphs[letter - 'A']);
    }
    return 0;
}

constexpr int kCodeCount = kDiacriticLast - kDiacriticFirst + 1;

// The letters that have glyphs of their own with diacritics: α ε η ι ο υ ω ρ.
constexpr char kVowelLetters[] = "aegiouyq";
constexpr int kVowelCount = 8;

constexpr int VowelColumn(uint8_t letter) {
    for (int c = 0; c < kVowelCount; ++c) {
        if (kVowelLetters[c] == letter) {
            return c;
        }
    }
    return -1;
}

// Glyph of each vowel with each diacritic code, rows 0xC0..0xDC, columns as kVowelLetters.
// 0 means the letter does not take the code and is shown bare. A cell that holds the bare
// letter's own glyph is a code the font has no separate glyph for; it reads back as the bare
// letter. Some glyphs serve two codes (0xD3/0xD4, 0xD5/0xD6, and 0xD9/0xDC on υ).
constexpr uint8_t kVowelGlyphs[kCodeCount][kVowelCount] = {
    // α     ε     η     ι     ο     υ     ω     ρ
    {0x3D, 0x31, 0x2F, 0x6A, 0x33, 0x76, 0x39, 0x00}, // C0 acute
    {0x2B, 0x32, 0x5C, 0x4A, 0x34, 0x56, 0xE4, 0x00}, // C1 grave
    {0xC0, 0x65, 0x7C, 0x5F, 0x6F, 0x24, 0x5E, 0x00}, // C2 circumflex
    {0x23, 0x36, 0xD2, 0x3E, 0xA5, 0x38, 0xE5, 0x00}, // C3 smooth
    {0xC1, 0x35, 0xD3, 0x3C, 0xA6, 0x37, 0xE6, 0x40}, // C4 rough
    {0xC2, 0xA1, 0xD4, 0xF6, 0xA7, 0xB0, 0xE7, 0x00}, // C5 smooth acute
    {0xC3, 0xA2, 0xD5, 0xF7, 0xA8, 0xB1, 0xE8, 0x00}, // C6 smooth grave
    {0xC4, 0xA3, 0xD6, 0xF8, 0xA9, 0xB2, 0xE9, 0x00}, // C7 rough acute
    {0xC5, 0xA4, 0xD7, 0xF9, 0xAA, 0xB3, 0xEA, 0x00}, // C8 rough grave
    {0xC6, 0x00, 0xD8, 0xFA, 0x00, 0xB4, 0xEB, 0x00}, // C9 smooth circumflex
    {0xC7, 0x00, 0xD9, 0xFB, 0x00, 0xB5, 0xEC, 0x00}, // CA rough circumflex
    {0xAC, 0x00, 0x68, 0xAE, 0x00, 0xAF, 0x77, 0x00}, // CB length mark
    {0xBC, 0x00, 0x68, 0xBE, 0x00, 0xBF, 0x77, 0x00}, // CC length mark
    {0xC8, 0x00, 0xDA, 0x69, 0x00, 0x75, 0x30, 0x00}, // CD iota subscript
    {0xC9, 0x00, 0xDB, 0x69, 0x00, 0x75, 0xED, 0x00}, // CE acute + isub
    {0xCA, 0x00, 0xDC, 0x69, 0x00, 0x75, 0xEE, 0x00}, // CF grave + isub
    {0xCB, 0x00, 0xDD, 0x69, 0x00, 0x75, 0xEF, 0x00}, // D0 circumflex + isub
    {0xCC, 0x00, 0xDE, 0x69, 0x00, 0x75, 0xF0, 0x00}, // D1 smooth + isub
    {0xCD, 0x00, 0xDF, 0x69, 0x00, 0x75, 0xF1, 0x00}, // D2 rough + isub
    {0xCE, 0x00, 0xE0, 0x69, 0x00, 0x75, 0xF2, 0x00}, // D3 smooth acute + isub
    {0xCE, 0x00, 0xE0, 0x69, 0x00, 0x75, 0xF2, 0x00}, // D4 smooth grave + isub
    {0xCF, 0x00, 0xE1, 0x69, 0x00, 0x75, 0xF3, 0x00}, // D5 rough acute + isub
    {0xCF, 0x00, 0xE1, 0x69, 0x00, 0x75, 0xF3, 0x00}, // D6 rough grave + isub
    {0xD0, 0x00, 0xE2, 0x69, 0x00, 0x75, 0xF4, 0x00}, // D7 smooth circumflex + isub
    {0xD1, 0x00, 0xE3, 0x69, 0x00, 0x75, 0xF5, 0x00}, // D8 rough circumflex + isub
    {0x00, 0x00, 0x00, 0xFC, 0x00, 0xB8, 0x00, 0x00}, // D9 diaeresis
    {0x00, 0x00, 0x00, 0xFD, 0x00, 0xB9, 0x00, 0x00}, // DA diaeresis + acute
    {0x00, 0x00, 0x00, 0xFE, 0x00, 0xBA, 0x00, 0x00}, // DB diaeresis + grave
    {0x00, 0x00, 0x00, 0xFF, 0x00, 0xB8, 0x00, 0x00}, // DC diaeresis + circumflex
};

// A capital with a breathing is drawn as a prefix glyph and the capital. Only these codes have a
// prefix glyph; a capital with any other code is shown bare.
struct CapitalPrefix {
    uint8_t code;
    uint8_t glyph;
};
constexpr CapitalPrefix kCapitalPrefixes[] = {
    {0xC3, 0x7D}, // }  smooth
    {0xC4, 0x7B}, // {  rough
    {0xC5, 0x26}, // &  smooth acute
    {0xC7, 0x25}, // %  rough acute
    {0xC9, 0x27}, // '  smooth circumflex
    {0xCA, 0x22}, // "  rough circumflex
};

constexpr uint8_t PrefixGlyphOfCode(uint8_t code) {
    for (const auto& p : kCapitalPrefixes) {
        if (p.code == code) {
            return p.glyph;
        }
    }
    return 0;
}

constexpr uint8_t CodeOfPrefixGlyph(uint8_t glyph) {
    for (const auto& p : kCapitalPrefixes) {
        if (p.glyph == glyph) {
            return p.code;
        }
    }
    return 0;
}

// Row 0 is "no diacritic"; rows 1..29 are the codes 0xC0..0xDC.
constexpr int CodeRow(uint8_t diacritic) {
    return IsDiacriticCode(diacritic) ? diacritic - kDiacriticFirst + 1 : 0;
}

constexpr Bytes LetterToFont(uint8_t diacritic, uint8_t letter) {
    if (letter == 0x20) {
        return One(0x20);
    }
    const uint8_t bare = BareGlyph(letter);
    if (bare == 0) {
        return {};
    }
    if (IsCapital(letter)) {
        const uint8_t prefix = PrefixGlyphOfCode(diacritic);
        return prefix != 0 ? Two(prefix, bare) : One(bare);
    }
    const int column = VowelColumn(letter);
    if (column >= 0 && IsDiacriticCode(diacritic)) {
        const uint8_t glyph = kVowelGlyphs[diacritic - kDiacriticFirst][column];
        if (glyph != 0) {
            return One(glyph);
        }
    }
    return One(bare);
}

// Display form of every (code row, letter) pair; letters are below 0x80.
using ForwardTable = std::array<std::array<Bytes, 128>, kCodeCount + 1>;

constexpr ForwardTable MakeForwardTable() {
    ForwardTable table{};
    for (int row = 0; row <= kCodeCount; ++row) {
        const uint8_t code = row == 0 ? 0 : static_cast<uint8_t>(kDiacriticFirst + row - 1);
        for (int letter = 0; letter < 128; ++letter) {
            table[row][letter] = LetterToFont(code, static_cast<uint8_t>(letter));
        }
    }
    return table;
}

constexpr ForwardTable kForward = MakeForwardTable();

// Inverse of the glyph tables. Codes are visited in ascending order so that a glyph shared by two
// codes reads back as the lower one; cells holding the bare letter's glyph are left to the bare
// letter.
using ReverseTable = std::array<Bytes, 256>;

constexpr ReverseTable MakeReverseTable() {
    ReverseTable table{};
    for (int row = 0; row < kCodeCount; ++row) {
        for (int column = 0; column < kVowelCount; ++column) {
            const uint8_t glyph = kVowelGlyphs[row][column];
            const auto letter = static_cast<uint8_t>(kVowelLetters[column]);
            if (glyph != 0 && glyph != BareGlyph(letter) && table[glyph].size == 0) {
                table[glyph] = Two(static_cast<uint8_t>(kDiacriticFirst + row), letter);
            }
        }
    }
    for (int letter = 'A'; letter <= 'z'; ++letter) {
        const uint8_t glyph = BareGlyph(static_cast<uint8_t>(letter));
        if (glyph != 0) {
            table[glyph] = One(static_cast<uint8_t>(letter));
        }
    }
    return table;
}

constexpr ReverseTable kReverse = MakeReverseTable();

constexpr int CountEntries(const ReverseTable& table) {
    int n = 0;
    for (const auto& entry : table) {
        n += entry.size != 0 ? 1 : 0;
    }
    return n;
}

// 50 bare letters and 115 combined glyphs, all on distinct bytes: a bare letter overwriting a
// combined glyph would show up here as a smaller count.
static_assert(CountEntries(kReverse) == 165);

Bytes CapitalToInternal(uint8_t prefix, uint8_t next) {
    const uint8_t code = CodeOfPrefixGlyph(prefix);
    if (code == 0) {
        return {};
    }
    switch (next) {
    case 'A':
    case 'I':
    case 'U':
        return Two(code, next);
    case 'H':
        return Two(code, 'G');
    case 'W':
        return Two(code, 'Y');
    case 'E':
    case 'O':
        // Ε and Ο take no circumflex: the breathing with the circumflex is dropped.
        return code <= 0xC8 ? Two(code, next) : One(next);
    case 'R':
        return code == 0xC4 ? Two(code, 'Q') : One('Q');
    default:
        return {};
    }
}

bool KeptInFontWord(uint8_t b) {
    switch (b) {
    case ' ':
    case '!':
    case '(':
    case ')':
    case '*':
    case '-':
    case '?':
    case '[':
    case ']':
        return true;
    default:
        return false;
    }
}

} // namespace

std::string GreekLetterToFont(uint8_t diacritic, uint8_t letter) {
    if (letter >= 0x80) {
        return {};
    }
    return ToString(kForward[CodeRow(diacritic)][letter]);
}

size_t GreekLetterToFont(uint8_t diacritic, uint8_t letter, uint8_t* glyphs) {
    if (letter >= 0x80) {
        return 0;
    }
    const Bytes& b = kForward[CodeRow(diacritic)][letter];
    glyphs[0] = b.bytes[0];
    glyphs[1] = b.bytes[1];
    return b.size;
}

std::string InternalToFontWord(std::string_view internal) {
    std::string out;
    out.reserve(internal.size() * 2);
    uint8_t pending = 0;
    for (const char ch : internal) {
        const auto b = static_cast<uint8_t>(ch);
        if (IsLower(b) || IsCapital(b)) {
            Append(out, kForward[CodeRow(pending)][b]);
            pending = 0;
        } else if (IsDiacriticCode(b) && !IsLengthMarkCode(b)) {
            pending = b;
        } else if (b == '_') {
            out.push_back(' ');
            pending = 0;
        }
        // Anything else, the vowel-length marks included, is not shown in word lists.
    }
    return out;
}

std::string FontCharToInternal(uint8_t glyph) {
    return ToString(kReverse[glyph]);
}

bool IsCapitalPrefixGlyph(uint8_t glyph) {
    return CodeOfPrefixGlyph(glyph) != 0;
}

std::string FontCapitalToInternal(uint8_t prefix, uint8_t next) {
    return ToString(CapitalToInternal(prefix, next));
}

std::string FontWordToInternal(std::string_view display) {
    std::string out;
    out.reserve(display.size() * 2);
    const size_t n = display.size();
    for (size_t i = 0; i < n; ++i) {
        const auto b = static_cast<uint8_t>(display[i]);
        if (KeptInFontWord(b)) {
            out.push_back(static_cast<char>(b));
        } else if (IsCapitalPrefixGlyph(b)) {
            // A prefix glyph and the glyph after it form one capital; the pair is consumed
            // whole, and gives nothing when it is not a capital with that breathing.
            const uint8_t next = i + 1 < n ? static_cast<uint8_t>(display[i + 1]) : 0;
            Append(out, CapitalToInternal(b, next));
            if (i + 1 < n)
                ++i;
        } else {
            Append(out, kReverse[b]);
        }
    }
    return out;
}

} // namespace orvel
