#include "core/article/SelectionRtf.h"

#include "core/article/RtfText.h"
#include "core/encoding/FontNames.h"
#include "core/settings/Preference.h"

namespace orvel {

namespace {

const char* FontSwitch(const std::string& name, int charset) {
    if (name == GreekFontName)
        return "\\f2\\lang1033";
    if (name == SymbolFontName)
        return "\\f3\\lang1033";
    return charset != 0 ? "\\f1\\lang1049" : "\\f0\\lang1033";
}

} // namespace

std::string BuildSelectionRtf(const std::vector<TRichCharacter>& Characters,
                              const TPreference& Preference) {
    const std::string normalSize = RtfNormalSize(Preference);
    std::string out =
        std::string("{\\rtf1\\ansi\\ansicpg1251\\deff2\\deflang1049") + RtfFontTable +
        "\r\n{\\colortbl " + RtfColorEntry(0) + RtfColorEntry(Preference.TextSignColor) +
        RtfColorEntry(Preference.TextAuthorColor) + RtfColorEntry(Preference.TextEnumColor) +
        "}\r\n" + "\\uc1\\pard\\f2\\lang1033\\b\\cf0" + normalSize;
    TRichCharacter state;
    state.FontName = GreekFontName;
    state.Bold = true;
    state.Size = Preference.TextFontSize;
    bool controlWordOpen = true;
    auto control = [&out, &controlWordOpen](const std::string& word) {
        out += word;
        controlWordOpen = true;
    };
    for (const TRichCharacter& c : Characters) {
        if (c.Byte < 0x20)
            continue;
        if (c.FontName != state.FontName || c.Charset != state.Charset)
            control(FontSwitch(c.FontName, c.Charset));
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
        AppendRtfCharacter(out, c.Byte, controlWordOpen);
    }
    out += "\\lang1049\\f1\\b0\\i0\\cf0" + normalSize + "\r\n}\r\n";
    return out;
}

} // namespace orvel
