#include "core/article/RtfCharacterReader.h"

#include "core/encoding/FontNames.h"

#include <optional>

namespace orvel {
namespace {

// The charset of a Cyrillic or Greek letter by its script.
std::optional<uint8_t> ScriptCharset(char32_t c) {
    if (c >= 0x0400 && c <= 0x052F)
        return 204;
    if ((c >= 0x0370 && c <= 0x03FF) || (c >= 0x1F00 && c <= 0x1FFF))
        return 161;
    return std::nullopt;
}

// As the editor reads it: a Cyrillic or Greek letter that the code page of its charset cannot
// hold (pasted as Unicode into a font of another charset) is read in its script's charset.
uint8_t CharsetOf(char32_t c, const std::string& fontName, int charset) {
    const auto stored = uint8_t(charset);
    const std::optional<uint8_t> script = ScriptCharset(c);
    if (script && *script != stored && !IsDisplayFont(fontName) &&
        !UnicodeToCharsetByte(c, fontName, stored))
        return *script;
    return stored;
}

} // namespace

TRtfCharacterReader::TRtfCharacterReader(const std::vector<TRtfRun>& runs) {
    for (const TRtfRun& run : runs) {
        const TRtfAttributes& a = run.Attributes;
        for (const char32_t c : run.Text) {
            if (c == RtfParagraphBreak || c == RtfLineBreak) {
                TCharacterInfo info = FCharacters.empty()
                                          ? TCharacterInfo{0,      a.FontName, uint8_t(a.Charset),
                                                           a.Bold, a.Italic,   a.Color}
                                          : FCharacters.back();
                info.CodePoint = c == RtfParagraphBreak ? U'\r' : U'\v';
                FCharacters.push_back(std::move(info));
                continue;
            }
            FCharacters.push_back(
                {c, a.FontName, CharsetOf(c, a.FontName, a.Charset), a.Bold, a.Italic, a.Color});
            if (c > 0xFFFF) {
                FCharacters.push_back(FCharacters.back());
                FCharacters.back().CodePoint = 0xDC00 + ((c - 0x10000) & 0x3FF);
            }
        }
    }
}

TRtfCharacterReader::TRtfCharacterReader(std::string_view rtf)
    : TRtfCharacterReader(IsRtf(rtf) ? ReadRtfRuns(rtf) : std::vector<TRtfRun>()) {}

int TRtfCharacterReader::Length() const {
    return int(FCharacters.size());
}

TCharacterInfo TRtfCharacterReader::Character(int index) const {
    if (index < 0 || index >= Length())
        return {};
    return FCharacters[size_t(index)];
}

} // namespace orvel
