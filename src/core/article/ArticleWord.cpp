#include "core/article/ArticleWord.h"

#include "core/article/VocabularyTables.h"
#include "core/encoding/CharacterReader.h"

#include <algorithm>

namespace orvel {

namespace {

constexpr char32_t LeftGuillemet = U'\u00AB';
constexpr char32_t RightGuillemet = U'\u00BB';

// Where the word stops going backwards from the caret.
bool StopsBackwards(char32_t c) {
    return c < 33 || c == U'*' || c == U'[' || c == LeftGuillemet;
}

// Where the word stops going forwards from the caret.
bool StopsForwards(char32_t c) {
    switch (c) {
    case U'!':
    case U'*':
    case U',':
    case U':':
    case U';':
    case U']':
    case RightGuillemet:
        return true;
    default:
        return c <= 32;
    }
}

bool IsLatinLetter(char32_t c) {
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

} // namespace

TTextRange WordAtCaret(const TCharacterReader& text, int caret) {
    const int length = text.Length();
    auto at = [&](int i) { return text.Character(i).CodePoint; };
    int p = std::clamp(caret, 0, length);
    if (p < length && at(p) == U' ')
        ++p;
    // The character at the caret belongs to the word unless it stops it; past the end there is
    // none.
    int first = p + 1;
    while (first > 0 && first - 1 < length && !StopsBackwards(at(first - 1)))
        --first;
    int end = std::min(p + 1, length);
    while (end < length && !StopsForwards(at(end)))
        ++end;
    if (first > end)
        first = end;

    int balance = 0;
    for (int i = first; i < end; ++i) {
        const char32_t c = at(i);
        balance += c == U'(' ? 1 : c == U')' ? -1 : 0;
    }
    const int size = end - first;
    const bool opens = size > 0 && at(first) == U'(';
    const bool closes = size > 0 && at(end - 1) == U')';
    if (balance == 0 && size >= 3 && opens && closes) {
        ++first;
        --end;
    } else if (balance == 1 && opens) {
        ++first;
    } else if (balance == -1) {
        if (closes)
            --end;
        else if (size >= 3 && at(end - 1) == U'.' && at(end - 2) == U')')
            end -= 2;
    }
    return {first, end - first};
}

TWordLanguage ArticleWordLanguage(bool displayFont, char32_t first) {
    if (displayFont)
        return TWordLanguage::Greek;
    return IsLatinLetter(first) ? TWordLanguage::Latin : TWordLanguage::Russian;
}

std::optional<std::string> ExplainAbbreviation(const TVocabulary& vocabulary, std::string_view word,
                                               TWordLanguage language) {
    auto explain = [&](TVocabularyTable table) -> std::optional<std::string> {
        for (const TVocabularyRow& row : vocabulary.Tables[size_t(table)])
            if (row.Text && *row.Text == word && row.Explanation && !row.Explanation->empty())
                return *row.Text + ": " + *row.Explanation;
        return std::nullopt;
    };
    switch (language) {
    case TWordLanguage::Russian:
        return explain(TVocabularyTable::RussianSigns);
    case TWordLanguage::Latin:
        if (auto latin = explain(TVocabularyTable::LatinSigns))
            return latin;
        return explain(TVocabularyTable::Authors);
    case TWordLanguage::Greek:
        break;
    }
    return std::nullopt;
}

} // namespace orvel
