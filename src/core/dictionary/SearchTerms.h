// Search strings and their parsed words. A search string is the script code (8 Greek, 7
// Russian) followed by the user's words separated by single spaces; a word may begin with "!"
// to make capitals and diacritics significant. The head-word lookup and the full-text search
// share the parsed state.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvel {

inline constexpr uint8_t ScriptRussian = 7;
inline constexpr uint8_t ScriptGreek = 8;

struct TSearchToken {
    std::string Text;
    char Kind = '#'; // '#' literal run, '?' and '*' wildcards, '[' and '(' bracketed groups
};

struct TSearchTerm {
    static constexpr int MaxTokens = 20;

    bool Greek = false;
    bool Exact = false;
    std::array<TSearchToken, MaxTokens> Tokens;
    int32_t TokenCount = 0;
    int32_t Anchor = -1; // the first of the longest literal tokens; -1 none
};

struct TSearchState {
    static constexpr int MaxTerms = 8;

    std::array<TSearchTerm, MaxTerms> SearchTerms;
    int32_t TermCount = 0;
    int32_t TermIndex = 0;
};

// Parses one word (script code + word) into State.SearchTerms[State.TermIndex].
void ParseTerm(TSearchState& State, std::string_view S);

// Splits S into words and parses each; answers whether the string is usable.
bool ParseSearchString(TSearchState& State, std::string_view S);

// The lookup key of a typed word: letters only, lower case, no diacritics.
std::string NormalizeWord(std::string_view Text);

// The key of an article's head word, at most MaxLength characters: the same letters, after a
// head-word mark (0x80 and its row), passing over diacritics, "-", "[", "]", "_" and 0xA0.
// Articles stand in the dictionary in the order of these keys.
size_t HeadWordKeyInto(std::string_view Article, size_t MaxLength, char* Key);
std::string HeadWordKey(std::string_view Article, size_t MaxLength = SIZE_MAX);

// The number of leading positions at which Key and Target agree; Key is never longer.
int32_t CommonPrefixLength(std::string_view Key, std::string_view Target);

} // namespace orvel
