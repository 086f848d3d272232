// The word of an article pane that the user points at with a double click or Enter, and what
// the program says about it: a Greek word is looked up, a Russian or Latin abbreviation is
// explained from the vocabulary tables.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvel {

class TCharacterReader;
class TVocabulary;

// A stretch of a text by character positions.
struct TTextRange {
    int Start = 0;
    int Length = 0;

    bool operator==(const TTextRange&) const = default;
};

// The word around the caret of a pane's text (paragraph breaks read as '\r'). A blank at the
// caret moves it one character on. The word runs back from the caret to a control character,
// blank, '*', '[' or '«', and on after it to a control character, blank or one of "!*,:;]»".
// Parentheses around the word are then dropped when they balance, an unmatched '(' at its start
// or ')' (or ")." ) at its end likewise.
TTextRange WordAtCaret(const TCharacterReader& text, int caret);

enum class TWordLanguage { Greek, Latin, Russian };

// A word in the display font is Greek; otherwise a word starting with a Latin letter is Latin,
// anything else Russian.
TWordLanguage ArticleWordLanguage(bool displayFont, char32_t first);

// "abbreviation: explanation" for a Russian word among the Russian signs, or a Latin word among
// the Latin signs and then the authors; both in Windows-1251, compared exactly. Rows whose
// explanation is empty or unknown explain nothing; a later row of the same abbreviation may.
// Nothing for Greek or for a word that is no explained abbreviation.
std::optional<std::string> ExplainAbbreviation(const TVocabulary& vocabulary, std::string_view word,
                                               TWordLanguage language);

} // namespace orvel
