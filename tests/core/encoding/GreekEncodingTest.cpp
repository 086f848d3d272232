#include "core/encoding/GreekEncoding.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace orvel {
namespace {

std::string Bytes(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes) {
        s.push_back(static_cast<char>(b));
    }
    return s;
}

std::vector<uint8_t> AllCodes() {
    std::vector<uint8_t> codes{0};
    for (int d = 0xC0; d <= 0xDC; ++d) {
        codes.push_back(static_cast<uint8_t>(d));
    }
    return codes;
}

bool InRange(uint8_t d, int first, int last) {
    return d >= first && d <= last;
}

// What a letter with a code reads back as after display, from the rules of the language rather
// than from the glyph tables: the code when the letter takes it (shared glyphs read back as the
// lower code), otherwise the bare letter.
std::string ExpectedRoundTrip(uint8_t d, char l) {
    const std::string bare(1, l);
    if (l == 'R') {
        return "";
    }
    bool takes = false;
    switch (l) {
    case 'a':
        takes = InRange(d, 0xC0, 0xD8);
        break;
    case 'e':
    case 'o':
        takes = InRange(d, 0xC0, 0xC8) && d != 0xC2;
        break;
    case 'g':
    case 'y':
        takes = InRange(d, 0xC0, 0xCA) || InRange(d, 0xCD, 0xD8);
        break;
    case 'i':
    case 'u':
        takes = InRange(d, 0xC0, 0xCC) || InRange(d, 0xD9, 0xDC);
        break;
    case 'q':
    case 'Q':
        takes = d == 0xC4;
        break;
    case 'A':
    case 'G':
    case 'I':
    case 'U':
    case 'Y':
        takes = d == 0xC3 || d == 0xC4 || d == 0xC5 || d == 0xC7 || d == 0xC9 || d == 0xCA;
        break;
    case 'E':
    case 'O':
        takes = d == 0xC3 || d == 0xC4 || d == 0xC5 || d == 0xC7;
        break;
    default:
        break;
    }
    const bool prefixCode =
        d == 0xC3 || d == 0xC4 || d == 0xC5 || d == 0xC7 || d == 0xC9 || d == 0xCA;
    if (!takes && prefixCode && l >= 'B' && l <= 'Y' &&
        std::string("EGIOQUY").find(l) == std::string::npos) {
        // A breathing on a capital consonant is drawn as a prefix glyph, and a prefix before a
        // consonant reads back as nothing.
        return "";
    }
    if (!takes) {
        return bare;
    }
    if (d == 0xD4 || d == 0xD6) {
        --d;
    }
    if (d == 0xDC && l == 'u') {
        d = 0xD9;
    }
    return Bytes({d}) + bare;
}

class GreekLetterRoundTrip : public ::testing::TestWithParam<char> {};

TEST_P(GreekLetterRoundTrip, EveryCodeReadsBackAsTheLetterTakesIt) {
    const char l = GetParam();
    for (uint8_t d : AllCodes()) {
        const std::string shown = GreekLetterToFont(d, static_cast<uint8_t>(l));
        EXPECT_EQ(FontWordToInternal(shown), ExpectedRoundTrip(d, l))
            << "code 0x" << std::hex << int(d) << " letter " << l;
        // Head words show the same glyphs, length marks aside.
        if (d != 0xCB && d != 0xCC) {
            EXPECT_EQ(InternalToFontWord(Bytes({d, l})), shown);
        }
    }
}

std::vector<char> AllLetters() {
    std::vector<char> letters;
    for (char c = 'a'; c <= 'z'; ++c) {
        letters.push_back(c);
    }
    for (char c = 'A'; c <= 'Y'; ++c) {
        letters.push_back(c);
    }
    return letters;
}

INSTANTIATE_TEST_SUITE_P(Greek, GreekLetterRoundTrip, ::testing::ValuesIn(AllLetters()),
                         [](const auto& info) {
                             const char c = info.param;
                             return std::string(c >= 'a' ? "lower_" : "capital_") + c;
                         });

