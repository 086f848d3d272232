// The RTF document of a copied selection: the characters of a rich-text control with their
// fonts, styles, colours and sizes, in the same font and colour slots as the article, so that
// other programs receive the Greek fonts and the colours.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvel {

class TPreference;

// One character of the selection: its byte in its charset's code page and its attributes.
struct TRichCharacter {
    uint8_t Byte = 0;
    std::string FontName;
    int Charset = 0;
    bool Bold = false;
    bool Italic = false;
    uint32_t Color = 0; // red in the low byte
    int Size = 0;       // points
};

// The whole document; characters below 0x20 are left out.
std::string BuildSelectionRtf(const std::vector<TRichCharacter>& Characters,
                              const TPreference& Preference);

} // namespace orvel
