// How the full-text search reads the bytes of a word into the word it compares: which bytes are
// letters, which capitals it lowers, which it passes over and which end the word.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace orvel {

enum TLetterRole : uint8_t {
    EndsWord,  // not part of the word
    Collected, // a letter as it is
    Lowered,   // a capital, compared as its small letter (32 above it)
    Skipped,   // part of the word, not compared: a diacritic code, "-", "[", "]"
};

using TLetterRoles = std::array<TLetterRole, 256>;

// The roles for a word of a Greek or Russian search, exact (capitals and diacritics count) or not.
const TLetterRoles& WordLetters(bool Greek, bool Exact);

// The letter a byte gives in the compared word; 0 for a byte that gives none.
constexpr uint8_t LetterOf(TLetterRole Role, uint8_t Byte) {
    return Role == Collected ? Byte : Role == Lowered ? uint8_t(Byte + 32) : 0;
}

} // namespace orvel
