// The glyph grids of the two character tables: 25 columns by 9 rows of single-byte codes of a
// display font, row by row, 0 for an empty cell. The Greek table shows every glyph of Orvel000
// (small and capital letters on the first two rows, the letters with diacritics and the
// capital-prefix signs below); the special table shows the Hebrew letters and points and the
// graphic signs of Orvel001.
#pragma once

#include <array>
#include <cstdint>

namespace orvel {

enum class TCharTableKind {
    Greek,   // Orvel000
    Special, // Orvel001
};

inline constexpr int CharTableColumns = 25;
inline constexpr int CharTableRows = 9;
inline constexpr int CharTableCells = CharTableColumns * CharTableRows;

using TCharTableGrid = std::array<uint8_t, CharTableCells>;

const TCharTableGrid& CharTableGrid(TCharTableKind kind);

// The code in a cell; 0 for an empty cell and for a cell outside the grid.
uint8_t CharTableCell(TCharTableKind kind, int row, int column);

// Whether an Orvel001 code is a right-to-left glyph (a Hebrew letter or point): 'X', 'a'..'z'
// and 0xC0..0xE5. The special table inserts these before the caret's old place, so that a word
// clicked letter by letter is stored in reverse and reads right to left.
constexpr bool IsRightToLeftSymbol(uint8_t code) {
    return code == 0x58 || (code >= 0x61 && code <= 0x7A) || (code >= 0xC0 && code <= 0xE5);
}

} // namespace orvel
