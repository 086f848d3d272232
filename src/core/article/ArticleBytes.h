// The roles of the bytes of the article format that both its reader (the renderer) and its
// writers (the source compiler and decompiler) must agree on: punctuation signs with their
// spacing, and the bytes that start and continue words. The control codes are in ArticleCodes.h.
#pragma once

#include "core/article/ArticleCodes.h"

#include <cstdint>

namespace orvel {

// The sign a punctuation byte shows and its spacing; Shown is 0 for bytes that are no sign.
struct TPunctuationSign {
    uint8_t Shown = 0;
    bool SpaceBefore = false;
    bool SpaceAfter = false;
};
TPunctuationSign PunctuationSign(uint8_t Byte);

constexpr bool IsArticleLetter(uint8_t c) {
    return (c >= 0x41 && c <= 0x5A) || (c >= 0x61 && c <= 0x7A) || c >= 0xC0;
}
constexpr bool StartsArticleWord(uint8_t c) {
    return IsArticleLetter(c) || c == 0x2D || (c >= 0x30 && c <= 0x39) || c == 0x5B ||
           c == CodeMark;
}
constexpr bool ContinuesArticleWord(uint8_t c) {
    return c == CodeMark || c == 0x2D || c == 0x2E || (c >= 0x30 && c <= 0x39) ||
           (c >= 0x41 && c <= 0x7E) || c >= 0xC0;
}

} // namespace orvel
