// Search against the article-by-article search it replaced, on random dictionaries with notes and
// random search strings: every hit, LastFound, the cancel flag, the progress reports and the
// failures must agree, through hit limits, continuations and cancels.
#include "core/base/OrvelError.h"
#include "core/dictionary/MainDictionary.h"
#include "core/search/FullTextSearch.h"
#include "core/search/FullTextSearchOracle.h"
#include "support/GeneratedDictionary.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <random>

using namespace orvel;
using namespace orvel::testing;

namespace {

// Texts and search strings from a few letters of each script, so that words recur and hits are
// common, mixed with everything that changes how a word is read: capitals, diacritic codes,
// hyphens and brackets inside words, spaces and commas between them, the codes that switch the
// language and exclusion, and references whose index byte looks like a letter.
class TRandomInput {
public:
    explicit TRandomInput(uint32_t Seed) : Random(Seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(Random); }
    char Pick(std::string_view bytes) { return bytes[size_t(Below(int(bytes.size())))]; }

    std::string Text(int maxLength, bool anyByte) {
        std::string text;
        if (Below(10) == 0)
            text += {'\x80', Pick("\x40\x41y\xE0")};
        const int length = Below(maxLength + 1);
        while (int(text.size()) < length) {
            const int piece = Below(100);
            if (piece < 36)
                text += Pick("abcy");
            else if (piece < 42)
                text += Pick("ABCY");
            else if (piece < 48)
                text += Pick("\xC0\xC3\xCB\xCC\xCD\xDC");
            else if (piece < 51)
                text += Pick("-[]");
            else if (piece < 67)
                text += Pick("\xE0\xE1\xFF");
            else if (piece < 71)
                text += Pick("\xC1\xDF");
            else if (piece < 81)
                text += ' ';
            else if (piece < 83)
                text += ',';
            else if (piece < 91)
                text += char(3 + Below(19)); // 0x03..0x15
            else if (piece < 96)
                text += {char(0x80 + Below(19)), Pick("\x40y\xE0\xC0\xFF\xCB")};
            else if (anyByte)
                text += char(Below(256));
            else
                text += Pick(std::string_view("\x1F"
                                              "1zZ\x7F\x00\x9A\xA0",
                                              8));
        }
        return text;
    }

