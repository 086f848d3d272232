// Greek text has two byte forms. The internal encoding, used in the dictionary file, notes and
// search keys, writes every letter as one Latin letter byte ('a'..'z', capitals 'A'..'Y') in
// Greek letter order, optionally preceded by one diacritic code 0xC0..0xDC; byte order is
// therefore alphabetical order. The display layout is the code layout of the font Orvel000:
// letters with diacritics are single glyphs, and a capital with a breathing is drawn as a
// separate prefix glyph followed by the capital. These functions convert between the two; they
// are table lookups, keep no state and never fail: bytes without meaning are dropped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvel {

inline constexpr uint8_t kDiacriticFirst = 0xC0;
inline constexpr uint8_t kDiacriticLast = 0xDC;

constexpr bool IsDiacriticCode(uint8_t byte) {
    return byte >= kDiacriticFirst && byte <= kDiacriticLast;
}

// The vowel-length codes among them: long (macron) and short (breve).
inline constexpr uint8_t kLongMarkCode = 0xCB;
inline constexpr uint8_t kShortMarkCode = 0xCC;

constexpr bool IsLengthMarkCode(uint8_t byte) {
    return byte == kLongMarkCode || byte == kShortMarkCode;
}

// Display form of one internal letter with its diacritic code (0 for none): one glyph, a
// capital-prefix glyph and the capital, a space for 0x20, or nothing (capital final sigma 'R',
// bytes that are not letters). A code the letter cannot carry is ignored.
std::string GreekLetterToFont(uint8_t diacritic, uint8_t letter);
// The same into Glyphs (room for two bytes), answering how many: for the renderer, which writes
// every Greek letter of every article and should not build a string for each.
size_t GreekLetterToFont(uint8_t diacritic, uint8_t letter, uint8_t* glyphs);

// Display form of an internal head word as listed in the word lists: '_' becomes a space,
// vowel-length marks and every byte that is neither a letter nor a diacritic code are dropped.
std::string InternalToFontWord(std::string_view internal);

// Internal form of one display glyph: a bare letter, a diacritic code and its letter, or nothing
// for bytes outside the layout (the space and lone capital-prefix glyphs included).
std::string FontCharToInternal(uint8_t glyph);

// Whether a display glyph is a capital-prefix glyph (" % & ' { }): the breathing drawn before a
// capital, which is the glyph after it. This takes display glyphs, not internal bytes.
bool IsCapitalPrefixGlyph(uint8_t glyph);

// Internal form of a capital-prefix glyph followed by the glyph `next` (0 when there is none).
// Empty when `prefix` is not a prefix glyph or `next` is not a capital that takes a breathing.
std::string FontCapitalToInternal(uint8_t prefix, uint8_t next);

// Internal form of a Greek word or phrase in the display layout. Spaces and the characters
// ! ( ) * - ? [ ] are kept; glyphs outside the layout are dropped.
std::string FontWordToInternal(std::string_view display);

} // namespace orvel
