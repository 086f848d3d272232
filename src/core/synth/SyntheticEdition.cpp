// The synthetic edition is built in three steps: head words (with homonym marks and a few
// multi-word, hyphenated and marked ones) are made and sorted by their keys; each article gets
// a body size so that the sizes add up to the edition's .dic size exactly; each body is then
// written piece by piece, a piece that would overrun its size is taken back, and the last few
// bytes are filled with two-byte word references and a full stop.
#include "core/synth/SyntheticEdition.h"

#include "core/article/ArticleCodes.h"
#include "core/article/VocabularyTables.h"
#include "core/base/OrvelError.h"
#include "core/dictionary/DataFileCheck.h"
#include "core/encoding/Windows1251.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace orvel {

std::string_view TSyntheticEdition::Article(int32_t Index) const {
    const uint32_t start = Starts[size_t(Index)] + 1, end = Starts[size_t(Index) + 1] - 1;
    return std::string_view(Dic).substr(start, end - start);
}

namespace {

// xoshiro256** seeded through splitmix64. The standard library's distributions are not used:
// their results differ between libraries, and the edition must be the same everywhere.
class TRandom {
public:
    explicit TRandom(uint64_t seed) {
        for (auto& word : FState) {
            seed += 0x9E3779B97F4A7C15u;
            uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
            word = z ^ (z >> 31);
        }
    }

    uint64_t Next() {
        const uint64_t result = Rotate(FState[1] * 5, 7) * 9;
        const uint64_t t = FState[1] << 17;
        FState[2] ^= FState[0];
        FState[3] ^= FState[1];
        FState[1] ^= FState[2];
        FState[0] ^= FState[3];
        FState[2] ^= t;
        FState[3] = Rotate(FState[3], 45);
        return result;
    }

