#include "core/source/DictionarySource.h"

#include "core/article/VocabularyTables.h"
#include "core/dictionary/MainDictionary.h"
#include "core/dictionary/SearchTerms.h"
#include "core/encoding/Windows1251.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

std::string Cp(const char* utf8) {
    return Utf8ToCp1251(utf8);
}

// The bytes of the one article of an article section.
std::string Compile(const std::string& article) {
    const TCompiledDictionary compiled =
        CompileDictionarySource({{"t.ors", "@articles\n" + article}});
    EXPECT_EQ(compiled.Articles.size(), 1u);
    return compiled.Articles.empty() ? std::string() : compiled.Articles[0];
}

// The error texts of compiling the files.
std::vector<std::string> Errors(const std::vector<TSourceText>& sources) {
    try {
        CompileDictionarySource(sources);
    } catch (const ESourceError& error) {
        std::vector<std::string> texts;
        for (const auto& e : error.Errors())
            texts.push_back(e.Text());
        return texts;
    }
    return {};
}

const std::string Logos = "k\xC0ocor"; // λόγος

TEST(DictionarySourceTest, EveryTagGivesItsBytes) {
    const std::pair<const char*, std::string> cases[] = {
        {"{gr}", "\x08"},
        {"{ru}", "\x07"},
        {"{la}", "\x06"},
        {"{sym}", "\x09"},
        {"{n}", "\x03"},
        {"{b}", "\x04"},
        {"{i}", "\x05"},
        {"{1}", "\x0A"},
        {"{+}", "\x0B"},
        {"{-}", "\x0C"},
        {"{0}", "\x0D"},
        {"{~}", "\x0E"},
        {"{~~}", "\x14"},
        {"{и}", "\x0F"},
        {"{или}", "\x10"},
        {"{к}", "\x11"},
        {"{в}", "\x15"},
        {"{ὁ}", "\x12"},
        {"{ἡ}", "\x13"},
        {"{ο\xCC\x94}", "\x12"},
        {"{¶}", "\x1F"},
        {"{_}", " "},
        {"{[}", "\""},
        {"{]}", "'"},
        {"{mark:I*}", "\x80\x47"},
        {"{mark#25}", "\x80\x59"},
        {"{a:Hom.}", "\x81\x59"},
        {"{a:Diog. L.}", "\x81\x51"},
        {"{a#140}", "\x81\xCC"},
        {"{s:см.}", "\x82\x76"},
        {"{l:aor.}", "\x83\x83"},
        {"{p:где-л.}", "\x84\x40"},
        {"{w:на}", "\x85\x41"},
        {"{w#2160}", "\x90\x70"},
        {"{w#192}", "\x86\x40"},
        {"{end:αι}", "\x91\x40"},
        {"{end:πραεῖα}", "\x91\x44"},
        {"{q:γᾱ}", "\x92\x40"},
        {"{q#108}", "\x92\xAC"},
        {"{x:1F 80}", "\x1F\x80"},
        {"{x:00ff}", std::string("\0\xFF", 2)},
        {"{x:}", ""},
    };
    for (const auto& [tag, bytes] : cases)
        EXPECT_EQ(Compile(std::string("λόγος") + tag), Logos + bytes) << tag;
}

TEST(DictionarySourceTest, TextInEachLanguage) {
    // Greek: precomposed and combining marks, monotonic tonos, capitals, final sigma, elision,
    // digits and signs as they are.
    EXPECT_EQ(Compile("ἀγαθός Ἀθῆναι δ’ 2,"), "\xC3"
                                              "acah\xC0or \xC3"
                                              "Ah\xC2gmai dz 2,");
    EXPECT_EQ(Compile("α\xCC\x93\xCC\x81ω\xCD\x85 ά"), "\xC5"
                                                       "a\xCDy \xC0"
                                                       "a");
    EXPECT_EQ(Compile("ᾱ ῐ"), "\xCB"
                              "a \xCCi");
    // « » … and the bracket signs in every language.
    EXPECT_EQ(Compile("α «β» … \"γ'"), "a<b>#\"c'");
    EXPECT_EQ(Compile("α {ru}«слово»"), "a\x07<" + Cp("слово") + ">");
    // Russian, Latin and symbols: ASCII and Windows-1251 letters.
    EXPECT_EQ(Compile("α {1} слово word"), "a\x0A" + Cp("слово") + " word");
    EXPECT_EQ(Compile("α {la}aor. Ж {sym}Qz"), "a\x06"
                                               "aor. " +
                                                   Cp("Ж") + "\x09Qz");
}

