// What a character of a note being edited means: its language by font and charset, its style,
// and its colour role by the three colours reserved for authors, signs and sections. The note
// editor formats what it inserts with these colours, shows a stored note with them, and the
// conversion recognises them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvel {

class TPreference;
class TVocabulary;

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

// The RTF of a stored note for the editor: rendered as in the note pane, with the user's sizes,
// but authors, signs (also those without an explanation) and meaning numbers in the reserved
// colours, so that saving it unchanged gives back the same text whatever colours the user chose
// for reading.
std::string RenderNoteForEditing(std::string_view note, const TPreference& preference,
                                 const TVocabulary& vocabulary);

} // namespace orvel