    // 0..n-1.
    uint32_t Below(uint32_t n) { return uint32_t(((Next() >> 32) * n) >> 32); }
    uint32_t Between(uint32_t low, uint32_t high) { return low + Below(high - low + 1); }
    bool PerMille(uint32_t chance) { return Below(1000) < chance; }
    // A row of a table whose first rows are the frequent ones.
    uint32_t Skewed(uint32_t n) { return std::min(Below(n), Below(n)); }

private:
    static uint64_t Rotate(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::array<uint64_t, 4> FState{};
};

struct TChoice {
    const char* Text;
    uint32_t Weight;
};

class TWeighted {
public:
    TWeighted(std::initializer_list<TChoice> choices) : FChoices(choices) {
        for (const auto& choice : FChoices)
            FTotal += choice.Weight;
    }
    std::string_view Pick(TRandom& random) const {
        uint32_t x = random.Below(FTotal);
        for (const auto& choice : FChoices) {
            if (x < choice.Weight)
                return choice.Text;
            x -= choice.Weight;
        }
        return FChoices.back().Text;
    }

private:
    std::vector<TChoice> FChoices;
    uint32_t FTotal = 0;
};

// Words given in UTF-8 and separated by spaces, kept as program text (Windows-1251).
class TWordList {
public:
    explicit TWordList(std::string_view words) {
        for (size_t start = 0; start < words.size();) {
            size_t end = std::min(words.find(' ', start), words.size());
            if (end > start)
                FWords.push_back(Utf8ToCp1251(words.substr(start, end - start)));
            start = end + 1;
        }
    }
    const std::string& Pick(TRandom& random) const { return FWords[random.Below(Size())]; }
    const std::string& Frequent(TRandom& random) const { return FWords[random.Skewed(Size())]; }
    uint32_t Size() const { return uint32_t(FWords.size()); }

private:
    std::vector<std::string> FWords;
};

// ---- Greek words: letters first, then breathings, accents and the rarer marks.

constexpr bool IsVowel(char c) {
    return c == 'a' || c == 'e' || c == 'g' || c == 'i' || c == 'o' || c == 'u' || c == 'y';
}

constexpr bool IsDiphthong(char first, char second) {
    return (second == 'i' && (first == 'a' || first == 'e' || first == 'o' || first == 'u')) ||
           (second == 'u' && (first == 'a' || first == 'e' || first == 'o' || first == 'g'));
}

const TWeighted& Onsets() {
    static const TWeighted table{
        {"p", 10}, {"t", 10}, {"j", 10}, {"k", 8},  {"l", 7},  {"m", 7},  {"q", 5},  {"s", 7},
        {"d", 6},  {"c", 5},  {"b", 3},  {"v", 5},  {"h", 4},  {"w", 4},  {"f", 2},  {"n", 2},
        {"x", 2},  {"pq", 3}, {"tq", 2}, {"jq", 1}, {"cq", 2}, {"bq", 1}, {"dq", 1}, {"hq", 1},
        {"vq", 1}, {"wq", 1}, {"pk", 1}, {"jk", 1}, {"ck", 1}, {"vk", 1}, {"st", 3}, {"sj", 1},
        {"sp", 1}, {"sv", 1}, {"sw", 1}, {"jt", 1}, {"pt", 1}, {"cm", 1}, {"hm", 1}, {"lm", 1},
        {"bk", 1}, {"hk", 1}, {"jm", 1}, {"pm", 1}, {"sh", 1}, {"sl", 1}, {"tk", 1}, {"tl", 1},
        {"vh", 1}, {"wh", 1}, {"wk", 1}, {"wm", 1}, {"bd", 1}};
    return table;
}

const TWeighted& SingleConsonants() {
    static const TWeighted table{{"t", 4}, {"j", 3}, {"k", 3}, {"m", 3}, {"p", 2}, {"s", 2},
                                 {"d", 2}, {"q", 2}, {"h", 1}, {"v", 1}, {"l", 2}};
    return table;
}

const TWeighted& Nuclei() {
    static const TWeighted table{{"a", 20}, {"e", 15}, {"o", 18}, {"i", 12}, {"g", 8},
                                 {"y", 6},  {"u", 4},  {"ai", 3}, {"ei", 4}, {"oi", 3},
                                 {"ou", 4}, {"au", 2}, {"eu", 2}, {"ui", 1}, {"gu", 1}};
    return table;
}

// A word that begins with a vowel may begin with two that do not form a diphthong.
const TWeighted& InitialNuclei() {
    static const TWeighted table{{"a", 20}, {"e", 15}, {"o", 18}, {"i", 12}, {"g", 8},  {"y", 6},
                                 {"u", 4},  {"ai", 3}, {"ei", 4}, {"oi", 3}, {"ou", 4}, {"au", 2},
                                 {"eu", 2}, {"ui", 1}, {"gu", 1}, {"ae", 1}, {"ao", 1}, {"ag", 1},
                                 {"ea", 1}, {"eo", 1}, {"ey", 1}, {"ia", 1}, {"ie", 1}, {"io", 1},
                                 {"ua", 1}, {"ue", 1}, {"yo", 1}};
    return table;
}

const TWeighted& Codas() {
    static const TWeighted table{{"", 60}, {"m", 8}, {"q", 5}, {"k", 4},
                                 {"s", 4}, {"c", 2}, {"p", 1}, {"j", 1}};
    return table;
}

const TWeighted& Prefixes() {
    static const TWeighted table{{"a", 8},    {"am", 3},   {"amti", 2}, {"apo", 3},   {"dia", 3},
                                 {"dus", 2},  {"ej", 2},   {"en", 1},   {"em", 2},    {"epi", 3},
                                 {"eu", 2},   {"jata", 3}, {"meta", 2}, {"paqa", 3},  {"peqi", 2},
                                 {"pqo", 3},  {"pqos", 1}, {"sum", 3},  {"sul", 1},   {"upeq", 2},
                                 {"upo", 2},  {"poku", 2}, {"auto", 1}, {"lijqo", 1}, {"lecako", 1},
                                 {"nemo", 1}, {"heo", 1},  {"viko", 2}, {"jajo", 1},  {"pam", 1},
                                 {"ana", 2},  {"ali", 1}};
    return table;
}

enum class TKind { Noun, Verb, Adjective, Adverb, Name };

const TWeighted& Endings(TKind kind) {
    static const TWeighted nouns{
        {"or", 20}, {"om", 8},  {"g", 8},   {"a", 6},    {"gr", 6},  {"ar", 3},  {"ir", 3},
        {"ia", 5},  {"eia", 2}, {"eur", 2}, {"sir", 3},  {"tgr", 3}, {"lor", 2}, {"la", 3},
        {"lg", 1},  {"ior", 3}, {"iom", 3}, {"ijor", 2}, {"tgq", 1}, {"yq", 1},  {"yr", 1},
        {"ur", 1},  {"an", 1},  {"yx", 1},  {"gm", 1},   {"ym", 2},  {"iska", 1}};
    static const TWeighted verbs{{"y", 10},  {"ey", 5},    {"ay", 3},  {"oy", 2},
                                 {"euy", 2}, {"ify", 3},   {"afy", 1}, {"olai", 2},
                                 {"sjy", 1}, {"mulai", 1}, {"gli", 1}, {"umy", 1}};
    static const TWeighted adjectives{{"or", 10}, {"ijor", 4}, {"imor", 1}, {"ior", 2}, {"gr", 2},
                                      {"ur", 1},  {"ydgr", 1}, {"tor", 1},  {"eir", 1}, {"ym", 1}};
    static const TWeighted adverbs{{"yr", 4}, {"ei", 1}, {"hem", 1}, {"de", 1},
                                   {"se", 1}, {"i", 1},  {"a", 1}};
    static const TWeighted names{{"or", 8}, {"gr", 4},  {"a", 3},  {"g", 3},  {"ym", 2},
                                 {"ir", 2}, {"eur", 1}, {"ai", 1}, {"oi", 1}, {"ia", 2}};
    switch (kind) {
    case TKind::Noun:
        return nouns;
    case TKind::Verb:
        return verbs;
    case TKind::Adjective:
        return adjectives;
    case TKind::Adverb:
        return adverbs;
    default:
        return names;
    }
}

// The bare letters of a word of the kind (sigma 's' everywhere, final sigma put in at the end).
// Prefix receives the preverb the word was built with, if any.
std::string WordLetters(TRandom& random, TKind kind, std::string* Prefix = nullptr) {
    std::string word;
    if (kind != TKind::Name && random.PerMille(280))
        word = Prefixes().Pick(random);
    if (Prefix)
        *Prefix = word;
    const bool vowelStart =
        word.empty() ? random.PerMille(300) : !IsVowel(word.back()) && random.PerMille(400);
    const int syllables =
        int(kind == TKind::Verb ? random.Between(1, 2) : random.Between(1, 3)) - int(!word.empty());
    for (int i = 0; i < std::max(syllables, 1); ++i) {
        if (i == 0 && vowelStart && word.empty())
            word += InitialNuclei().Pick(random);
        else {
            if (!(i == 0 && vowelStart))
                word += Onsets().Pick(random);
            word += Nuclei().Pick(random);
        }
        if (random.PerMille(i + 1 < syllables ? 350 : 120))
            word += Codas().Pick(random);
    }
    std::string_view ending = Endings(kind).Pick(random);
    if (IsVowel(word.back()) && IsVowel(ending.front()))
        word += SingleConsonants().Pick(random);
    else if (!IsVowel(word.back()) && !IsVowel(ending.front()))
        word += Nuclei().Pick(random);
    word += ending;
    if (word.back() == 's')
        word.back() = 'r';
    return word;
}

struct TAccenting {
    bool Accent = true;  // the word carries an accent
    bool Initial = true; // it begins a word: a vowel there takes a breathing, a rho the rough one
    bool Grave = false;  // an accent on the last syllable is grave: another word follows
    bool Capital = false;
    bool Rare = false; // now and then a diaeresis, an iota subscript or a vowel-length mark
};

// The diacritic code of a vowel: breathing 0 none, 1 smooth, 2 rough; accent 0 none, 1 acute,
// 2 grave, 3 circumflex.
uint8_t DiacriticCode(int breathing, int accent, bool iota, bool diaeresis) {
    static constexpr uint8_t plain[3][4] = {
        {0, 0xC0, 0xC1, 0xC2}, {0xC3, 0xC5, 0xC6, 0xC9}, {0xC4, 0xC7, 0xC8, 0xCA}};
    static constexpr uint8_t subscript[3][4] = {
        {0xCD, 0xCE, 0xCF, 0xD0}, {0xD1, 0xD3, 0xD4, 0xD7}, {0xD2, 0xD5, 0xD6, 0xD8}};
    if (diaeresis)
        return uint8_t(0xD9 + accent);
    return iota ? subscript[breathing][accent] : plain[breathing][accent];
}

// The word in the internal encoding: each vowel that carries a mark gets the code before it,
// only where the language allows it (no circumflex on epsilon and omicron, iota subscripts on
// alpha, eta and omega, diaereses on iota and upsilon, length marks on alpha, iota and upsilon,
// on capitals only the breathing codes).
std::string Accentuate(TRandom& random, const std::string& letters, const TAccenting& how) {
    struct TNucleus {
        size_t Carrier; // the letter that takes the marks (the second of a diphthong)
        bool Long, Diaeresis;
    };
    std::array<TNucleus, 48> nuclei{};
    size_t count = 0;
    for (size_t i = 0; i < letters.size() && count + 2 <= nuclei.size(); ++i) {
        const char c = letters[i];
        if (!IsVowel(c))
            continue;
        const bool lengthy =
            c == 'g' || c == 'y' || ((c == 'a' || c == 'i' || c == 'u') && random.PerMille(300));
        if (i + 1 < letters.size() && IsDiphthong(c, letters[i + 1])) {
            if (how.Rare && random.PerMille(40)) {
                nuclei[count++] = {i, lengthy, false};
                nuclei[count++] = {i + 1, random.PerMille(300), true};
            } else {
                nuclei[count++] = {i + 1, true, false};
            }
            ++i;
        } else {
            nuclei[count++] = {i, lengthy, false};
        }
    }

    int accented = -1, accent = 0;
    if (how.Accent && count > 0) {
        const uint32_t x = random.Below(100);
        const size_t back = count == 1 ? 0 : x < 30 ? 0 : (x < 75 || count == 2) ? 1 : 2;
        accented = int(count - 1 - back);
        if (nuclei[size_t(accented)].Long && back <= 1 && random.PerMille(350))
            accent = 3;
        else
            accent = back == 0 && how.Grave ? 2 : 1;
    }
    int breathing = 0;
    if (how.Initial && count > 0 && IsVowel(letters[0]))
        breathing = letters[0] == 'u' || random.PerMille(250) ? 2 : 1;

    // An iota subscript on a lone alpha, eta or omega, mostly the last one.
    int iota = -1;
    if (how.Rare && random.PerMille(60))
        for (int k = int(count) - 1; k >= 0; --k) {
            const size_t at = nuclei[size_t(k)].Carrier;
            const char c = letters[at];
            if ((c == 'a' || c == 'g' || c == 'y') && !(at > 0 && IsVowel(letters[at - 1])) &&
                !(how.Capital && at == 0)) {
                iota = k;
                break;
            }
        }

    std::string codes(letters.size(), '\0');
    for (size_t k = 0; k < count; ++k) {
        const TNucleus& nucleus = nuclei[k];
        const int b = k == 0 ? breathing : 0;
        const int a = int(k) == accented ? accent : 0;
        codes[nucleus.Carrier] = char(DiacriticCode(b, a, int(k) == iota, nucleus.Diaeresis));
    }
    if (how.Rare && random.PerMille(50)) {
        // A length mark on an unmarked lone alpha, iota or upsilon.
        for (size_t k = 0; k < count; ++k) {
            const size_t at = nuclei[k].Carrier;
            const char c = letters[at];
            if (codes[at] == 0 && (c == 'a' || c == 'i' || c == 'u') &&
                !(at > 0 && IsVowel(letters[at - 1])) && !(how.Capital && at == 0)) {
                codes[at] = char(random.PerMille(500) ? 0xCB : 0xCC);
                break;
            }
        }
    }
    if (how.Initial && !letters.empty() && letters[0] == 'q')
        codes[0] = char(0xC4);
    if (how.Capital && !letters.empty()) {
        // A capital takes a breathing, alone or with an acute or a circumflex; a grave becomes
        // the acute.
        const uint8_t code = uint8_t(codes[0]);
        if (code == 0xC6 || code == 0xC8)
            codes[0] = char(code - 1);
        else if (code != 0xC3 && code != 0xC4 && code != 0xC5 && code != 0xC7 && code != 0xC9 &&
                 code != 0xCA)
            codes[0] = 0;
    }

    std::string word;
    word.reserve(2 * letters.size());
    for (size_t i = 0; i < letters.size(); ++i) {
        if (codes[i])
            word += codes[i];
        word += i == 0 && how.Capital ? char(letters[i] - 32) : letters[i];
    }
    return word;
}

// ---- head words

struct THead {
    std::string Bytes; // the article's first bytes: mark prefix, mark byte, head word
    std::string Key;   // the normalised key the lookup compares
    TKind Kind;
};

// The key of a head word made here: its letters, lower case; nothing when the mark byte 0x1F
// stands before it (the key ends at the first byte that is not part of a word).
std::string HeadKey(std::string_view head) {
    std::string key;
    for (char c : head) {
        const uint8_t b = uint8_t(c);
        if (b >= 'a' && b <= 'z')
            key += c;
        else if (b >= 'A' && b <= 'Y')
            key += char(b + 32);
        else if (!((b >= 0xC0 && b <= 0xDC) || b == '-' || b == '[' || b == ']' || b == '_'))
            break;
    }
    return key;
}

std::string HeadWord(TRandom& random, TKind kind) {
    if (kind != TKind::Name && random.PerMille(3)) {
        // A phrase: an article or a preposition and a word.
        static const TWeighted first{{"\304o", 3},  {"\304g", 2},    {"t\301o", 2},  {"\303em", 1},
                                     {"\303ej", 1}, {"jat\301a", 1}, {"pq\301or", 1}};
        return std::string(first.Pick(random)) + '_' +
               Accentuate(random, WordLetters(random, TKind::Noun), {});
    }
    std::string prefix;
    std::string letters = WordLetters(random, kind, &prefix);
    if (!prefix.empty() && prefix.back() != 's' && prefix.size() < letters.size() &&
        random.PerMille(18)) {
        TAccenting prefixPart;
        prefixPart.Accent = false;
        TAccenting rest;
        rest.Initial = false;
        rest.Rare = true;
        return Accentuate(random, prefix, prefixPart) + '-' +
               Accentuate(random, letters.substr(prefix.size()), rest);
    }
    TAccenting how;
    how.Rare = true;
    how.Capital = kind == TKind::Name;
    std::string word = Accentuate(random, letters, how);
    if (word.size() > 2 && word.back() == 'm' && IsVowel(word[word.size() - 2]) &&
        random.PerMille(15))
        word.insert(word.size() - 1, "[").push_back(']'); // a movable nu
    return word;
}

TKind HeadKind(TRandom& random) {
    const uint32_t x = random.Below(100);
    return x < 50   ? TKind::Noun
           : x < 72 ? TKind::Verb
           : x < 90 ? TKind::Adjective
           : x < 94 ? TKind::Adverb
                    : TKind::Name;
}

std::vector<THead> MakeHeads(TRandom& random, size_t count) {
    std::vector<THead> heads;
    heads.reserve(count);
    while (heads.size() < count) {
        const TKind kind = HeadKind(random);
        const std::string word = HeadWord(random, kind);
        // Homonyms carry the marks I, II, III, IV (rows 1 to 4 of the marks table).
        const uint32_t x = random.Below(10000);
        const int homonyms = x < 5 ? 4 : x < 35 ? 3 : x < 280 ? 2 : 1;
        for (int k = 0; k < homonyms && heads.size() < count; ++k) {
            std::string bytes;
            if (homonyms > 1) {
                bytes = char(CodeArticleMark);
                bytes += char(ReferenceIndexOfRow(1 + k));
            } else if (random.PerMille(4)) {
                bytes = char(CodeArticleMark);
                bytes += char(ReferenceIndexOfRow(int(random.Below(26))));
            }
            if (random.Below(100000) < 15)
                bytes += char(CodeMark);
            bytes += word;
            const size_t keyStart = uint8_t(bytes[0]) == CodeArticleMark ? 2 : 0;
            heads.push_back({bytes, HeadKey(std::string_view(bytes).substr(keyStart)), kind});
        }
    }
    std::stable_sort(heads.begin(), heads.end(),
                     [](const THead& a, const THead& b) { return a.Key < b.Key; });
    return heads;
}

// ---- body sizes

// Most articles are a line or two, some run to pages: sizes drawn by bucket before scaling.
uint32_t RawBodySize(TRandom& random) {
    static constexpr struct {
        uint32_t PerMille, Low, High;
    } buckets[] = {{100, 3, 15},    {250, 15, 40},  {280, 40, 80},   {200, 80, 150},
                   {100, 150, 300}, {50, 300, 700}, {16, 700, 2000}, {4, 2000, 8000}};
    uint32_t x = random.Below(1000);
    for (const auto& bucket : buckets) {
        if (x < bucket.PerMille)
            return random.Between(bucket.Low, bucket.High);
        x -= bucket.PerMille;
    }
    return 50;
}

constexpr uint32_t MinBody = 3;

// Body sizes that add up to Total exactly; a few articles of tens of kilobytes among them.
std::vector<uint32_t> BodySizes(TRandom& random, const std::vector<THead>& heads, uint64_t total) {
    const size_t count = heads.size();
    std::vector<uint32_t> sizes(count);
    std::vector<bool> fixed(count, false);
    uint64_t fixedTotal = 0;
    for (int k = 0; k < 7; ++k) {
        // The long ones are short words, as particles and prepositions are.
        size_t i = random.Below(uint32_t(count));
        for (int attempt = 0; attempt < 200 && (fixed[i] || heads[i].Key.size() > 4); ++attempt)
            i = random.Below(uint32_t(count));
        if (fixed[i])
            continue;
        fixed[i] = true;
        sizes[i] = random.Between(15000, 60000);
        fixedTotal += sizes[i];
    }
    uint64_t raw = 0;
    for (size_t i = 0; i < count; ++i)
        if (!fixed[i])
            raw += sizes[i] = RawBodySize(random);
    if (total < fixedTotal + uint64_t(count) * MinBody * 2)
        throw EAssertionFailed("core/SyntheticEdition", "room for the bodies");
    const uint64_t room = total - fixedTotal;
    int64_t missing = int64_t(total);
    for (size_t i = 0; i < count; ++i) {
        if (!fixed[i])
            sizes[i] = std::max<uint32_t>(MinBody, uint32_t(sizes[i] * room / raw));
        missing -= sizes[i];
    }
    // Spread what scaling left over (or took too much) one byte at a time.
    for (size_t i = 0; missing != 0; i = (i + 7919) % count) {
        if (fixed[i])
            continue;
        if (missing > 0) {
            ++sizes[i];
            --missing;
        } else if (sizes[i] > MinBody) {
            --sizes[i];
            ++missing;
        }
    }
    return sizes;
}

// ---- bodies

enum TLanguage : uint8_t { Latin, Russian, Greek, Symbols };
enum TStyle : uint8_t { Normal, Bold, Italic };

// Writes article bytes and keeps the reading state that decides which bytes are needed:
// language and style switches only where they change something, a stored space only between
// two words that would otherwise run together.
class TBodyWriter {
public:
    struct TState {
        uint8_t Language = Greek;
        uint8_t Style = Bold;
        uint8_t Level = 0;
        bool InWord = true; // the head word has just been written
        bool Numbered = false;
    };

