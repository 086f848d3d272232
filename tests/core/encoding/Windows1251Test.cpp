#include "core/encoding/Windows1251.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace orvel {
namespace {

std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    return bytes;
}

TEST(Windows1251, EveryByteSurvivesUtf8RoundTrip) {
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(AllBytes())), AllBytes());
    EXPECT_EQ(Cp1251ToUtf8("\xE0\xA8\xB9\x98"), "\xD0\xB0\xD0\x81\xE2\x84\x96\xC2\x98"); // аЁ№
}

// The table against the C library's own converter (0x98 is unassigned there).
TEST(Windows1251, TableMatchesSystemConverter) {
    iconv_t cd = iconv_open("UTF-8", "CP1251");
    if (cd == iconv_t(-1))
        GTEST_SKIP() << "no CP1251 converter on this system";
    for (int b = 0x80; b < 256; ++b) {
        if (b == 0x98)
            continue;
        char in = static_cast<char>(b), out[8];
        char *pin = &in, *pout = out;
        size_t inLeft = 1, outLeft = sizeof out;
        ASSERT_NE(iconv(cd, &pin, &inLeft, &pout, &outLeft), size_t(-1)) << b;
        EXPECT_EQ(Cp1251ToUtf8(std::string(1, in)), std::string(out, pout)) << "byte " << b;
    }
    iconv_close(cd);
}

TEST(Windows1251, CharactersOutsideCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1251("a\xCE\xB1\xF0\x9F\x98\x80z"), "a??z"); // Greek alpha, an emoji
    EXPECT_EQ(Utf8ToCp1251("\xC2\x81"), "?");                      // a C1 control other than 0x98
    EXPECT_FALSE(UnicodeToCp1251(0x0081));
    EXPECT_EQ(UnicodeToCp1251(0x2116), 0xB9);
}

TEST(Windows1251, MalformedUtf8GivesOneQuestionMarkPerBadByte) {
    EXPECT_EQ(Utf8ToCp1251("\x80"), "?");
    EXPECT_EQ(Utf8ToCp1251("\xD0"), "?");                     // truncated at the end
    EXPECT_EQ(Utf8ToCp1251("\xE2\x84"), "??");                // truncated three-byte form
    EXPECT_EQ(Utf8ToCp1251("\xC0\xAF\xE0\x80\xAF"), "?????"); // overlong forms
    EXPECT_EQ(Utf8ToCp1251("\xED\xA0\x80"), "???");           // a surrogate
    EXPECT_EQ(Utf8ToCp1251("\xF5\x80\x80\x80"), "????");      // above U+10FFFF
    EXPECT_EQ(Utf8ToCp1251("\xFF\xD0\xB0\xD0"), "?\xE0?");
}

TEST(Windows1251, Utf16) {
    EXPECT_EQ(Utf16ToCp1251(u"Мир, \u2014 \u0098"), "\xCC\xE8\xF0, \x97 \x98");
    EXPECT_EQ(Utf16ToCp1251(u"\U0001F600x"), "?x"); // a pair is one character
    EXPECT_EQ(Utf16ToCp1251(std::u16string(u"\xD800"
                                           u"a\xDC00")),
              "?a?"); // lone surrogates
}

} // namespace
} // namespace orvel
