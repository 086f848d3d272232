#include "core/encoding/CharacterReader.h"

#include "core/encoding/FontNames.h"
#include "core/encoding/Windows1251.h"

namespace orvel {
namespace {

// Windows-1252 0x80..0x9F; the rest of the code page is Latin-1. 0 marks an unassigned byte.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// Windows-1253 0x80..0xBF; 0xC0..0xFE run with U+0390..U+03CE except the unassigned 0xD2.
constexpr char16_t kCp1253High[64] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0,      0x2030, 0,      0x2039, 0,      0,      0,      0,      // 88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0,      0x2122, 0,      0x203A, 0,      0,      0,      0,      // 98
    0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0,      0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015, // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F, // B8
};

enum class CodePage { Latin1, Symbol, Cp1251, Cp1252, Cp1253 };

CodePage CodePageOf(std::string_view fontName, uint8_t charset) {
    if (IsDisplayFont(fontName)) {
        return CodePage::Latin1;
    }
    switch (charset) {
    case 1:
    case 204:
        return CodePage::Cp1251;
    case 2:
        return CodePage::Symbol;
    case 161:
        return CodePage::Cp1253;
    default:
        return CodePage::Cp1252;
    }
}

char32_t Cp1252ToUnicode(uint8_t b) {
    const char16_t c = b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b;
    return c != 0 || b == 0 ? c : b;
}

char32_t Cp1253ToUnicode(uint8_t b) {
    char16_t c = b;
    if (b >= 0x80 && b < 0xC0) {
        c = kCp1253High[b - 0x80];
    } else if (b >= 0xC0 && b != 0xD2 && b != 0xFF) {
        c = static_cast<char16_t>(0x0390 + (b - 0xC0));
    }
    return c != 0 || b == 0 ? c : b;
}

std::optional<uint8_t> FromTable(char32_t c, char32_t (*decode)(uint8_t)) {
    if (c < 0x80) {
        return static_cast<uint8_t>(c);
    }
    for (int b = 0x80; b < 0x100; ++b) {
        if (decode(static_cast<uint8_t>(b)) == c) {
            return static_cast<uint8_t>(b);
        }
    }
    return std::nullopt;
}

// Neither bold nor italic, the automatic colour.
TCharacterInfo PlainFormat(std::string_view fontName, uint8_t charset) {
    TCharacterInfo format;
    format.FontName = fontName;
    format.Charset = charset;
    return format;
}

} // namespace

std::optional<uint8_t> UnicodeToCharsetByte(char32_t codePoint, std::string_view fontName,
                                            uint8_t charset) {
    switch (CodePageOf(fontName, charset)) {
    case CodePage::Symbol:
        if (codePoint >= 0xF020 && codePoint <= 0xF0FF) {
            return static_cast<uint8_t>(codePoint - 0xF000);
        }
        [[fallthrough]];
    case CodePage::Latin1:
        if (codePoint <= 0xFF) {
            return static_cast<uint8_t>(codePoint);
        }
        return std::nullopt;
    case CodePage::Cp1251: {
        const auto b = UnicodeToCp1251(codePoint);
        return b ? std::optional<uint8_t>(*b) : std::nullopt;
    }
    case CodePage::Cp1252:
        return FromTable(codePoint, Cp1252ToUnicode);
    case CodePage::Cp1253:
        return FromTable(codePoint, Cp1253ToUnicode);
    }
    return std::nullopt;
}

char32_t CharsetByteToUnicode(uint8_t byte, std::string_view fontName, uint8_t charset) {
    switch (CodePageOf(fontName, charset)) {
    case CodePage::Symbol:
    case CodePage::Latin1:
        return byte;
    case CodePage::Cp1251:
        return Cp1251ToUnicode(byte);
    case CodePage::Cp1252:
        return Cp1252ToUnicode(byte);
    case CodePage::Cp1253:
        return Cp1253ToUnicode(byte);
    }
    return byte;
}

TMemoryCharacterReader& TMemoryCharacterReader::Add(std::u32string_view text,
                                                    std::string_view fontName, uint8_t charset) {
    return Add(text, PlainFormat(fontName, charset));
}

TMemoryCharacterReader& TMemoryCharacterReader::AddBytes(std::string_view bytes,
                                                         std::string_view fontName,
                                                         uint8_t charset) {
    return AddBytes(bytes, PlainFormat(fontName, charset));
}

TMemoryCharacterReader& TMemoryCharacterReader::Add(std::u32string_view text,
                                                    const TCharacterInfo& format) {
    for (const char32_t c : text) {
        FCharacters.push_back(format);
        FCharacters.back().CodePoint = c;
    }
    return *this;
}

TMemoryCharacterReader& TMemoryCharacterReader::AddBytes(std::string_view bytes,
                                                         const TCharacterInfo& format) {
    for (const char b : bytes) {
        FCharacters.push_back(format);
        FCharacters.back().CodePoint =
            CharsetByteToUnicode(static_cast<uint8_t>(b), format.FontName, format.Charset);
    }
    return *this;
}

TMemoryCharacterReader& TMemoryCharacterReader::AddObject(std::string_view fontName,
                                                          uint8_t charset) {
    FCharacters.push_back(PlainFormat(fontName, charset));
    return *this;
}

int TMemoryCharacterReader::Length() const {
    return static_cast<int>(FCharacters.size());
}

TCharacterInfo TMemoryCharacterReader::Character(int index) const {
    if (index < 0 || index >= Length()) {
        return {};
    }
    return FCharacters[static_cast<size_t>(index)];
}

} // namespace orvel
