#include "core/encoding/BetaCode.h"

#include "core/encoding/GreekEncoding.h"
#include "support/InternalBytes.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

using testing::K;

std::string Converted(std::string_view beta) {
    const TBetaCodeResult result = BetaCodeToInternal(beta);
    EXPECT_FALSE(result.Error) << beta << ": " << result.Error->Message;
    return result.Internal;
}

TEST(BetaCode, WordsWithBreathingsAccentsAndSubscripts) {
    EXPECT_EQ(Converted("lo/gos"), K("k{C0}ocor"));             // λόγος
    EXPECT_EQ(Converted("a)gaqo/s"), K("{C3}acah{C0}or"));      // ἀγαθός
    EXPECT_EQ(Converted("LO/GOS"), Converted("lo/gos"));        // ASCII case does not matter
    EXPECT_EQ(Converted("w(=|"), K("{D8}y"));                   // ᾧ
    EXPECT_EQ(Converted("w|(="), K("{D8}y"));                   // marks in any order
    EXPECT_EQ(Converted("h)/|"), K("{D3}g"));                   // ᾔ
    EXPECT_EQ(Converted("i+/"), K("{DA}i"));                    // ΐ
    EXPECT_EQ(Converted("u(\\"), K("{C8}u"));                   // ὓ
    EXPECT_EQ(Converted("r(h/twr"), K("{C4}q{C0}gtyq"));        // ῥήτωρ
    EXPECT_EQ(Converted("kai\\ ta/d'"), K("ja{C1}i t{C0}adz")); // elision and a space
    EXPECT_EQ(Converted("cyx"), "nxw");                         // ξ ψ χ
}

TEST(BetaCode, CapitalsTakeBreathingAndAccentBeforeTheLetter) {
    EXPECT_EQ(Converted("*)a"), K("{C3}A"));
    EXPECT_EQ(Converted("*(/o"), K("{C7}O"));
    EXPECT_EQ(Converted("*)=w"), K("{C9}Y"));
    EXPECT_EQ(Converted("*(=i"), K("{CA}I"));
    EXPECT_EQ(Converted("*a)"), K("{C3}A")); // written after the letter, as some do
    EXPECT_EQ(Converted("*s*w"), "SY");      // a capital sigma is never final
    EXPECT_EQ(Converted("*)aqh=nai"), K("{C3}Ah{C2}gmai"));
}

TEST(BetaCode, SigmaIsFinalByItsPlaceUnlessForced) {
    EXPECT_EQ(Converted("sos"), "sor");
    EXPECT_EQ(Converted("o(s kai/"), K("{C4}or ja{C0}i"));
    EXPECT_EQ(Converted("s'"), "rz");
    EXPECT_EQ(Converted("s1"), "s");
    EXPECT_EQ(Converted("s2a"), "ra");
    EXPECT_EQ(BetaCodeToInternal("lo/gos", {.FinalSigmaAtEnd = false}).Internal, K("k{C0}ocos"));
}

// The Beta Code of a letter with every mark of a code, capitals included (whose iota subscript
// and diaeresis InternalToBetaCode does not write).
std::string BetaOf(uint8_t code, uint8_t letter) {
    const bool capital = letter < 'a';
    std::string small = InternalToBetaCode(std::string{char(code), char(letter | 0x20), 'a'});
    small.pop_back();
    if (!capital)
        return small;
    std::string beta = "*";
    beta.append(small, 1);
    beta.push_back(small[0]);
    return beta;
}

