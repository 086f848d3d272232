#include "core/article/SelectionRtf.h"

#include "core/article/RtfText.h"
#include "core/encoding/GreekEncoding.h"
#include "core/encoding/UnicodeGreek.h"
#include "core/settings/Preference.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

const std::string Header =
    "{\\rtf1\\ansi\\ansicpg1251\\deff2\\deflang1049{\\fonttbl {\\f0\\froman\\fcharset0 Times New "
    "Roman;}{\\f1\\froman\\fcharset204{\\*\\fname Times New Roman;}Times New Roman Cyr;}{\\f2"
    "\\fnil\\fcharset0 Orvel000;}{\\f3\\fnil\\fcharset0 Orvel001;}}\r\n{\\colortbl \\red0\\green0"
    "\\blue0;\\red0\\green128\\blue0;\\red0\\green0\\blue128;\\red0\\green0\\blue255;}\r\n\\uc1"
    "\\pard\\f2\\lang1033\\b\\cf0\\fs40";
const std::string Closing = "\\lang1049\\f1\\b0\\i0\\cf0\\fs40\r\n}\r\n";

TRichCharacter Greek(char c) {
    return {uint8_t(c), "Orvel000", 0, true, false, 0, 20};
}

TEST(SelectionRtfTest, EmptySelectionIsHeaderAndClosing) {
    EXPECT_EQ(BuildSelectionRtf({}, TPreference()), Header + Closing);
}

TEST(SelectionRtfTest, AttributeChangesBecomeControlWords) {
    TPreference preference;
    TRichCharacter author{'P', "Times New Roman", 0, false, false, preference.TextAuthorColor, 15};
    TRichCharacter russian{0xE4, "Times New Roman", 204, false, true, 0, 20};
    TRichCharacter sign{'x', "Arial", 0, false, true, preference.TextSignColor, 20};
    TRichCharacter number{'1', "Times New Roman", 0, false, false, preference.TextEnumColor, 20};
    TRichCharacter other{'y', "Orvel001", 0, false, false, 0x123456, 20};
    TRichCharacter control{'\n', "Orvel001", 0, true, true, 0, 9};
    const std::string rtf = BuildSelectionRtf(
        {Greek('a'), Greek('{'), author, russian, sign, number, control, other}, preference);
    EXPECT_EQ(rtf, Header +
                       " a\\{\\f0\\lang1033\\b0\\cf2\\fs30 P\\f1\\lang1049\\i\\cf0\\fs40"
                       "\\'e4\\f0\\lang1033\\cf1 x\\f0\\lang1033\\i0\\cf3 1\\f3\\lang1033\\cf0 y" +
                       Closing);
}

// The selection of a Greek word typed as Unicode, as the display glyphs the pane holds.
std::vector<TRichCharacter> GreekWord(const char* utf8) {
    std::vector<TRichCharacter> word;
    for (char c : InternalToFontWord(Utf8GreekToInternal(utf8)))
        word.push_back(Greek(c));
    return word;
}

TEST(SelectionRtfTest, GreekAsUnicodeOffKeepsTheDisplayGlyphs) {
    TPreference preference;
    const std::vector<TRichCharacter> word = GreekWord("\xE1\xBC\x88\xCE\xB2"); // Ἀβ
    std::string glyphs;
    for (const TRichCharacter& c : word)
        glyphs += char(c.Byte);
    std::string expected = Header;
    bool open = true;
    for (char c : glyphs)
        AppendRtfCharacter(expected, uint8_t(c), open);
    EXPECT_EQ(BuildSelectionRtf(word, preference), expected + Closing);
}

TEST(SelectionRtfTest, GreekAsUnicodeWritesCodePointsInASerifFont) {
    TPreference preference;
    preference.CopyGreekAsUnicode = true;
    std::vector<TRichCharacter> text = GreekWord("\xE1\xBC\x88\xCE\xBB\xCF\x8C\xCE\xB3\xCE"
                                                 "\xBF\xCF\x82"); // Ἀλόγος
    text.insert(text.begin() + 2, Greek(' ')); // "Ἀ λόγος" (Ἀ is two glyphs): the space stays
    text.push_back({0xE4, "Times New Roman", 204, true, false, 0, 20});
    text.push_back(Greek('a'));
    text.back().Bold = false;
    // The header gains the serif font in slot 4 and starts in it.
    std::string unicodeHeader = Header;
    unicodeHeader.replace(unicodeHeader.find("Orvel001;}}"), 11,
                          "Orvel001;}{\\f4\\froman\\fcharset0 Times New Roman;}}");
    const std::string greekStart = "\\pard\\f2\\lang1033";
    unicodeHeader.replace(unicodeHeader.find(greekStart), greekStart.size(),
                          "\\pard\\f4\\lang1032");
    EXPECT_EQ(BuildSelectionRtf(text, preference),
              unicodeHeader +
                  "\\u7944? \\u955?\\u972?\\u947?\\u959?\\u962?\\f1\\lang1049\\'e4"
                  "\\f4\\lang1032\\b0\\u945?" +
                  Closing);
}

} // namespace
