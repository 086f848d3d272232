// The text of an RTF document as a character reader, positioned as the note editor's rich-text
// control positions it: a character beyond U+FFFF takes two positions (the second reads as its
// low surrogate), a paragraph break reads as '\r' and a line break as '\v', and a break has the
// attributes of the character before it.
#pragma once

#include "core/article/RtfDocument.h"
#include "core/encoding/CharacterReader.h"

#include <string_view>
#include <vector>

namespace orvel {

class TRtfCharacterReader : public TCharacterReader {
public:
    explicit TRtfCharacterReader(const std::vector<TRtfRun>& runs);
    // The document of the RTF bytes (nothing when they are no RTF).
    explicit TRtfCharacterReader(std::string_view rtf);

    int Length() const override;
    TCharacterInfo Character(int index) const override;

private:
    std::vector<TCharacterInfo> FCharacters;
};

} // namespace orvel
