// Text in the display layout of Orvel000 as Unicode, for programs without the display fonts.
#pragma once

#include <string>
#include <string_view>

namespace orvel {

// Display glyphs as Unicode: letters (a capital-prefix glyph with its capital included) as
// polytonic Greek through the internal encoding; glyphs outside the layout (spaces,
// punctuation, the mark ¶) as the characters they are.
std::u32string DisplayGlyphsToUnicode(std::string_view glyphs);

} // namespace orvel
