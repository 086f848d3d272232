// The head word at the start of an article text, as the dictionary and the notes files read it.
#pragma once

#include "core/article/ArticleCodes.h"

#include <cstdint>
#include <string_view>

namespace orvel {

// The bytes a head word is written with: Greek letters in the internal encoding, their
// diacritics (192-220) and the marks "-", "[", "]" and "_".
inline bool IsHeadWordByte(uint8_t c) {
    return c == '-' || (c >= 'A' && c <= 'Y') || c == '[' || c == ']' || c == '_' ||
           (c >= 'a' && c <= 'z') || (c >= 192 && c <= 220);
}

// After an optional two-byte head-word mark (0x80 and its row), the longest run of head-word
// bytes.
inline std::string_view HeadWordOfText(std::string_view Text) {
    size_t p = 0;
    if (!Text.empty() && uint8_t(Text[0]) == CodeArticleMark)
        p = Text.size() >= 2 ? 2 : 1;
    const size_t start = p;
    while (p < Text.size() && IsHeadWordByte(uint8_t(Text[p])))
        ++p;
    return Text.substr(start, p - start);
}

} // namespace orvel
