#include "core/search/FullTextSearchOracle.h"

#include "core/article/ArticleCodes.h"
#include "core/base/OrvelError.h"
#include "core/dictionary/MainDictionary.h"

#include <array>
#include <cstring>
#include <utility>
#include <vector>

namespace orvel {

namespace {

// What a byte does to the scan of a text.
enum TByteRole : uint8_t {
    RoleOther,     // consumed, the matching starts again
    RoleSpace,     // consumed without effect
    RoleWordStart, // a word to compare
    RoleSwitch,    // a one-byte code: sets the scan flags from the table below
    RoleReference, // a two-byte code: sets the flags, consumes its index byte
};

// Flag changes of a code: Keep, or set the flag to false/true.
enum TFlagChange : uint8_t { Keep, False, True };

struct TByteRule {
    TByteRole Role = RoleOther;
    TFlagChange Language = Keep; // InGreek for a Greek search, InRussian for a Russian one
    TFlagChange Excluded = Keep; // Russian search only
};

using TRules = std::array<TByteRule, 256>;

TRules GreekRules() {
    TRules rules{};
    for (int c : {CodeGreek, CodeHeadOneLetter, CodeHo, CodeHe, CodeHeadTwoLetters})
        rules[size_t(c)] = {RoleSwitch, True, Keep};
    for (int c : {CodeLatin, CodeRussian, CodeSymbols, CodeNextMeaning, CodeDeeperMeaning,
                  CodeUpperMeaning, CodeTopMeaning, CodeAnd, CodeOr, CodeTo, CodeIn})
        rules[size_t(c)] = {RoleSwitch, False, Keep};
    for (int c = CodeAuthor; c <= ReferenceCodeLast; ++c)
        rules[size_t(c)] = {RoleReference, False, Keep};
    for (int c = 65; c <= 89; ++c)
        rules[size_t(c)].Role = RoleWordStart;
    for (int c = 97; c <= 122; ++c)
        rules[size_t(c)].Role = RoleWordStart;
    for (int c = 192; c <= 220; ++c)
        rules[size_t(c)].Role = RoleWordStart;
    rules['['].Role = RoleWordStart;
    rules[' '].Role = RoleSpace;
    return rules;
}

TRules RussianRules() {
    TRules rules{};
    auto set = [&rules](std::initializer_list<int> codes, TByteRole role, TFlagChange russian,
                        TFlagChange excluded) {
        for (int c : codes)
            rules[size_t(c)] = {role, russian, excluded};
    };
    set({CodeNormal, CodeBold}, RoleSwitch, Keep, False);
    set({CodeItalic}, RoleSwitch, Keep, True);
    set({CodeLatin, CodeGreek, CodeSymbols}, RoleSwitch, False, Keep);
    set({CodeRussian}, RoleSwitch, True, Keep);
    set({CodeNextMeaning, CodeDeeperMeaning, CodeUpperMeaning, CodeTopMeaning}, RoleSwitch, True,
        False);
    set({CodeHeadOneLetter, CodeHo, CodeHe, CodeHeadTwoLetters}, RoleSwitch, False, False);
    set({CodeAnd, CodeOr, CodeTo, CodeIn}, RoleSwitch, True, True);
    set({CodeAuthor, CodeGreekEnding, CodeVowelQuantity}, RoleReference, False, False);
    set({CodeRussianSign}, RoleReference, True, True);
    set({CodeLatinSign}, RoleReference, False, True);
    set({CodeIndefinitePhrase}, RoleReference, True, False);
    for (int c = CodeRussianWordFirst; c <= CodeRussianWordLast; ++c)
        rules[size_t(c)] = {RoleReference, True, True};
    for (int c = 192; c <= 255; ++c)
        rules[size_t(c)].Role = RoleWordStart;
    rules['['].Role = RoleWordStart;
    rules[' '].Role = RoleSpace;
    return rules;
}

const TRules& Rules(bool greek) {
    static const TRules greekRules = GreekRules();
    static const TRules russianRules = RussianRules();
    return greek ? greekRules : russianRules;
}

void Apply(TFlagChange change, bool& flag) {
    if (change != Keep)
        flag = change == True;
}

// How a byte inside a word is taken into the compared word.
enum TLetterRole : uint8_t { EndsWord, Collected, Lowered, Skipped };

using TLetterRules = std::array<TLetterRole, 256>;

TLetterRules LetterRules(bool greek, bool exact) {
    TLetterRules rules{};
    auto range = [&rules](int from, int to, TLetterRole role) {
        for (int c = from; c <= to; ++c)
            rules[size_t(c)] = role;
    };
    rules['-'] = rules['['] = rules[']'] = Skipped;
    if (greek && !exact) {
        range(97, 122, Collected);
        range(65, 89, Lowered);
        range(192, 220, Skipped);
    } else if (greek) {
        range(65, 89, Collected);
        range(97, 122, Collected);
        range(192, 202, Collected);
        range(205, 220, Collected);
        range(203, 204, Skipped);
    } else if (!exact) {
        range(224, 255, Collected);
        range(192, 223, Lowered);
    } else {
        range(192, 255, Collected);
    }
    return rules;
}

const TLetterRules& Letters(bool greek, bool exact) {
    static const TLetterRules tables[2][2] = {{LetterRules(false, false), LetterRules(false, true)},
                                              {LetterRules(true, false), LetterRules(true, true)}};
    return tables[greek][exact];
}

// Whether the compared word matches a search word of several tokens: the anchor inside the word, at
// its start unless tokens stand before the anchor, at its end unless tokens stand after it.
bool Matches(const TSearchTerm& term, std::string_view word) {
    const std::string& anchor = term.Tokens[size_t(term.Anchor)].Text;
    size_t at = word.find(anchor);
    if (at == std::string_view::npos)
        return false;
    if (at != 0 && term.Anchor == 0)
        return false;
    if (at + anchor.size() < word.size() && term.Anchor == term.TokenCount - 1)
        return false;
    return true;
}

class TTextScanner {
public:
    TTextScanner(TMainDictionary& dictionary, TSearchSession& session,
                 TVkrObjectList<TWordDescriptor>& results, int32_t hitLimit)
        : Dictionary(dictionary), Session(session), State(session.State), Results(results),
          HitLimit(hitLimit), Greek(State.SearchTerms[0].Greek), ByteRules(Rules(Greek)) {
        CollectRequiredLetters();
    }

