#include "core/article/ArticleWord.h"

#include "core/article/VocabularyTables.h"
#include "core/encoding/CharacterReader.h"
#include "core/encoding/Windows1251.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

// The word found with the caret on the first character of `at` in the text.
std::u32string WordAt(std::u32string_view text, std::u32string_view at) {
    TMemoryCharacterReader reader;
    reader.Add(text, "Times New Roman", 0);
    const size_t caret = text.find(at);
    EXPECT_NE(caret, std::u32string_view::npos);
    const TTextRange range = WordAtCaret(reader, int(caret));
    return std::u32string(text.substr(size_t(range.Start), size_t(range.Length)));
}

std::optional<std::string> Explain(const char* utf8, TWordLanguage language) {
    const std::optional<std::string> message =
        ExplainAbbreviation(TVocabulary::BuiltIn(), Utf8ToCp1251(utf8), language);
    if (!message)
        return std::nullopt;
    return Cp1251ToUtf8(*message);
}

} // namespace

TEST(WordAtCaret, StopsAtBlanksBreaksAndStopCharacters) {
    EXPECT_EQ(WordAt(U"one two three", U"wo"), U"two");
    // A blank at the caret belongs to the word after it.
    EXPECT_EQ(WordAt(U"one two", U" two"), U"two");
    EXPECT_EQ(WordAt(U"end\rnext line", U"ext"), U"next");
    EXPECT_EQ(WordAt(U"x «word» y", U"ord"), U"word");
    EXPECT_EQ(WordAt(U"*star*", U"tar"), U"star");
    EXPECT_EQ(WordAt(U"[bracket] z", U"racket"), U"bracket");
    EXPECT_EQ(WordAt(U"a word; next", U"ord"), U"word");
    EXPECT_EQ(WordAt(U"say: hi!", U"ay"), U"say");
    // A non-breaking space is part of a word (the abbreviations of the tables hold them).
    EXPECT_EQ(WordAt(U"x Diog.\u00A0L. y", U"iog"), U"Diog.\u00A0L.");
}

TEST(WordAtCaret, DropsParenthesesThatEncloseOrDoNotBalance) {
    // A Greek word written in parentheses.
    EXPECT_EQ(WordAt(U"akhri (akhris) do", U"khris"), U"akhris");
    // An author's abbreviation followed by "),": the comma ends it, the parenthesis is dropped.
    EXPECT_EQ(WordAt(U"(see Hom.), next", U"om."), U"Hom.");
    EXPECT_EQ(WordAt(U"x (Hom.), y", U"om."), U"Hom.");
    // Balance +1 at the start, -1 at the end, and ")." at the end.
    EXPECT_EQ(WordAt(U"(att. impf.", U"tt."), U"att.");
    EXPECT_EQ(WordAt(U"the end)", U"nd"), U"end");
    EXPECT_EQ(WordAt(U"the end).", U"nd"), U"end");
    // Parentheses inside the word stay.
    EXPECT_EQ(WordAt(U"x f(a)g y", U"(a"), U"f(a)g");
    EXPECT_EQ(WordAt(U"x () y", U"()"), U"()");
}

TEST(WordAtCaret, NoWordPastTheEndOrOnAStopCharacter) {
    TMemoryCharacterReader reader;
    reader.Add(U"word", "Arial", 0);
    EXPECT_EQ(WordAtCaret(reader, 4).Length, 0);
    EXPECT_EQ(WordAtCaret(reader, 99).Length, 0);
    EXPECT_EQ(WordAtCaret(reader, -5), (TTextRange{0, 4}));
    TMemoryCharacterReader empty;
    EXPECT_EQ(WordAtCaret(empty, 0), (TTextRange{0, 0}));
}

TEST(ArticleWordLanguage, DisplayFontLatinLetterOrRussian) {
    EXPECT_EQ(ArticleWordLanguage(true, U'a'), TWordLanguage::Greek);
    EXPECT_EQ(ArticleWordLanguage(false, U'H'), TWordLanguage::Latin);
    EXPECT_EQ(ArticleWordLanguage(false, U'a'), TWordLanguage::Latin);
    EXPECT_EQ(ArticleWordLanguage(false, U'а'), TWordLanguage::Russian); // Cyrillic
    EXPECT_EQ(ArticleWordLanguage(false, U'1'), TWordLanguage::Russian);
}

TEST(ExplainAbbreviation, RussianSignsLatinSignsThenAuthors) {
    EXPECT_EQ(Explain("атт.", TWordLanguage::Russian), "атт.: аттический, аттический диалект");
    EXPECT_EQ(Explain("acc.", TWordLanguage::Latin), "acc.: accusativus (винительный падеж)");
    EXPECT_EQ(Explain("Hom.", TWordLanguage::Latin), "Hom.: Гомер X-IX вв. до н.э.");
    // "ap." is a Latin sign without a known explanation and an author with one.
    EXPECT_EQ(Explain("ap.", TWordLanguage::Latin),
              "ap.: apud - у (при цитатах, приводимых греческими авторами)");
    // Authors are no Russian signs, the lookup is exact and case-sensitive, a sign without an
    // explanation explains nothing.
    EXPECT_EQ(Explain("Hom.", TWordLanguage::Russian), std::nullopt);
    EXPECT_EQ(Explain("hom.", TWordLanguage::Latin), std::nullopt);
    EXPECT_EQ(Explain("Hom", TWordLanguage::Latin), std::nullopt);
    EXPECT_EQ(Explain("см.", TWordLanguage::Russian), std::nullopt);
    EXPECT_EQ(Explain("Hom.", TWordLanguage::Greek), std::nullopt);
}