TEST(DictionarySourceTest, ReferencesAndFixedWordsSetTheLanguage) {
    // Latin letters are allowed only where the reader is not in Greek.
    EXPECT_EQ(Compile("α {a:Hom.} abc"), "a\x81\x59"
                                         "abc");
    EXPECT_EQ(Compile("α {l:aor.} abc"), "a\x83\x83"
                                         "abc");
    EXPECT_EQ(Compile("α {s:см.} abc"), "a\x82\x76"
                                        "abc");
    EXPECT_EQ(Compile("α {и} abc"), "a\x0F"
                                    "abc");
    EXPECT_EQ(Compile("α {x:81 59} abc"), "a\x81\x59"
                                          "abc");
    EXPECT_EQ(Compile("α {0} abc"), "a\x0D"
                                    "abc");
    // And back to Greek: an ending, ὁ, the head-word abbreviation, a mark.
    for (const char* tag : {"{end:αι}", "{ὁ}", "{~}", "{mark:I}"})
        EXPECT_EQ(Errors({{"t.ors", std::string("@articles\nα {1} слово ") + tag + " b"}}).size(),
                  1u)
            << tag;
}

TEST(DictionarySourceTest, WhitespaceBecomesAStoredSpaceOnlyWhereTheReaderPutsNone) {
    const std::string word = Cp("слово"), next = Cp("речь");
    const std::pair<const char*, std::string> cases[] = {
        // Between two words: always stored.
        {"слово речь", word + " " + next},
        {"слово   \n   речь", word + " " + next},
        // After a sign that takes a space after it, before one that takes a space before it.
        {"слово, речь", word + "," + next},
        {"слово (речь) дальше", word + "(" + next + ")" + Cp("дальше")},
        {"слово + речь", word + "+" + next},
        {"слово «речь» дальше", word + "<" + next + ">" + Cp("дальше")},
        {"слово {[}речь{]} дальше", word + "\"" + next + "'" + Cp("дальше")},
        // Where the reader would put no space, the space is kept.
        {"слово ,речь", word + " ," + next},
        {"( речь", "( " + next},
        {"{[} речь", "\" " + next},
        {"речь {]}", next + " '"},
        {"слово / речь", word + " / " + next},
        // A full stop inside a word: dropping the space would join the words.
        {"т.е. речь", Cp("т.е.") + " " + next},
        // Next to a tag, at the start and at the end: layout only.
        {"слово {a:Hom.} речь", word + "\x81\x59" + next},
        {"слово {ru} речь ", word + "\x07" + next},
        // {_} is always a stored space.
        {"слово{_}{_}речь", word + "  " + next},
        {"слово {_} речь", word + " " + next},
        {"слово,{_}речь", word + ", " + next},
    };
    for (const auto& [text, bytes] : cases)
        EXPECT_EQ(Compile(std::string("λόγος {1}") + text), Logos + "\x0A" + bytes) << text;
    // Symbols: no space follows "A" and none precedes "B"; letters join into one word.
    EXPECT_EQ(Compile("α {sym}A C"), "a\x09"
                                     "A C");
    EXPECT_EQ(Compile("α {sym}C B"), "a\x09"
                                     "C B");
    EXPECT_EQ(Compile("α {sym}C (D"), "a\x09"
                                      "C(D");
}

TEST(DictionarySourceTest, ErrorsCarryFileLineAndColumn) {
    const std::string source = "// errors\n"
                               "@articles\n"
                               "λόγος {1} слово {zz} речь\n"
                               "\n"
                               "αβ{la} ok {gr}x\n"
                               "\n"
                               "γ {a:Hmo.} {a#141} {x:02} {x:1}\n"
                               "\n"
                               "δ {1} слово}\n"
                               "\n"
                               "ε {1} слово {ru\n"
                               "\n"
                               "Ά\xCC\x81 \xCC\x81 €\n"
                               "\n"
                               "ζ {s:см.} ё\n";
    const std::vector<std::string> expected = {
        "e.ors:3:17: unknown tag {zz}",
        "e.ors:5:15: Latin letter 'x' (U+0078) in Greek text (switch with {la})",
        "e.ors:7:3: no row of Authors reads 'Hmo.'",
        "e.ors:7:12: no row 141 in Authors (rows 0..140)",
        "e.ors:7:20: the byte 02 ends a dictionary record and cannot stand in an article",
        "e.ors:7:27: {x:..} holds hexadecimal bytes, such as {x:1F 80}",
        "e.ors:9:12: '}' outside a tag (write {x:7D})",
        "e.ors:11:13: '{' without '}' on its line",
        "e.ors:13:1: '\xCE\x86\xCC\x81' (U+0386): the dictionary's Greek has no letter with "
        "these marks",
        "e.ors:13:4: a combining mark without a letter",
        "e.ors:13:6: '€' (U+20AC) is no Greek letter",
        "e.ors:15:11: 'ё' (U+0451) has no place in Russian text",
    };
    EXPECT_EQ(Errors({{"e.ors", source}}), expected);

    // Lines and sections.
    EXPECT_EQ(Errors({{"s.ors", "λόγος\n@articles\nα\n@vocabulary Nope\n@foo\n"},
                      {"u.ors", "@articles\nα \xFF\n"}}),
              (std::vector<std::string>{
                  "s.ors:1:1: text outside a section: start one with @articles or @vocabulary "
                  "NAME",
                  "s.ors:4:13: no vocabulary table Nope",
                  "s.ors:5:1: unknown directive: a section starts with @articles or "
                  "@vocabulary NAME",
                  "u.ors:2:3: malformed UTF-8",
              }));
    try {
        CompileDictionarySource({{"x.ors", "@articles\nα {zz}\n\nβ {yy}"}});
        FAIL();
    } catch (const ESourceError& error) {
        EXPECT_STREQ(error.what(), "x.ors:2:3: unknown tag {zz}\nx.ors:4:3: unknown tag {yy}");
    }
}

