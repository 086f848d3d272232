// The tags of article source: one-byte codes written by name ({ru}, {1}, {и}) and two-byte
// vocabulary references naming their row by text ({a:Hom.}) or by number ({a#25}).
#pragma once

#include "core/article/VocabularyTables.h"
#include "core/source/DictionarySourceText.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace orvel {

enum class TTagKind {
    Switch,  // language and style
    Meaning, // numbering of meanings
    Word,    // fixed words and the head-word abbreviations
    Mark,    // the mark byte
    Space,   // a stored space
    Sign,    // the bracket signs '"' and '\'', which count as text
};

struct TFixedTag {
    const char* Name; // UTF-8, without the braces
    uint8_t Byte;
    TTagKind Kind;
};

// The one-byte tag of a name (ὁ and ἡ also in decomposed form), or null.
const TFixedTag* FindFixedTag(std::string_view Name);
// The tag of a byte, or null when the byte has none.
const TFixedTag* FixedTagOfByte(uint8_t Byte);

struct TReferenceTag {
    const char* Name;
    TVocabularyTable Table;
};

// The reference tag of a name ("a", "end"), or null.
const TReferenceTag* FindReferenceTag(std::string_view Name);
const TReferenceTag& ReferenceTagOf(TVocabularyTable Table);

// The script a table's texts are written in.
TSourceScript TableScript(TVocabularyTable Table);

// The table and row of a two-byte reference; false when the row lies outside the table.
bool ReferenceRow(uint8_t Code, uint8_t Index, TVocabularyTable& Table, int& Row);
// The two bytes of a reference to a row inside its table.
std::string ReferenceBytes(TVocabularyTable Table, int Row);

// The first row of the table whose text is Text, or -1.
int FindRowByText(const TVocabulary& Vocabulary, TVocabularyTable Table, std::string_view Text);

// The program text that the name of a reference tag stands for; false with Error set when it
// cannot be written in the table's script.
bool ParseReferenceName(TVocabularyTable Table, std::u32string_view Name, std::string& Text,
                        std::string& Error);

// The tag of a reference to a row: by its text when that names the row, else by number.
std::string ReferenceTagSource(const TVocabulary& Vocabulary, TVocabularyTable Table, int Row);

} // namespace orvel
