// What a click on a cell of a character table does to the composition field and to the key
// panel, which tells the user how to type the clicked glyph without the table.
#pragma once

#include "core/appmodel/CharTableGrid.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvel {

// The key that types a code: the character itself for the printable codes 33..126, otherwise
// the Alt code "Alt + 0192" (four digits with leading zeros).
std::string CharTableKeyName(uint8_t code);

// The key panel's text for a code, as it is to appear (UTF-8): "Клавиша ‹a›", "Клавиша ‹&›",
// "Клавиша ‹Alt + 0192›".
std::string CharTableKeyCaption(uint8_t code);

// The effect of a click on a cell.
struct TCellClick {
    std::string Inserted;     // replaces the selection: the cell's glyph, a space for an empty cell
    bool CaretBefore = false; // the caret goes back before the inserted glyph (right-to-left)
    std::string KeyCaption;   // the key panel's new text (UTF-8); empty clears it
};

TCellClick ClickCharTableCell(TCharTableKind kind, uint8_t code);

// The composition field as bytes of its font with its selection.
struct TComposition {
    std::string Text;
    size_t SelStart = 0;
    size_t SelLength = 0;
};

// Applies a click to a composition: the selection is replaced and the caret placed.
void ApplyCellClick(TComposition& composition, const TCellClick& click);

} // namespace orvel