    explicit TBodyWriter(std::string& out) : Out(out) {}

    void Language(uint8_t language) {
        if (State.Language == language)
            return;
        Out += char(CodeLatin + language);
        State.Language = language;
        State.InWord = false;
    }

    void Style(uint8_t style) {
        if (State.Style == style)
            return;
        Out += char(CodeNormal + style);
        State.Style = style;
        State.InWord = false;
    }

    void Word(uint8_t language, std::string_view word) {
        Language(language);
        if (State.InWord)
            Out += ' ';
        Out += word;
        State.InWord = true;
    }

    // A full stop after a word belongs to it; every other sign ends the word.
    void Sign(char c) {
        Out += c;
        State.InWord = State.InWord && c == '.';
    }

    void Reference(uint8_t code, uint32_t row) {
        Out += char(code);
        Out += char(ReferenceIndexOfRow(int(row)));
        State.InWord = false;
        switch (code) {
        case CodeArticleMark:
            State.Language = Greek;
            break;
        case CodeAuthor:
            Set(Latin, Normal);
            break;
        case CodeRussianSign:
            Set(Russian, Italic);
            break;
        case CodeLatinSign:
            Set(Latin, Italic);
            break;
        case CodeIndefinitePhrase:
            Set(Russian, Normal);
            break;
        case CodeGreekEnding:
            Set(Greek, Bold);
            break;
        case CodeVowelQuantity:
            Set(Greek, Normal);
            break;
        default: // the frequent Russian words
            Set(Russian, Italic);
            break;
        }
    }