TEST(GreekEncodingTables, BareLettersFollowTheDisplayLayout) {
    EXPECT_EQ(InternalToFontWord("abcdefghijklmnopqrstuvwxyz"), "abgdezhqiklmnxopr~stufcyw`");
    EXPECT_EQ(InternalToFontWord("ABCDEFGHIJKLMNOPQRSTUVWXY"), "ABGDEZHQIKLMNXOPRSTUFCYW");
}

TEST(GreekEncodingTables, ReverseTableHas50BareLettersAnd115CombinedGlyphs) {
    int bare = 0;
    int combined = 0;
    for (int g = 0; g < 256; ++g) {
        const std::string internal = FontCharToInternal(static_cast<uint8_t>(g));
        if (internal.size() == 1) {
            ++bare;
        } else if (internal.size() == 2) {
            ++combined;
            EXPECT_TRUE(IsDiacriticCode(static_cast<uint8_t>(internal[0])));
        }
    }
    EXPECT_EQ(bare, 50);
    EXPECT_EQ(combined, 115);
}

TEST(GreekEncodingTables, OnlyTheDocumentedCodesShareAGlyph) {
    std::map<std::string, std::set<std::pair<int, char>>> producers;
    for (char l : AllLetters()) {
        const std::string bare = GreekLetterToFont(0, static_cast<uint8_t>(l));
        for (uint8_t d : AllCodes()) {
            const std::string shown = GreekLetterToFont(d, static_cast<uint8_t>(l));
            if (shown != bare) {
                producers[shown].insert({d, l});
            }
        }
    }
    std::map<std::string, std::set<std::pair<int, char>>> shared;
    for (const auto& [glyphs, pairs] : producers) {
        if (pairs.size() > 1) {
            shared[glyphs] = pairs;
        }
    }
    const std::map<std::string, std::set<std::pair<int, char>>> documented = {
        {Bytes({0xCE}), {{0xD3, 'a'}, {0xD4, 'a'}}}, {Bytes({0xCF}), {{0xD5, 'a'}, {0xD6, 'a'}}},
        {Bytes({0xE0}), {{0xD3, 'g'}, {0xD4, 'g'}}}, {Bytes({0xE1}), {{0xD5, 'g'}, {0xD6, 'g'}}},
        {Bytes({0xF2}), {{0xD3, 'y'}, {0xD4, 'y'}}}, {Bytes({0xF3}), {{0xD5, 'y'}, {0xD6, 'y'}}},
        {Bytes({0xB8}), {{0xD9, 'u'}, {0xDC, 'u'}}},
    };
    EXPECT_EQ(shared, documented);
}

TEST(GreekEncodingTables, GlyphsAtTheEdgesOfEachColumn) {
    struct Case {
        int d;
        char l;
        int glyph;
    };
    const Case cases[] = {
        {0xC0, 'a', 0x3D},
        {0xD8, 'a', 0xD1},
        {0xCB, 'a', 0xAC},
        {0xCC, 'a', 0xBC},
        {0xC0, 'e', 0x31},
        {0xC8, 'e', 0xA4},
        {0xC0, 'g', 0x2F},
        {0xD8, 'g', 0xE3},
        {0xC0, 'i', 0x6A},
        {0xDC, 'i', 0xFF},
        {0xC2, 'i', 0x5F},
        {0xC0, 'o', 0x33},
        {0xC8, 'o', 0xAA},
        {0xC0, 'u', 0x76},
        {0xDB, 'u', 0xBA},
        {0xC0, 'y', 0x39},
        {0xCD, 'y', 0x30},
        {0xD8, 'y', 0xF5},
        {0xC4, 'o', 0xA6},
        {0xC4, 'g', 0xD3},
        {0xC4, 'q', 0x40},
        // Codes inside a column that the font draws as the bare letter.
        {0xC2, 'e', 'e'},
        {0xCB, 'g', 'h'},
        {0xCC, 'y', 'w'},
        {0xD0, 'i', 'i'},
        {0xCD, 'u', 'u'},
        // Codes outside a column.
        {0xC9, 'e', 'e'},
        {0xD9, 'a', 'a'},
        {0xC3, 'q', 'r'},
        {0xC0, 'b', 'b'},
        {0xC4, 'z', '`'},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GreekLetterToFont(static_cast<uint8_t>(c.d), static_cast<uint8_t>(c.l)),
                  Bytes({c.glyph}))
            << "code 0x" << std::hex << c.d << " letter " << c.l;
    }
}

