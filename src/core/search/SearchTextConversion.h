// Conversion of the formatted text of the search line into a search string.
//
// The same Greek word can arrive in the display layout of Orvel000, in a monotonic font with the
// Windows Greek charset, in the font GraecaII (diacritics typed as separate characters after the
// letter), or as Unicode Greek in any font; a Russian word in a Cyrillic font or as Unicode
// Cyrillic. The font and charset of the first character that is not a blank (a space, tab or
// line break) decide the form; every later character must share its font and its language.
#pragma once

#include "core/base/OrvelError.h"
#include "core/encoding/CharacterReader.h"

#include <cstdint>
#include <string>

namespace orvel {

// Mixed fonts or languages in the text; Position is the index of the offending character.
class TRtfToOrvelException : public EOrvelError {
public:
    TRtfToOrvelException(const std::string& message, int position)
        : EOrvelError(message), FPosition(position) {}

    int Position() const { return FPosition; }

private:
    int FPosition;
};

// The English name of a Windows charset number, "Unknown" for numbers without one.
std::string CharsetName(uint8_t charset);

// The search string of the text: the script code (ScriptGreek or ScriptRussian) followed by the
// word in the internal encoding (Greek) or in Windows-1251 (Russian); empty when the text holds
// nothing but blanks. Spaces are kept only when allowSpaces is set. The characters ! ( ) * ? [ ]
// pass unchanged. Throws TRtfToOrvelException for mixed fonts or languages, EOrvelError for a
// font that cannot be read.
std::string RichTextToInternal(const TCharacterReader& reader, bool allowSpaces);

} // namespace orvel
