#include "core/source/DictionaryDecompiler.h"

#include "core/article/VocabularyTables.h"
#include "core/dictionary/SearchTerms.h"
#include "core/encoding/Windows1251.h"
#include "core/source/DictionarySource.h"
#include "core/source/DictionarySourceTags.h"
#include "support/GeneratedDictionary.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

using namespace orvel;
using namespace orvel::testing;

namespace {

std::string Cp(const char* utf8) {
    return Utf8ToCp1251(utf8);
}

std::string Decompile(const std::string& article) {
    return DecompileArticle(article, TVocabulary::BuiltIn());
}

// Decompiles the articles as one source file and compiles it again.
TCompiledDictionary RoundTrip(const std::vector<std::string>& articles,
                              const TVocabulary& vocabulary) {
    const std::vector<std::string_view> views(articles.begin(), articles.end());
    return CompileDictionarySource({{"d.ors", DecompileSource(views, vocabulary)}});
}

// Every row known, with contents that test the writing of rows: tabs, braces, spaces at the
// ends, Greek that Unicode cannot write, texts that occur twice.
TVocabulary AwkwardVocabulary() {
    TVocabulary vocabulary = TVocabulary::BuiltIn();
    for (int t = 0; t < VocabularyTableCount; ++t) {
        const bool greek = t >= int(TVocabularyTable::GreekEndings);
        for (size_t r = 0; r < vocabulary.Tables[size_t(t)].size(); ++r) {
            auto& row = vocabulary.Tables[size_t(t)][r];
            if (!row.Text) {
                static const std::string odd[] = {"", " a{b}\t", "ab  ", "\x01\x98x", "R\xDDz"};
                row.Text = r % 7 == 0 ? odd[r / 7 % 5]
                           : greek    ? "ou"
                                      : "row" + std::to_string(r % 50);
            }
            if (TableInfo(TVocabularyTable(t)).Signs && !row.Explanation)
                row.Explanation = r % 3 == 0 ? "" : r % 3 == 1 ? "\xDF\xE0 } " : "\t";
        }
    }
    return vocabulary;
}

TEST(DictionaryDecompilerTest, GeneratedDictionariesRoundTrip) {
    for (uint32_t seed : {1u, 2u, 3u}) {
        const TGeneratedDictionary generated = GenerateDictionary(1500, 150000, seed);
        EXPECT_EQ(RoundTrip(generated.Articles, TVocabulary::BuiltIn()).Articles,
                  generated.Articles);
    }
    const TVocabulary vocabulary = AwkwardVocabulary();
    const TGeneratedDictionary generated = GenerateDictionary(500, 60000, 4);
    const TCompiledDictionary compiled = RoundTrip(generated.Articles, vocabulary);
    EXPECT_EQ(compiled.Articles, generated.Articles);
    EXPECT_EQ(compiled.Vocabulary.Tables, vocabulary.Tables);
}

TEST(DictionaryDecompilerTest, ArbitraryBytesRoundTrip) {
    // Bytes drawn mostly from those with a role, so that codes, references, diacritics, signs
    // and spaces meet in every order.
    std::string alphabet = " \x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C\x0D\x0E\x0F\x10\x11\x12"
                           "\x13\x14\x15\x1F\x80\x81\x82\x85\x90\x91\x92\xC0\xC3\xCB\xDC\xDD"
                           "\xE0\xFF\"'()*+,-./:;<=>?#[]_\\{}~@$&0123ABRZabcgoruyz";
    alphabet += std::string("\x00\x01\x16\x7F\x98\xA0\xB6", 7);
    std::mt19937 random(11);
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 24), byte(0, 255);
    std::vector<std::string> articles;
    for (int i = 0; i < 10000; ++i) {
        std::string article;
        for (int n = length(random); n > 0; --n)
            article += i % 4 == 0 ? char(byte(random)) : alphabet[pick(random)];
        for (char& c : article)
            c = c == '\x02' ? '\x01' : c;
        articles.push_back(article);
    }
    const TVocabulary vocabularies[] = {TVocabulary::BuiltIn(), AwkwardVocabulary()};
    for (const TVocabulary& vocabulary : vocabularies) {
        const TVocabulary merged = WithBuiltIn(vocabulary);
        for (const auto& article : articles) {
            const std::string source = DecompileArticle(article, merged);
            TSourceErrors errors;
            std::vector<TSourceLine> lines;
            for (size_t p = 0, end; p <= source.size(); p = end + 1) {
                end = std::min(source.find('\n', p), source.size());
                lines.push_back(
                    {int(lines.size()) + 1, std::string_view(source).substr(p, end - p)});
            }
            const std::string bytes = CompileArticleSource("a.ors", lines, merged, errors);
            ASSERT_TRUE(errors.Empty()) << source;
            ASSERT_EQ(bytes, article) << source;
        }
        // The same through whole source files, where articles are sorted by their keys.
        std::vector<std::string> sorted = articles;
        std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
            return HeadWordKey(a) < HeadWordKey(b);
        });
        EXPECT_EQ(RoundTrip(articles, vocabulary).Articles, sorted);
    }
}