TEST(GreekLetterToFont, CapitalsTakeAPrefixGlyphOnlyForBreathings) {
    EXPECT_EQ(GreekLetterToFont(0xC3, 'A'), "}A");
    EXPECT_EQ(GreekLetterToFont(0xC4, 'G'), "{H");
    EXPECT_EQ(GreekLetterToFont(0xC5, 'I'), "&I");
    EXPECT_EQ(GreekLetterToFont(0xC7, 'O'), "%O");
    EXPECT_EQ(GreekLetterToFont(0xC9, 'Y'), "'W");
    EXPECT_EQ(GreekLetterToFont(0xCA, 'U'), "\"U");
    EXPECT_EQ(GreekLetterToFont(0xC4, 'Q'), "{R");
    for (int d : {0xC0, 0xC1, 0xC2, 0xC6, 0xC8, 0xCD, 0xD3}) {
        EXPECT_EQ(GreekLetterToFont(static_cast<uint8_t>(d), 'A'), "A");
    }
}

TEST(GreekLetterToFont, BytesThatAreNotLettersShowNothing) {
    EXPECT_EQ(GreekLetterToFont(0xC4, 'R'), "");
    EXPECT_EQ(GreekLetterToFont(0, 'R'), "");
    for (int l : {int('Z'), int('_'), int('1'), int('.'), 0x1F, 0x00, 0x7F, 0xC0, 0xFF}) {
        EXPECT_EQ(GreekLetterToFont(0, static_cast<uint8_t>(l)), "") << l;
    }
    EXPECT_EQ(GreekLetterToFont(0xC0, ' '), " ");
}

TEST(GreekInternalToFontWord, ShowsHeadWordsWithoutLengthMarks) {
    // ἡμέρα
    EXPECT_EQ(InternalToFontWord(Bytes({0xC4, 'g', 'l', 0xC0, 'e', 'q', 'a'})),
              Bytes({0xD3, 'm', '1', 'r', 'a'}));
    // Two words of a multi-word head word, ὁ λόγος.
    EXPECT_EQ(InternalToFontWord(Bytes({0xC4, 'o', '_', 'k', 0xC0, 'o', 'c', 'o', 'r'})),
              Bytes({0xA6, ' ', 'l', '3', 'g', 'o', '~'}));
    EXPECT_EQ(InternalToFontWord(Bytes({0xCB, 'a'})), "a");
    EXPECT_EQ(InternalToFontWord(Bytes({0xCC, 'i', 0xCB, 'u'})), "iu");
}

TEST(GreekInternalToFontWord, PendingCodeBelongsToTheNextLetterOnly) {
    // A later code replaces an earlier one.
    EXPECT_EQ(InternalToFontWord(Bytes({0xC0, 0xC1, 'a'})), Bytes({0x2B}));
    // A code survives bytes that are dropped but not a word break.
    EXPECT_EQ(InternalToFontWord(Bytes({0xC0, '.', 'a'})), Bytes({0x3D}));
    EXPECT_EQ(InternalToFontWord(Bytes({0xC0, '_', 'a'})), " a");
    EXPECT_EQ(InternalToFontWord(Bytes({0xC4, 'R', 'a'})), "a");
    // A trailing code shows nothing.
    EXPECT_EQ(InternalToFontWord(Bytes({'a', 0xC0})), "a");
}

TEST(GreekInternalToFontWord, DropsBytesOutsideTheEncoding) {
    EXPECT_EQ(InternalToFontWord(Bytes({'Z', '1', 0x1F, 'a', ',', 0xDD, 0xFF, 0x00, 'b'})), "ab");
    EXPECT_EQ(InternalToFontWord(""), "");
}