TEST(DictionarySourceTest, VocabularySections) {
    const std::string v1 = "@vocabulary GreekEndings\n"
                           "11\tή\n"
                           "10\tου\n"
                           "@vocabulary Authors\n"
                           "1\tAeschin.\tЭсхин\n"
                           "2\tAesop.\n"
                           "@vocabulary RussianWords\n"
                           "10\n"
                           "11\t{x:7B}{x:09}\n";
    const std::string v2 = "@vocabulary Authors\n"
                           "// the same row again is no error\n"
                           "1\tAeschin.\tЭсхин\n"
                           "\n"
                           "25\tHom.\tГомер X-IX вв. до н.э.\n"
                           "@articles\n";
    const std::string article = "α {end:ου} {end#11} {a:Aeschin.}";
    const TCompiledDictionary compiled =
        CompileDictionarySource({{"a.ors", v1}, {"b.ors", v2 + article}});
    const TVocabulary& v = compiled.Vocabulary;
    EXPECT_EQ(*v.Text(TVocabularyTable::GreekEndings, 10), "ou");
    EXPECT_EQ(*v.Text(TVocabularyTable::GreekEndings, 11), "\xC0g");
    EXPECT_EQ(*v.Row(TVocabularyTable::Authors, 1)->Explanation, Cp("Эсхин"));
    EXPECT_EQ(*v.Row(TVocabularyTable::Authors, 2)->Explanation, ""); // none given: none
    EXPECT_EQ(*v.Text(TVocabularyTable::RussianWords, 10), "");
    EXPECT_EQ(*v.Text(TVocabularyTable::RussianWords, 11), "{\t");
    EXPECT_EQ(*v.Text(TVocabularyTable::Authors, 39), "Plat."); // the program's rows stay
    EXPECT_FALSE(v.Complete());
    // Names are looked up in the vocabulary of all files; an empty name is no name.
    EXPECT_EQ(compiled.Articles[0], "a\x91\x4A\x91\x4B\x81\x41");
    EXPECT_EQ(
        Errors({{"a.ors", v1}, {"b.ors", v2 + article + " {w:}"}}),
        std::vector<std::string>{"b.ors:7:34: an empty name: give the row by number, as {w#N}"});

    // Contradictions: with the program's rows, with a row given earlier; malformed rows.
    const std::string bad = "@vocabulary Authors\n"
                            "25\tHom.\tГомер\n"
                            "39\tPlato\n"
                            "141\tX\n"
                            "x\ty\n"
                            "2\tAesop.\tЭзоп\textra\n"
                            "3\t{y}\n"
                            "@vocabulary GreekEndings\n"
                            "12\tab\n"
                            "@vocabulary RussianWords\n"
                            "12\ta\tb\n";
    const std::string again = "@vocabulary Authors\n1\tAeschin.\tЭсхин Афинский\n";
    EXPECT_EQ(Errors({{"a.ors", v1}, {"v.ors", bad}, {"w.ors", again}}),
              (std::vector<std::string>{
                  "v.ors:4:1: no row 141 in Authors (rows 0..140)",
                  "v.ors:5:1: a row is its number, a tab and its text",
                  "v.ors:6:14: too many fields: a row of Authors is its number, text and "
                  "explanation",
                  "v.ors:7:3: a row text holds '{' only in {x:..} escapes (write { as {x:7B})",
                  "v.ors:9:4: Latin letter 'a' (U+0061) in Greek text",
                  "v.ors:11:5: too many fields: a row of RussianWords is its number and text",
                  "v.ors:2:1: Authors row 25: the explanation differs from the program's "
                  "'Гомер X-IX вв. до н.э.'",
                  "v.ors:3:1: Authors row 39 differs from the program's 'Plat.'",
                  "w.ors:2:1: Authors row 1 differs from the same row at a.ors:5",
              }));
}

