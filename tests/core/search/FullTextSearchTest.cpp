#include "core/search/FullTextSearch.h"

#include "core/base/OrvelError.h"
#include "core/dictionary/MainDictionary.h"
#include "support/GeneratedDictionary.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <memory>

using namespace orvel;
using namespace orvel::testing;

namespace {

struct THit {
    int32_t Article;
    int32_t Start;
    int32_t Length;
    std::string NoteFile;
    bool operator==(const THit&) const = default;
};

std::ostream& operator<<(std::ostream& out, const THit& hit) {
    return out << "{" << hit.Article << ", " << hit.Start << ", " << hit.Length << ", \""
               << hit.NoteFile << "\"}";
}

class FullTextSearchTest : public ::testing::Test {
protected:
    TMainDictionary& Load(const std::vector<std::string>& articles) {
        dictionary = LoadDictionary(dir.Path(), articles);
        return *dictionary;
    }

    std::vector<THit> Find(const std::string& search, int32_t limit = 99, bool next = false) {
        TVkrObjectList<TWordDescriptor> results;
        Search(*dictionary, session, search, results, next, limit);
        std::vector<THit> hits;
        for (int i = 0; i < results.Count(); ++i) {
            const TWordDescriptor& d = *results[i];
            EXPECT_TRUE(d.Found);
            EXPECT_EQ(d.Word, dictionary->GetHeadWord(d.ArticleIndex));
            EXPECT_EQ(d.InNote, !d.NoteFile.empty());
            hits.push_back({d.ArticleIndex, d.SelStart, d.SelLength, d.NoteFile});
        }
        return hits;
    }

    static std::string Greek(const std::string& words) { return "\x08" + words; }
    static std::string Russian(const std::string& words) { return "\x07" + words; }

