#include "core/article/SelectionRtf.h"

#include "core/article/RtfText.h"
#include "core/encoding/DisplayGlyphs.h"
#include "core/encoding/FontNames.h"
#include "core/settings/Preference.h"

namespace orvel {

namespace {

// The font slot of Greek written as Unicode, after the four slots of the article.
const char* const UnicodeGreekFont = "{\\f4\\froman\\fcharset0 Times New Roman;}";
const char* const UnicodeGreekSwitch = "\\f4\\lang1032";

const char* FontSwitch(const std::string& name, int charset, bool unicodeGreek) {
    if (name == GreekFontName)
        return unicodeGreek ? UnicodeGreekSwitch : "\\f2\\lang1033";
    if (name == SymbolFontName)
        return "\\f3\\lang1033";
    return charset != 0 ? "\\f1\\lang1049" : "\\f0\\lang1033";
}

bool SameAttributes(const TRichCharacter& a, const TRichCharacter& b) {
    return a.FontName == b.FontName && a.Charset == b.Charset && a.Bold == b.Bold &&
           a.Italic == b.Italic && a.Color == b.Color && a.Size == b.Size;
}

// A code point as RTF text: ASCII as itself, the rest as "\uN?" (N a signed 16-bit number, a
// surrogate pair beyond the basic plane) with '?' for readers without Unicode.
void AppendRtfUnicode(std::string& out, char32_t c, bool& controlWordOpen) {
    if (c < 0x80) {
        AppendRtfCharacter(out, uint8_t(c), controlWordOpen);
        return;
    }
    auto unit = [&out](uint32_t u) { out += "\\u" + std::to_string(int16_t(uint16_t(u))) + "?"; };
    if (c > 0xFFFF) {
        unit(0xD800 + ((c - 0x10000) >> 10));
        unit(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
        unit(c);
    }
    controlWordOpen = false;
}

} // namespace

std::string BuildSelectionRtf(const std::vector<TRichCharacter>& Characters,
                              const TPreference& Preference) {
    const bool unicodeGreek = Preference.CopyGreekAsUnicode;
    const std::string normalSize = RtfNormalSize(Preference);
    const std::string fontTable =
        unicodeGreek ? RtfFontTable.substr(0, RtfFontTable.size() - 1) + UnicodeGreekFont + "}"
                     : RtfFontTable;
    std::string out =
        std::string("{\\rtf1\\ansi\\ansicpg1251\\deff2\\deflang1049") + fontTable +
        "\r\n{\\colortbl " + RtfColorEntry(0) + RtfColorEntry(Preference.TextSignColor) +
        RtfColorEntry(Preference.TextAuthorColor) + RtfColorEntry(Preference.TextEnumColor) +
        "}\r\n" + "\\uc1\\pard" + (unicodeGreek ? UnicodeGreekSwitch : "\\f2\\lang1033") +
        "\\b\\cf0" + normalSize;
    TRichCharacter state;
    state.FontName = GreekFontName;
    state.Bold = true;
    state.Size = Preference.TextFontSize;
    bool controlWordOpen = true;
    auto control = [&out, &controlWordOpen](const std::string& word) {
        out += word;
        controlWordOpen = true;
    };
    for (size_t i = 0; i < Characters.size(); ++i) {
        const TRichCharacter& c = Characters[i];
        if (c.Byte < 0x20)
            continue;
        if (c.FontName != state.FontName || c.Charset != state.Charset)
            control(FontSwitch(c.FontName, c.Charset, unicodeGreek));
        if (c.Bold != state.Bold)
            control(c.Bold ? "\\b" : "\\b0");
        if (c.Italic != state.Italic)
            control(c.Italic ? "\\i" : "\\i0");
        if (c.Color != state.Color)
            control(c.Color == Preference.TextSignColor     ? "\\cf1"
                    : c.Color == Preference.TextAuthorColor ? "\\cf2"
                    : c.Color == Preference.TextEnumColor   ? "\\cf3"
                                                            : "\\cf0");
        if (c.Size != state.Size)
            control(c.Size == Preference.TextFontSize ? normalSize : RtfAuthorSize(Preference));
        state = c;
        if (!unicodeGreek || c.FontName != GreekFontName) {
            AppendRtfCharacter(out, c.Byte, controlWordOpen);
            continue;
        }
        // A capital and its breathing are two glyphs, so Greek is converted a run at a time.
        std::string glyphs(1, char(c.Byte));
        while (i + 1 < Characters.size() && Characters[i + 1].Byte >= 0x20 &&
               SameAttributes(Characters[i + 1], c))
            glyphs += char(Characters[++i].Byte);
        for (char32_t u : DisplayGlyphsToUnicode(glyphs))
            AppendRtfUnicode(out, u, controlWordOpen);
    }
    out += "\\lang1049\\f1\\b0\\i0\\cf0" + normalSize + "\r\n}\r\n";
    return out;
}

} // namespace orvel
