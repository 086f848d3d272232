// Greek as Unicode text and the internal Greek encoding.
//
// Greek arrives from the system (keyboard layouts, the clipboard, other programs) as Unicode:
// monotonic or polytonic, precomposed or with combining marks, tonos and oxia alike. Each letter
// is decomposed into its base letter and its set of marks, and the mark set is mapped to the one
// diacritic code that the letter can carry. The reverse writes the internal encoding as
// precomposed (NFC) polytonic Greek in UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvel {

// The marks of one Greek letter as a bit set.
using TGreekMarks = uint16_t;
inline constexpr TGreekMarks GreekAcute = 0x001;      // acute, tonos, oxia
inline constexpr TGreekMarks GreekGrave = 0x002;      // grave, varia
inline constexpr TGreekMarks GreekCircumflex = 0x004; // perispomeni
inline constexpr TGreekMarks GreekSmooth = 0x008;     // psili
inline constexpr TGreekMarks GreekRough = 0x010;      // dasia
inline constexpr TGreekMarks GreekIotaSubscript = 0x020;
inline constexpr TGreekMarks GreekDiaeresis = 0x040;
inline constexpr TGreekMarks GreekMacron = 0x080; // vowel-length code 0xCB
inline constexpr TGreekMarks GreekBreve = 0x100;  // vowel-length code 0xCC

// A character of the Greek and Coptic block (U+0370..U+03FF) or of Greek Extended
// (U+1F00..U+1FFF).
constexpr bool IsGreekScript(char32_t c) {
    return (c >= 0x0370 && c <= 0x03FF) || (c >= 0x1F00 && c <= 0x1FFF);
}

// Any combining diacritical mark (U+0300..U+036F); marks not read as Greek marks are ignored.
constexpr bool IsCombiningMark(char32_t c) {
    return c >= 0x0300 && c <= 0x036F;
}

// The Greek mark of a combining character, 0 for none. Besides the canonical marks (U+0300,
// U+0301, U+0342, U+0313, U+0314, U+0345, U+0308, U+0304, U+0306 and their equivalents U+0340,
// U+0341, U+0343, U+0344) the circumflex is also read from U+0302, U+0303 and U+0311, which
// some fonts and keyboards use in place of the perispomeni.
TGreekMarks GreekCombiningMark(char32_t c);

// A Greek letter split into its internal letter byte ('a'..'y', capitals 'A'..'Y') and its
// marks; Letter is 0 when the character is no Greek letter. Letter-like variants (ϐ ϑ ϕ ϖ ϰ ϱ
// ϲ Ϲ ϵ and the micro sign) give their ordinary letters.
struct TGreekLetter {
    uint8_t Letter = 0;
    TGreekMarks Marks = 0;
};
TGreekLetter DecomposeGreekLetter(char32_t c);

// The apostrophe, the right single quotation mark, the modifier apostrophe, the koronis and the
// spacing psili: the signs used for elision, internal 'z'.
constexpr bool IsElisionMark(char32_t c) {
    return c == 0x0027 || c == 0x2019 || c == 0x02BC || c == 0x1FBD || c == 0x1FBF;
}

// Whether an internal letter can carry a diacritic code: ε and ο take 0xC0-0xC8 without 0xC2;
// α, η, ω take 0xC0-0xCA and the iota-subscript codes 0xCD-0xD8; α, ι, υ take the length codes
// 0xCB/0xCC; ι, υ take 0xC0-0xCA and the diaeresis codes 0xD9-0xDC; ρ takes 0xC4; capitals
// take 0xC3, 0xC4, 0xC5, 0xC7 and, except Ε and Ο, 0xC9, 0xCA; Ρ takes 0xC4.
bool GreekLetterTakesCode(uint8_t letter, uint8_t code);

// The diacritic code for a set of marks on an internal letter, 0 for none. A set the letter
// cannot carry whole loses marks until it can, least significant first: the length mark, the
// diaeresis, the iota subscript, the accent, the breathing. So ᾱ́ keeps the acute, a breathing
// with a diaeresis keeps the breathing, Ἂ (no prefix glyph for smooth + grave) keeps the smooth
// breathing and Ά is the bare capital. Of two breathings the rough one counts, of two accents the
// circumflex before the acute before the grave, of two length marks the macron.
uint8_t GreekDiacriticCode(uint8_t letter, TGreekMarks marks);

// The internal form of Greek text in UTF-8: letters with their marks, final sigma 'r', capitals
// 'A'..'Y', elision signs 'z'. Other ASCII characters except the Latin letters are kept (the
// space included); everything else, malformed UTF-8 and marks without a letter are dropped.
std::string Utf8GreekToInternal(std::string_view utf8);

// Internal Greek as UTF-8 polytonic Greek in NFC: precomposed letters where Unicode has them
// (Υ with a smooth breathing is written with combining marks, having none), 'r' as final sigma
// ς, 'R' as Σ, 'z' as the right single quotation mark U+2019 (the recommended elision
// apostrophe), '_' as a space, the length codes as ᾱ ᾰ ῑ ῐ ῡ ῠ. A code the letter cannot carry
// is dropped, as on the display; ASCII characters that are no letters are kept; 'Z', control
// bytes and the other bytes above 0x7F are dropped.
std::string InternalToUnicode(std::string_view internal);

} // namespace orvel