    void RussianWord(uint32_t row) {
        Reference(ReferenceCodeOfRow(TVocabularyTable::RussianWords, int(row)), row);
    }

    // The one-byte words: the head-word abbreviations, the Greek articles and four Russian words.
    void Fixed(uint8_t code) {
        Out += char(code);
        State.InWord = false;
        if (IsHeadAbbreviationCode(code) || IsGreekArticleCode(code))
            Set(Greek, Normal);
        else
            Set(Russian, Italic);
    }

    void Meaning(uint8_t code) {
        Out += char(code);
        State.InWord = false;
        State.Numbered = true;
        if (code == CodeDeeperMeaning)
            State.Level = State.Level < 2 ? State.Level + 1 : 2;
        else if (code == CodeUpperMeaning && State.Level > 0)
            --State.Level;
        else if (code == CodeTopMeaning && State.Level == 2)
            State.Level = 0;
        Set(Russian, Normal);
    }

    std::string& Out;
    TState State;

private:
    void Set(uint8_t language, uint8_t style) {
        State.Language = language;
        State.Style = style;
    }
};

// Rows of the sign tables by their abbreviation.
uint32_t SignRow(TVocabularyTable table, const char* utf8) {
    const std::string text = Utf8ToCp1251(utf8);
    const TVocabulary& vocabulary = TVocabulary::BuiltIn();
    for (int row = 0; row < TableInfo(table).Rows; ++row)
        if (const std::string* known = vocabulary.Text(table, row); known && *known == text)
            return uint32_t(row);
    throw EAssertionFailed("core/SyntheticEdition", std::string("sign ") + utf8);
}

struct TSignRows {
    std::vector<uint32_t> Rows;
    TSignRows(TVocabularyTable table, std::initializer_list<const char*> signs) {
        for (const char* sign : signs)
            Rows.push_back(SignRow(table, sign));
    }
    uint32_t Pick(TRandom& random) const { return Rows[random.Below(uint32_t(Rows.size()))]; }
};

struct TVocabularyRows {
    const TSignRows Future{TVocabularyTable::LatinSigns, {"fut."}};
    const TSignRows Past{TVocabularyTable::LatinSigns,
                         {"aor.", "aor. 1", "aor. 2", "pf.", "impf."}};
    const TSignRows Parts{TVocabularyTable::LatinSigns,
                          {"adv.", "conj.", "praep.", "interj.", "pron.", "num. card."}};
    const TSignRows Cases{TVocabularyTable::LatinSigns,
                          {"gen.", "dat.", "acc.", "inf.", "part.", "gen.", "dat.", "acc."}};
    const TSignRows Grammar{TVocabularyTable::LatinSigns,
                            {"pass.", "med.", "pl.", "compar.", "superl.", "demin.", "subst.",
                             "trans.", "intrans.", "f", "m", "n", "sc.", "etc.", "v. l."}};
    const TSignRows With{TVocabularyTable::LatinSigns, {"cum"}};
    const TSignRows Dialects{TVocabularyTable::RussianSigns,
                             {"атт.", "ион.", "эп.", "дор.", "эол.", "поэт.", "эп.-ион."}};
    const TSignRows Labels{TVocabularyTable::RussianSigns,
                           {"перен.", "поэт.", "досл.", "бот.", "зоол.", "мед.", "миф.", "грам.",
                            "филос.", "юр.", "муз.", "ирон.", "шутл.", "преимущ.", "поздн."}};
    const TSignRows SeeAlso{TVocabularyTable::RussianSigns, {"см.", "ср.", "тж."}};
    const TSignRows LatinLabel{TVocabularyTable::RussianSigns, {"лат."}};
    const TSignRows HebrewLabel{TVocabularyTable::RussianSigns, {"евр."}};
};

const TWordList& RussianText() {
    static const TWordList words(
        "человек бог богиня город дом земля вода огонь воздух море река гора остров берег "
        "дорога путь война мир битва оружие щит копье меч корабль весло парус царь царство "
        "власть закон суд судья народ племя род семья отец мать брат сестра дочь жена муж "
        "ребенок юноша старик раб слуга господин гость друг враг воин поэт певец песнь слово "
        "речь голос имя дело работа труд искусство мастер ремесло храм жертва жрец праздник "
        "обряд оракул судьба смерть жизнь душа тело рука нога голова глаз сердце ум мысль "
        "знание мудрость истина ложь красота сила слава честь стыд страх гнев радость печаль "
        "любовь желание надежда время день ночь утро вечер год месяц зима лето весна солнце "
        "луна звезда небо ветер буря дождь снег камень дерево лист цветок плод хлеб вино "
        "масло мед мясо рыба птица конь бык корова овца коза собака волк лев змея золото "
        "серебро медь железо одежда плащ пояс обувь стена ворота башня площадь рынок цена "
        "деньги торговля поле сад виноградник пастух стадо охота игра состязание награда "
        "победа поражение бегство помощь совет собрание быть делать говорить сказать видеть "
        "смотреть слышать знать думать хотеть давать брать нести вести идти приходить уходить "
        "бежать стоять сидеть лежать жить умирать убивать рождать любить ненавидеть бояться "
        "радоваться плакать петь писать читать учить строить разрушать сражаться побеждать "
        "защищать помогать искать находить терять посылать принимать получать просить "
        "спрашивать отвечать называть считать полагать казаться становиться оставаться "
        "оставлять возвращаться начинать кончать держать бросать ломать резать связывать "
        "освобождать править судить наказывать хвалить порицать приносить уносить пить есть "
        "спать большой малый великий новый старый молодой добрый злой хороший плохой "
        "прекрасный красивый благородный мудрый сильный слабый быстрый медленный высокий "
        "низкий глубокий длинный короткий широкий узкий тяжелый легкий твердый мягкий теплый "
        "холодный светлый темный белый черный красный зеленый золотой медный железный "
        "каменный морской горный божественный священный человеческий царский военный "
        "гражданский общественный чужой собственный первый второй последний целый полный "
        "пустой богатый бедный счастливый несчастный смертный бессмертный дикий кроткий очень "
        "весьма также еще уже всегда никогда часто редко здесь там тогда теперь вместе быстро "
        "хорошо плохо для против между перед после через около вокруг без до от при над под "
        "за о с у не как так что чтобы если когда где тот этот весь каждый другой сам себя "
        "свой человека богов города войны земли моря рукой словом делом своей своего всех "
        "многих людей бывать иметь мочь следовать вредить служить владеть заботиться");
    return words;
}

const TWordList& NameWords() {
    static const TWordList words(
        "город река гора остров область мыс залив озеро источник местность селение герой царь "
        "полководец философ историк оратор жрица нимфа титан сын дочь жена мать отец ученик "
        "тиран");
    return words;
}

const TWordList& Places() {
    static const TWordList words(
        "Аттике Беотии Фессалии Македонии Крите Кипре Сицилии Италии Египте Персии Азии Ливии "
        "Фракии Ионии Лидии Фригии Аркадии Арголиде Эпире Лаконике Мессении Элиде Ахайе Эвбее "
        "Фокиде Локриде Этолии Карии Ликии Киликии Сирии Понте Троаде Зевса Посейдона "
        "Аполлона Геракла Ахилла Одиссея Агамемнона Приама Гектора Афинах Спарте Фивах "
        "Коринфе Милете Эфесе Родосе");
    return words;
}

const TWordList& LatinText() {
    static const TWordList words(
        "Quercus robur Pinus pinea Canis lupus Olea europaea Vitis vinifera Mentha Ruta "
        "graveolens Salvia Ficus carica Laurus nobilis Juniperus communis Platanus orientalis "
        "Allium sativum Papaver somniferum Rosa Lilium Viola odorata Apis mellifera Cervus "
        "elaphus Lepus Vulpes Ursus Aquila Corvus Delphinus Thunnus Sepia officinalis "
        "vulgaris alba nigra silvestris");
    return words;
}

const TWordList& Works() {
    static const TWordList words(
        "Il. Od. Rep. Leg. Anab. Cyr. Hist. Eth. Pol. Met. Phys. Ran. Nub. Av. Ant. El. Med. "
        "Hipp. Ag. Prom. Theog. Op. Symp. Phaed. Crit. Apol. Gorg. Lach. Mem. Hell. Ol. Pyth. "
        "Nem. Cyn. Oec. Rhet. Poet. Tim. Soph. Theaet.");
    return words;
}

// Frequent Greek words of running text in the internal encoding, accented as they stand before
// another word (the codes in octal: 300 acute, 301 grave, 302 circumflex, 303/304 smooth/rough
// breathing, 305-312 breathing with an accent, 320 and 330 with an iota subscript).
const TWeighted& Particles() {
    static const TWeighted table{
        {"ja\301i", 12},    {"d\301e", 8},      {"\303em", 6},   {"\303ej", 3},    {"e\303ir", 4},
        {"to\302u", 5},     {"t\301om", 4},     {"t\301gm", 4},  {"t\302ym", 4},   {"t\320g", 2},
        {"t\320y", 2},      {"o\303u", 3},      {"o\303uj", 3},  {"l\301g", 3},    {"\307yr", 3},
        {"pq\301or", 3},    {"\303ep\301i", 3}, {"jat\301a", 3}, {"paq\301a", 2},  {"di\301a", 2},
        {"\303ap\301o", 2}, {"\304up\301o", 2}, {"t\301o", 4},   {"t\301a", 3},    {"o\304i", 2},
        {"a\304i", 1},      {"c\301aq", 3},     {"l\301em", 3},  {"\306am", 2},    {"\310o", 1},
        {"\310g", 1},       {"\310a", 1},       {"\305g", 2},    {"e\311imai", 2}, {"o\312u", 1},
        {"\330y", 1},       {"\330g", 1},       {"dz", 1},       {"tz", 1},        {"\303apz", 1},
        {"\303epz", 1},     {"jatz", 1},        {"paqz", 1},     {"\303akkz", 1}};
    return table;
}

// Hebrew letters, vowel points and graphic signs of the symbol font.
constexpr std::string_view HebrewLetters = "abcdfghijklmnpqrstwxyz";
constexpr std::string_view GraphicSigns = "TUCDEFGHIJKLMNOPQRSW";

class TBodyGenerator {
public:
    TBodyGenerator(TRandom& random, std::string& out) : Random(random), Out(out), W(out) {}

