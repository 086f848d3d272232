#include "core/encoding/Utf8.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

std::string Utf8(char32_t c) {
    std::string out;
    AppendUtf8(out, c);
    return out;
}

// The first and last code point of each length, as the Unicode standard writes them.
TEST(Utf8, EncodesEachLengthUpToItsBoundary) {
    EXPECT_EQ(Utf8(0x00), std::string(1, '\0'));
    EXPECT_EQ(Utf8(0x7F), "\x7F");
    EXPECT_EQ(Utf8(0x80), "\xC2\x80");
    EXPECT_EQ(Utf8(0x7FF), "\xDF\xBF");
    EXPECT_EQ(Utf8(0x800), "\xE0\xA0\x80");
    EXPECT_EQ(Utf8(0xFFFF), "\xEF\xBF\xBF");
    EXPECT_EQ(Utf8(0x10000), "\xF0\x90\x80\x80");
    EXPECT_EQ(Utf8(0x10FFFF), "\xF4\x8F\xBF\xBF");
    EXPECT_EQ(Utf8(U'λ'), "λ");
}

TEST(Utf8, WhatUtf8CannotHoldBecomesTheReplacementCharacter) {
    for (char32_t c : {char32_t(0xD800), char32_t(0xDBFF), char32_t(0xDC00), char32_t(0xDFFF),
                       char32_t(0x110000), char32_t(0xFFFFFFFF)})
        EXPECT_EQ(Utf8(c), "\xEF\xBF\xBD") << std::hex << uint32_t(c);
    EXPECT_EQ(Utf8(0xD7FF), "\xED\x9F\xBF");
    EXPECT_EQ(Utf8(0xE000), "\xEE\x80\x80");
}

// Every scalar value reads back from its own encoding, taking exactly its bytes.
TEST(Utf8, EveryCodePointReadsBack) {
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const std::string bytes = Utf8(c) + "x";
        char32_t read = 0;
        ASSERT_EQ(ReadUtf8(bytes, 0, read), bytes.size() - 1) << std::hex << uint32_t(c);
        ASSERT_EQ(read, c);
    }
}

TEST(Utf8, MalformedSequencesReadAsNothing) {
    char32_t c = 0;
    for (std::string_view bad :
         {"\x80", "\xBF", "\xC0\x80", "\xC1\xBF", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF", // overlong
          "\xED\xA0\x80", "\xED\xBF\xBF",                                             // surrogates
          "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF",                             // too large
          "\xC3", "\xE2\x82", "\xF0\x9F\x98", "\xC3\x41", "\xE2\x28\xA1"})            // cut short
        EXPECT_EQ(ReadUtf8(bad, 0, c), 0u) << ::testing::PrintToString(bad);
    // A sequence cut short by the end of the view, though more bytes follow in memory.
    EXPECT_EQ(ReadUtf8(std::string_view("\xCE\xBB", 1), 0, c), 0u);
}

TEST(Utf8, DecodingSkipsEachByteThatBeginsNoSequence) {
    EXPECT_EQ(DecodeUtf8("a\xCE\xBB\x80\xE2\x82z\xF0\x9F\x98\x80"), U"aλz\U0001F600");
    EXPECT_EQ(DecodeUtf8(""), U"");
}

} // namespace
} // namespace orvel
