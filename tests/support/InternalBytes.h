// Test text for bytes of the internal encoding: a byte written as its two hex digits in braces,
// so that "{C0}a" is the acute code followed by alpha.
#pragma once

#include <string>
#include <string_view>

namespace orvel::testing {

inline std::string K(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '{') {
            out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace orvel::testing
