#include "core/dictionary/SearchTerms.h"

#include "core/article/ArticleCodes.h"
#include "core/base/OrvelError.h"

#include <algorithm>

namespace orvel {

namespace {

bool IsGreekLiteral(uint8_t c) {
    return (c >= 65 && c <= 89) || (c >= 97 && c <= 122) || (c >= 192 && c <= 220);
}

bool IsRussianLiteral(uint8_t c) {
    return c >= 192;
}

bool IsSmallVowel(uint8_t c) {
    switch (c) {
    case 97:
    case 101:
    case 103:
    case 105:
    case 111:
    case 113:
    case 117:
    case 121:
        return true;
    default:
        return false;
    }
}

bool IsVowel(uint8_t c) {
    return IsSmallVowel(c) || IsSmallVowel(uint8_t(c + 32));
}

// Keeps what the comparison needs of a token: lower-case letters unless the word is exact, and
// in an exact Greek word the diacritic codes that stand before a vowel.
std::string ConvertToken(const TSearchTerm& term, std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        uint8_t c = uint8_t(text[i]);
        uint8_t next = i + 1 < text.size() ? uint8_t(text[i + 1]) : 0;
        if (term.Greek) {
            if (c >= 65 && c <= 89)
                out += char(term.Exact ? c : c + 32);
            else if (c >= 97 && c <= 122)
                out += char(c);
            else if (c >= 192 && c <= 202 && term.Exact && IsVowel(next))
                out += char(c);
            else if (c >= 205 && c <= 220 && term.Exact && IsSmallVowel(next))
                out += char(c);
        } else {
            if (c >= 192 && c <= 223)
                out += char(term.Exact ? c : c + 32);
            else if (c >= 224)
                out += char(c);
        }
    }
    return out;
}

void AddToken(TSearchTerm& term, std::string_view text, char kind) {
    std::string converted =
        kind == '?' || kind == '*' ? std::string(text) : ConvertToken(term, text);
    if (converted.empty() || term.TokenCount >= TSearchTerm::MaxTokens)
        return;
    term.Tokens[size_t(term.TokenCount)] = TSearchToken{std::move(converted), kind};
    ++term.TokenCount;
}

// Appends the key characters of one byte; answers false when the byte ends the key.
bool AppendKeyByte(std::string& key, uint8_t c) {
    if (c >= 97 && c <= 122)
        key += char(c);
    else if (c >= 65 && c <= 89)
        key += char(c + 32);
    else if (!((c >= 192 && c <= 220) || c == '-' || c == '[' || c == ']'))
        return false;
    return true;
}

} // namespace

void ParseTerm(TSearchState& State, std::string_view S) {
    TSearchTerm& term = State.SearchTerms[size_t(State.TermIndex)];
    term.Greek = false;
    term.Exact = false;
    term.TokenCount = 0;
    term.Anchor = -1;
    if (S.size() < 2)
        return;
    uint8_t script = uint8_t(S[0]);
    if (script != ScriptGreek && script != ScriptRussian)
        return;
    term.Greek = script == ScriptGreek;
    size_t p = 1;
    if (S[1] == '!') {
        term.Exact = true;
        p = 2;
    }
    while (p < S.size()) {
        char c = S[p];
        if (c == '?' || c == '*') {
            AddToken(term, S.substr(p, 1), c);
            ++p;
        } else if (c == '-') {
            ++p;
        } else if (c == '[' || c == '(') {
            char close = c == '[' ? ']' : ')';
            size_t end = S.find(close, p + 1);
            size_t stop = end == std::string_view::npos ? S.size() : end;
            AddToken(term, S.substr(p + 1, stop - p - 1), c);
            p = end == std::string_view::npos ? S.size() : end + 1;
        } else {
            size_t end = p;
            while (end < S.size() && (term.Greek ? IsGreekLiteral(uint8_t(S[end]))
                                                 : IsRussianLiteral(uint8_t(S[end]))))
                ++end;
            if (end == p) {
                ++p;
                continue;
            }
            AddToken(term, S.substr(p, end - p), '#');
            p = end;
        }
    }
    size_t longest = 0;
    for (int32_t i = 0; i < term.TokenCount; ++i) {
        const TSearchToken& token = term.Tokens[size_t(i)];
        if (token.Kind == '#' && (term.Anchor < 0 || token.Text.size() > longest)) {
            term.Anchor = i;
            longest = token.Text.size();
        }
    }
}

bool ParseSearchString(TSearchState& State, std::string_view S) {
    State.TermCount = 0;
    State.TermIndex = 0;
    bool usable = S.size() >= 2;
    size_t p = 1;
    while (usable && State.TermCount < TSearchState::MaxTerms && p < S.size()) {
        size_t end = S.find(' ', p);
        if (end == std::string_view::npos)
            end = S.size();
        std::string word;
        word.reserve(end - p + 1);
        word += S[0];
        word.append(S.substr(p, end - p));
        p = end < S.size() ? end + 1 : end;
        ParseTerm(State, word);
        const TSearchTerm& term = State.SearchTerms[size_t(State.TermIndex)];
        if (term.TokenCount > 0 && term.Anchor >= 0) {
            ++State.TermCount;
            ++State.TermIndex;
        } else {
            usable = false;
        }
    }
    if (State.TermCount == 0)
        usable = false;
    State.TermIndex = 0;
    return usable;
}

std::string NormalizeWord(std::string_view Text) {
    std::string key;
    key.reserve(Text.size());
    for (char c : Text)
        if (!AppendKeyByte(key, uint8_t(c)))
            break;
    return key;
}

size_t HeadWordKeyInto(std::string_view Article, size_t MaxLength, char* Key) {
    size_t p = !Article.empty() && uint8_t(Article[0]) == CodeArticleMark
                   ? std::min<size_t>(2, Article.size())
                   : 0;
    size_t length = 0;
    for (; p < Article.size() && length < MaxLength; ++p) {
        const uint8_t c = uint8_t(Article[p]);
        if (c >= 97 && c <= 122)
            Key[length++] = char(c);
        else if (c >= 65 && c <= 89)
            Key[length++] = char(c + 32);
        else if (!((c >= 192 && c <= 220) || c == '-' || c == '[' || c == ']' || c == '_' ||
                   c == 0xA0))
            break;
    }
    return length;
}

std::string HeadWordKey(std::string_view Article, size_t MaxLength) {
    std::string key(std::min(MaxLength, Article.size()), '\0');
    key.resize(HeadWordKeyInto(Article, MaxLength, key.data()));
    return key;
}

int32_t CommonPrefixLength(std::string_view Key, std::string_view Target) {
    if (Key.size() > Target.size())
        throw EAssertionFailed("Source/UnitDictionary", "key is not longer than its target");
    int32_t n = 0;
    while (size_t(n) < Key.size() && Key[size_t(n)] == Target[size_t(n)])
        ++n;
    return n;
}

} // namespace orvel
