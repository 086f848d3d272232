#include "core/synth/SyntheticEdition.h"

#include "core/article/ArticleRenderer.h"
#include "core/article/VocabularyTables.h"
#include "core/dictionary/DataFileCheck.h"
#include "core/dictionary/MainDictionary.h"
#include "core/encoding/GreekEncoding.h"
#include "core/settings/Preference.h"
#include "core/synth/SyntheticVocabulary.h"
#include "support/GeneratedDictionary.h"
#include "support/TempDir.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <set>

using namespace orvel;
using orvel::testing::TTempDir;

namespace {

const TSyntheticEdition& Edition() {
    static const TSyntheticEdition edition = GenerateSyntheticEdition(1);
    return edition;
}

// What a reader of the article format finds in a text, walked by the format's rules: how often
// each one-byte code and each reference code stands, and every byte or reference that would
// show something it should not.
struct TFormatUse {
    std::array<size_t, 256> Codes{};
    std::vector<std::string> Faults;
};

bool IsLetter(uint8_t c) {
    return (c >= 0x41 && c <= 0x5A) || (c >= 0x61 && c <= 0x7A) || c >= 0xC0;
}
bool StartsWord(uint8_t c) {
    return IsLetter(c) || c == '-' || (c >= '0' && c <= '9') || c == '[' || c == 0x1F;
}
bool ContinuesWord(uint8_t c) {
    return c == 0x1F || c == '-' || c == '.' || (c >= '0' && c <= '9') ||
           (c >= 0x41 && c <= 0x7E) || c >= 0xC0;
}
bool IsPunctuation(uint8_t c) {
    return c >= 0x20 && c <= 0x3F && !(c >= '0' && c <= '9') && c != 0x24 && c != 0x26 && c != '-';
}

int Rows(uint8_t code) {
    static const TVocabularyTable tables[] = {
        TVocabularyTable::ArticleMarks,      TVocabularyTable::Authors,
        TVocabularyTable::RussianSigns,      TVocabularyTable::LatinSigns,
        TVocabularyTable::IndefinitePhrases, TVocabularyTable::RussianWords,
        TVocabularyTable::GreekEndings,      TVocabularyTable::VowelQuantities};
    const int table = code <= 0x84 ? code - 0x80 : code <= 0x90 ? 5 : code - 0x91 + 6;
    return TableInfo(tables[table]).Rows;
}

// A diacritic code in a Greek word must be one its letter takes: then it changes the glyph.
void CheckGreekWord(std::string_view word, TFormatUse& use) {
    for (size_t i = 0; i < word.size(); ++i) {
        const uint8_t c = uint8_t(word[i]);
        if (!IsDiacriticCode(c))
            continue;
        const uint8_t letter = i + 1 < word.size() ? uint8_t(word[i + 1]) : 0;
        if (GreekLetterToFont(c, letter) == GreekLetterToFont(0, letter))
            use.Faults.push_back("code " + std::to_string(c) + " on '" + char(letter) + "' in " +
                                 std::string(word));
    }
}

void Walk(std::string_view text, TFormatUse& use) {
    enum { Latin, Russian, Greek, Symbols };
    int language = Greek;
    const size_t n = text.size();
    for (size_t p = 0; p < n;) {
        const uint8_t b = uint8_t(text[p++]);
        if (b >= 0x03 && b <= 0x15) {
            ++use.Codes[b];
            if (b >= 0x06 && b <= 0x09)
                language = b - 0x06;
            else if (b == 0x0E || b == 0x14 || b == 0x12 || b == 0x13)
                language = Greek;
            else if (b >= 0x0A)
                language = Russian;
        } else if (IsPunctuation(b)) {
        } else if (language == Symbols && IsLetter(b)) {
            while (p < n && IsLetter(uint8_t(text[p])))
                ++p;
        } else if (StartsWord(b)) {
            const size_t start = p - 1;
            while (p < n && ContinuesWord(uint8_t(text[p])))
                ++p;
            const std::string_view word = text.substr(start, p - start);
            use.Codes[0x1F] += size_t(std::count(word.begin(), word.end(), '\x1F'));
            if (language == Greek)
                CheckGreekWord(word, use);
        } else if (b >= 0x80 && b <= 0x92) {
            ++use.Codes[b];
            if (p == n) {
                use.Faults.push_back("reference code at the end");
                break;
            }
            const int row =
                int(uint8_t(text[p++])) - 0x40 + (b >= 0x85 && b <= 0x90 ? (b - 0x85) * 192 : 0);
            if (row < 0 || row >= Rows(b))
                use.Faults.push_back("reference " + std::to_string(b) + " row " +
                                     std::to_string(row));
            language = b == 0x81 || b == 0x83 ? Latin : b == 0x80 || b >= 0x91 ? Greek : Russian;
        } else {
            use.Faults.push_back("byte without a role: " + std::to_string(b));
        }
    }
}

TEST(SyntheticEdition, HasTheStandardSizesAndPassesTheStartUpCheck) {
    const TSyntheticEdition& edition = Edition();
    ASSERT_EQ(edition.Dic.size(), StandardEdition().DicSize);
    ASSERT_EQ(edition.Count(), 70526);
    ASSERT_EQ(edition.Starts.back(), edition.Dic.size());
    for (int32_t i = 0; i < edition.Count(); ++i) {
        ASSERT_EQ(edition.Dic[edition.Starts[size_t(i)]], '\x01') << i;
        ASSERT_EQ(edition.Dic[edition.Starts[size_t(i) + 1] - 1], '\x02') << i;
        const std::string_view article = edition.Article(i);
        ASSERT_EQ(article.find_first_of(std::string_view("\x00\x01\x02", 3)), article.npos) << i;
    }

    TTempDir folder;
    orvel::testing::WriteFile(folder.File("orvel.dic"), edition.Dic);
    TMainDictionary dictionary;
    dictionary.Open(folder.File("orvel.dic"));
    dictionary.LoadIndex();
    EXPECT_EQ(dictionary.Count(), edition.Count());
    EXPECT_EQ(dictionary.ArticleLength(70525), int32_t(edition.Article(70525).size()));
    const std::string idx = orvel::testing::ReadFile(folder.File("orvel.idx"));
    ASSERT_EQ(idx.size(), StandardEdition().IdxSize);
    EXPECT_EQ(idx, std::string(reinterpret_cast<const char*>(edition.Starts.data()), idx.size()));
    EXPECT_EQ(orvel::testing::ReadFile(folder.File("orvel.idz")).size(), StandardEdition().IdzSize);
    EXPECT_STREQ(CheckDataFiles(folder.File("orvel.dic"), folder.File("orvel.idx"),
                                folder.File("orvel.idz"), {StandardEdition()})
                     .Name,
                 StandardEdition().Name);
}

TEST(SyntheticEdition, HeadWordsAreInKeyOrderAndLookUpTheirArticles) {
    TTempDir folder;
    orvel::testing::WriteFile(folder.File("orvel.dic"), Edition().Dic);
    TMainDictionary dictionary;
    dictionary.Open(folder.File("orvel.dic"));
    dictionary.LoadIndex();

    std::string previous;
    int capitals = 0, hyphens = 0, phrases = 0, marks = 0, markBytes = 0, duplicates = 0,
        brackets = 0;
    for (int32_t i = 0; i < dictionary.Count(); ++i) {
        std::string key = dictionary.GetKey(i, 1000);
        ASSERT_LE(previous, key) << "article " << i;
        duplicates += i > 0 && key == previous && !key.empty();
        previous = std::move(key);

        const std::string_view article = Edition().Article(i);
        const std::string head = dictionary.GetHeadWord(i);
        marks += article[0] == '\x80';
        // A mark byte before the head word ends the head word and the key at once: such
        // articles have empty keys and stand first.
        const bool markByte = article[article[0] == '\x80' ? 2 : 0] == '\x1F';
        markBytes += markByte;
        ASSERT_EQ(head.empty(), markByte) << i;
        capitals += head.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXY") != head.npos;
        hyphens += head.find('-') != head.npos;
        phrases += head.find('_') != head.npos;
        brackets += head.find('[') != head.npos;
        // Final sigma ends a word, ordinary sigma never does.
        for (size_t p = 0; p < head.size(); ++p) {
            const bool wordEnd = p + 1 == head.size() || head[p + 1] == '_' || head[p + 1] == '[';
            if (head[p] == 'r' || head[p] == 's') {
                ASSERT_EQ(head[p] == 'r', wordEnd) << head;
            }
        }
    }
    EXPECT_GT(capitals, 1000);
    EXPECT_GT(hyphens, 50);
    EXPECT_GT(phrases, 50);
    EXPECT_GT(brackets, 10);
    EXPECT_GT(marks, 1000);
    EXPECT_GT(markBytes, 0);
    EXPECT_GT(duplicates, 1000);

    // Every letter but final sigma begins words, and the letter index knows most pairs.
    int pairs = 0;
    for (int c = 'a'; c <= 'y'; ++c) {
        EXPECT_EQ(dictionary.FirstOfLetter(c) == -1, c == 'r') << char(c);
        for (int d = 'a'; d <= 'y'; ++d)
            pairs += dictionary.LetterIndex()[size_t(c - 'a')][size_t(d - 'a' + 1)] != -1;
    }
    EXPECT_GT(pairs, 280);

    // A typed head word finds the first article of its key.
    for (int32_t i = 0; i < dictionary.Count(); i += 97) {
        const std::string key = dictionary.GetKey(i, 1000);
        if (key.empty() || key[0] == 'z')
            continue;
        const int32_t found = dictionary.FindWord(std::string(1, char(ScriptGreek)) + key);
        ASSERT_NE(found, -1) << key;
        EXPECT_EQ(dictionary.GetKey(found, 1000), key);
        EXPECT_TRUE(found == 0 || dictionary.GetKey(found - 1, 1000) != key) << key;
    }
}

TEST(SyntheticEdition, ArticlesUseEveryPartOfTheFormatCorrectly) {
    TFormatUse use;
    std::vector<size_t> lengths;
    for (int32_t i = 0; i < Edition().Count(); ++i) {
        Walk(Edition().Article(i), use);
        lengths.push_back(Edition().Article(i).size());
    }
    for (size_t k = 0; k < std::min<size_t>(use.Faults.size(), 10); ++k)
        ADD_FAILURE() << use.Faults[k];
    EXPECT_TRUE(use.Faults.empty()) << use.Faults.size() << " faults";

    for (uint8_t code = 0x03; code <= 0x15; ++code)
        EXPECT_GT(use.Codes[code], 0u) << "code " << int(code);
    EXPECT_GT(use.Codes[0x1F], 0u);
    for (uint8_t code = 0x80; code <= 0x92; ++code)
        EXPECT_GT(use.Codes[code], 100u) << "reference " << int(code);
    // The frequent Russian words are the commonest reference, as in real articles.
    size_t words = 0;
    for (uint8_t code = 0x85; code <= 0x90; ++code)
        words += use.Codes[code];
    for (uint8_t code : {0x81, 0x82, 0x83, 0x84, 0x91, 0x92})
        EXPECT_GT(words, 2 * use.Codes[code]);

    std::sort(lengths.begin(), lengths.end());
    EXPECT_LT(lengths[lengths.size() / 2], 200u);
    EXPECT_GE(lengths[lengths.size() - 5], 10000u); // a few articles of tens of kilobytes
}

TEST(SyntheticEdition, VocabularyIsCompleteAndOfTheRightKind) {
    const TVocabulary vocabulary = GenerateSyntheticVocabulary();
    EXPECT_TRUE(vocabulary.Complete());
    // The file the tool writes is accepted: every compiled-in row is kept as it is.
    TTempDir dir;
    SaveVocabularyFile(dir.File("orvel.voc"), vocabulary);
    EXPECT_EQ(LoadVocabularyFile(dir.File("orvel.voc")).Tables, vocabulary.Tables);

    TFormatUse use;
    for (const auto& row : vocabulary.Tables[size_t(TVocabularyTable::GreekEndings)])
        CheckGreekWord(*row.Text, use);
    for (const auto& row : vocabulary.Tables[size_t(TVocabularyTable::VowelQuantities)])
        CheckGreekWord(*row.Text, use);
    EXPECT_EQ(use.Faults, std::vector<std::string>());
    for (const auto& row : vocabulary.Tables[size_t(TVocabularyTable::RussianWords)]) {
        ASSERT_FALSE(row.Text->empty());
        EXPECT_TRUE(std::all_of(row.Text->begin(), row.Text->end(), [](char c) {
            return uint8_t(c) >= 0xC0 || c == '-' || (c >= '0' && c <= '9');
        })) << *row.Text;
    }
}

TEST(SyntheticEdition, EveryArticleRenders) {
    const TPreference preference;
    const TVocabulary vocabulary = GenerateSyntheticVocabulary();
    for (int32_t i = 0; i < Edition().Count(); ++i) {
        const std::string rtf = RenderArticle(Edition().Article(i), preference, vocabulary);
        ASSERT_EQ(rtf.substr(rtf.size() - 4), std::string("}\r\n\0", 4)) << i;
    }
}

TEST(SyntheticEdition, TheSeedDecidesTheContentButNotTheSize) {
    EXPECT_EQ(GenerateSyntheticEdition(1).Dic, Edition().Dic);
    const TSyntheticEdition other = GenerateSyntheticEdition(4294967295u);
    EXPECT_EQ(other.Dic.size(), StandardEdition().DicSize);
    EXPECT_EQ(other.Count(), 70526);
    EXPECT_NE(other.Dic, Edition().Dic);
}

} // namespace