    void Body(const THead& head, size_t size) {
        End = Out.size() + size;
        W.State = {};
        Head = &head;
        if (size >= 10)
            Try([this] { Opening(); });
        if (size < 40 && Random.PerMille(300))
            Try([this] { CrossReference(); });
        Numbered = size >= 600 || (size >= 100 && Random.PerMille(800));
        Depth = size >= 3000 ? 2 : size >= 700 ? 1 : 0;
        int failures = 0;
        while (Remaining() > 4 && failures < 3) {
            bool written = failures == 0   ? Try([this] { Unit(); })
                           : failures == 1 ? Try([this] { Translation(1 + Random.Below(2)); })
                                           : Try([this] { FrequentWord(); });
            failures = written ? 0 : failures + 1;
        }
        while (Remaining() >= 2) {
            if (Random.PerMille(800))
                FrequentWord();
            else
                W.Reference(CodeIndefinitePhrase, Random.Skewed(107));
        }
        if (Remaining() == 1)
            W.Sign('.');
    }

private:
    size_t Remaining() const { return End - Out.size(); }

    // Writes a piece, or takes it back when it does not fit.
    template <class Piece>
    bool Try(Piece piece) {
        const size_t mark = Out.size();
        const TBodyWriter::TState state = W.State;
        piece();
        if (Out.size() <= End)
            return true;
        Out.resize(mark);
        W.State = state;
        return false;
    }