TEST(DictionaryDecompilerTest, NaturalArticlesGiveReadableSource) {
    // Source as the decompiler lays it out: meanings on lines of their own, spaces where the
    // reader shows them.
    const std::string articles[] = {
        "λόγος{end:αι} {ὁ}\n"
        "{1} слово, речь {a:Hom.}; {s:см.} {gr}{n}λέγω\n"
        "{+} {l:aor.} {ru}сказанное «слово» {[}досл.{]} … {p:где-л.} {w:на} {и} {в} делах (1-ый)\n"
        "{-} разум {a:Plat.}, {~} {~~} {ἡ} {q:γᾱ}.",
        "{mark:I*}ἀγαθός{end:εια}{end:αι}\n{1} хороший {la}bonus, a, um {sym}ABC {ru}т.е. да",
        "{mark:I}βοῦς\n{1} бык, корова {a:Hom.}",
    };
    std::vector<std::string> compiled;
    for (const auto& source : articles) {
        compiled.push_back(
            CompileDictionarySource({{"n.ors", "@articles\n" + source}}).Articles.at(0));
        EXPECT_EQ(Decompile(compiled.back()), source);
    }
    EXPECT_EQ(Decompile(""), "{x:}");

    // Long lines are broken at spaces.
    std::string long_article = "λόγος {1}";
    for (int i = 0; i < 40; ++i)
        long_article += " слово";
    const std::string source =
        Decompile(CompileDictionarySource({{"l.ors", "@articles\n" + long_article}}).Articles[0]);
    EXPECT_NE(source.find('\n'), std::string::npos);
    for (size_t p = 0, end; p < source.size(); p = end + 1) {
        end = std::min(source.find('\n', p), source.size());
        EXPECT_LE(Utf8ToCp1251(source.substr(p, end - p)).size(), 110u);
    }
}

TEST(DictionaryDecompilerTest, StoredSpacesAndEscapes) {
    const std::string logos = "k\xC0ocor";
    const std::pair<std::string, const char*> cases[] = {
        // Stored spaces: whitespace where it compiles to one, {_} elsewhere.
        {logos + "\x0A" + Cp("слово") + " " + Cp("речь"), "λόγος\n{1} слово речь"},
        {logos + "\x0A" + Cp("слово") + ", " + Cp("речь"), "λόγος\n{1} слово,{_}речь"},
        {logos + "\x0A" + Cp("слово") + "  " + Cp("речь"), "λόγος\n{1} слово{_}{_}речь"},
        {logos + "\x0A( " + Cp("речь"), "λόγος\n{1} ( речь"},
        {" " + logos + " ", "{_}λόγος{_}"},
        {logos + " \x0A", "λόγος{_}\n{1}"},
        // Bytes without a role, signs that cannot stand in text, Greek Unicode writes
        // differently, codes a letter cannot carry.
        {logos + "\x16$&@\x7F", "λόγος{x:16 24 26 40 7F}"},
        {logos + "{}", "λόγος{x:7B 7D}"},
        {"aRZb", "α{x:52 5A}β"},
        {"\xC2"
         "e\xDD",
         "{x:C2}ε{x:DD}"},
        {"a\x07\xB8\xC0\x98", "α{ru}{x:B8} А{x:98}"},
        // References outside their table or cut off by the end.
        {"a\x81\xCD\x90\x71\x85\x3F", "α{x:81 CD 90 71 85 3F}"},
        {"a\x92", "α{x:92}"},
        // A first line that would read as a comment; record marks inside an article.
        {"//a", "{x:2F}/α"},
        {std::string("a\x01\x00", 3), "α{x:01 00}"},
    };
    for (const auto& [bytes, source] : cases) {
        EXPECT_EQ(Decompile(bytes), source) << source;
        EXPECT_EQ(CompileDictionarySource({{"s.ors", std::string("@articles\n") + source}})
                      .Articles.at(0),
                  bytes)
            << source;
    }
}

