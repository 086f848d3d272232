// The sample edition the build compiles: every article renders without unused bytes, every head
// word is found, and it passes the start-up check with its own sizes.
#include "core/SampleEdition.h"

#include "core/article/ArticlePlainText.h"
#include "core/article/VocabularyTables.h"
#include "core/dictionary/DataFileCheck.h"
#include "core/dictionary/MainDictionary.h"
#include "core/dictionary/SearchTerms.h"
#include "support/GeneratedDictionary.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace orvel;
using namespace orvel::testing;

namespace {

class SampleEditionTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A copy, so that the build's files are never rewritten by a test.
        for (const char* name : {"orvel.dic", "orvel.voc"})
            WriteFile(dir.File(name), ReadFile(std::string(ORVEL_BIN_DIR) + "/" + name));
        dictionary.Open(dir.File("orvel.dic"));
        dictionary.LoadIndex();
        vocabulary = LoadVocabularyFile(dir.File("orvel.voc"));
    }

    TTempDir dir;
    TMainDictionary dictionary;
    TVocabulary vocabulary;
};

TEST_F(SampleEditionTest, IsCompleteAndPassesTheStartUpCheck) {
    EXPECT_GE(dictionary.Count(), 400);
    EXPECT_TRUE(vocabulary.Complete());
    const std::vector<TEdition> editions = {
        StandardEdition(),
        {"sample", SampleEditionDicSize, SampleEditionIdxSize, SampleEditionIdzSize}};
    EXPECT_NO_THROW(CheckDataFiles(dir.File("orvel.dic"), dir.File("orvel.idx"),
                                   dir.File("orvel.idz"), editions));
}

TEST_F(SampleEditionTest, EveryArticleRendersWithoutUnusedBytes) {
    for (int32_t i = 0; i < dictionary.Count(); ++i) {
        // A byte without a role shows "#" in the Latin font. (In the Greek display font "#" is
        // the glyph of ἀ, and the ellipsis sign is "…": neither reads as "#" in plain text.)
        const std::string text = ArticleToPlainText(dictionary.GetArticleText(i), vocabulary);
        ASSERT_EQ(text.find('#'), std::string::npos)
            << "article " << i << ": " << dictionary.GetHeadWord(i);
    }
}

TEST_F(SampleEditionTest, EveryHeadWordIsFound) {
    for (int32_t i = 0; i < dictionary.Count(); ++i) {
        const std::string word = dictionary.GetHeadWord(i);
        const int32_t found = dictionary.FindWord(std::string(1, char(ScriptGreek)) + word);
        ASSERT_GE(found, 0) << word;
        // Head words with the same key (homonyms, accents aside) find the first of them.
        EXPECT_EQ(dictionary.GetKey(found, 100), dictionary.GetKey(i, 100)) << word;
        EXPECT_LE(found, i) << word;
    }
}

} // namespace