    std::string GreekWord(bool last) {
        static constexpr TKind kinds[] = {TKind::Noun, TKind::Noun, TKind::Verb, TKind::Adjective,
                                          TKind::Adverb};
        TAccenting how;
        how.Grave = !last;
        return Accentuate(Random, WordLetters(Random, kinds[Random.Below(5)]), how);
    }

    void FrequentWord() {
        // A third of the uses go to any row, the rest to the frequent first rows.
        W.RussianWord(Random.PerMille(330) ? Random.Below(2161) : Random.Skewed(2161));
    }

    void RussianRaw(const std::string& word) {
        if (W.State.Style == Bold)
            W.Style(Normal);
        W.Word(Russian, word);
    }

    void Opening() {
        if (Random.PerMille(40))
            W.Reference(CodeVowelQuantity, Random.Below(109));
        switch (Head->Kind) {
        case TKind::Noun:
            W.Reference(CodeGreekEnding, Random.Skewed(156));
            if (Random.PerMille(700)) {
                const uint32_t x = Random.Below(3);
                if (x < 2)
                    W.Fixed(x == 0 ? CodeHo : CodeHe);
                else
                    W.Word(Greek, "t\300o");
            }
            break;
        case TKind::Adjective:
            W.Reference(CodeGreekEnding, Random.Skewed(156));
            W.Reference(CodeGreekEnding, Random.Skewed(156));
            break;
        case TKind::Verb:
            if (Random.PerMille(500)) {
                W.Sign('(');
                W.Reference(CodeLatinSign, Rows.Future.Pick(Random));
                W.Word(Greek, GreekWord(true));
                for (uint32_t k = Random.Below(3); k > 0; --k) {
                    W.Sign(',');
                    W.Reference(CodeLatinSign, Rows.Past.Pick(Random));
                    W.Word(Greek, GreekWord(true));
                }
                W.Sign(')');
            }
            break;
        case TKind::Adverb:
            W.Reference(CodeLatinSign, Rows.Parts.Pick(Random));
            break;
        case TKind::Name:
            W.Reference(CodeGreekEnding, Random.Skewed(156));
            W.Fixed(Random.PerMille(500) ? CodeHo : CodeHe);
            RussianRaw(NameWords().Pick(Random));
            if (Random.PerMille(500))
                W.Fixed(CodeIn);
            RussianRaw(Places().Pick(Random));
            break;
        }
        if (Random.PerMille(100)) {
            W.Reference(CodeRussianSign, Rows.Dialects.Pick(Random));
            W.Word(Greek, GreekWord(true));
        }
        if (Random.PerMille(50))
            W.Reference(CodeLatinSign, Rows.Grammar.Pick(Random));
    }

