#include "core/article/ArticlePlainText.h"

#include "core/article/VocabularyTables.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

std::string Plain(const std::string& text) {
    return ArticleToPlainText(text, TVocabulary::BuiltIn());
}

TEST(ArticlePlainTextTest, GreekBecomesUnicodeAndMeaningsTakeALineEach) {
    // λόγος, ὁ: meanings "слово", "речь" with an author.
    const std::string text = "k\xC0ocor\x12\x0A\xF1\xEB\xEE\xE2\xEE\x0A\xF0\xE5\xF7\xFC\x81\x67";
    EXPECT_EQ(Plain(text), "λόγος ὁ\n 1) слово;\n 2) речь Plat.");
}

TEST(ArticlePlainTextTest, CapitalsPunctuationAndMarks) {
    EXPECT_EQ(Plain("\xC4"
                    "Ekka[r]"),
              "Ἑλλα(ς).");
    EXPECT_EQ(Plain("\x80\x41"
                    "ab, <cd>"),
              "I αβ, «γδ».");
    EXPECT_EQ(Plain("ab\x82\x40"), "αβ анат.");
    EXPECT_EQ(Plain(""), ".");
    EXPECT_EQ(Plain("\xC3"
                    "a$"),
              "ἀ#."); // a byte without a role; "#" is the glyph of ἀ
}

TEST(ArticlePlainTextTest, EscapesOfTheRenderedDocument) {
    EXPECT_EQ(RenderedRtfToPlainText("{\\rtf1{\\fonttbl x}\\f0 a\\{\\\\\\}\\'e0\\par\r\nb}"),
              "a{\\}à\nb");
}

} // namespace