    void Scan(int32_t article, const uint8_t* text, size_t length, const TUserArticle* note) {
        if (!MayHit(text, length))
            return;
        Article = article;
        Note = note;
        TextStart = text;
        State.TermIndex = 0;
        const uint8_t* p = text;
        const uint8_t* const end = text + length;
        if (p < end && *p == CodeArticleMark)
            p = length >= 2 ? p + 2 : end;
        bool language = Greek; // InGreek starts true, InRussian false
        bool excluded = false;
        while (p < end) {
            const TByteRule& rule = ByteRules[*p];
            switch (rule.Role) {
            case RoleSpace:
                ++p;
                break;
            case RoleWordStart:
                if (language && !excluded) {
                    p = CompareWord(p, end);
                } else {
                    ++p;
                    State.TermIndex = 0;
                }
                break;
            case RoleSwitch:
            case RoleReference:
                Apply(rule.Language, language);
                Apply(rule.Excluded, excluded);
                p += rule.Role == RoleReference && end - p >= 2 ? 2 : 1;
                State.TermIndex = 0;
                break;
            default:
                ++p;
                State.TermIndex = 0;
                break;
            }
        }
    }

private:
    // A hit needs every letter of every anchor in the text, as it is or (unless the word is
    // exact) as its capital; a text that lacks one is passed over without reading it byte by
    // byte. Up to four letters are looked for.
    void CollectRequiredLetters() {
        for (int32_t t = 0; t < State.TermCount; ++t) {
            const TSearchTerm& term = State.SearchTerms[size_t(t)];
            for (char ch : term.Tokens[size_t(term.Anchor)].Text) {
                const uint8_t c = uint8_t(ch);
                const bool small = Greek ? c >= 97 && c <= 122 : c >= 224;
                const uint8_t capital = !term.Exact && small ? uint8_t(c - 32) : c;
                bool known = false;
                for (const auto& letter : Required)
                    known = known || (letter.first == c && letter.second == capital);
                if (!known && Required.size() < 4)
                    Required.emplace_back(c, capital);
            }
        }
    }

