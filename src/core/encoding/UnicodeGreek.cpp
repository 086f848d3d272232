#include "core/encoding/UnicodeGreek.h"

#include "core/encoding/GreekEncoding.h"
#include "core/encoding/Utf8.h"

#include <array>

namespace orvel {
namespace {

constexpr TGreekMarks A = GreekAcute, G = GreekGrave, C = GreekCircumflex, S = GreekSmooth,
                      R = GreekRough, Y = GreekIotaSubscript, D = GreekDiaeresis, M = GreekMacron,
                      B = GreekBreve;

// The mark set of each diacritic code 0xC0..0xDC.
constexpr TGreekMarks kCodeMarks[] = {
    A,         G,         C,         S,         R,         S | A, S | G, R | A, R | G, S | C,
    R | C,     M,         B,         Y,         A | Y,     G | Y, C | Y, S | Y, R | Y, S | A | Y,
    S | G | Y, R | A | Y, R | G | Y, S | C | Y, R | C | Y, D,     D | A, D | G, D | C,
};
static_assert(std::size(kCodeMarks) == kDiacriticLast - kDiacriticFirst + 1);

constexpr uint8_t CodeOfMarks(TGreekMarks marks) {
    for (size_t i = 0; i < std::size(kCodeMarks); ++i) {
        if (kCodeMarks[i] == marks) {
            return static_cast<uint8_t>(kDiacriticFirst + i);
        }
    }
    return 0;
}

// Full canonical decomposition of one character: internal letter and marks. Composes is false
// for the characters that NFC never produces (oxia forms, whose decomposition is the tonos form,
// and the letter-like variants), so that the reverse picks the NFC character.
struct Decomposition {
    uint8_t Letter = 0;
    TGreekMarks Marks = 0;
    bool Composes = false;
};

struct Single {
    char32_t Code;
    uint8_t Letter;
    TGreekMarks Marks;
    bool Composes;
};

constexpr Single kSingles[] = {
    // Greek and Coptic: tonos and dialytika forms.
    {0x0386, 'A', A, true},
    {0x0388, 'E', A, true},
    {0x0389, 'G', A, true},
    {0x038A, 'I', A, true},
    {0x038C, 'O', A, true},
    {0x038E, 'U', A, true},
    {0x038F, 'Y', A, true},
    {0x0390, 'i', D | A, true},
    {0x03AA, 'I', D, true},
    {0x03AB, 'U', D, true},
    {0x03AC, 'a', A, true},
    {0x03AD, 'e', A, true},
    {0x03AE, 'g', A, true},
    {0x03AF, 'i', A, true},
    {0x03B0, 'u', D | A, true},
    {0x03CA, 'i', D, true},
    {0x03CB, 'u', D, true},
    {0x03CC, 'o', A, true},
    {0x03CD, 'u', A, true},
    {0x03CE, 'y', A, true},
    // Letter-like variants read as their ordinary letters.
    {0x03D0, 'b', 0, false},
    {0x03D1, 'h', 0, false},
    {0x03D2, 'U', 0, false},
    {0x03D3, 'U', A, false},
    {0x03D4, 'U', D, false},
    {0x03D5, 'v', 0, false},
    {0x03D6, 'p', 0, false},
    {0x03F0, 'j', 0, false},
    {0x03F1, 'q', 0, false},
    {0x03F2, 's', 0, false},
    {0x03F4, 'H', 0, false},
    {0x03F5, 'e', 0, false},
    {0x03F9, 'S', 0, false},
    // Greek Extended outside the breathing runs.
    {0x1F59, 'U', R, true},
    {0x1F5B, 'U', R | G, true},
    {0x1F5D, 'U', R | A, true},
    {0x1F5F, 'U', R | C, true},
    {0x1FB0, 'a', B, true},
    {0x1FB1, 'a', M, true},
    {0x1FB2, 'a', G | Y, true},
    {0x1FB3, 'a', Y, true},
    {0x1FB4, 'a', A | Y, true},
    {0x1FB6, 'a', C, true},
    {0x1FB7, 'a', C | Y, true},
    {0x1FB8, 'A', B, true},
    {0x1FB9, 'A', M, true},
    {0x1FBA, 'A', G, true},
    {0x1FBB, 'A', A, false},
    {0x1FBC, 'A', Y, true},
    {0x1FBE, 'i', 0, false}, // prosgegrammeni is canonically iota
    {0x1FC2, 'g', G | Y, true},
    {0x1FC3, 'g', Y, true},
    {0x1FC4, 'g', A | Y, true},
    {0x1FC6, 'g', C, true},
    {0x1FC7, 'g', C | Y, true},
    {0x1FC8, 'E', G, true},
    {0x1FC9, 'E', A, false},
    {0x1FCA, 'G', G, true},
    {0x1FCB, 'G', A, false},
    {0x1FCC, 'G', Y, true},
    {0x1FD0, 'i', B, true},
    {0x1FD1, 'i', M, true},
    {0x1FD2, 'i', D | G, true},
    {0x1FD3, 'i', D | A, false},
    {0x1FD6, 'i', C, true},
    {0x1FD7, 'i', D | C, true},
    {0x1FD8, 'I', B, true},
    {0x1FD9, 'I', M, true},
    {0x1FDA, 'I', G, true},
    {0x1FDB, 'I', A, false},
    {0x1FE0, 'u', B, true},
    {0x1FE1, 'u', M, true},
    {0x1FE2, 'u', D | G, true},
    {0x1FE3, 'u', D | A, false},
    {0x1FE4, 'q', S, true},
    {0x1FE5, 'q', R, true},
    {0x1FE6, 'u', C, true},
    {0x1FE7, 'u', D | C, true},
    {0x1FE8, 'U', B, true},
    {0x1FE9, 'U', M, true},
    {0x1FEA, 'U', G, true},
    {0x1FEB, 'U', A, false},
    {0x1FEC, 'Q', R, true},
    {0x1FF2, 'y', G | Y, true},
    {0x1FF3, 'y', Y, true},
    {0x1FF4, 'y', A | Y, true},
    {0x1FF6, 'y', C, true},
    {0x1FF7, 'y', C | Y, true},
    {0x1FF8, 'O', G, true},
    {0x1FF9, 'O', A, false},
    {0x1FFA, 'Y', G, true},
    {0x1FFB, 'Y', A, false},
    {0x1FFC, 'Y', Y, true},
};

// Greek Extended runs of a letter with breathings, in the fixed order below; ε and ο have the
// first six only. The runs from U+1F80 add the iota subscript.
constexpr TGreekMarks kBreathingRun[] = {S, R, S | G, R | G, S | A, R | A, S | C, R | C};

struct Run {
    char32_t First;
    uint8_t Letter;
    TGreekMarks Extra;
    uint8_t Count;
};

constexpr Run kRuns[] = {
    {0x1F00, 'a', 0, 8}, {0x1F08, 'A', 0, 8}, {0x1F10, 'e', 0, 6}, {0x1F18, 'E', 0, 6},
    {0x1F20, 'g', 0, 8}, {0x1F28, 'G', 0, 8}, {0x1F30, 'i', 0, 8}, {0x1F38, 'I', 0, 8},
    {0x1F40, 'o', 0, 6}, {0x1F48, 'O', 0, 6}, {0x1F50, 'u', 0, 8}, {0x1F60, 'y', 0, 8},
    {0x1F68, 'Y', 0, 8}, {0x1F80, 'a', Y, 8}, {0x1F88, 'A', Y, 8}, {0x1F90, 'g', Y, 8},
    {0x1F98, 'G', Y, 8}, {0x1FA0, 'y', Y, 8}, {0x1FA8, 'Y', Y, 8},
};

// U+1F70..U+1F7D: each of α ε η ι ο υ ω with varia, then with oxia (the oxia forms decompose to
// the tonos forms).
constexpr char kVariaOxiaLetters[] = "aegiouy";

constexpr char32_t kBlockFirst = 0x0370;
constexpr char32_t kExtendedFirst = 0x1F00;

struct DecompositionTables {
    std::array<Decomposition, 0x90> Block{};
    std::array<Decomposition, 0x100> Extended{};

