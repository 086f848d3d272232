// The two input modes of a text control: Russian (Cyrillic typed on a Latin keyboard through
// the standard Russian layout) and Greek (keys taken as typed, shown in the display font
// Orvel000, whose glyphs sit on the Latin keys).
#pragma once

#include "core/encoding/FontNames.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace orvel {

enum class TInputMode : int {
    Russian = 0,
    Greek = 1,
};

inline constexpr uint8_t CharsetAnsi = 0;
inline constexpr uint8_t CharsetGreek = 161;
inline constexpr uint8_t CharsetRussian = 204;

// A font name and a Windows charset number.
struct TTypedFormat {
    std::string_view FontName;
    uint8_t Charset = 0;

    bool operator==(const TTypedFormat&) const = default;
};

// The font and charset of a mode: Russian "Times New Roman" 204, Greek "Orvel000" 0.
TTypedFormat InputModeFormat(TInputMode mode);

// The character a key produces with the keyboard in a mode, given the character the system's
// own (Latin) layout produced. In Russian mode the letter and punctuation keys of a US keyboard
// give what the same keys give in the standard Russian layout, shifted keys the capitals and
// the shifted signs; everything else (Cyrillic typed with a Russian system layout, digits,
// space) passes unchanged, as does every character in Greek mode.
char32_t MapTypedCharacter(char32_t typed, TInputMode keyboard);
std::u32string MapTypedText(std::u32string_view typed, TInputMode keyboard);

// The font and charset a typed character (after mapping) is inserted with in a control of a
// mode. A character the mode's own font and code page can hold takes the mode's format; one
// that arrives from a system layout in another script takes a charset from its script:
// Cyrillic 204, Greek 161, anything else 0, in "Times New Roman".
TTypedFormat TypedCharacterFormat(char32_t character, TInputMode mode);

} // namespace orvel