TEST(DictionaryDecompilerTest, ReferencesNameTheirRowsByTextWhereThatNamesThem) {
    const TVocabulary& v = TVocabulary::BuiltIn();
    // "арх." stands in three rows: the first is named by text, the others by number.
    std::vector<int> rows;
    for (int r = 0; r < TableInfo(TVocabularyTable::RussianSigns).Rows; ++r)
        if (*v.Text(TVocabularyTable::RussianSigns, r) == Cp("арх."))
            rows.push_back(r);
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(Decompile("a" + ReferenceBytes(TVocabularyTable::RussianSigns, rows[0])),
              "α {s:арх.}");
    EXPECT_EQ(Decompile("a" + ReferenceBytes(TVocabularyTable::RussianSigns, rows[1])),
              "α {s#" + std::to_string(rows[1]) + "}");
    // Rows the program does not know, by number; they show nothing, so no space before them.
    EXPECT_EQ(Decompile("a\x85\x4A\x91\x50"), "α{w#10}{end#16}");
    // A name with '}' or a character the table cannot take back is a number too.
    TVocabulary odd = WithBuiltIn(TVocabulary());
    odd.Tables[size_t(TVocabularyTable::RussianWords)][10].Text = "a}b";
    odd.Tables[size_t(TVocabularyTable::RussianWords)][11].Text = "a{b";
    odd.Tables[size_t(TVocabularyTable::RussianWords)][12].Text = Cp("день");
    EXPECT_EQ(DecompileArticle("a\x07\x85\x4A\x85\x4B\x85\x4C", odd),
              "α {ru}{w#10} {w#11} {w:день}");
}

TEST(DictionaryDecompilerTest, VocabularySectionsHoldWhatTheProgramLacks) {
    TVocabulary vocabulary = WithBuiltIn(TVocabulary());
    vocabulary.Tables[size_t(TVocabularyTable::Authors)][1].Explanation = Cp("Эсхин");
    vocabulary.Tables[size_t(TVocabularyTable::Authors)][2].Explanation = "";
    vocabulary.Tables[size_t(TVocabularyTable::RussianWords)][10].Text = Cp("день ");
    vocabulary.Tables[size_t(TVocabularyTable::RussianWords)][11].Text = "";
    vocabulary.Tables[size_t(TVocabularyTable::GreekEndings)][10].Text = "\xC0g";
    vocabulary.Tables[size_t(TVocabularyTable::GreekEndings)][11].Text = "R";
    const std::string sections = VocabularySections(vocabulary);
    EXPECT_EQ(sections, "@vocabulary Authors\n"
                        "1\tAeschin.\tЭсхин\n"
                        "2\tAesop.\n"
                        "\n"
                        "@vocabulary RussianWords\n"
                        "10\tдень{x:20}\n"
                        "11\n"
                        "\n"
                        "@vocabulary GreekEndings\n"
                        "10\tή\n"
                        "11\t{x:52}\n");
    TSourceErrors errors;
    TDictionarySource source;
    const TSourceText text{"v.ors", sections};
    ReadSourceSections(text, source, errors);
    EXPECT_EQ(MergeVocabulary(source.Rows, errors).Tables, vocabulary.Tables);
    EXPECT_TRUE(errors.Empty());
    EXPECT_EQ(VocabularySections(TVocabulary::BuiltIn()), "");
}

} // namespace
