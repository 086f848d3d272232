// A word from the command line or another program, as the search line takes it.
#include "core/appmodel/ExternalWord.h"

#include "core/encoding/GreekEncoding.h"
#include "core/encoding/Utf8.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

std::string Utf8OfLatin1(const std::string& bytes) {
    std::string utf8;
    for (const char byte : bytes)
        AppendUtf8(utf8, char32_t(uint8_t(byte)));
    return utf8;
}

} // namespace

TEST(ExternalWordTest, UnicodeGreekAndTheDisplayLayoutGiveTheSameWord) {
    const std::string logos = InternalToFontWord("k\xC0ocor");
    ASSERT_FALSE(logos.empty());
    EXPECT_EQ(ExternalWordToDisplay("λόγος"), logos);
    EXPECT_EQ(ExternalWordToDisplay("  λόγος "), logos);
    // The display layout has glyphs above 0x7F, which arrive as their UTF-8 characters.
    const std::string logosUtf8 = Utf8OfLatin1(logos);
    EXPECT_EQ(ExternalWordToDisplay(logosUtf8), logos);
    EXPECT_EQ(ExternalWordToDisplay(" " + logosUtf8 + "  "), logos);
}

TEST(ExternalWordTest, NothingLeftGivesEmpty) {
    EXPECT_EQ(ExternalWordToDisplay(""), "");
    EXPECT_EQ(ExternalWordToDisplay("   "), "");
    // Characters beyond the layout are no part of it.
    EXPECT_EQ(ExternalWordToDisplay("слово"), "");
    // Broken UTF-8 is dropped, not passed on.
    EXPECT_EQ(ExternalWordToDisplay("\xFF\xFE"), "");
}
