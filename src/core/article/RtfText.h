// Pieces shared by the two RTF documents the program writes: the article and a copied
// selection. Both use the same font slots, colour entries and size strings.
#pragma once

#include <cstdint>
#include <string>

namespace orvel {

class TPreference;

// The font table of both documents: Latin, Russian, Greek (Orvel000), symbols (Orvel001).
extern const std::string RtfFontTable;

// "\redR\greenG\blueB;" of a colour value with red in its low byte.
std::string RtfColorEntry(uint32_t Color);

// "\fs" and the main text size in half-points.
std::string RtfNormalSize(const TPreference& Preference);
// "\fs" and the size of author names in half-points.
std::string RtfAuthorSize(const TPreference& Preference);

// The value of a hexadecimal digit, or -1.
int HexDigit(char c);

// Appends byte c as RTF text: "\'hh" from 0x80, an escaped '\' '{' '}', a printable ASCII byte
// after a delimiting space when a control word was written last; control bytes give nothing.
void AppendRtfCharacter(std::string& Out, uint8_t c, bool& ControlWordOpen);

} // namespace orvel
