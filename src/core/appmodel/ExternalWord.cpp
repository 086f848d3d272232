#include "core/appmodel/ExternalWord.h"

#include "core/encoding/GreekEncoding.h"
#include "core/encoding/UnicodeGreek.h"
#include "core/encoding/Utf8.h"

namespace orvel {

std::string ExternalWordToDisplay(std::string_view utf8) {
    const std::u32string characters = DecodeUtf8(utf8);
    bool greek = false;
    for (const char32_t c : characters)
        greek = greek || IsGreekScript(c);
    std::string display;
    if (greek)
        display = InternalToFontWord(Utf8GreekToInternal(utf8));
    else
        for (const char32_t c : characters)
            if (c >= 0x20 && c <= 0xFF)
                display += char(c);
    // Surrounding blanks are no part of the word.
    const size_t first = display.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return display.substr(first, display.find_last_not_of(' ') - first + 1);
}

} // namespace orvel
