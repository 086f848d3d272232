// Head-word lookup: normalised keys computed on the fly from the mapped file, the letter index
// as a cache of where each first letter and pair of first letters begins, and FindWord.
#include "core/base/OrvelError.h"
#include "core/dictionary/MainDictionary.h"

namespace orvel {

namespace {
void CheckLetter(int c) {
    if (c < 97 || c > 121)
        throw EAssertionFailed("Source/UnitDictionary", "letter code in 97..121");
}
} // namespace

size_t TMainDictionary::KeyAt(int32_t Index, size_t MaxLength, char* Key) const {
    const std::string_view article(reinterpret_cast<const char*>(ArticleData(Index)),
                                   size_t(ArticleLength(Index)));
    return HeadWordKeyInto(article, MaxLength, Key);
}

std::string TMainDictionary::GetKey(int32_t Index, size_t MaxLength) const {
    std::string key(MaxLength, '\0');
    key.resize(KeyAt(Index, MaxLength, key.data()));
    return key;
}

int32_t TMainDictionary::FirstOfLetter(int C) {
    CheckLetter(C);
    if (C == 114)
        return -1;
    int32_t lower = 0;
    for (int c = C; c >= 97; --c)
        if (LetterCell(c, 96) != -1) {
            lower = LetterCell(c, 96);
            break;
        }
    int32_t upper = FCount - 1;
    for (int c = C + 1; c <= 121; ++c)
        if (LetterCell(c, 96) != -1) {
            upper = LetterCell(c, 96);
            break;
        }
    char key[1];
    for (int32_t i = lower; i <= upper; ++i)
        if (KeyAt(i, 1, key) == 1 && uint8_t(key[0]) == C)
            return LetterCell(C, 96) = i;
    return -1;
}

int32_t TMainDictionary::FirstOfPair(int C, int D) {
    CheckLetter(C);
    CheckLetter(D);
    int32_t start = FirstOfLetter(C);
    if (start == -1)
        return -1;
    int32_t lower = start;
    for (int d = D; d >= 97; --d)
        if (LetterCell(C, d) != -1) {
            lower = LetterCell(C, d);
            break;
        }
    int32_t upper = -1;
    for (int d = D + 1; d <= 121 && upper == -1; ++d)
        upper = LetterCell(C, d);
    for (int c = C + 1; c <= 121 && upper == -1; ++c)
        upper = LetterCell(c, 96);
    if (upper == -1)
        upper = FCount - 1;
    char key[2];
    for (int32_t i = lower; i <= upper; ++i) {
        if (KeyAt(i, 2, key) < 2)
            continue;
        if (uint8_t(key[0]) != C)
            break;
        if (uint8_t(key[1]) == D)
            return LetterCell(C, D) = i;
    }
    return lower;
}

int32_t TMainDictionary::FindWord(std::string_view S) {
    SearchState.TermIndex = 0;
    ParseTerm(SearchState, S);
    const TSearchTerm& term = SearchState.SearchTerms[0];
    if (!term.Greek || term.TokenCount != 1 || term.Anchor != 0)
        return -1;
    const std::string key = NormalizeWord(term.Tokens[0].Text);
    int c = key.size() > 0 ? uint8_t(key[0]) : 0;
    int d = key.size() > 1 ? uint8_t(key[1]) : 0;
    if (c < 97 || c > 121)
        return -1;
    if (d < 97 || d > 121)
        d = 0;
    int32_t start = d ? FirstOfPair(c, d) : FirstOfLetter(c);
    if (start == -1)
        return -1;
    int32_t best = start;
    int32_t bestLength = 0;
    std::string candidate(key.size(), '\0');
    for (int32_t i = start; i < FCount; ++i) {
        size_t length = KeyAt(i, key.size(), candidate.data());
        int32_t common = CommonPrefixLength(std::string_view(candidate.data(), length), key);
        if (common > bestLength) {
            best = i;
            bestLength = common;
        }
        // Nothing can share more than the whole key, and equal lengths keep the earlier one.
        if (common < bestLength || size_t(bestLength) == key.size())
            break;
    }
    return best;
}

} // namespace orvel