    TTempDir dir;
    std::unique_ptr<TMainDictionary> dictionary;
    TSearchSession session;
};

TEST_F(FullTextSearchTest, GreekWordsIgnoreCaseAndDiacriticsUnlessExact) {
    const std::string accented = "\xC0"
                                 "Abc";
    Load({"abc de", accented, "xyz \x07\xE0 abc", "q a-bc"});
    EXPECT_EQ(Find(Greek("abc")), (std::vector<THit>{{0, 0, 3, ""}, {1, 0, 4, ""}, {3, 2, 4, ""}}));
    EXPECT_EQ(Find(Greek("!Abc")), (std::vector<THit>{}));
    EXPECT_EQ(Find(Greek("!" + accented)), (std::vector<THit>{{1, 0, 4, ""}}));
    EXPECT_EQ(Find(Greek("!abc")), (std::vector<THit>{{0, 0, 3, ""}, {3, 2, 4, ""}}));
}

TEST_F(FullTextSearchTest, LettersAreFoundWhateverAWordHoldsBetweenThem) {
    Load({"a\xC3"
          "b[c]",
          "A-B\xDC"
          "C",
          "a\xCB"
          "bc",
          "xa bc", // a space ends a word
          "ab", "c abc", "\x07\xE4[\xEE]\xCC"});
    EXPECT_EQ(Find(Greek("abc")),
              (std::vector<THit>{{0, 0, 6, ""}, {1, 0, 5, ""}, {2, 0, 4, ""}, {5, 2, 3, ""}}));
    // Exact words pass over the vowel-length codes only, and compare capitals.
    EXPECT_EQ(Find(Greek("!abc")), (std::vector<THit>{{2, 0, 4, ""}, {5, 2, 3, ""}}));
    EXPECT_EQ(Find(Greek("!ABC")), (std::vector<THit>{}));
    EXPECT_EQ(Find(Russian("\xE4\xEE*")), (std::vector<THit>{{6, 1, 5, ""}}));
}

TEST_F(FullTextSearchTest, ContinuingAfterTheLastArticleFindsNothing) {
    Load({"ab", "ab"});
    for (int32_t lastFound : {1, 2, INT32_MAX}) {
        session.LastFound = lastFound;
        EXPECT_EQ(Find(Greek("ab"), 1, true), (std::vector<THit>{}));
        EXPECT_EQ(session.LastFound, -1);
    }
}

TEST_F(FullTextSearchTest, WildcardsFreeTheAnchorsPosition) {
    Load({"abc", "abcd", "xabc", "xabcd", "ab"});
    auto articles = [this](const std::string& search) {
        std::vector<int32_t> found;
        for (const THit& hit : Find(Greek(search)))
            found.push_back(hit.Article);
        return found;
    };
    EXPECT_EQ(articles("abc"), (std::vector<int32_t>{0}));
    EXPECT_EQ(articles("abc*"), (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(articles("*abc"), (std::vector<int32_t>{0, 2}));
    EXPECT_EQ(articles("*abc*"), (std::vector<int32_t>{0, 1, 2, 3}));
    EXPECT_EQ(articles("?abc"), (std::vector<int32_t>{0, 2}));
    EXPECT_EQ(articles("x*d"), (std::vector<int32_t>{2, 3}));  // only the anchor x is compared
    EXPECT_EQ(articles("a*cd"), (std::vector<int32_t>{1, 3})); // only the anchor is compared
}

TEST_F(FullTextSearchTest, PhrasesNeedOnlySpacesBetweenTheirWords) {
    Load({"ab cd ef", "ab, cd", "ab  cd",
          "ab\x03"
          "cd",
          "cd ab cd"});
    EXPECT_EQ(Find(Greek("ab cd")),
              (std::vector<THit>{{0, 0, 5, ""}, {2, 0, 6, ""}, {4, 3, 5, ""}}));
    EXPECT_EQ(Find(Greek("cd ef")), (std::vector<THit>{{0, 3, 5, ""}}));
}

TEST_F(FullTextSearchTest, RussianWordsOnlyInRussianText) {
    const std::string dom = "\xE4\xEE\xEC", Dom = "\xC4\xEE\xEC";
    Load({"a " + dom,                             // before any Russian font code
          "a\x07" + dom + " \x05" + dom,          // the second is italic: excluded
          "a\x0A" + Dom + "\x08" + dom,           // after a meaning; then Greek again
          "a\x84\x40" + dom + "\x81\x40" + dom}); // after a phrase Russian, after an author not
    EXPECT_EQ(Find(Russian(dom)), (std::vector<THit>{{1, 2, 3, ""}, {2, 2, 3, ""}, {3, 3, 3, ""}}));
    EXPECT_EQ(Find(Russian("!" + Dom)), (std::vector<THit>{{2, 2, 3, ""}}));
    EXPECT_THROW(Find(Russian("*")), EOrvelError);
}

TEST_F(FullTextSearchTest, HitLimitKeepsTheWholeArticleAndContinues) {
    Load({"x", "ab ab ab", "ab", "ab"});
    EXPECT_EQ(Find(Greek("ab"), 1),
              (std::vector<THit>{{1, 0, 2, ""}, {1, 3, 2, ""}, {1, 6, 2, ""}}));
    EXPECT_EQ(session.LastFound, 1);
    EXPECT_EQ(Find(Greek("ab"), 1, true), (std::vector<THit>{{2, 0, 2, ""}}));
    EXPECT_EQ(Find(Greek("ab"), 5, true), (std::vector<THit>{{3, 0, 2, ""}}));
    EXPECT_EQ(session.LastFound, -1); // ran out of articles: nothing to continue
    EXPECT_EQ(Find(Greek("ab"), 1, true).front().Article, 1);
}

TEST_F(FullTextSearchTest, NotesAreSearchedAfterTheirArticle) {
    Load({"ab", "cd", "ef"});
    dictionary->GetNote(1, "mine", dir.Path())->SetText("x ab");
    dictionary->GetNote(1, "other", dir.Path())->SetText("ab");
    EXPECT_EQ(Find(Greek("ab")),
              (std::vector<THit>{{0, 0, 2, ""}, {1, 0, 2, "other"}, {1, 2, 2, "mine"}}));
}

TEST_F(FullTextSearchTest, LongWordsAreComparedWhole) {
    const std::string longWord(5000, 'a');
    Load({longWord + "b", longWord});
    EXPECT_EQ(Find(Greek(longWord)), (std::vector<THit>{{1, 0, 5000, ""}}));
    EXPECT_EQ(Find(Greek("*" + longWord.substr(0, 1500) + "b")).size(), 1u);
}

TEST_F(FullTextSearchTest, ProgressEveryThousandArticlesAndCancel) {
    std::vector<std::string> articles(2500, "x");
    articles[1800] = "ab";
    Load(articles);
    std::vector<int> reported;
    TVkrObjectList<TWordDescriptor> results;
    Search(*dictionary, session, Greek("ab"), results, false, 8,
           [&reported](int percent) { reported.push_back(percent); });
    EXPECT_EQ(reported, (std::vector<int>{0, 40, 80}));
    EXPECT_EQ(results.Count(), 1);

    results.Clear();
    Search(*dictionary, session, Greek("ab"), results, false, 8,
           [this](int percent) { session.StopSearch = percent >= 40; });
    EXPECT_EQ(results.Count(), 0); // stopped after article 1000
    EXPECT_EQ(session.LastFound, -1);

    // A cancelled search leaves nothing behind that stops the next one.
    EXPECT_EQ(Find(Greek("ab")).size(), 1u);
}

TEST_F(FullTextSearchTest, UnusableSearchStringsFail) {
    Load({"ab"});
    for (const std::string& search :
         {std::string("\x08"), Greek(" ab"), Greek("ab  cd"), Greek("*"),
          std::string("\x05"
                      "ab")}) {
        try {
            Find(search);
            ADD_FAILURE() << "accepted";
        } catch (const EOrvelError& error) {
            EXPECT_STREQ(error.what(), "Недопустимая строка для поиска");
        }
        EXPECT_EQ(session.SearchText, search);
        EXPECT_EQ(session.LastFound, -1);
    }
    // A dictionary of one article is searched like any other.
    EXPECT_EQ(Find(Greek("ab")).size(), 1u);
}

} // namespace
