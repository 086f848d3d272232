// Vocabulary sections of dictionary source: rows written "ROW<TAB>TEXT" or, in the four sign
// tables, "ROW<TAB>TEXT<TAB>EXPLANATION" (a missing explanation is an empty one), merged with
// the rows compiled into the program; and the same sections written back from a vocabulary.
#pragma once

#include "core/article/VocabularyTables.h"
#include "core/source/DictionarySourceError.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvel {

struct TSourceVocabularyRow {
    TVocabularyTable Table{};
    int Row = 0;
    std::string Text;
    std::optional<std::string> Explanation; // sign tables only
    std::string_view File;
    int Line = 0;
};

std::optional<TVocabularyTable> FindVocabularyTable(std::string_view Name);

// Reads one row line of a section of Table (well-formed UTF-8). False when it has errors,
// which are added to Errors.
bool ParseVocabularyRow(std::string_view File, int Line, std::string_view Text,
                        TVocabularyTable Table, TSourceVocabularyRow& Row, TSourceErrors& Errors);

// The program's rows with the given rows added. A row that differs from the program's, or from
// the same row given earlier, is an error.
TVocabulary MergeVocabulary(const std::vector<TSourceVocabularyRow>& Rows, TSourceErrors& Errors);

// Vocabulary with every row it does not know taken from the program.
TVocabulary WithBuiltIn(const TVocabulary& Vocabulary);

// The sections holding every row of Vocabulary that adds to what the program knows (a text or
// an explanation the program lacks); empty when there is none.
std::string VocabularySections(const TVocabulary& Vocabulary);

} // namespace orvel
