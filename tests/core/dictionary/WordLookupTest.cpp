#include "core/base/OrvelError.h"
#include "core/dictionary/MainDictionary.h"
#include "core/dictionary/SearchTerms.h"
#include "support/GeneratedDictionary.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <memory>
#include <random>

using namespace orvel;
using namespace orvel::testing;

namespace {

std::string Greek(const std::string& word) {
    return std::string(1, char(ScriptGreek)) + word;
}
std::string Russian(const std::string& word) {
    return std::string(1, char(ScriptRussian)) + word;
}

std::vector<std::pair<std::string, char>> Tokens(const TSearchTerm& term) {
    std::vector<std::pair<std::string, char>> tokens;
    for (int32_t i = 0; i < term.TokenCount; ++i)
        tokens.emplace_back(term.Tokens[size_t(i)].Text, term.Tokens[size_t(i)].Kind);
    return tokens;
}

TSearchTerm Parse(const std::string& s) {
    TSearchState state;
    ParseTerm(state, s);
    return state.SearchTerms[0];
}

TEST(SearchTermsTest, GreekTokensAreLoweredAndStrippedUnlessExact) {
    auto term = Parse(Greek("\xC5"
                            "A\xC0"
                            "bc"));
    EXPECT_TRUE(term.Greek);
    EXPECT_FALSE(term.Exact);
    EXPECT_EQ(Tokens(term), (std::vector<std::pair<std::string, char>>{{"abc", '#'}}));

    // Exact: capitals stay, codes stay before the vowels that can carry them, the length and
    // iota codes only before small vowels, and 0xCB/0xCC never.
    term = Parse(Greek("!\xC5"
                       "A\xC0"
                       "b\xCD"
                       "A\xCD"
                       "a\xCB"
                       "e\xC0"));
    EXPECT_TRUE(term.Exact);
    EXPECT_EQ(Tokens(term), (std::vector<std::pair<std::string, char>>{{"\xC5"
                                                                        "AbA\xCD"
                                                                        "ae",
                                                                        '#'}}));
}

TEST(SearchTermsTest, WildcardsGroupsAndAnchor) {
    auto term = Parse(Greek("ab*c?d-e[xy](pq)[]lmn"));
    EXPECT_EQ(Tokens(term), (std::vector<std::pair<std::string, char>>{{"ab", '#'},
                                                                       {"*", '*'},
                                                                       {"c", '#'},
                                                                       {"?", '?'},
                                                                       {"d", '#'},
                                                                       {"e", '#'},
                                                                       {"xy", '['},
                                                                       {"pq", '('},
                                                                       {"lmn", '#'}}));
    EXPECT_EQ(term.Anchor, 8); // the first of the longest literals
    EXPECT_EQ(Parse(Greek("ab*cd")).Anchor, 0);
    EXPECT_EQ(Parse(Greek("[ab")).TokenCount, 1); // an unclosed group runs to the end
    EXPECT_EQ(Parse(Greek("*?")).Anchor, -1);
}

TEST(SearchTermsTest, RussianTokens) {
    auto term = Parse(Russian("\xC4\xEE\xEC, \xE4\xEE\xEC"));
    EXPECT_FALSE(term.Greek);
    EXPECT_EQ(Tokens(term), (std::vector<std::pair<std::string, char>>{{"\xE4\xEE\xEC", '#'},
                                                                       {"\xE4\xEE\xEC", '#'}}));
    EXPECT_EQ(Tokens(Parse(Russian("!\xC4\xEE\xEC")))[0].first, "\xC4\xEE\xEC");
    EXPECT_EQ(Parse(Russian("abc")).TokenCount, 0); // Latin is not Russian
}

TEST(SearchTermsTest, AtMostTwentyTokensAndOnlyKnownScripts) {
    std::string many;
    for (int i = 0; i < 25; ++i)
        many += "a?";
    EXPECT_EQ(Parse(Greek(many)).TokenCount, 20);
    EXPECT_EQ(Parse(std::string("\x09"
                                "abc"))
                  .TokenCount,
              0);
    EXPECT_EQ(Parse(std::string(1, char(ScriptGreek))).TokenCount, 0);
    EXPECT_EQ(Parse(Greek("!")).TokenCount, 0);
}

TEST(SearchTermsTest, SearchStringUsability) {
    TSearchState state;
    EXPECT_FALSE(ParseSearchString(state, ""));
    EXPECT_FALSE(ParseSearchString(state, std::string(1, char(ScriptGreek))));
    EXPECT_FALSE(ParseSearchString(state, Greek("  ab")));
    EXPECT_FALSE(ParseSearchString(state, Greek(" ab")));
    EXPECT_FALSE(ParseSearchString(state, Greek("ab  cd")));
    EXPECT_FALSE(ParseSearchString(state, Russian("*")));

    ASSERT_TRUE(ParseSearchString(state, Greek("!Ab cD ")));
    EXPECT_EQ(state.TermCount, 2);
    EXPECT_EQ(state.TermIndex, 0);
    EXPECT_TRUE(state.SearchTerms[0].Exact);
    EXPECT_EQ(state.SearchTerms[0].Tokens[0].Text, "Ab");
    EXPECT_FALSE(state.SearchTerms[1].Exact); // each word carries its own "!"
    EXPECT_EQ(state.SearchTerms[1].Tokens[0].Text, "cd");

    ASSERT_TRUE(ParseSearchString(state, Greek("a b c d e f g h i j")));
    EXPECT_EQ(state.TermCount, 8); // words after the eighth are ignored
}

TEST(SearchTermsTest, KeysAndPrefixes) {
    EXPECT_EQ(NormalizeWord("\xC5"
                            "A-b[c]d"),
              "abcd");
    EXPECT_EQ(NormalizeWord("ab_cd"), "ab");
    EXPECT_EQ(NormalizeWord("ab\xA0"
                            "cd"),
              "ab");
    EXPECT_EQ(CommonPrefixLength("abd", "abc"), 2);
    EXPECT_EQ(CommonPrefixLength("", "abc"), 0);
    EXPECT_THROW(CommonPrefixLength("abcd", "abc"), EAssertionFailed);
}

class WordLookupTest : public ::testing::Test {
protected:
    TMainDictionary& Load(const std::vector<std::string>& articles) {
        dictionary = LoadDictionary(dir.Path(), articles);
        return *dictionary;
    }

