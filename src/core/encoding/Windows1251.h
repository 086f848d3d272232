// Conversion between Windows-1251 (the program's 8-bit Russian text) and Unicode.
//
// Every byte 0x00..0xFF maps to one code point and back, so 8-bit text survives a round trip
// through UTF-8 unchanged. The byte 0x98 has no character in Windows-1251; it is carried as
// U+0098. A character that Windows-1251 cannot hold becomes '?'.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvel {

// The code point of a Windows-1251 byte.
char32_t Cp1251ToUnicode(unsigned char byte);

// The Windows-1251 byte of a code point, or nothing when the code page has none.
std::optional<unsigned char> UnicodeToCp1251(char32_t codePoint);

std::string Cp1251ToUtf8(std::string_view text);

// Malformed UTF-8 gives one '?' for each byte that is not part of a well-formed sequence
// (overlong forms, surrogates and code points above U+10FFFF are malformed).
std::string Utf8ToCp1251(std::string_view text);

// A surrogate pair (a character beyond the code page) and a lone surrogate each give one '?'.
std::string Utf16ToCp1251(std::u16string_view text);

} // namespace orvel
