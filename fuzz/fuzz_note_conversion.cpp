// Converts random formatted text into a note, as the note editor and note-from-rtf do: the
// characters with their fonts, charsets, styles and colours come from the bytes (or, for input
// that starts like RTF, from the RTF reader). The conversion never fails otherwise than by
// refusing a character inside the text; what it gives is a note of the article format that the
// editor shows and saves again without a refusal (brackets in Greek runs aside).
#include "core/article/ArticleCodes.h"
#include "core/article/RtfCharacterReader.h"
#include "core/article/VocabularyTables.h"
#include "core/encoding/CharacterReader.h"
#include "core/encoding/FontNames.h"
#include "core/notes/NoteConversion.h"
#include "core/notes/NoteFormat.h"
#include "core/settings/Preference.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace orvel;

// Three bytes a character: font and charset, style and colour, and the byte in the font's code
// page (a few values stand for a break or an embedded object).
TMemoryCharacterReader Characters(const uint8_t* data, size_t size) {
    static const std::pair<const char*, uint8_t> fonts[] = {
        {"Times New Roman", 0}, {"Times New Roman", 204}, {"Orvel000", 0},
        {"Orvel001", 0},        {"Times New Roman", 161}, {"Arial", 0},
    };
    static const uint32_t colors[] = {NoteAuthorColor, NoteSignColor, NoteSectionColor, 0x123456};
    TMemoryCharacterReader reader;
    for (size_t i = 0; i + 2 < size; i += 3) {
        const auto& [font, charset] = fonts[data[i] % std::size(fonts)];
        TCharacterInfo format;
        format.FontName = font;
        format.Charset = charset;
        format.Bold = data[i + 1] & 1;
        format.Italic = data[i + 1] & 2;
        if (const int color = (data[i + 1] >> 2) % 5; color > 0)
            format.Color = colors[color - 1];
        const uint8_t byte = data[i + 2];
        if (byte == 0)
            reader.AddObject(font, charset);
        else if (byte == '\n')
            reader.Add(U"\r", format);
        else
            reader.AddBytes(std::string(1, char(byte)), format);
    }
    return reader;
}

// The bytes the conversion writes: switches, sections, letters, digits, signs, and
// references to rows of the three tables that their abbreviations name; nothing that the end
// of a note drops.
bool IsNote(const std::string& note) {
    const TVocabulary& vocabulary = TVocabulary::BuiltIn();
    for (size_t i = 0; i < note.size(); ++i) {
        const auto c = uint8_t(note[i]);
        if (c == CodeAuthor || c == CodeRussianSign || c == CodeLatinSign) {
            if (++i == note.size())
                return false;
            const int row = ReferenceCodeRow(c, uint8_t(note[i]));
            if (!vocabulary.Text(ReferenceCodeTable(c), row))
                return false;
        } else if (!(IsStyleCode(c) || IsLanguageCode(c) || c == CodeNextMeaning || c >= 0xC0 ||
                     (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                     std::string_view(" !\"#%'()*+,-./:;<=>?[]").find(char(c)) !=
                         std::string_view::npos)) {
            return false;
        }
    }
    const auto last = note.empty() ? uint8_t('x') : uint8_t(note.back());
    return !(IsStyleCode(last) || IsLanguageCode(last) || last == ' ' || last == '.');
}

void Check(const TCharacterReader& text) {
    std::string note;
    try {
        note = ConvertToNote(text, TVocabulary::BuiltIn());
    } catch (const ENoteConversionError& error) {
        if (error.Position() < 0 || error.Position() >= text.Length())
            std::abort();
        return;
    }
    if (!IsNote(note))
        std::abort();
    // A bracket typed in a Greek or symbol run is kept as the format's bracket inside a word;
    // standing alone it shows as "#" or nothing, which a second save refuses or drops.
    if (note.find_first_of("[]") != std::string::npos)
        return;
    static const TPreference preference;
    const TRtfCharacterReader shown(RenderNoteForEditing(note, preference, TVocabulary::BuiltIn()));
    try {
        (void)ConvertToNote(shown, TVocabulary::BuiltIn());
    } catch (const ENoteConversionError&) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (IsRtf(bytes))
        Check(TRtfCharacterReader(bytes));
    else
        Check(Characters(data, size));
    return 0;
}
