#include "core/search/FullTextSearch.h"

#include "core/article/ArticleCodes.h"
#include "core/base/OrvelError.h"
#include "core/dictionary/MainDictionary.h"
#include "core/search/AnchorFinder.h"
#include "core/search/SearchLetters.h"

#include <array>
#include <utility>

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
          HitLimit(hitLimit), Greek(State.SearchTerms[0].Greek), ByteRules(Rules(Greek)) {}

    void Scan(int32_t article, const uint8_t* text, size_t length, const TUserArticle* note) {
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
    // Extracts the word at p, compares it with the expected search word and answers where the
    // scan goes on: at the byte that ended the word.
    const uint8_t* CompareWord(const uint8_t* p, const uint8_t* end) {
        const TSearchTerm& term = State.SearchTerms[size_t(State.TermIndex)];
        const TLetterRoles& letters = WordLetters(Greek, term.Exact);
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
    std::string Word; // the compared word, as long as the word is
};

// The articles from First to Last whose text holds a place of the anchor, asked for in
// increasing order. The texts are passed through as one: an article's length reaches to where
// the next one begins (less the record bytes, which no word holds), so they stand one after
// another in the dictionary's memory. Each place found is given to the article it lies in; one
// that runs over an article's end belongs to none.
class TArticleCandidates {
public:
    TArticleCandidates(const TMainDictionary& dictionary, const TAnchorFinder& finder,
                       int32_t first, int32_t last, const uint8_t* textStart,
                       const uint8_t* textEnd)
        : Dictionary(dictionary), Last(last), Candidate(first - 1),
          Pass(finder, textStart, textEnd) {}

    bool Holds(int32_t article) {
        if (Candidate < article)
            Candidate = FindFrom(article);
        return Candidate == article;
    }

private:
    int32_t FindFrom(int32_t article) {
        const uint8_t* from = Dictionary.ArticleData(article);
        for (TAnchorFinder::TPlace place; (place = Pass.Next(from)).Start; from = place.Key + 1) {
            const int32_t holder = ArticleAt(place.Key, article);
            const uint8_t* text = Dictionary.ArticleData(holder);
            if (place.Start >= text && place.End <= text + Dictionary.ArticleLength(holder))
                return holder;
        }
        return Last + 1;
    }

    // The last article from From on that starts at or before p, which lies at or after the start
    // of From: steps doubling from From, then halving.
    int32_t ArticleAt(const uint8_t* p, int32_t from) const {
        int32_t low = from, step = 1;
        while (step <= Last - low && Dictionary.ArticleData(low + step) <= p) {
            low += step;
            step *= 2;
        }
        int32_t high = step <= Last - low ? low + step : Last + 1; // starts after p, or none
        while (high - low > 1) {
            const int32_t middle = low + (high - low) / 2;
            (Dictionary.ArticleData(middle) <= p ? low : high) = middle;
        }
        return low;
    }

    const TMainDictionary& Dictionary;
    const int32_t Last;
    int32_t Candidate; // the next article that holds a place; Last + 1 when none is left
    TAnchorFinder::TPass Pass;
};

} // namespace

void Search(TMainDictionary& Dictionary, TSearchSession& Session, std::string_view SearchString,
            TVkrObjectList<TWordDescriptor>& Results, bool Continue, int32_t HitLimit,
            const TSearchProgress& Progress) {
    const int32_t last = Dictionary.LastIndex();
    // Continuing after the last article (or after one past it) searches nothing.
    const int32_t first = !Continue || Session.LastFound < 0 ? 0
                          : Session.LastFound < last         ? Session.LastFound + 1
                                                             : last + 1;
    Session.LastFound = -1;
    Session.StopSearch = false;
    Session.SearchText = SearchString;
    if (!ParseSearchString(Session.State, Session.SearchText))
        throw EOrvelError("Недопустимая строка для поиска");

    const bool any = first <= last;
    const uint8_t* textStart = any ? Dictionary.ArticleData(first) : nullptr;
    const uint8_t* textEnd =
        any ? Dictionary.ArticleData(last) + Dictionary.ArticleLength(last) : nullptr;
    const TAnchorFinder finder(Session.State, textStart, textEnd);
    TArticleCandidates candidates(Dictionary, finder, first, last, textStart, textEnd);
    TTextScanner scanner(Dictionary, Session, Results, HitLimit);
    // Only the texts that hold the anchor are read; the loop still stops, reports progress and
    // attends to the notes at every article as if it read them all.
    for (int32_t i = first; i <= last && !Session.StopSearch; ++i) {
        if (candidates.Holds(i))
            scanner.Scan(i, Dictionary.ArticleData(i), size_t(Dictionary.ArticleLength(i)),
                         nullptr);
        for (const TUserArticle* note = Dictionary.NoteChain(i); note; note = note->Next()) {
            const auto* text = reinterpret_cast<const uint8_t*>(note->Text().data());
            if (finder.Occurs(text, note->Text().size()))
                scanner.Scan(i, text, note->Text().size(), note);
        }
        // A dictionary of one article is searched whole at once.
        if (i % 1000 == 0 && Progress)
            Progress(last > 0 ? int(int64_t(i) * 100 / last) : 100);
    }
    if (Results.Count() < HitLimit)
        Session.LastFound = -1;
}

} // namespace orvel