TEST(BetaCode, EveryCombinationTheFontShowsIsTakenAndNoOther) {
    int taken = 0;
    for (int letter = 'A'; letter <= 'y'; ++letter) {
        if ((letter > 'Y' && letter < 'a') || letter == 'R' || letter == 'r')
            continue;
        for (int code = 0xC0; code <= 0xDC; ++code) {
            if (IsLengthMarkCode(uint8_t(code)))
                continue;
            const std::string internal{char(code), char(letter)};
            const std::string beta = BetaOf(uint8_t(code), uint8_t(letter));
            const TBetaCodeResult result = BetaCodeToInternal(beta);
            const bool shown =
                FontWordToInternal(GreekLetterToFont(uint8_t(code), uint8_t(letter))) == internal;
            if (shown) {
                ++taken;
                EXPECT_FALSE(result.Error) << beta;
                EXPECT_EQ(result.Internal, internal) << beta;
            } else {
                EXPECT_TRUE(result.Error) << beta << " is shown otherwise by the font";
            }
        }
    }
    // α η ω 21 each (0xD4 and 0xD6 share glyphs with 0xD3 and 0xD5), ε ο 8, ι υ 15 and 14 (ῧ is
    // drawn as ϋ), ρ and Ρ 1, Α Η Ι Υ Ω 6 each, Ε Ο 4 each.
    EXPECT_EQ(taken, 3 * 21 + 2 * 8 + 15 + 14 + 2 + 5 * 6 + 2 * 4);
}

TEST(BetaCode, RefusesWhatTheFontCannotShowWithThePlace) {
    struct TCase {
        const char* Beta;
        size_t Position;
        size_t Length;
        const char* MessagePart;
    };
    const TCase cases[] = {
        {"lo/ge=", 4, 2, "«e=»"},   // ε has no circumflex
        {"*/a", 0, 3, "«*/a»"},     // a capital with an accent alone
        {"*)\\a", 0, 4, "«*)\\a»"}, // a capital with smooth breathing and grave
        {"a+", 0, 2, "«a+»"},       // α has no diaeresis
        {"a)(", 0, 3, "«a)(»"},     // two breathings
        {"a//", 0, 3, "«a//»"},     // an accent twice
        {"a)\\|", 0, 4, "«a)\\|»"}, // drawn as ᾄ by the font
        {"r)", 0, 2, "«r)»"},       // ρ takes the rough breathing only
        {"*a|", 0, 3, "«*a|»"},     // no iota adscript on capitals
        {"/a", 0, 1, "«/»"},        // a mark before any letter
        {"a /", 2, 1, "«/»"},       {"ab*", 2, 1, "«*»"}, // a capital without its letter
        {"*1", 0, 2, "«*»"},        {"vw", 0, 1, "«v»"},  // digamma is not in the font
        {"s3", 0, 2, "s3"},                               // nor is the lunate sigma
        {"a.b", 1, 1, "«.»"},       {"aλ", 1, 2, "«λ»"},  // a whole UTF-8 character is named
    };
    for (const TCase& c : cases) {
        const TBetaCodeResult result = BetaCodeToInternal(c.Beta);
        ASSERT_TRUE(result.Error) << c.Beta;
        EXPECT_EQ(result.Error->Position, c.Position) << c.Beta;
        EXPECT_EQ(result.Error->Length, c.Length) << c.Beta;
        EXPECT_NE(result.Error->Message.find(c.MessagePart), std::string::npos)
            << c.Beta << ": " << result.Error->Message;
    }
}

TEST(BetaCode, AnUnfinishedCapitalCanWaitForItsLetter) {
    const TBetaCodeResult result = BetaCodeToInternal("a *)", {.KeepIncompleteEnd = true});
    EXPECT_FALSE(result.Error);
    EXPECT_EQ(result.Internal, "a ");
    EXPECT_EQ(result.Pending, "*)");
}

TEST(BetaCode, InternalToBetaCodeWritesSigmasThatTheirPlaceWouldNotGive) {
    EXPECT_EQ(InternalToBetaCode(K("{C3}acah{C0}or")), "a)gaqo/s");
    EXPECT_EQ(InternalToBetaCode(K("{D8}y {C5}A{CB}a")), "w(=| *)/aa"); // length marks dropped
    EXPECT_EQ(InternalToBetaCode("sra"), "ss2a");
    EXPECT_EQ(InternalToBetaCode("as"), "as1");
    EXPECT_EQ(InternalToBetaCode("z_R"), "' ");
    for (const char* word : {"sra", "as", "as ra"})
        EXPECT_EQ(Converted(InternalToBetaCode(word)), word);
}

} // namespace
} // namespace orvel
