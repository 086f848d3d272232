#include "core/article/RtfText.h"

#include "core/encoding/FontNames.h"
#include "core/settings/Preference.h"

namespace orvel {

const std::string RtfFontTable =
    "{\\fonttbl {\\f0\\froman\\fcharset0 " + std::string(RussianFontName) +
    ";}{\\f1\\froman\\fcharset204{\\*\\fname " + std::string(RussianFontName) + ";}" +
    std::string(RussianFontName) + " Cyr;}{\\f2\\fnil\\fcharset0 " + std::string(GreekFontName) +
    ";}{\\f3\\fnil\\fcharset0 " + std::string(SymbolFontName) + ";}}";

std::string RtfColorEntry(uint32_t Color) {
    return "\\red" + std::to_string(Color & 0xFF) + "\\green" +
           std::to_string((Color >> 8) & 0xFF) + "\\blue" + std::to_string((Color >> 16) & 0xFF) +
           ";";
}

std::string RtfNormalSize(const TPreference& Preference) {
    return "\\fs" + std::to_string(2 * Preference.TextFontSize);
}

std::string RtfAuthorSize(const TPreference& Preference) {
    return "\\fs" + std::to_string(Preference.TextFontSize * Preference.TextAuthorSizePercent / 50);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void AppendRtfCharacter(std::string& Out, uint8_t c, bool& ControlWordOpen) {
    static const char hex[] = "0123456789abcdef";
    if (c >= 0x80) {
        Out += "\\'";
        Out += hex[c >> 4];
        Out += hex[c & 0xF];
    } else if (c == '\\' || c == '{' || c == '}') {
        Out += '\\';
        Out += char(c);
    } else if (c >= 0x20 && c <= 0x7E) {
        if (ControlWordOpen)
            Out += ' ';
        Out += char(c);
    }
    ControlWordOpen = false;
}

} // namespace orvel