    void CrossReference() {
        if (Random.PerMille(500))
            W.Reference(CodeRussianSign, Rows.SeeAlso.Pick(Random));
        else
            W.Sign('=');
        W.Word(Greek, GreekWord(true));
    }

    void MeaningCode() {
        uint8_t code = CodeNextMeaning;
        const uint32_t x = Random.Below(100);
        if (W.State.Numbered) {
            switch (W.State.Level) {
            case 0:
                code = Depth >= 1 && x < 25 ? CodeDeeperMeaning
                       : x < 27             ? CodeUpperMeaning
                       : x < 29             ? CodeTopMeaning
                                            : CodeNextMeaning;
                break;
            case 1:
                code = x < 55                 ? CodeNextMeaning
                       : x < 80               ? CodeUpperMeaning
                       : Depth >= 2 && x < 92 ? CodeDeeperMeaning
                                              : CodeTopMeaning;
                break;
            default:
                code = x < 50 ? CodeNextMeaning : x < 75 ? CodeUpperMeaning : CodeTopMeaning;
                break;
            }
        }
        W.Meaning(code);
    }

    void Unit() {
        if (Numbered)
            MeaningCode();
        if (Random.PerMille(80))
            W.Reference(CodeRussianSign, Rows.Labels.Pick(Random));
        Translation(1 + Random.Below(4));
        for (uint32_t k = Random.Below(Numbered ? 4 : 2); k > 0; --k)
            Example();
    }

    void Translation(uint32_t items) {
        for (uint32_t i = 0; i < items; ++i) {
            if (i > 0) {
                const uint32_t x = Random.Below(100);
                if (x < 40)
                    W.Sign(',');
                else if (x < 50)
                    W.Fixed(x < 46 ? CodeAnd : CodeOr);
            }
            TranslationItem();
        }
    }

