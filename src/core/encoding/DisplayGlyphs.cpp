#include "core/encoding/DisplayGlyphs.h"

#include "core/encoding/CharacterReader.h"
#include "core/encoding/FontNames.h"
#include "core/encoding/GreekEncoding.h"
#include "core/encoding/UnicodeGreek.h"
#include "core/encoding/Utf8.h"

namespace orvel {

std::u32string DisplayGlyphsToUnicode(std::string_view glyphs) {
    std::u32string out;
    std::string internal;
    auto flushInternal = [&out, &internal] {
        out += DecodeUtf8(InternalToUnicode(internal));
        internal.clear();
    };
    for (size_t i = 0; i < glyphs.size(); ++i) {
        const auto c = uint8_t(glyphs[i]);
        std::string letter;
        if (i + 1 < glyphs.size())
            letter = FontCapitalToInternal(c, uint8_t(glyphs[i + 1]));
        if (!letter.empty())
            ++i;
        else
            letter = FontCharToInternal(c);
        if (!letter.empty()) {
            internal += letter;
            continue;
        }
        flushInternal();
        out += CharsetByteToUnicode(c, RussianFontName, 0);
    }
    flushInternal();
    return out;
}

} // namespace orvel