TEST(GreekFontCapitalToInternal, PrefixAndCapital) {
    EXPECT_EQ(FontCapitalToInternal('}', 'A'), Bytes({0xC3, 'A'}));
    EXPECT_EQ(FontCapitalToInternal('{', 'H'), Bytes({0xC4, 'G'}));
    EXPECT_EQ(FontCapitalToInternal('"', 'E'), "E");
    EXPECT_EQ(FontCapitalToInternal('\'', 'O'), "O");
    EXPECT_EQ(FontCapitalToInternal('{', 'R'), Bytes({0xC4, 'Q'}));
    EXPECT_EQ(FontCapitalToInternal('}', 'R'), "Q");
    EXPECT_EQ(FontCapitalToInternal('}', 'B'), "");
    EXPECT_EQ(FontCapitalToInternal('}', 'a'), "");
    EXPECT_EQ(FontCapitalToInternal('}', 0), "");
    EXPECT_EQ(FontCapitalToInternal('A', 'A'), "");
}

// The display form of every capital with a breathing starts with a prefix glyph, and no other
// glyph is one: the plain text and the search both take the next glyph along on this test.
TEST(GreekFontCapitalToInternal, PrefixGlyphsAreThoseCapitalsAreDrawnWith) {
    std::set<int> drawn;
    for (uint8_t code : AllCodes()) {
        for (int capital = 'A'; capital <= 'Y'; ++capital) {
            const std::string glyphs = GreekLetterToFont(code, static_cast<uint8_t>(capital));
            if (glyphs.size() == 2) {
                drawn.insert(static_cast<uint8_t>(glyphs[0]));
            }
        }
    }
    std::set<int> prefixes;
    for (int b = 0; b < 256; ++b) {
        if (IsCapitalPrefixGlyph(static_cast<uint8_t>(b))) {
            prefixes.insert(b);
        }
    }
    EXPECT_EQ(prefixes, drawn);
    EXPECT_EQ(prefixes, (std::set<int>{'"', '%', '&', '\'', '{', '}'}));
}

TEST(GreekFontWordToInternal, ConvertsTypedText) {
    EXPECT_EQ(FontWordToInternal(Bytes({0xD3, 'm', '1', 'r', 'a'})),
              Bytes({0xC4, 'g', 'l', 0xC0, 'e', 'q', 'a'}));
    EXPECT_EQ(FontWordToInternal("{Omhro~"), Bytes({0xC4, 'O', 'l', 'g', 'q', 'o', 'r'}));
    EXPECT_EQ(FontWordToInternal("(a-b)! [*]?"), "(a-b)! [*]?");
    // Glyphs outside the layout are dropped; 'J' and '_' are ι with grave and circumflex.
    EXPECT_EQ(FontWordToInternal(Bytes({'a', ',', '.', 0x90, 0xB6, 0x00, 'J', '_'})),
              Bytes({'a', 0xC1, 'i', 0xC2, 'i'}));
}

TEST(GreekFontWordToInternal, DigitsAndSignsAreGreekGlyphs) {
    EXPECT_EQ(FontWordToInternal("1"), Bytes({0xC0, 'e'}));
    EXPECT_EQ(FontWordToInternal("0"), Bytes({0xCD, 'y'}));
    EXPECT_EQ(FontWordToInternal("@"), Bytes({0xC4, 'q'}));
    for (char c : std::string("0123456789/\\^|+=<>#$@")) {
        const std::string internal = FontWordToInternal(std::string(1, c));
        ASSERT_EQ(internal.size(), 2u) << c;
        EXPECT_TRUE(IsDiacriticCode(static_cast<uint8_t>(internal[0]))) << c;
    }
}

TEST(GreekFontWordToInternal, PrefixTakesTheGlyphAfterIt) {
    EXPECT_EQ(FontWordToInternal("a{"), "a");
    EXPECT_EQ(FontWordToInternal("}"), "");
    // A prefix and the glyph after it are one unit: before a consonant, a small letter or a
    // space the pair gives nothing.
    EXPECT_EQ(FontWordToInternal("}Ba"), "a");
    EXPECT_EQ(FontWordToInternal("{ab"), "b");
    EXPECT_EQ(FontWordToInternal("a{ b"), "ab");
    EXPECT_EQ(FontWordToInternal("{}A"), "A");
    EXPECT_EQ(FontWordToInternal("}Ab"), Bytes({0xC3, 'A', 'b'}));
}

} // namespace
} // namespace orvel
