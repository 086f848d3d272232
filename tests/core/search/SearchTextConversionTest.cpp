#include "core/search/SearchTextConversion.h"

#include "core/encoding/CharacterReader.h"
#include "core/encoding/Windows1251.h"
#include "support/InternalBytes.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace orvel {
namespace {

const char* const kMixedFonts = "Смешение нескольких шрифтов в одном слове";
const char* const kMixedLanguages = "Смешение нескольких языков в одном слове";

using orvel::testing::K;

// The search string of a Greek key written as for K. (The key is named before the script code
// goes in front: GCC 12 takes a literal + a temporary string for an overlapping copy.)
std::string Greek(std::string_view key) {
    const std::string internal = K(key);
    return "\x08" + internal;
}

// The search string of a Russian key written in UTF-8.
std::string Russian(std::string_view key) {
    const std::string internal = Utf8ToCp1251(key);
    return "\x07" + internal;
}

TMemoryCharacterReader Bytes(std::string_view bytes, std::string_view font, uint8_t charset) {
    TMemoryCharacterReader reader;
    reader.AddBytes(bytes, font, charset);
    return reader;
}

TMemoryCharacterReader Text(std::u32string_view text, std::string_view font, uint8_t charset) {
    TMemoryCharacterReader reader;
    reader.Add(text, font, charset);
    return reader;
}

std::string Convert(const TCharacterReader& reader, bool allowSpaces = false) {
    return RichTextToInternal(reader, allowSpaces);
}

void ExpectRejected(const TCharacterReader& reader, const char* message, int position) {
    try {
        Convert(reader);
        ADD_FAILURE() << "no error";
    } catch (const TRtfToOrvelException& e) {
        EXPECT_STREQ(e.what(), message);
        EXPECT_EQ(e.Position(), position);
    }
}

void ExpectRefused(const TCharacterReader& reader, const std::string& message) {
    try {
        Convert(reader);
        ADD_FAILURE() << "no error";
    } catch (const TRtfToOrvelException& e) {
        ADD_FAILURE() << "mixed-text error instead of a refusal: " << e.what();
    } catch (const EOrvelError& e) {
        EXPECT_EQ(e.what(), message);
    }
}

TEST(SearchTextConversion, CharsetNames) {
    const std::pair<int, const char*> names[] = {
        {0, "ANSI"},       {1, "Default"},       {2, "Symbol"},    {77, "Mac"},
        {128, "ShiftJIS"}, {129, "Hangeul"},     {130, "Hangeul"}, {134, "Chinese"},
        {136, "Chinese"},  {161, "Greek"},       {162, "Turkish"}, {163, "Vietnamese"},
        {177, "Hebrew"},   {178, "Arabic"},      {186, "Baltic"},  {204, "Russian"},
        {222, "Thai"},     {238, "East Europe"}, {255, "OEM"},     {3, "Unknown"},
        {160, "Unknown"},  {254, "Unknown"},
    };
    for (const auto& [charset, name] : names) {
        EXPECT_EQ(CharsetName(static_cast<uint8_t>(charset)), name) << charset;
    }
}

TEST(SearchTextConversion, NothingButSpacesGivesEmptyKey) {
    EXPECT_EQ(Convert(TMemoryCharacterReader()), "");
    EXPECT_EQ(Convert(Bytes("   ", "Orvel000", 0), true), "");
    // Spaces in any font, even one that would be refused, are no word.
    EXPECT_EQ(Convert(Bytes("  ", "Wingdings", 2)), "");
    TMemoryCharacterReader object;
    object.AddBytes(" ", "Orvel000", 0).AddObject("Wingdings", 2).AddBytes("a", "Orvel000", 0);
    EXPECT_EQ(Convert(object), "");
    EXPECT_EQ(Convert(Bytes(" \t\r\n\v", "Orvel000", 0)), "");
    // A branch that keeps nothing still names the script.
    EXPECT_EQ(Convert(Bytes("-", "Orvel000", 0)), Greek(""));
}

TEST(SearchTextConversion, DisplayLayout) {
    EXPECT_EQ(Convert(Bytes("  l3go~", "Orvel000", 0)), Greek("k{C0}ocor"));  // λόγος
    EXPECT_EQ(Convert(Bytes("%Omhro~", "Orvel000", 0)), Greek("{C7}Olgqor")); // Ὅμηρος
    EXPECT_EQ(Convert(Bytes("!a*?[b](g)", "Orvel000", 0)), Greek("!a*?[b](c)"));
    // '-' is dropped; spaces are kept only when allowed.
    EXPECT_EQ(Convert(Bytes("ab-gd ez", "Orvel000", 0)), Greek("abcdef"));
    EXPECT_EQ(Convert(Bytes("ab-gd ez", "Orvel000", 0), true), Greek("abcd ef"));
    // Bytes outside the layout and a trailing lone prefix glyph give nothing.
    EXPECT_EQ(Convert(Bytes("a\x80\xA0"
                            "b}",
                            "Orvel000", 0)),
              Greek("ab"));
    // A prefix glyph before a consonant gives nothing for either.
    EXPECT_EQ(Convert(Bytes("}Ba", "Orvel000", 0)), Greek("a"));
}

TEST(SearchTextConversion, UnicodeGreekTypedIntoDisplayFont) {
    // Greek typed with a system layout arrives as Unicode, its charset taken from its script.
    TMemoryCharacterReader reader;
    reader.AddBytes("l", "Orvel000", 0)
        .Add(U"ο\u0301", "Orvel000", 161)
        .AddBytes("g", "Orvel000", 0)
        .Add(U"ος", "Orvel000", 161)
        .Add(U"\u2019", "Orvel000", 0);
    EXPECT_EQ(Convert(reader), Greek("k{C0}ocorz"));
    // A prefix glyph followed by no glyph of the layout leaves that character to itself.
    EXPECT_EQ(Convert(Text(U"}ἀ", "Orvel000", 0)), Greek("{C3}a"));
}

// What the monotonic Greek charset gives for each byte of code page 1253 alone.
std::string GreekCharsetPiece(int b) {
    if ((b >= 0xE1 && b <= 0xF9) || (b >= 0xC1 && b <= 0xD9 && b != 0xD2)) {
        return std::string(1, static_cast<char>(b - 0x80));
    }
    switch (b) {
    case 0xDA:
        return "I";
    case 0xDB:
    case 0xBE:
    case 0x9F:
        return "U";
    case 0xA2:
        return "A";
    case 0xB8:
        return "E";
    case 0xB9:
        return "G";
    case 0xBA:
        return "I";
    case 0xBC:
        return "O";
    case 0xBF:
        return "Y";
    case 0xB5:
        return "l";
    case 0xDC:
        return K("{C0}a");
    case 0xDD:
        return K("{C0}e");
    case 0xDE:
        return K("{C0}g");
    case 0xDF:
        return K("{C0}i");
    case 0xFC:
        return K("{C0}o");
    case 0xFD:
        return K("{C0}u");
    case 0xFE:
        return K("{C0}y");
    case 0xFA:
        return K("{D9}i");
    case 0xFB:
        return K("{D9}u");
    case 0xC0:
        return K("{DA}i");
    case 0xE0:
        return K("{DA}u");
    case '!':
    case '(':
    case ')':
    case '*':
    case '?':
    case '[':
    case ']':
        return std::string(1, static_cast<char>(b));
    default:
        return "";
    }
}

// 0xD2 is unassigned in code page 1253 and stands for no letter.
TEST(SearchTextConversion, GreekCharsetEveryByte) {
    for (int b = 0x21; b <= 0xFF; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(Convert(Bytes(byte, "Times New Roman", 161)), Greek(GreekCharsetPiece(b)))
            << "byte " << b;
    }
    EXPECT_EQ(Convert(Bytes("\xEB\xFC\xE3\xEF\xF2 \xEB", "Arial Greek", 161), true),
              Greek("k{C0}ocor k"));
}

TEST(SearchTextConversion, GreekCharsetTakesPolytonicLetters) {
    TMemoryCharacterReader reader;
    reader.Add(U"ἀ", "Times New Roman", 161)
        .AddBytes("\xE1", "Times New Roman", 161)
        .Add(U"\u0313", "Times New Roman", 0) // a combining mark carries no language
        .Add(U"ᾳ", "Times New Roman", 161);
    EXPECT_EQ(Convert(reader), Greek("{C3}a{C3}a{CD}a"));
}

TEST(SearchTextConversion, Russian) {
    EXPECT_EQ(Convert(Text(U"Мир-ёлка Ёж", "Times New Roman", 204)), Russian("МирелкаЕж"));
    EXPECT_EQ(Convert(Text(U"до м*?[]()!", "Courier New Cyr", 204), true), Russian("до м*?[]()!"));
    // The default charset is read as Russian.
    EXPECT_EQ(Convert(Text(U"да", "Arial", 1)), Russian("да"));
    // A Latin letter or a digit ends the key, and what follows is not read.
    TMemoryCharacterReader latin;
    latin.Add(U"домa", "Times New Roman", 204).Add(U"x", "Arial", 0);
    EXPECT_EQ(Convert(latin), Russian("дом"));
    EXPECT_EQ(Convert(Text(U"дом1ах", "Times New Roman", 204)), Russian("дом"));
    // Unicode Cyrillic in any font.
    EXPECT_EQ(Convert(Text(U"мир", "DejaVu Sans", 204)), Russian("мир"));
}

TEST(SearchTextConversion, GraecaLetters) {
    // λόγος with the accent typed after the letter and final sigma on '~'.
    EXPECT_EQ(Convert(Bytes("lovgo~", "GraecaII", 0)), Greek("k{C0}ocor"));
    EXPECT_EQ(Convert(Bytes("chqfkrwxyz", "GraecaII", 0)), Greek("wghvjqynxf"));
    EXPECT_EQ(Convert(Bytes("CHQFKRWXYZ", "GraecaII", 0)), Greek("WGHVJQYNXF"));
    // An iota subscript typed before or after the accent makes one code.
    EXPECT_EQ(Convert(Bytes("a/v", "GraecaII", 0)), Greek("{CE}a"));
    EXPECT_EQ(Convert(Bytes("av/", "GraecaII", 0)), Greek("{CE}a"));
    EXPECT_EQ(Convert(Bytes("h[/", "GraecaII", 0)), Greek("{D3}g"));
    EXPECT_EQ(Convert(Bytes("w}\xE6", "GraecaII", 0)), Greek("{D5}y"));
    EXPECT_EQ(Convert(Bytes("i>v", "GraecaII", 0)), Greek("{DA}i"));
    EXPECT_EQ(Convert(Bytes("u\x9F\xE9", "GraecaII", 0)), Greek("{DA}u"));
    // Epsilon takes no iota subscript; a second code that does not combine is read on its own.
    EXPECT_EQ(Convert(Bytes("e/", "GraecaII", 0)), Greek("e"));
    EXPECT_EQ(Convert(Bytes("ajva", "GraecaII", 0)), Greek("{C3}aa"));
    EXPECT_EQ(Convert(Bytes("rJ", "GraecaII", 0)), Greek("{C4}q"));
    EXPECT_EQ(Convert(Bytes("bv", "GraecaII", 0)), Greek("b"));
}

TEST(SearchTextConversion, GraecaCapitalsAndSigns) {
    EXPECT_EQ(Convert(Bytes("\xEFOmhro\"", "GraecaII", 0)), Greek("{C4}Olgqor"));
    EXPECT_EQ(Convert(Bytes(K("{D2}E{D5}A{C7}I{C8}U"), "GraecaII", 0)),
              Greek("{C5}E{C7}A{C9}I{CA}U"));
    EXPECT_EQ(Convert(Bytes(K("{C6}R{C7}R{D3}B"), "GraecaII", 0)), Greek("{C3}QQB"));
    // The smooth breathing before no capital is the apostrophe, even at the end.
    EXPECT_EQ(Convert(Bytes("ap\xC6", "GraecaII", 0)), Greek("apz"));
    // The character after it is read on its own, not lost.
    EXPECT_EQ(Convert(Bytes("ap\xC6 a", "GraecaII", 0), true), Greek("apz a"));
    EXPECT_EQ(Convert(Bytes(K("{EF}a"), "GraecaII", 0)), Greek("a"));
    EXPECT_EQ(Convert(Bytes("s~\xF5V\xBE\xBB\xBC\xF4!()* ?v/[", "GraecaII", 0), true),
              Greek("srrzz[]?!()* "));
    // The font's bytes are read whatever charset it is tagged with.
    TMemoryCharacterReader symbol;
    symbol.Add(U"\uF06F\uF0E9", "GraecaII", 2);
    EXPECT_EQ(Convert(symbol), Greek("{C0}o"));
}

TEST(SearchTextConversion, UnicodeGreekInAnyFont) {
    EXPECT_EQ(Convert(Text(U"λόγος", "DejaVu Sans", 161)), Greek("k{C0}ocor"));
    // Precomposed or with combining marks, as other programs deliver it; marks, spaces and
    // signs carry the charset of no script.
    TMemoryCharacterReader reader;
    reader.Add(U"ἀπ", "Noto Serif", 161)
        .Add(U"'", "Noto Serif", 0)
        .Add(U" ", "Noto Serif", 0)
        .Add(U"αυ", "Noto Serif", 161)
        .Add(U"\u0313", "Noto Serif", 0)
        .Add(U"τοῦ*", "Noto Serif", 161)
        .Add(U"-1", "Noto Serif", 0);
    EXPECT_EQ(Convert(reader, true), Greek("{C3}apz a{C3}uto{C2}u*"));
    EXPECT_EQ(Convert(reader), Greek("{C3}apza{C3}uto{C2}u*"));
    // A standard font with the Western charset holding Unicode Greek.
    EXPECT_EQ(Convert(Text(U"Ὅμηρος", "Times New Roman", 0)), Greek("{C7}Olgqor"));
}

TEST(SearchTextConversion, MixedFontsAreRejectedAtTheirPosition) {
    TMemoryCharacterReader reader;
    reader.AddBytes("lo", "Orvel000", 0).AddBytes("g", "Arial", 0);
    ExpectRejected(reader, kMixedFonts, 2);
    TMemoryCharacterReader second;
    second.AddBytes("l", "Orvel000", 0).AddBytes("og", "Arial", 0);
    ExpectRejected(second, kMixedFonts, 1);
    TMemoryCharacterReader afterSpaces;
    afterSpaces.AddBytes("  l", "Orvel000", 0).AddBytes("o", "Arial", 0);
    ExpectRejected(afterSpaces, kMixedFonts, 3);
    // Also while collecting the marks of a letter or the diacritics after a GraecaII letter.
    TMemoryCharacterReader mark;
    mark.Add(U"λο", "DejaVu Sans", 161).Add(U"\u0301", "Noto Serif", 161);
    ExpectRejected(mark, kMixedFonts, 2);
    TMemoryCharacterReader graeca;
    graeca.AddBytes("a", "GraecaII", 0).AddBytes("v", "Orvel000", 0);
    ExpectRejected(graeca, kMixedFonts, 1);
}

TEST(SearchTextConversion, MixedLanguagesAreRejectedAtTheirPosition) {
    TMemoryCharacterReader display;
    display.AddBytes("ab", "Orvel000", 0).AddBytes("c", "Orvel000", 204);
    ExpectRejected(display, kMixedLanguages, 2);
    TMemoryCharacterReader cyrillic;
    cyrillic.AddBytes("a", "Orvel000", 0).Add(U"д", "Orvel000", 204);
    ExpectRejected(cyrillic, kMixedLanguages, 1);
    TMemoryCharacterReader russian;
    russian.Add(U"до", "Times New Roman", 204).Add(U"α", "Times New Roman", 161);
    ExpectRejected(russian, kMixedLanguages, 2);
    TMemoryCharacterReader greek;
    greek.Add(U"λόγ", "Times New Roman", 161).Add(U"a", "Times New Roman", 0);
    ExpectRejected(greek, kMixedLanguages, 3);
    TMemoryCharacterReader unicode;
    unicode.Add(U"λ", "DejaVu Sans", 161).Add(U"д", "DejaVu Sans", 204);
    ExpectRejected(unicode, kMixedLanguages, 1);
    // In GraecaII every character is a glyph of the font, so every charset counts.
    TMemoryCharacterReader graeca;
    graeca.AddBytes("a", "GraecaII", 0).AddBytes("*", "GraecaII", 2);
    ExpectRejected(graeca, kMixedLanguages, 1);
}

TEST(SearchTextConversion, UnreadableFontsAreRefused) {
    ExpectRefused(Bytes("word", "Times New Roman", 0),
                  "Orvel не работает со шрифтом Times New Roman (ANSI)");
    ExpectRefused(Bytes(" abc", "Symbol", 2), "Orvel не работает со шрифтом Symbol (Symbol)");
    ExpectRefused(Text(U"slowo", "Arial", 238), "Orvel не работает со шрифтом Arial (East Europe)");
    ExpectRefused(Bytes("abc", "Orvel001", 0), "Orvel не работает со шрифтом Orvel001 (ANSI)");
    ExpectRefused(Text(U"word", "DejaVu Sans", 99),
                  "Orvel не работает со шрифтом DejaVu Sans (Unknown)");
}

TEST(SearchTextConversion, BlanksBeforeTheWordAreSkipped) {
    // A word copied from a table cell or from a line of its own; the blanks before it may be in
    // another font than the word's.
    TMemoryCharacterReader cell;
    cell.AddBytes("\t", "Arial", 0).AddBytes("ab\tgd", "Orvel000", 0);
    EXPECT_EQ(Convert(cell), Greek("ab"));
    TMemoryCharacterReader line;
    line.AddBytes("\r\n \v", "Times New Roman", 0).Add(U"\u0434\u043E\u043C\r", "Arial", 204);
    EXPECT_EQ(Convert(line), Russian("дом"));
}

TEST(SearchTextConversion, ControlCharactersAndObjectsEndTheText) {
    EXPECT_EQ(Convert(Bytes("ab\tgd", "Orvel000", 0)), Greek("ab"));
    TMemoryCharacterReader object;
    object.AddBytes("ab", "Orvel000", 0).AddObject("Arial", 0).AddBytes("gd", "Orvel000", 0);
    EXPECT_EQ(Convert(object), Greek("ab"));
}

// Code pages 1252 and 1253 against the C library's converters; unassigned bytes stand for
// their Latin-1 code points, so every byte of every code page survives a round trip.
TEST(SearchTextConversion, CharsetBytes) {
    const std::pair<const char*, uint8_t> pages[] = {{"CP1252", 0}, {"CP1253", 161}};
    for (const auto& [name, charset] : pages) {
        iconv_t cd = iconv_open("UTF-32LE", name);
        if (cd == iconv_t(-1)) {
            GTEST_SKIP() << "no " << name << " converter on this system";
        }
        for (int b = 0x20; b < 0x100; ++b) {
            char in = static_cast<char>(b);
            char32_t out = 0;
            char* pin = &in;
            char* pout = reinterpret_cast<char*>(&out);
            size_t inLeft = 1, outLeft = sizeof out;
            if (iconv(cd, &pin, &inLeft, &pout, &outLeft) != size_t(-1)) {
                EXPECT_EQ(CharsetByteToUnicode(static_cast<uint8_t>(b), "Arial", charset), out)
                    << name << " byte " << b;
            }
        }
        iconv_close(cd);
    }
    for (const int charset : {0, 1, 2, 161, 204, 238}) {
        for (const char* font : {"Arial", "Orvel000"}) {
            for (int b = 0; b < 0x100; ++b) {
                const char32_t c = CharsetByteToUnicode(static_cast<uint8_t>(b), font, charset);
                EXPECT_EQ(UnicodeToCharsetByte(c, font, charset), b)
                    << font << " charset " << charset << " byte " << b;
            }
        }
    }
    EXPECT_EQ(CharsetByteToUnicode(0xE1, "Orvel000", 161), U'\u00E1'); // display fonts: Latin-1
    EXPECT_EQ(CharsetByteToUnicode(0xE1, "Arial", 204), U'б');
    EXPECT_EQ(UnicodeToCharsetByte(U'\uF0E9', "Wingdings", 2), 0xE9);
    EXPECT_FALSE(UnicodeToCharsetByte(U'α', "Orvel000", 161));
    EXPECT_FALSE(UnicodeToCharsetByte(U'д', "Arial", 161));
}

} // namespace
} // namespace orvel
