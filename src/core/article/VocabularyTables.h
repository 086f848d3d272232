// The vocabulary tables that two-byte references of the article format point into. Row numbers
// are part of the data format. The rows known to the program are compiled in; the rest of the
// content belongs to the dictionary edition and comes from its vocabulary file.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvel {

enum class TVocabularyTable {
    ArticleMarks,
    Authors,
    RussianSigns,
    LatinSigns,
    IndefinitePhrases,
    RussianWords,
    GreekEndings,
    VowelQuantities,
};

inline constexpr int VocabularyTableCount = 8;

struct TVocabularyTableInfo {
    const char* Name;
    int Rows;
    bool Signs; // rows of two strings: the sign (or mark) and its explanation (or display form)
};

const TVocabularyTableInfo& TableInfo(TVocabularyTable Table);

// One row; an empty optional is content this program does not know (no vocabulary file).
// Texts are program text: Windows-1251, Greek in the internal encoding.
struct TVocabularyRow {
    std::optional<std::string> Text;
    std::optional<std::string> Explanation; // sign tables only

    bool operator==(const TVocabularyRow&) const = default;
};

class TVocabulary {
public:
    // The compiled-in rows only.
    static const TVocabulary& BuiltIn();

    // The row, or null when Row is outside the table.
    const TVocabularyRow* Row(TVocabularyTable Table, int Row) const;
    // The row's text when it is known, else null (also outside the table).
    const std::string* Text(TVocabularyTable Table, int Row) const;

    // Every row of every table known (a complete edition).
    bool Complete() const;

    std::array<std::vector<TVocabularyRow>, VocabularyTableCount> Tables;
};

// The vocabulary file beside a dictionary: its name with the extension ".voc".
std::string VocabularyFileName(const std::string& DicFileName);

// Reads a vocabulary file. It must hold every row of every table, and agree with every
// compiled-in row; anything else fails with a message that names the file, table and row.
TVocabulary LoadVocabularyFile(const std::string& FileName);

// Writes a complete vocabulary atomically.
void SaveVocabularyFile(const std::string& FileName, const TVocabulary& Vocabulary);

} // namespace orvel
