#include "core/appmodel/BetaCodeTyping.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

// A line that shows display glyphs, typed into at its end (or before a letter).
struct TLine {
    std::string Display = {};
    std::string Pending = {};
    std::string LastError = {};

    void Type(std::string_view keys, bool letterFollows = false) {
        for (const char key : keys) {
            const TBetaCodeEdit edit = TypeBetaCode({.Before = Display,
                                                     .Pending = Pending,
                                                     .Typed = key,
                                                     .LetterFollows = letterFollows});
            Pending = edit.Pending;
            if (edit.Error) {
                LastError = edit.Error->Message;
                continue;
            }
            Display.replace(Display.size() - edit.Replaced, edit.Replaced, edit.Display);
        }
    }
};

TEST(BetaCodeTyping, MarksChangeTheLetterBeforeTheCaret) {
    TLine line;
    line.Type("a");
    EXPECT_EQ(line.Display, "a");
    line.Type(")");
    EXPECT_EQ(line.Display, "#"); // ἀ
    line.Type("gaqo/s");
    EXPECT_EQ(line.Display, "#gaq3~"); // ἀγαθός
    line.Type("a");
    EXPECT_EQ(line.Display, "#gaq3sa"); // the final sigma turned medial
    line.Type(" w(=|");
    EXPECT_EQ(line.Display, "#gaq3sa \xF5"); // ᾧ
    EXPECT_TRUE(line.LastError.empty());
}

TEST(BetaCodeTyping, CapitalsWaitUnseenForTheirLetter) {
    TLine line;
    line.Type("*)");
    EXPECT_EQ(line.Display, "");
    EXPECT_EQ(line.Pending, "*)");
    line.Type("/a");
    EXPECT_EQ(line.Display, "&A"); // Ἄ: the prefix glyph and the capital
    EXPECT_TRUE(line.Pending.empty());
    line.Type("*a");
    line.Type(")"); // a mark after a capital joins it
    EXPECT_EQ(line.Display, "&A}A");
}

TEST(BetaCodeTyping, RefusedKeystrokesChangeNothing) {
    TLine line;
    line.Type("le");
    line.Type("=");
    EXPECT_EQ(line.Display, "le");
    EXPECT_NE(line.LastError.find("«e=»"), std::string::npos);
    line.Type("*5");
    EXPECT_EQ(line.Display, "le");
    EXPECT_TRUE(line.Pending.empty()); // the refused capital is dropped whole
    // A letter with a length mark from the table is left alone: a mark after it has no letter.
    TLine marked{.Display = "\xAC"};
    marked.Type("/");
    EXPECT_EQ(marked.Display, "\xAC");
    EXPECT_FALSE(marked.LastError.empty());
}

TEST(BetaCodeTyping, SigmaBeforeALetterIsMedial) {
    TLine line{.Display = "lo"};
    line.Type("s", true);
    EXPECT_EQ(line.Display, "los");
}

} // namespace
} // namespace orvel
