#include "core/article/ArticleRenderer.h"

#include "core/article/VocabularyTables.h"
#include "core/settings/Preference.h"

#include <gtest/gtest.h>
#include <regex>

using namespace orvel;

namespace {

const std::string Header =
    "{\\rtf1\\ansi\\ansicpg1251\\deff1\\deflang1049\\deflangfe1049{\\fonttbl {\\f0\\froman"
    "\\fcharset0 Times New Roman;}{\\f1\\froman\\fcharset204{\\*\\fname Times New Roman;}Times "
    "New Roman Cyr;}{\\f2\\fnil\\fcharset0 Orvel000;}{\\f3\\fnil\\fcharset0 Orvel001;}}\r\n"
    "{\\colortbl ;\\red0\\green128\\blue0;\\red0\\green0\\blue128;\\red0\\green0\\blue255;}\r\n"
    "\\uc1\\pard\\plain\\ulnone\\cf0\\lang1033\\f2\\fs40\\b";
const std::string Closing = "\\par\r\n}\r\n" + std::string(1, '\0');

std::string Render(const std::string& text, const TPreference& preference = TPreference()) {
    return RenderArticle(text, preference, TVocabulary::BuiltIn());
}

// What the text adds between the header and the closing part.
std::string Body(const std::string& text) {
    std::string rtf = Render(text);
    EXPECT_EQ(rtf.compare(0, Header.size(), Header), 0) << rtf;
    EXPECT_GE(rtf.size(), Header.size() + Closing.size());
    EXPECT_EQ(rtf.substr(rtf.size() - Closing.size()), Closing);
    return rtf.substr(Header.size(), rtf.size() - Header.size() - Closing.size());
}

TEST(ArticleRendererTest, EmptyTextIsAFullStop) {
    EXPECT_EQ(Render(""), Header + " .\\f0\\b0" + Closing);
}

TEST(ArticleRendererTest, HeaderFollowsThePreferences) {
    TPreference preference;
    preference.TextFontSize = 11;
    preference.TextAuthorSizePercent = 55;
    preference.TextSignColor = 0x030201;
    preference.TextAuthorColor = 0xFFFFFF;
    preference.TextEnumColor = 0;
    std::string rtf = Render("\x81\x40", preference);
    EXPECT_NE(rtf.find("{\\colortbl ;\\red1\\green2\\blue3;\\red255\\green255\\blue255;"
                       "\\red0\\green0\\blue0;}"),
              std::string::npos);
    EXPECT_NE(rtf.find("\\f2\\fs22\\b"), std::string::npos);
    EXPECT_NE(rtf.find("\\cf2\\fs12 Aesch.\\fs22\\cf0"), std::string::npos); // 11 * 55 / 50
}

TEST(ArticleRendererTest, HeadWordInGreekBoldAndClosingFullStop) {
    EXPECT_EQ(Body("jocor"), " kogo~.\\f0\\b0"); // κογος
    EXPECT_EQ(Body("a?"), " a\\f0\\b0 ?\\f2\\b\\f0\\b0");
    EXPECT_EQ(Body("a!"), " a\\f0\\b0 !\\f2\\b\\f0\\b0");
    EXPECT_EQ(Body("a)"), " a\\f0\\b0 )\\f2\\b .\\f0\\b0");
    EXPECT_EQ(Body("a."), " a.\\f0\\b0");
}

TEST(ArticleRendererTest, PunctuationSpacingAndFonts) {
    EXPECT_EQ(Body("a,b"), " a, b.\\f0\\b0");
    EXPECT_EQ(Body("a b"), " a b.\\f0\\b0"); // a stored space cancels the pending one
    EXPECT_EQ(Body("a(b"), " a \\f0\\b0 (\\f2\\b b.\\f0\\b0");
    EXPECT_EQ(Body("a/b"), " a\\f0\\b0 /\\f2\\b b.\\f0\\b0");
    EXPECT_EQ(Body("a+b"), " a \\f0\\b0 +\\f2\\b  b.\\f0\\b0");
    EXPECT_EQ(Body("a\"b'"), " a \\f0\\b0 [\\f2\\b b\\f0\\b0 ]\\f2\\b .\\f0\\b0");
    EXPECT_EQ(Body("a<b>"), " a \\f0\\b0\\'ab\\f2\\b b\\f0\\b0\\'bb\\f2\\b .\\f0\\b0");
    EXPECT_EQ(Body("a#"), " a \\f0\\b0\\'85\\f2\\b .\\f0\\b0");
    // Bytes without a role show "#" in the Latin font.
    EXPECT_EQ(Body("a$"), " a\\f0\\b0 #\\f2\\b .\\f0\\b0");
    EXPECT_EQ(Body(std::string("a\x16", 2)), " a\\f0\\b0 #\\f2\\b .\\f0\\b0");
    // A backslash or brace cannot start a word; inside a Greek word it carries nothing.
    EXPECT_EQ(Body("\\"), "\\f0\\b0 #\\f2\\b .\\f0\\b0");
    EXPECT_EQ(Body("a\\"), " a.\\f0\\b0");
}

TEST(ArticleRendererTest, WordsByLanguage) {
    // Latin keeps its bytes, escaping RTF specials; '[' ']' '_' are brackets and a space.
    EXPECT_EQ(Body("a\x06"
                   "x\\{y"),
              " a\\f0  x\\\\\\{y.\\b0");
    EXPECT_EQ(Body("a\x06[b_c]"), " a\\f0  (b c).\\b0");
    // Russian: Windows-1251 bytes, the mark as a pilcrow.
    EXPECT_EQ(Body("a\x07\xE4\x1F"), " a\\lang1049\\f1  \\'e4\\'b6.\\lang1033\\f0\\b0");
    // Greek: a number goes out in the Latin font; letters with diacritics are one glyph.
    EXPECT_EQ(Body("a 12"), " a \\f0 12\\f2 .\\f0\\b0");
    EXPECT_EQ(Body("\xC4o"), "\\'a6.\\f0\\b0");
    // Symbols: "A" takes no space after it, "B" none before it; other words are numbers only.
    EXPECT_EQ(Body("a\x09"
                   "A\x09x\x09"
                   "B"),
              " a\\f3  AxB\\f0\\b0 .\\f3\\b\\f0\\b0");
    EXPECT_EQ(Body("a\x09"
                   "x\x09"
                   "A"),
              " a\\f3  x A\\f0\\b0 .\\f3\\b\\f0\\b0");
    // In the symbol font even a space and a full stop are set in the Latin font.
    EXPECT_EQ(Body("a\x09x B"), " a\\f3  x\\f0\\b0  \\f3\\b B\\f0\\b0 .\\f3\\b\\f0\\b0");
    EXPECT_EQ(Body("a\x09-5"), " a\\f3  \\f0 -5\\f3\\f0\\b0 .\\f3\\b\\f0\\b0");
    EXPECT_EQ(Body("a\x09[x"), " a\\f3  \\f0\\b0 .\\f3\\b\\f0\\b0");
}

TEST(ArticleRendererTest, FixedWordsAndHeadWordAbbreviations) {
    EXPECT_EQ(Body("a\x0F\x12"), " a \\lang1049\\f1\\b0\\i\\'e8 \\lang1033\\f2\\i0\\'a6.\\f0");
    // The abbreviation takes the letters after a mark and a 0x1F.
    std::string text = std::string("\x80\x41\x1F\xC4"
                                   "ab\x0E\x14",
                                   8);
    EXPECT_EQ(Body(text), "\\f0I \\f2\\'b6\\'c1b \\b0\\'c1. \\'c1b.\\f0");
    EXPECT_EQ(Body("ab\x14"), " ab \\b0 ab.\\f0");
}

TEST(ArticleRendererTest, MeaningNumbersAcrossLevels) {
    const std::string text = "a\x0A\xE0\x0A\xE1\x0B\xE2\x0B\xE3\x0B\xE4\x0C\xE5\x0D\xE6:\x0A\xE7";
    const std::string rtf = Render(text);
    std::vector<std::string> numbers;
    std::regex number("\\\\par\r\n\\\\cf3  ([0-9.]+)\\) \\\\cf0");
    for (std::sregex_iterator it(rtf.begin(), rtf.end(), number), end; it != end; ++it)
        numbers.push_back((*it)[1]);
    EXPECT_EQ(numbers,
              (std::vector<std::string>{"1", "2", "2.1", "2.1.1", "2.1.1", "2.2", "2.3", "2.4"}));
    // A ';' closes every meaning but the first and one that ends in ':'.
    EXPECT_EQ(Body(std::string("a\x0A\xE0\x0A\xE1")),
              " a\\lang1049\\f1\\b0\\par\r\n\\cf3  1) \\cf0\\'e0\\lang1033\\f0 ;\\lang1049\\f1"
              "\\par\r\n\\cf3  2) \\cf0\\'e1.\\lang1033\\f0");
    const std::string body = Body(text);
    EXPECT_EQ(std::count(body.begin(), body.end(), ';'), 6);
}

TEST(ArticleRendererTest, References) {
    // An author between two Russian words.
    EXPECT_EQ(Body("a\x07\x03\xE4\x81\x67\xE4"),
              " a\\lang1049\\f1\\b0  \\'e4\\lang1033\\f0  \\cf2\\fs30 Plat.\\fs40\\cf0  \\'e4.");
    // Abbreviations keep their spaces unbroken; a sign with an explanation is coloured.
    EXPECT_EQ(Body("a\x82\x40\x82\x40"),
              " a\\lang1049\\f1\\b0\\i  \\cf1\\'e0\\'ed\\'e0\\'f2.\\cf0  \\cf1\\'e0\\'ed\\'e0"
              "\\'f2.\\cf0\\lang1033\\f0\\i0");
    EXPECT_EQ(Body("a\x82\x76"), " a\\lang1049\\f1\\b0\\i  \\'f1\\'ec.\\lang1033\\f0\\i0");
    EXPECT_EQ(Body("a\x83\x40"), " a\\f0\\b0\\i  \\cf1 acc.\\cf0\\i0");
    EXPECT_EQ(Body("a\x83\x76"), " a\\f0\\b0\\i  pron.\\'a0pass.\\i0");
    EXPECT_EQ(Body("a\x84\x40"), " a\\lang1049\\f1\\b0  \\'e3\\'e4\\'e5-\\'eb.\\lang1033\\f0");
    EXPECT_EQ(Body("a\x85\x41"), " a\\lang1049\\f1\\b0\\i  \\'ed\\'e0.\\lang1033\\f0\\i0");
    // An ending follows the head word without a space before its comma.
    EXPECT_EQ(Body("a\x91\x40"), " a, ai.\\f0\\b0");
    EXPECT_EQ(Body("a\x92\x40"), " a\\b0  \\f0 (\\f2 g\\'ac\\f0 )\\f2 .\\f0");
}

TEST(ArticleRendererTest, ReferencesOutsideTheirTablesShowNothing) {
    EXPECT_EQ(Body("a\x85\x3F"), " a\\lang1049\\f1\\b0\\i .\\lang1033\\f0\\i0");
    EXPECT_EQ(Body("a\x90\x71"), " a\\lang1049\\f1\\b0\\i .\\lang1033\\f0\\i0");
    EXPECT_EQ(Body("a\x80\x5A"), " a.\\f0\\b0");
    // A code at the very end reads row 0.
    EXPECT_EQ(Body("a\x81"), " a\\f0\\b0  \\cf2\\fs30 Aesch.\\fs40\\cf0");
    // Rows whose content comes with the edition show nothing without its vocabulary file.
    EXPECT_EQ(Body("a\x86\x40"), " a\\lang1049\\f1\\b0\\i .\\lang1033\\f0\\i0");
}

TEST(ArticleRendererTest, EveryByteStringRenders) {
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += char(c);
    for (const std::string& text : {all, std::string(all.rbegin(), all.rend()), std::string("\x80"),
                                    std::string("\xC0"), std::string("[")}) {
        std::string rtf = Render(text);
        EXPECT_EQ(rtf.compare(0, Header.size(), Header), 0);
        EXPECT_EQ(rtf.back(), '\0');
        EXPECT_EQ(std::count(rtf.begin(), rtf.end(), '\0'), 1);
    }
}

} // namespace
