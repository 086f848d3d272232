// The names of the fonts the program writes and recognises: its two display fonts, whose glyphs
// sit on single-byte code points, and the font of Russian and Latin text.
#pragma once

#include <string_view>

namespace orvel {

inline constexpr std::string_view GreekFontName = "Orvel000";  // Greek in the display layout
inline constexpr std::string_view SymbolFontName = "Orvel001"; // special symbols
inline constexpr std::string_view RussianFontName = "Times New Roman";

// Orvel000 and Orvel001: a character's byte is its code point.
inline bool IsDisplayFont(std::string_view Name) {
    return Name == GreekFontName || Name == SymbolFontName;
}

} // namespace orvel