TEST(DictionarySourceTest, EveryRowGivenMakesTheVocabularyComplete) {
    std::string source;
    for (int t = 0; t < VocabularyTableCount; ++t) {
        const TVocabularyTableInfo& info = TableInfo(TVocabularyTable(t));
        source += std::string("@vocabulary ") + info.Name + "\n";
        // Rows in reverse order, the program's own rows left out.
        for (int r = info.Rows - 1; r >= 0; --r) {
            const TVocabularyRow& known = *TVocabulary::BuiltIn().Row(TVocabularyTable(t), r);
            if (known.Text && (!info.Signs || known.Explanation))
                continue;
            const std::string row = std::to_string(r);
            source += row + "\t" + (known.Text ? Cp1251ToUtf8(*known.Text) : "(" + row + ")") +
                      (info.Signs ? "\texplained" : "") + "\n";
        }
    }
    const TCompiledDictionary compiled =
        CompileDictionarySource({{"v.ors", source}, {"a.ors", "@articles\nα\n"}});
    EXPECT_TRUE(compiled.Vocabulary.Complete());
    EXPECT_EQ(*compiled.Vocabulary.Text(TVocabularyTable::RussianWords, 100), "(100)");
}

TEST(DictionarySourceTest, ArticlesAreSortedStablyByTheKeyOfTheirHeadWord) {
    const TCompiledDictionary compiled =
        CompileDictionarySource({{"1.ors", "@articles\nβῆτα 1\n\nἄλφα 1\n\n{mark:I}ἀλφα 2\n"},
                                 {"2.ors", "@articles\nγ\n\nἌλ-φα 3\n\nἀλφα\n{1}4\n\n"
                                           "ἄλφαβ\n\nα\n"}});
    std::vector<std::string> keys;
    for (const auto& article : compiled.Articles)
        keys.push_back(HeadWordKey(article));
    EXPECT_EQ(keys, (std::vector<std::string>{"a", "akva", "akva", "akva", "akva", "akvab", "bgta",
                                              "c"}));
    EXPECT_EQ(compiled.Articles[1].back(), '1');
    EXPECT_EQ(compiled.Articles[2].back(), '2');
    EXPECT_EQ(compiled.Articles[3].back(), '3');
    EXPECT_EQ(compiled.Articles[4].back(), '4');
    EXPECT_EQ(HeadWordKey("\x80"), "");
    EXPECT_EQ(DicFileBytes({"a", ""}), "\x01"
                                       "a\x02\x01\x02");
}

TEST(DictionarySourceTest, SourcesWithoutArticlesOrWithTooManyFail) {
    EXPECT_THROW(CompileDictionarySource({{"v.ors", "@vocabulary Authors\n1\tAeschin.\n"}}),
                 EOrvelError);
    std::string many = "@articles\n";
    for (int i = 0; i <= MaxArticles; ++i)
        many += "α\n\n";
    EXPECT_THROW(CompileDictionarySource({{"m.ors", many}}), EOrvelError);
}

TEST(DictionarySourceTest, TheExampleOfTheFormatDocumentCompiles) {
    const std::string example =
        "// A comment: a line whose first non-blank characters are \"//\".\n"
        "\n"
        "@vocabulary Authors\n"
        "25\tHom.\tГомер X-IX вв. до н.э.\n"
        "39\tPlat.\tПлатон 427-347 гг. до н.э.\n"
        "\n"
        "@vocabulary GreekEndings\n"
        "10\tου\n"
        "11\tή\n"
        "12\tόν\n"
        "\n"
        "@articles\n"
        "λόγος{end:ου} {ὁ}\n"
        "{1} слово, речь {a:Hom.};\n"
        "{+} {s:см.} {-} разум {a:Plat.}.\n"
        "\n"
        "ἀγαθός{end:ή}{end:όν} {1} хороший, добрый {a:Hom.}\n";
    const TCompiledDictionary compiled = CompileDictionarySource({{"example.ors", example}});
    ASSERT_EQ(compiled.Articles.size(), 2u);
    EXPECT_EQ(compiled.Articles[1], Logos + "\x91\x4A\x12\x0A" + Cp("слово,речь") +
                                        "\x81\x59;\x0B\x82\x76\x0C" + Cp("разум") + "\x81\x67.");
}

} // namespace