    // One to three words, some exact, of letters, wildcards, hyphens and bracketed groups; now
    // and then a string that cannot be parsed.
    std::string SearchString() {
        const bool greek = Below(2) == 0;
        std::string search(1, char(greek ? ScriptGreek : ScriptRussian));
        const int words = Below(4) == 0 ? 2 + Below(2) : 1;
        for (int w = 0; w < words; ++w) {
            if (w > 0)
                search += Below(30) == 0 ? "  " : " ";
            if (Below(4) == 0)
                search += '!';
            // Mostly a run of letters with wildcards, hyphens or a bracketed group about it.
            const int pieces = 1 + Below(3);
            const int letterPiece = Below(20) == 0 ? -1 : Below(pieces);
            for (int p = 0; p < pieces; ++p) {
                if (p == letterPiece || Below(4) == 0) {
                    for (int l = 1 + Below(2); l > 0; --l) {
                        if (greek && Below(6) == 0)
                            search += {Pick("\xC0\xCD"), 'a'}; // a diacritic before a vowel
                        else
                            search += greek ? Pick("abcyAY") : Pick("\xE0\xE1\xFF\xC1\xDF");
                    }
                } else if (Below(4) != 0) {
                    search += Pick("*?-");
                } else {
                    search += greek ? Pick("[(") + std::string("ab") + Pick("])") : "[\xE0\xE1]";
                }
            }
        }
        return search;
    }

private:
    std::mt19937 Random;
};

// What one search leaves behind.
struct TOutcome {
    std::string Error;
    std::vector<std::string> Hits; // article, selection, word and note of each hit, in order
    int32_t LastFound = 0;
    bool StopSearch = false;
    std::string SearchText;
    std::vector<int> Progress;
    bool operator==(const TOutcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TOutcome& outcome) {
    out << "error \"" << outcome.Error << "\", last found " << outcome.LastFound << ", stop "
        << outcome.StopSearch << ", " << outcome.Progress.size() << " reports, hits:";
    for (const std::string& hit : outcome.Hits)
        out << " " << hit;
    return out;
}

using TSearchFunction = decltype(&Search);

// Runs one search; with CancelAt > 0 the progress callback cancels at its CancelAt-th report.
TOutcome RunSearch(TSearchFunction search, TMainDictionary& dictionary, TSearchSession& session,
                   const std::string& words, bool next, int32_t limit, bool report, int cancelAt) {
    TOutcome outcome;
    TVkrObjectList<TWordDescriptor> results;
    TSearchProgress progress;
    if (report)
        progress = [&](int percent) {
            outcome.Progress.push_back(percent);
            if (int(outcome.Progress.size()) == cancelAt)
                session.StopSearch = true;
        };
    try {
        search(dictionary, session, words, results, next, limit, progress);
    } catch (const EOrvelError& error) {
        outcome.Error = error.what();
    }
    for (int i = 0; i < results.Count(); ++i) {
        const TWordDescriptor& hit = *results[i];
        outcome.Hits.push_back(std::to_string(hit.ArticleIndex) + ":" +
                               std::to_string(hit.SelStart) + "+" + std::to_string(hit.SelLength) +
                               ":" + hit.Word + ":" +
                               (hit.InNote ? "note " + hit.NoteFile : "article"));
    }
    outcome.LastFound = session.LastFound;
    outcome.StopSearch = session.StopSearch;
    outcome.SearchText = session.SearchText;
    return outcome;
}

std::string Hex(const std::string& bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        static const char digits[] = "0123456789ABCDEF";
        out += {digits[c >> 4], digits[c & 15], ' '};
    }
    return out;
}

TEST(FullTextSearchDifferentialTest, AgreesWithTheArticleByArticleSearch) {
    TRandomInput input(20240611);
    int searches = 0, hits = 0, noteHits = 0, farHits = 0, limitsReached = 0, cancels = 0,
        failures = 0;
    for (int round = 0; round < 80; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        // Every eighth dictionary is long enough for several progress reports.
        const bool large = round % 8 == 0;
        std::vector<std::string> articles(
            size_t(large ? 1001 + input.Below(2500) : 1 + input.Below(40)));
        for (std::string& article : articles)
            article = input.Text(large ? (input.Below(50) == 0 ? 60 : 6) : 80, false);
        TTempDir dir;
        auto dictionary = LoadDictionary(dir.Path(), articles);
        if (input.Below(3) == 0)
            for (int n = 1 + input.Below(5); n > 0; --n)
                dictionary
                    ->GetNote(input.Below(int(articles.size())), input.Below(2) ? "mine" : "other",
                              dir.Path())
                    ->SetText(input.Text(40, true));

        for (int s = 0; s < 25; ++s) {
            const std::string words = input.SearchString();
            SCOPED_TRACE("search " + Hex(words));
            const int32_t limit = 1 + input.Below(6);
            TSearchSession fast, oracle;
            // A fresh search, then continuations while there is something to continue, and one
            // continuation more, which starts again from the first article.
            bool next = false;
            for (int step = 0; step < 6; ++step) {
                const bool report = input.Below(5) != 0;
                const int cancelAt = input.Below(4) == 0 ? 1 + input.Below(3) : 0;
                const TOutcome expected = RunSearch(SearchArticleByArticle, *dictionary, oracle,
                                                    words, next, limit, report, cancelAt);
                const TOutcome actual =
                    RunSearch(Search, *dictionary, fast, words, next, limit, report, cancelAt);
                ASSERT_EQ(actual, expected) << "step " << step;
                ++searches;
                hits += int(actual.Hits.size());
                for (const std::string& hit : actual.Hits) {
                    noteHits += hit.find(":note ") != std::string::npos;
                    farHits += std::stoi(hit) >= 1000;
                }
                limitsReached += actual.LastFound >= 0;
                cancels += cancelAt > 0 && int(actual.Progress.size()) >= cancelAt;
                failures += !actual.Error.empty();
                if (actual.LastFound < 0 && next)
                    break;
                next = true;
            }
        }
    }
    // The comparison means something only when the searches find, in articles far apart and in
    // notes, fill limits, are cancelled and fail.
    EXPECT_GT(searches, 4000);
    EXPECT_GT(hits, 4000);
    EXPECT_GT(noteHits, 40);
    EXPECT_GT(farHits, 250);
    EXPECT_GT(limitsReached, 1000);
    EXPECT_GT(cancels, 120);
    EXPECT_GT(failures, 100);
}

} // namespace