    void TranslationItem() {
        const uint32_t x = Random.Below(1000);
        if (x < 300) {
            FrequentWord();
        } else if (x < 660) {
            std::string word = RussianText().Frequent(Random);
            if (Random.PerMille(5))
                word += char(CodeMark);
            RussianRaw(word);
        } else if (x < 700) {
            W.Fixed(Random.PerMille(500) ? CodeTo : CodeIn);
            RussianRaw(RussianText().Pick(Random));
        } else if (x < 760) {
            W.Reference(CodeIndefinitePhrase, Random.Skewed(107));
        } else if (x < 790) {
            W.Reference(CodeRussianSign,
                        Random.PerMille(500) ? Random.Below(192) : Rows.Labels.Pick(Random));
        } else if (x < 820) {
            W.Sign('(');
            W.Style(Italic);
            RussianRaw(RussianText().Pick(Random));
            if (Random.PerMille(500))
                FrequentWord();
            W.Sign(')');
            W.Style(Normal);
        } else if (x < 850) {
            W.Sign('(');
            if (Random.PerMille(300))
                W.Reference(CodeLatinSign, Rows.With.Pick(Random));
            else if (Random.PerMille(300))
                W.Sign('+');
            W.Reference(CodeLatinSign,
                        Random.PerMille(700) ? Rows.Cases.Pick(Random) : Random.Below(93));
            W.Sign(')');
        } else if (x < 860) {
            W.Sign('<');
            RussianRaw(RussianText().Pick(Random));
            W.Sign('>');
        } else if (x < 870) {
            W.Sign('"');
            RussianRaw(RussianText().Pick(Random));
            W.Sign('\'');
        } else if (x < 880) {
            RussianRaw(RussianText().Pick(Random));
            W.Sign('/');
            RussianRaw(RussianText().Pick(Random));
        } else if (x < 890) {
            RussianRaw(RussianText().Pick(Random));
            W.Sign('#');
        } else if (x < 900) {
            RussianRaw(std::to_string(Random.Between(1, 500)));
            if (Random.PerMille(30))
                W.Sign('%');
        } else if (x < 905) {
            RussianRaw(RussianText().Pick(Random));
            W.Sign(Random.PerMille(500) ? '!' : '?');
        } else if (x < 910) {
            W.Reference(CodeRussianSign, Rows.LatinLabel.Pick(Random));
            W.Language(Latin);
            W.Style(Italic);
            W.Word(Latin, LatinText().Pick(Random));
            W.Word(Latin, LatinText().Pick(Random));
        } else if (x < 913) {
            W.Reference(CodeRussianSign, Rows.HebrewLabel.Pick(Random));
            SymbolRun();
        } else if (x < 930) {
            if (Random.PerMille(200))
                W.Sign(Random.PerMille(500) ? '=' : '*');
            W.Word(Greek, GreekWord(true));
        } else if (x < 960) {
            W.Reference(CodeAuthor, Random.Skewed(141));
        } else {
            FrequentWord();
        }
    }

    void SymbolRun() {
        W.Language(Symbols);
        for (uint32_t k = 1 + Random.Below(2); k > 0; --k) {
            std::string word;
            const uint32_t x = Random.Below(10);
            if (x < 7) {
                for (uint32_t n = Random.Between(2, 5); n > 0; --n) {
                    word += HebrewLetters[Random.Below(uint32_t(HebrewLetters.size()))];
                    if (Random.PerMille(300))
                        word += char(Random.Between(0xC0, 0xE5));
                }
            } else if (x < 9) {
                word =
                    Random.PerMille(500)
                        ? std::string(1, GraphicSigns[Random.Below(uint32_t(GraphicSigns.size()))])
                        : std::string(1, char(Random.Between(0xE6, 0xF5)));
            } else {
                word = Random.PerMille(500) ? "A" : "B";
            }
            W.Word(Symbols, word);
        }
    }

    void Example() {
        W.Sign(Random.PerMille(500) ? ':' : ';');
        W.Language(Greek);
        W.Style(Random.PerMille(150) ? Bold : Normal);
        const uint32_t words = 1 + Random.Below(5);
        for (uint32_t j = 0; j < words; ++j) {
            const bool last = j + 1 == words;
            const uint32_t x = Random.Below(100);
            if (x < 12)
                W.Fixed(Random.PerMille(700) ? CodeHeadOneLetter : CodeHeadTwoLetters);
            else if (x < 20)
                W.Fixed(Random.PerMille(500) ? CodeHo : CodeHe);
            else if (x < 42 && !last)
                W.Word(Greek, Particles().Pick(Random));
            else
                W.Word(Greek, GreekWord(last));
            if (Random.PerMille(20))
                W.Reference(CodeVowelQuantity, Random.Below(109));
        }
        if (Random.PerMille(100))
            W.Sign("?!#"[Random.Below(3)]);
        Translation(1 + Random.Below(4));
        if (Random.PerMille(350)) {
            W.Reference(CodeAuthor, Random.Skewed(141));
            if (Random.PerMille(600))
                W.Word(Latin, Works().Pick(Random));
            if (Random.PerMille(700)) {
                std::string place = std::to_string(Random.Between(1, 24));
                if (Random.PerMille(600))
                    place += "." + std::to_string(Random.Between(1, 900));
                W.Word(Latin, place);
            }
        }
    }

    TRandom& Random;
    std::string& Out;
    TBodyWriter W;
    const TVocabularyRows Rows;
    const THead* Head = nullptr;
    size_t End = 0;
    bool Numbered = false;
    int Depth = 0;
};

} // namespace

TSyntheticEdition GenerateSyntheticEdition(uint32_t Seed) {
    const TEdition& edition = StandardEdition();
    const size_t count = edition.IdxSize / 4 - 1;
    TRandom headRandom(uint64_t(Seed) << 1);
    TRandom bodyRandom(uint64_t(Seed) << 1 | 1);

    const std::vector<THead> heads = MakeHeads(headRandom, count);
    uint64_t framing = 0;
    for (const auto& head : heads)
        framing += 2 + head.Bytes.size();
    const std::vector<uint32_t> sizes = BodySizes(bodyRandom, heads, edition.DicSize - framing);

    TSyntheticEdition result;
    result.Dic.reserve(edition.DicSize);
    result.Starts.reserve(count + 1);
    TBodyGenerator generator(bodyRandom, result.Dic);
    for (size_t i = 0; i < count; ++i) {
        result.Starts.push_back(uint32_t(result.Dic.size()));
        result.Dic += char(RecordStart);
        result.Dic += heads[i].Bytes;
        generator.Body(heads[i], sizes[i]);
        result.Dic += char(RecordEnd);
    }
    result.Starts.push_back(uint32_t(result.Dic.size()));
    if (result.Dic.size() != edition.DicSize)
        throw EAssertionFailed("core/SyntheticEdition", "the edition's size");
    return result;
}

} // namespace orvel
