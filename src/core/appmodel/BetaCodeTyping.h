// Beta Code typed into a line that shows Greek in the display layout. A mark typed after a letter
// changes that letter (a, then ')', then '/' gives α, ἀ, ἄ), a letter after a final sigma turns
// it into a medial one, and a capital's '*' and marks wait, unseen, for its letter. So the line
// holds Greek glyphs throughout and is looked up as Greek.
#pragma once

#include "core/encoding/BetaCode.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvel {

struct TBetaCodeKeystroke {
    std::string_view Before;  // the display glyphs before the caret (the last two suffice)
    std::string_view Pending; // Beta Code typed before that shows nothing yet
    char Typed = 0;
    bool LetterFollows = false; // a Greek letter stands right after the caret
};

struct TBetaCodeEdit {
    size_t Replaced = 0;                 // how many glyphs before the caret the edit replaces
    std::string Display;                 // the glyphs that replace them, caret after them
    std::string Pending;                 // Beta Code still waiting for its letter
    std::optional<TBetaCodeError> Error; // the keystroke is refused; nothing changes
};

// Whether a typed character is Beta Code (printable ASCII): what the line takes as Beta Code;
// other characters (Greek or Cyrillic from a system layout) are typed as they are.
constexpr bool IsBetaCodeCharacter(char32_t c) {
    return c >= 0x20 && c < 0x7F;
}

TBetaCodeEdit TypeBetaCode(const TBetaCodeKeystroke& keystroke);

} // namespace orvel