    bool MayHit(const uint8_t* text, size_t length) const {
        for (const auto& [letter, capital] : Required)
            if (!std::memchr(text, letter, length) &&
                (capital == letter || !std::memchr(text, capital, length)))
                return false;
        return true;
    }

    // Extracts the word at p, compares it with the expected search word and answers where the
    // scan goes on: at the byte that ended the word.
    const uint8_t* CompareWord(const uint8_t* p, const uint8_t* end) {
        const TSearchTerm& term = State.SearchTerms[size_t(State.TermIndex)];
        const TLetterRules& letters = Letters(Greek, term.Exact);
        const uint8_t* wordStart = p;
        bool matched;
        if (term.TokenCount == 1) {
            // A single literal: compare letter by letter while the word is read.
            const std::string& anchor = term.Tokens[0].Text;
            size_t length = 0;
            bool same = true;
            for (; p < end; ++p) {
                TLetterRole role = letters[*p];
                if (role == EndsWord)
                    break;
                if (role == Skipped)
                    continue;
                char c = char(role == Lowered ? *p + 32 : *p);
                same = same && length < anchor.size() && anchor[length] == c;
                ++length;
            }
            matched = same && length == anchor.size();
        } else {
            Word.clear();
            for (; p < end; ++p) {
                TLetterRole role = letters[*p];
                if (role == EndsWord)
                    break;
                if (role == Collected)
                    Word += char(*p);
                else if (role == Lowered)
                    Word += char(*p + 32);
            }
            matched = Matches(term, Word);
        }
        if (!matched) {
            State.TermIndex = 0;
            return p;
        }
        if (State.TermIndex == 0)
            FirstWordStart = wordStart;
        if (++State.TermIndex == State.TermCount) {
            Record(FirstWordStart, p);
            State.TermIndex = 0;
        }
        return p;
    }

    void Record(const uint8_t* start, const uint8_t* end) {
        auto hit = std::make_unique<TWordDescriptor>(Article, Dictionary.GetHeadWord(Article));
        hit->SetFoundSelection(int32_t(start - TextStart), int32_t(end - start));
        if (Note)
            hit->SetNote(Note->Owner()->Name(), Note->Owner()->Kind());
        Results.Add(std::move(hit));
        Session.LastFound = Article;
        if (Results.Count() >= HitLimit)
            Session.StopSearch = true;
    }

    TMainDictionary& Dictionary;
    TSearchSession& Session;
    TSearchState& State;
    TVkrObjectList<TWordDescriptor>& Results;
    const int32_t HitLimit;
    const bool Greek;
    const TRules& ByteRules;

    int32_t Article = -1;
    const TUserArticle* Note = nullptr;
    const uint8_t* TextStart = nullptr;
    const uint8_t* FirstWordStart = nullptr;
    std::string Word;                                  // the compared word, as long as the word is
    std::vector<std::pair<uint8_t, uint8_t>> Required; // letters a hit needs, and their capitals
};

} // namespace

void SearchArticleByArticle(TMainDictionary& Dictionary, TSearchSession& Session,
                            std::string_view SearchString, TVkrObjectList<TWordDescriptor>& Results,
                            bool Continue, int32_t HitLimit, const TSearchProgress& Progress) {
    const int32_t first = Continue && Session.LastFound >= 0 ? Session.LastFound + 1 : 0;
    Session.LastFound = -1;
    Session.StopSearch = false;
    Session.SearchText = SearchString;
    const int32_t last = Dictionary.LastIndex();
    if (!ParseSearchString(Session.State, Session.SearchText))
        throw EOrvelError("Недопустимая строка для поиска");

    TTextScanner scanner(Dictionary, Session, Results, HitLimit);
    for (int32_t i = first; i <= last && !Session.StopSearch; ++i) {
        scanner.Scan(i, Dictionary.ArticleData(i), size_t(Dictionary.ArticleLength(i)), nullptr);
        for (const TUserArticle* note = Dictionary.NoteChain(i); note; note = note->Next())
            scanner.Scan(i, reinterpret_cast<const uint8_t*>(note->Text().data()),
                         note->Text().size(), note);
        // A dictionary of one article is searched whole at once.
        if (i % 1000 == 0 && Progress)
            Progress(last > 0 ? int(int64_t(i) * 100 / last) : 100);
    }
    if (Results.Count() < HitLimit)
        Session.LastFound = -1;
}

} // namespace orvel
