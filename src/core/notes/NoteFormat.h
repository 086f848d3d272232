// What a character of a note being edited means: its language by font and charset, its style,
// and its colour role by the three colours reserved for authors, signs and sections. The note
// editor formats what it inserts with these colours, and the conversion recognises them.
#pragma once

#include <cstdint>

namespace orvel {

class TPreference;

enum class TNoteLanguage { Latin, Russian, Greek, Symbols };
enum class TNoteStyle { Normal, Bold, Italic };
enum class TNoteColorRole { Plain, Author, Sign, Section };

// Colour values, red in the low byte.
inline constexpr uint32_t NoteAuthorColor = 0x800000;  // navy RGB (0, 0, 128)
inline constexpr uint32_t NoteSignColor = 0x008000;    // green RGB (0, 128, 0)
inline constexpr uint32_t NoteSectionColor = 0xFF0000; // blue RGB (0, 0, 255)

// Every other colour, the automatic one included, is plain.
constexpr TNoteColorRole NoteColorRole(uint32_t color) {
    switch (color) {
    case NoteAuthorColor:
        return TNoteColorRole::Author;
    case NoteSignColor:
        return TNoteColorRole::Sign;
    case NoteSectionColor:
        return TNoteColorRole::Section;
    default:
        return TNoteColorRole::Plain;
    }
}

// Bold wins over italic.
constexpr TNoteStyle NoteStyle(bool bold, bool italic) {
    return bold ? TNoteStyle::Bold : italic ? TNoteStyle::Italic : TNoteStyle::Normal;
}

// The preferences to render a note with for editing: the user's, with the author, sign and
// meaning-number colours replaced by the reserved ones, so that the rendered note converts back
// to the same text whatever colours the user chose for reading.
TPreference NoteEditingPreference(const TPreference& preference);

} // namespace orvel
