#include "core/encoding/Utf8.h"

namespace orvel {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kLastCodePoint = 0x10FFFF;

constexpr bool IsSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

} // namespace

void AppendUtf8(std::string& out, char32_t codePoint) {
    const char32_t c =
        IsSurrogate(codePoint) || codePoint > kLastCodePoint ? kReplacement : codePoint;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

size_t ReadUtf8(std::string_view text, size_t i, char32_t& codePoint) {
    const auto b = static_cast<unsigned char>(text[i]);
    size_t length = 0;
    char32_t c = 0;
    char32_t least = 0; // the smallest value the length may carry: less is an overlong form
    if (b < 0x80) {
        codePoint = b;
        return 1;
    }
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2, c = b & 0x1F, least = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3, c = b & 0x0F, least = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4, c = b & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - i < length) {
        return 0;
    }
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        c = (c << 6) | (next & 0x3F);
    }
    if (c < least || c > kLastCodePoint || IsSurrogate(c)) {
        return 0;
    }
    codePoint = c;
    return length;
}

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string out;
    for (size_t i = 0; i < text.size();) {
        char32_t c = 0;
        const size_t length = ReadUtf8(text, i, c);
        if (length == 0) {
            ++i;
        } else {
            out += c;
            i += length;
        }
    }
    return out;
}

} // namespace orvel
