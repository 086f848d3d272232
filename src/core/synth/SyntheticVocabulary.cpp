#include "core/synth/SyntheticVocabulary.h"

#include "core/encoding/Windows1251.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvel {

namespace {

// A number drawn from a row: the same row always gives the same content.
class TRowRandom {
public:
    explicit TRowRandom(uint64_t Row) : FState(Row * 0x9E3779B97F4A7C15u + 0x632BE59BD9B4E019u) {}

    size_t Below(size_t N) {
        FState += 0x9E3779B97F4A7C15u;
        uint64_t z = FState;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return size_t((z ^ (z >> 31)) % N);
    }

private:
    uint64_t FState;
};

// A word that reads as Russian, from two or three syllables and an ending, in Windows-1251.
std::string RussianWord(int Row) {
    static const char* const consonants[] = {"б", "в", "г", "д", "з", "к", "л", "м",
                                             "н", "п", "р", "с", "т", "х", "ч", "ш"};
    static const char* const vowels[] = {"а", "е", "и", "о", "у", "я"};
    static const char* const endings[] = {"", "ный", "ть", "ние", "ка", "ой"};
    TRowRandom random{uint64_t(Row)};
    std::string word;
    for (size_t syllables = 2 + random.Below(2); syllables > 0; --syllables) {
        word += consonants[random.Below(std::size(consonants))];
        word += vowels[random.Below(std::size(vowels))];
    }
    word += endings[random.Below(std::size(endings))];
    return Utf8ToCp1251(word);
}

// A Greek ending in the internal encoding: a vowel, sometimes with the acute, a consonant and a
// vowel, and a final sigma or nu or nothing ("-ικος", "-εων").
std::string GreekEnding(int Row) {
    static const std::string_view vowels = "aeiou";
    static const std::string_view consonants = "jklmpst";
    static const std::string_view finals[] = {"r", "m", ""};
    TRowRandom random{uint64_t(Row) + 5000};
    std::string ending;
    if (random.Below(3) == 0)
        ending += '\xC0';
    ending += vowels[random.Below(vowels.size())];
    ending += consonants[random.Below(consonants.size())];
    ending += vowels[random.Below(vowels.size())];
    ending += finals[random.Below(std::size(finals))];
    return ending;
}

// A note on a vowel's quantity: a short or long mark on alpha, iota or upsilon, sometimes after
// the consonant before it.
std::string VowelQuantity(int Row) {
    static const std::string_view consonants = "bcdjklmpqst";
    static const std::string_view vowels = "aiu";
    TRowRandom random{uint64_t(Row) + 9000};
    std::string note;
    if (random.Below(2) == 0)
        note += consonants[random.Below(consonants.size())];
    note += random.Below(2) == 0 ? '\xCB' : '\xCC';
    note += vowels[random.Below(vowels.size())];
    return note;
}

std::string Explanation(TVocabularyTable Table, const std::string& Sign) {
    switch (Table) {
    case TVocabularyTable::Authors:
        return Utf8ToCp1251("древний автор ") + Sign;
    case TVocabularyTable::LatinSigns:
        return Utf8ToCp1251("латинское сокращение ") + Sign;
    default:
        return Utf8ToCp1251("сокращение ") + Sign;
    }
}

std::string Text(TVocabularyTable Table, int Row) {
    switch (Table) {
    case TVocabularyTable::RussianWords:
        return RussianWord(Row);
    case TVocabularyTable::GreekEndings:
        return GreekEnding(Row);
    case TVocabularyTable::VowelQuantities:
        return VowelQuantity(Row);
    default:
        // The program knows every mark, sign and phrase.
        return "?";
    }
}

} // namespace

TVocabulary GenerateSyntheticVocabulary() {
    TVocabulary vocabulary = TVocabulary::BuiltIn();
    for (int t = 0; t < VocabularyTableCount; ++t) {
        const auto table = TVocabularyTable(t);
        auto& rows = vocabulary.Tables[size_t(t)];
        for (size_t r = 0; r < rows.size(); ++r) {
            TVocabularyRow& row = rows[r];
            if (!row.Text)
                row.Text = Text(table, int(r));
            if (TableInfo(table).Signs && !row.Explanation)
                row.Explanation = Explanation(table, *row.Text);
        }
    }
    return vocabulary;
}

} // namespace orvel
