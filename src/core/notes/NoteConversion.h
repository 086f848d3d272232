// The conversion of a note written as formatted text into the article format in which notes
// are stored. It reads the text character by character with each character's font, charset,
// style and colour, and writes language and style switches, words, punctuation, sections
// (0x0A) and references to authors and signs found in the vocabulary by their abbreviation.
//
// Fonts: "Times New Roman" with charset 0 is Latin and with 204 Russian, "Orvel000" Greek in
// the display layout, "Orvel001" special symbols. Colours: navy marks an author, green a sign,
// blue a section ("1) ", "#) "), any other colour plain text. A paragraph or line break reads as
// a space. The stored text starts in Greek bold, and its trailing switches, spaces and full
// stops are dropped.
#pragma once

#include "core/base/OrvelError.h"
#include "core/encoding/CharacterReader.h"

#include <string>

namespace orvel {

class TVocabulary;

// A character the note cannot carry, with the position of the character to select.
class ENoteConversionError : public EOrvelError {
public:
    ENoteConversionError(const std::string& message, int position)
        : EOrvelError(message), FPosition(position) {}

    int Position() const { return FPosition; }

private:
    int FPosition;
};

// The messages of the refusals (UTF-8).
inline constexpr char NoteFontError[] = "Недопустимый шрифт: ";   // + the font name
inline constexpr char NoteCharsetError[] = "Недопустимый язык: "; // + the charset's name
inline constexpr char NoteCharacterError[] = "Недопустимый шрифт для этого символа";
inline constexpr char NoteUnknownAuthor[] = "Неизвестный автор";
inline constexpr char NoteUnknownSign[] = "Неизвестное обозначение";
inline constexpr char NoteBadSection[] = "Неправильный раздел";
// + the character, for a character a Greek or symbol run or an author name cannot take.
inline constexpr char NoteGreekCharacterError[] = "Недопустимый символ в греческом тексте: ";
inline constexpr char NoteSymbolCharacterError[] = "Недопустимый символ в тексте символов: ";
inline constexpr char NoteAuthorCharacterError[] = "Недопустимый символ в имени автора: ";

// The note's text in the article format; empty for an empty text. Throws ENoteConversionError.
std::string ConvertToNote(const TCharacterReader& text, const TVocabulary& vocabulary);

} // namespace orvel