    TTempDir dir;
    std::unique_ptr<TMainDictionary> dictionary;
};

TEST_F(WordLookupTest, KeysIgnoreCaseDiacriticsAndPunctuation) {
    auto& d = Load({"\x80\x05"
                    "A\xC3"
                    "b-[c]_d\xA0"
                    "e f",
                    "abc,d"});
    EXPECT_EQ(d.GetKey(0, 100), "abcde");
    EXPECT_EQ(d.GetKey(0, 2), "ab");
    EXPECT_EQ(d.GetKey(1, 100), "abc");
}

TEST_F(WordLookupTest, FindsTheLongestCommonPrefix) {
    auto& d = Load({"a\xC0"
                    "b ",
                    "abc ", "abc 2", "abd ", "a-ge ",
                    "b\xC4"
                    "a ",
                    "ba\xC0"
                    "q "});
    EXPECT_EQ(d.FindWord(Greek("abc")), 1); // duplicates: the first
    EXPECT_EQ(d.FindWord(Greek("ABC")), 1); // capitals like small letters
    EXPECT_EQ(d.FindWord(Greek("\xC5"
                               "a\xC0"
                               "bc")),
              1); // typed diacritics make no difference
    EXPECT_EQ(d.FindWord(Greek("ab")), 0);
    EXPECT_EQ(d.FindWord(Greek("abz")), 0); // nearest predecessor by prefix
    EXPECT_EQ(d.FindWord(Greek("abdx")), 3);
    EXPECT_EQ(d.FindWord(Greek("a-g")), -1); // a typed hyphen splits the word
    EXPECT_EQ(d.FindWord(Greek("ag")), 4);
    EXPECT_EQ(d.FindWord(Greek("af")), 0); // no pair "af": from the letter's start
    EXPECT_EQ(d.FindWord(Greek("baq")), 6);
    EXPECT_EQ(d.FindWord(Greek("b")), 5);
}

TEST_F(WordLookupTest, WhatIsNotLookedUp) {
    auto& d = Load({"ab ", "rb ", "cd "});
    EXPECT_EQ(d.FindWord(Greek("rb")), -1); // final sigma never starts a word
    EXPECT_EQ(d.FindWord(Greek("a*")), -1); // a pattern of the full-text search
    EXPECT_EQ(d.FindWord(Greek("a?")), -1);
    EXPECT_EQ(d.FindWord(Greek("ab cd")), -1); // two words
    EXPECT_EQ(d.FindWord(Russian("\xE0")), -1);
    EXPECT_EQ(d.FindWord(Greek("z")), -1); // the elision sign is not a first letter
    EXPECT_EQ(d.FindWord(Greek("e")), -1); // no head word with that letter
    EXPECT_EQ(d.FindWord(std::string(1, char(ScriptGreek))), -1);
    EXPECT_THROW(d.FirstOfLetter(96), EAssertionFailed);
    EXPECT_THROW(d.FirstOfPair(97, 122), EAssertionFailed);
}

TEST_F(WordLookupTest, LetterAndPairStartsAreCached) {
    auto& d = Load({"\xC0"
                    "a ",
                    "ab ", "b ", "bb ", "bd ", "d "});
    const auto& index = d.LetterIndex();
    EXPECT_EQ(index['a' - 97][0], 0);
    EXPECT_EQ(index['b' - 97][0], 2);
    EXPECT_EQ(index['c' - 97][0], -1);
    EXPECT_EQ(index['b' - 97]['b' - 96], 3);
    EXPECT_EQ(index['b' - 97]['c' - 96], -1); // a missing pair is not cached
    EXPECT_EQ(d.FirstOfPair('b', 'c'), 3);    // but answers the nearest start below
    EXPECT_EQ(d.FirstOfPair('b', 'a'), 2);    // or the letter's first article
    for (int column = 0; column < 26; ++column)
        EXPECT_EQ(index[114 - 97][size_t(column)], -1);
}

// The lookup must answer what a plain scan of every article answers: the first article whose
// key shares the longest prefix (of at least two letters) with the typed key; when only the
// first letter matches, the nearest predecessor by pair (the first article of the highest pair
// below the typed one, else of the letter); -1 when no key starts with the letter.
int32_t ReferenceFindWord(const std::vector<std::string>& keys, const std::string& typed) {
    int32_t best = -1;
    size_t bestLength = 0;
    for (size_t i = 0; i < keys.size(); ++i) {
        size_t n = 0;
        while (n < typed.size() && n < keys[i].size() && typed[n] == keys[i][n])
            ++n;
        if (n > bestLength) {
            best = int32_t(i);
            bestLength = n;
        }
    }
    if (bestLength != 1 || typed.size() < 2 || typed[1] > 'y')
        return best;
    for (size_t i = size_t(best); i < keys.size() && keys[i][0] == typed[0]; ++i)
        if (keys[i].size() >= 2 && keys[i][1] < typed[1] &&
            (i == 0 || keys[i - 1].size() < 2 || keys[i - 1].substr(0, 2) != keys[i].substr(0, 2)))
            best = int32_t(i);
    return best;
}

TEST_F(WordLookupTest, AgreesWithAPlainScanWhateverTheCacheHolds) {
    auto generated = GenerateDictionary(3000, 90000, 11);
    std::vector<std::string> keys;
    for (const auto& article : generated.Articles)
        keys.push_back(HeadWordKey(article));
    Load(generated.Articles); // letter index rebuilt by the lookups themselves

    std::mt19937 random(5);
    std::uniform_int_distribution<int> letter(97, 122), length(1, 8), pick(0, 2999);
    for (int trial = 0; trial < 3000; ++trial) {
        std::string typed;
        if (trial % 2) {
            typed = keys[size_t(pick(random))].substr(0, size_t(length(random)));
        } else {
            for (int n = length(random); n > 0; --n)
                typed += char(letter(random));
        }
        if (typed.empty() || typed[0] == 'r' || typed[0] == 'z')
            continue;
        ASSERT_EQ(dictionary->FindWord(Greek(typed)), ReferenceFindWord(keys, typed)) << typed;
    }
}

} // namespace
