// Formatted text as the note editor holds it, built run by run for the tests of the note
// conversion: each run in a font, charset, style and colour.
#pragma once

#include "core/encoding/CharacterReader.h"
#include "core/encoding/FontNames.h"
#include "core/encoding/Utf8.h"
#include "core/notes/NoteFormat.h"

#include <optional>
#include <string_view>

namespace orvel::testing {

class TNoteText {
public:
    using TColor = std::optional<uint32_t>;

    // Any font and charset; text in UTF-8.
    TNoteText& Run(std::string_view font, uint8_t charset, std::string_view text,
                   TNoteStyle style = TNoteStyle::Normal, TColor color = {}) {
        FReader.Add(DecodeUtf8(text), Format(font, charset, style, color));
        return *this;
    }
    TNoteText& Russian(std::string_view text, TNoteStyle style = TNoteStyle::Normal,
                       TColor color = {}) {
        return Run(RussianFontName, 204, text, style, color);
    }
    TNoteText& Latin(std::string_view text, TNoteStyle style = TNoteStyle::Normal,
                     TColor color = {}) {
        return Run(RussianFontName, 0, text, style, color);
    }
    // Glyph bytes of the display fonts.
    TNoteText& Greek(std::string_view glyphs, TNoteStyle style = TNoteStyle::Bold,
                     TColor color = {}) {
        FReader.AddBytes(glyphs, Format(GreekFontName, 0, style, color));
        return *this;
    }
    TNoteText& Symbols(std::string_view glyphs, TNoteStyle style = TNoteStyle::Normal) {
        FReader.AddBytes(glyphs, Format(SymbolFontName, 0, style, {}));
        return *this;
    }
    // As the editor's insert actions format them.
    TNoteText& Author(std::string_view name) {
        return Latin(name, TNoteStyle::Normal, NoteAuthorColor);
    }
    TNoteText& RussianSign(std::string_view sign) {
        return Russian(sign, TNoteStyle::Italic, NoteSignColor);
    }
    TNoteText& LatinSign(std::string_view sign) {
        return Latin(sign, TNoteStyle::Italic, NoteSignColor);
    }
    TNoteText& Separator() { return Latin("#) ", TNoteStyle::Normal, NoteSectionColor); }
    TNoteText& Object() {
        FReader.AddObject(RussianFontName, 204);
        return *this;
    }

    const TMemoryCharacterReader& Reader() const { return FReader; }
    operator const TCharacterReader&() const { return FReader; }

private:
    static TCharacterInfo Format(std::string_view font, uint8_t charset, TNoteStyle style,
                                 TColor color) {
        return {0,
                std::string(font),
                charset,
                style == TNoteStyle::Bold,
                style == TNoteStyle::Italic,
                color};
    }

    TMemoryCharacterReader FReader;
};

} // namespace orvel::testing