    constexpr Decomposition& At(char32_t c) {
        return c < kExtendedFirst ? Block[c - kBlockFirst] : Extended[c - kExtendedFirst];
    }
};

// The code points of the bare internal letters: 'a'..'y' run with α..ω (ς at 'r'), 'A'..'Y'
// with Α..Ω (the gap U+03A2 at 'R').
constexpr char32_t LetterCodePoint(uint8_t letter) {
    if (letter >= 'a' && letter <= 'y') {
        return 0x03B1 + (letter - 'a');
    }
    if (letter >= 'A' && letter <= 'Y' && letter != 'R') {
        return 0x0391 + (letter - 'A');
    }
    return 0;
}

constexpr DecompositionTables MakeDecompositionTables() {
    DecompositionTables t;
    for (uint8_t letter = 'A'; letter <= 'y'; ++letter) {
        if (const char32_t c = LetterCodePoint(letter); c != 0) {
            t.At(c) = {letter, 0, true};
        }
    }
    for (const Single& s : kSingles) {
        t.At(s.Code) = {s.Letter, s.Marks, s.Composes};
    }
    for (const Run& run : kRuns) {
        for (int i = 0; i < run.Count; ++i) {
            t.At(run.First + i) = {run.Letter,
                                   static_cast<TGreekMarks>(kBreathingRun[i] | run.Extra), true};
        }
    }
    for (int i = 0; i < 7; ++i) {
        const auto letter = static_cast<uint8_t>(kVariaOxiaLetters[i]);
        t.At(0x1F70 + 2 * i) = {letter, G, true};
        t.At(0x1F71 + 2 * i) = {letter, A, false};
    }
    return t;
}

constexpr DecompositionTables kDecompositions = MakeDecompositionTables();

// The NFC character of each (code, letter): row 0 the bare letter, rows 1..29 the codes
// 0xC0..0xDC; columns 'A'..'z'. 0 where Unicode has no precomposed character.
constexpr int kCodeRows = kDiacriticLast - kDiacriticFirst + 2;
constexpr int kLetterColumns = 'z' - 'A' + 1;
using CompositionTable = std::array<std::array<char32_t, kLetterColumns>, kCodeRows>;

constexpr void AddCompositions(CompositionTable& table, const auto& entries, char32_t first) {
    for (size_t i = 0; i < entries.size(); ++i) {
        const Decomposition& d = entries[i];
        if (d.Letter == 0 || !d.Composes) {
            continue;
        }
        const uint8_t code = CodeOfMarks(d.Marks);
        if (d.Marks != 0 && code == 0) {
            continue;
        }
        const int row = code == 0 ? 0 : code - kDiacriticFirst + 1;
        table[row][d.Letter - 'A'] = first + static_cast<char32_t>(i);
    }
}

constexpr CompositionTable MakeCompositionTable() {
    CompositionTable table{};
    AddCompositions(table, kDecompositions.Block, kBlockFirst);
    AddCompositions(table, kDecompositions.Extended, kExtendedFirst);
    return table;
}

constexpr CompositionTable kCompositions = MakeCompositionTable();

constexpr bool InRange(uint8_t b, int first, int last) {
    return b >= first && b <= last;
}

// One breathing, one accent and one length mark at most.
constexpr TGreekMarks SingleMarks(TGreekMarks marks) {
    if ((marks & R) != 0) {
        marks &= ~S;
    }
    if ((marks & C) != 0) {
        marks &= ~(A | G);
    } else if ((marks & A) != 0) {
        marks &= ~G;
    }
    if ((marks & M) != 0) {
        marks &= ~B;
    }
    return marks;
}

// Combining marks in canonical order, for the letters Unicode has no precomposed character for.
void AppendCombiningMarks(std::string& out, TGreekMarks marks) {
    constexpr struct {
        TGreekMarks Mark;
        char32_t Combining;
    } kOrder[] = {{S, 0x0313}, {R, 0x0314}, {D, 0x0308}, {A, 0x0301}, {G, 0x0300},
                  {C, 0x0342}, {M, 0x0304}, {B, 0x0306}, {Y, 0x0345}};
    for (const auto& m : kOrder) {
        if ((marks & m.Mark) != 0) {
            AppendUtf8(out, m.Combining);
        }
    }
}

} // namespace

TGreekMarks GreekCombiningMark(char32_t c) {
    switch (c) {
    case 0x0301:
    case 0x0341:
        return A;
    case 0x0300:
    case 0x0340:
        return G;
    case 0x0342:
    case 0x0302:
    case 0x0303:
    case 0x0311:
        return C;
    case 0x0313:
    case 0x0343:
        return S;
    case 0x0314:
        return R;
    case 0x0345:
        return Y;
    case 0x0308:
        return D;
    case 0x0344:
        return D | A;
    case 0x0304:
        return M;
    case 0x0306:
        return B;
    default:
        return 0;
    }
}

TGreekLetter DecomposeGreekLetter(char32_t c) {
    Decomposition d;
    if (c >= kBlockFirst && c < kBlockFirst + kDecompositions.Block.size()) {
        d = kDecompositions.Block[c - kBlockFirst];
    } else if (c >= kExtendedFirst && c < kExtendedFirst + kDecompositions.Extended.size()) {
        d = kDecompositions.Extended[c - kExtendedFirst];
    } else if (c == 0x00B5) {
        d.Letter = 'l'; // micro sign, the μ of Windows code pages
    }
    return {d.Letter, d.Marks};
}

bool GreekLetterTakesCode(uint8_t letter, uint8_t code) {
    switch (letter) {
    case 'a':
        return InRange(code, 0xC0, 0xD8);
    case 'e':
    case 'o':
        return InRange(code, 0xC0, 0xC8) && code != 0xC2;
    case 'g':
    case 'y':
        return InRange(code, 0xC0, 0xCA) || InRange(code, 0xCD, 0xD8);
    case 'i':
    case 'u':
        return InRange(code, 0xC0, 0xCC) || InRange(code, 0xD9, 0xDC);
    case 'q':
    case 'Q':
        return code == 0xC4;
    case 'A':
    case 'G':
    case 'I':
    case 'U':
    case 'Y':
        return code == 0xC3 || code == 0xC4 || code == 0xC5 || code == 0xC7 || code == 0xC9 ||
               code == 0xCA;
    case 'E':
    case 'O':
        return code == 0xC3 || code == 0xC4 || code == 0xC5 || code == 0xC7;
    default:
        return false;
    }
}

uint8_t GreekDiacriticCode(uint8_t letter, TGreekMarks marks) {
    constexpr TGreekMarks kDropOrder[] = {M | B, D, Y, A | G | C, S | R};
    marks = SingleMarks(marks);
    for (const TGreekMarks drop : kDropOrder) {
        if (marks == 0) {
            return 0;
        }
        const uint8_t code = CodeOfMarks(marks);
        if (code != 0 && GreekLetterTakesCode(letter, code)) {
            return code;
        }
        marks &= static_cast<TGreekMarks>(~drop);
    }
    return 0;
}

std::string Utf8GreekToInternal(std::string_view utf8) {
    const std::u32string text = DecodeUtf8(utf8);
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        const TGreekLetter letter = DecomposeGreekLetter(c);
        if (letter.Letter != 0) {
            TGreekMarks marks = letter.Marks;
            while (i + 1 < text.size() && IsCombiningMark(text[i + 1])) {
                marks |= GreekCombiningMark(text[++i]);
            }
            if (const uint8_t code = GreekDiacriticCode(letter.Letter, marks); code != 0) {
                out.push_back(static_cast<char>(code));
            }
            out.push_back(static_cast<char>(letter.Letter));
        } else if (IsElisionMark(c)) {
            out.push_back('z');
        } else if (c >= 0x20 && c < 0x7F && !((c | 0x20) >= 'a' && (c | 0x20) <= 'z')) {
            out.push_back(static_cast<char>(c));
        }
    }
    return out;
}

std::string InternalToUnicode(std::string_view internal) {
    std::string out;
    out.reserve(internal.size() * 2);
    uint8_t pending = 0;
    for (const char ch : internal) {
        const auto b = static_cast<uint8_t>(ch);
        if (IsDiacriticCode(b)) {
            pending = b; // a later code replaces an earlier one
            continue;
        }
        const uint8_t code = GreekLetterTakesCode(b, pending) ? pending : 0;
        pending = 0;
        if (b == 'z') {
            AppendUtf8(out, 0x2019);
        } else if (b == 'R') {
            AppendUtf8(out, 0x03A3);
        } else if (const char32_t base = LetterCodePoint(b); base != 0) {
            const int row = code == 0 ? 0 : code - kDiacriticFirst + 1;
            if (const char32_t composed = kCompositions[row][b - 'A']; composed != 0) {
                AppendUtf8(out, composed);
            } else {
                AppendUtf8(out, base);
                AppendCombiningMarks(out, kCodeMarks[code - kDiacriticFirst]);
            }
        } else if (b == '_') {
            out.push_back(' ');
        } else if (b >= 0x20 && b < 0x7F && b != 'Z') {
            out.push_back(static_cast<char>(b));
        }
    }
    return out;
}

} // namespace orvel
