// A formatted text read one character at a time, with the font, charset, style and colour of
// each character. The search line, the clipboard buffer and the tests feed the search-text
// conversion through this interface, and the note editor and RTF files the note conversion; reading
// never moves a control's selection, and a caller that reports a character selects it by its index.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvel {

struct TCharacterInfo {
    char32_t CodePoint = 0; // 0 when the position holds no text (an embedded object)
    std::string FontName;
    uint8_t Charset = 0; // Windows charset number: 0 ANSI, 161 Greek, 204 Russian, ...
    bool Bold = false;
    bool Italic = false;
    std::optional<uint32_t> Color; // red in the low byte; none: the automatic colour
};

class TCharacterReader {
public:
    virtual ~TCharacterReader() = default;

    // The number of characters; indexes run from 0 to Length() - 1.
    virtual int Length() const = 0;
    virtual TCharacterInfo Character(int index) const = 0;
};

// The byte of a character in the code page of its charset: the Latin-1 code point for the
// display fonts Orvel000 and Orvel001 and for the Symbol charset 2 (which also accepts the
// private-use form U+F020..U+F0FF), Windows-1251 for 204 and the default charset 1,
// Windows-1253 for 161, Windows-1252 for 0 and every other charset. Nothing when the code page
// has no byte for it. Bytes a code page leaves unassigned stand for the Latin-1 code point of
// the same value, so every byte has a code point and comes back unchanged.
std::optional<uint8_t> UnicodeToCharsetByte(char32_t codePoint, std::string_view fontName,
                                            uint8_t charset);
char32_t CharsetByteToUnicode(uint8_t byte, std::string_view fontName, uint8_t charset);

// A text held in memory, built run by run.
class TMemoryCharacterReader : public TCharacterReader {
public:
    TMemoryCharacterReader& Add(std::u32string_view text, std::string_view fontName,
                                uint8_t charset);
    // Bytes in the code page of the charset, as a control holding that font would show them.
    TMemoryCharacterReader& AddBytes(std::string_view bytes, std::string_view fontName,
                                     uint8_t charset);
    // The same with the style and colour of Format (its code point is not used).
    TMemoryCharacterReader& Add(std::u32string_view text, const TCharacterInfo& format);
    TMemoryCharacterReader& AddBytes(std::string_view bytes, const TCharacterInfo& format);
    // A position without text.
    TMemoryCharacterReader& AddObject(std::string_view fontName, uint8_t charset);

    int Length() const override;
    TCharacterInfo Character(int index) const override;

private:
    std::vector<TCharacterInfo> FCharacters;
};

} // namespace orvel
