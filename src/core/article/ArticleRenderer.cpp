#include "core/article/ArticleRenderer.h"

#include "core/article/ArticleBytes.h"
#include "core/article/RtfText.h"
#include "core/article/VocabularyTables.h"
#include "core/encoding/GreekEncoding.h"
#include "core/settings/Preference.h"

#include <array>

namespace orvel {

namespace {

enum TFont { FontLatin = 0, FontRussian = 1, FontGreek = 2, FontSymbols = 3 };
enum TStyle { StyleNormal = 0, StyleBold = 1, StyleItalic = 2 };

// The mark shows as "¶" in Windows-1251.
constexpr uint8_t ShownMark = 0xB6;

bool IsDigit(uint8_t c) {
    return c >= '0' && c <= '9';
}

class TArticleRenderer {
public:
    TArticleRenderer(std::string_view text, const TPreference& preference,
                     const TVocabulary& vocabulary, bool colorEverySign)
        : Text(text), Preference(preference), Vocabulary(vocabulary),
          NormalSize(RtfNormalSize(preference)), AuthorSize(RtfAuthorSize(preference)),
          ColorEverySign(colorEverySign) {}

    std::string Render() {
        Out.reserve(1024 + 8 * Text.size());
        Raw(std::string("{\\rtf1\\ansi\\ansicpg1251\\deff1\\deflang1049\\deflangfe1049") +
            RtfFontTable + "\r\n{\\colortbl ;" + RtfColorEntry(Preference.TextSignColor) +
            RtfColorEntry(Preference.TextAuthorColor) + RtfColorEntry(Preference.TextEnumColor) +
            "}\r\n\\uc1\\pard\\plain\\ulnone\\cf0\\lang1033\\f2" + NormalSize + "\\b");
        StoreHeadWordLetters();
        while (Position < Text.size())
            Dispatch(Byte(Position++));
        if (LastCharacter != '!' && LastCharacter != '.' && LastCharacter != ';' &&
            LastCharacter != '?')
            PunctuationWrite('.');
        SetFontAndStyle(FontLatin, StyleNormal);
        Raw("\\par\r\n}\r\n");
        Out += '\0';
        return std::move(Out);
    }

private:
    uint8_t Byte(size_t i) const { return uint8_t(Text[i]); }

    // --- writers

    void Raw(std::string_view s) {
        Out += s;
        ControlWordOpen = true;
    }

    void Character(uint8_t c) {
        AppendRtfCharacter(Out, c, ControlWordOpen);
        LastCharacter = c;
    }

    void TextWrite(std::string_view s) {
        for (char c : s)
            Character(uint8_t(c));
    }

    void NonBreakingTextWrite(std::string_view s) {
        for (char c : s)
            Character(c == ' ' ? 0xA0 : uint8_t(c));
    }

    void FlushSpace() {
        if (PendingSpace) {
            Character(' ');
            PendingSpace = false;
        }
    }

    void SetFont(int font) {
        if (font == Font)
            return;
        Font = font;
        int languageId = font == FontRussian ? 1049 : 1033;
        if (languageId != LanguageId) {
            LanguageId = languageId;
            Raw(languageId == 1049 ? "\\lang1049" : "\\lang1033");
        }
        static const char* const switches[] = {"\\f0", "\\f1", "\\f2", "\\f3"};
        Raw(switches[font]);
    }

    void SetStyle(int style) {
        if (style == Style)
            return;
        static const char* const transitions[3][3] = {
            {"", "\\b", "\\i"}, {"\\b0", "", "\\b0\\i"}, {"\\i0", "\\i0\\b", ""}};
        Raw(transitions[Style][style]);
        Style = style;
    }

    void SetFontAndStyle(int font, int style) {
        SetFont(font);
        SetStyle(style);
    }

    void PunctuationWrite(uint8_t c) {
        if ((c == ' ' || c == ',' || c == '-' || c == '.') && Font != FontSymbols) {
            Character(c);
            return;
        }
        int font = Font, style = Style;
        SetFontAndStyle(FontLatin, StyleNormal);
        Character(c);
        SetFontAndStyle(font, style);
    }

    void GreekLetterWrite(uint8_t diacritic, uint8_t letter) {
        uint8_t glyphs[2];
        const size_t count = GreekLetterToFont(diacritic, letter, glyphs);
        for (size_t i = 0; i < count; ++i)
            Character(glyphs[i]);
    }

    // A Greek word or table string: marks, brackets and dots as they are, a diacritic code
    // together with its letter, any other byte as a bare letter.
    void GreekWrite(std::string_view s) {
        for (size_t i = 0; i < s.size(); ++i) {
            uint8_t c = uint8_t(s[i]);
            if (c == CodeMark)
                Character(ShownMark);
            else if (c == '(' || c == ')' || c == '-' || c == '.')
                Character(c);
            else if (IsDiacriticCode(c)) {
                uint8_t letter = i + 1 < s.size() ? uint8_t(s[++i]) : 0;
                GreekLetterWrite(c, letter);
            } else
                GreekLetterWrite(0, c);
        }
    }

    // --- the text

    // The first two letters of the head word (after an article mark and the mark byte), for the
    // head-word abbreviations.
    void StoreHeadWordLetters() {
        const size_t length = Text.size();
        size_t p = 1; // 1-based positions
        auto at = [this](size_t position) { return Byte(position - 1); };
        if (p < length && at(1) == CodeArticleMark)
            p = 3;
        if (p < length && at(p) == CodeMark)
            ++p;
        for (int k = 0; k < 2 && p < length; ++k) {
            if (at(p) >= kDiacriticFirst)
                HeadLetters[size_t(2 * k)] = at(p++);
            HeadLetters[size_t(2 * k + 1)] = at(p++);
        }
    }

    void Dispatch(uint8_t b) {
        if (IsStyleCode(b)) {
            SetStyle(b - CodeNormal);
        } else if (IsLanguageCode(b)) {
            SetFont(b - CodeLatin);
        } else if (IsMeaningCode(b)) {
            NextMeaning(b);
        } else if (IsHeadAbbreviationCode(b)) {
            FlushSpace();
            SetFontAndStyle(FontGreek, StyleNormal);
            GreekLetterWrite(HeadLetters[0], HeadLetters[1]);
            if (b == CodeHeadTwoLetters)
                GreekLetterWrite(HeadLetters[2], HeadLetters[3]);
            Character('.');
            PendingSpace = true;
        } else if (IsRussianFixedWordCode(b)) {
            FlushSpace();
            SetFontAndStyle(FontRussian, StyleItalic);
            TextWrite(b == CodeAnd  ? "\xE8"
                      : b == CodeOr ? "\xE8\xEB\xE8"
                      : b == CodeTo ? "\xEA"
                                    : "\xE2");
            PendingSpace = true;
        } else if (IsGreekArticleCode(b)) {
            FlushSpace();
            SetFontAndStyle(FontGreek, StyleNormal);
            GreekLetterWrite(0xC4, b == CodeHo ? 'o' : 'g');
            PendingSpace = true;
        } else if (const TPunctuationSign sign = PunctuationSign(b); sign.Shown) {
            if (sign.SpaceBefore)
                FlushSpace();
            PunctuationWrite(sign.Shown);
            PendingSpace = sign.SpaceAfter;
        } else if (IsArticleLetter(b) && Font == FontSymbols) {
            SymbolWord();
        } else if (StartsArticleWord(b)) {
            Word();
        } else if (IsReferenceCode(b)) {
            uint8_t index = Position < Text.size() ? Byte(Position++) : ReferenceIndexBase;
            Reference(b, index);
        } else {
            PunctuationWrite('#');
        }
    }

    void NextMeaning(uint8_t code) {
        switch (code) {
        case CodeNextMeaning:
            ++Counters[size_t(Level)];
            break;
        case CodeDeeperMeaning:
            Level = Level < 2 ? Level + 1 : 2;
            Counters[size_t(Level)] = 1;
            break;
        case CodeUpperMeaning:
            if (Level > 0)
                --Level;
            ++Counters[size_t(Level)];
            break;
        default: // CodeTopMeaning
            if (Level == 2)
                Level = 0;
            ++Counters[size_t(Level)];
            break;
        }
        SetFontAndStyle(FontRussian, StyleNormal);
        if (LastCharacter != ':' && !(Level == 0 && Counters[0] == 1))
            PunctuationWrite(';');
        Raw("\\par\r\n\\cf3");
        Character(' ');
        for (int i = 0; i <= Level; ++i) {
            if (i > 0)
                Character('.');
            TextWrite(std::to_string(Counters[size_t(i)]));
        }
        TextWrite(") ");
        Raw("\\cf0");
        PendingSpace = false;
    }

    // Collects the word that starts at the byte just read.
    std::string CollectWord() {
        std::string word;
        size_t start = Position - 1;
        for (size_t i = start; i < Text.size() && (i == start || ContinuesArticleWord(Byte(i)));
             ++i) {
            uint8_t c = Byte(i);
            word += char(c == '[' ? '(' : c == ']' ? ')' : c == '_' ? ' ' : c);
        }
        Position = start + word.size();
        return word;
    }

    void Word() {
        std::string word = CollectWord();
        FlushSpace();
        uint8_t first = uint8_t(word[0]);
        switch (Font) {
        case FontLatin:
            TextWrite(word);
            break;
        case FontRussian:
            for (char c : word)
                Character(uint8_t(c) == CodeMark ? ShownMark : uint8_t(c));
            break;
        case FontGreek:
            if (IsDigit(first)) {
                SetFont(FontLatin);
                TextWrite(word);
                SetFont(FontGreek);
            } else {
                GreekWrite(word);
            }
            break;
        default: // symbols: only numbers are written here
            if (first == '-' || IsDigit(first)) {
                SetFont(FontLatin);
                TextWrite(word);
                SetFont(FontSymbols);
            }
            break;
        }
        PendingSpace = true;
    }

    void SymbolWord() {
        size_t start = Position - 1;
        while (Position < Text.size() && IsArticleLetter(Byte(Position)))
            ++Position;
        std::string_view word = Text.substr(start, Position - start);
        if (word != "B")
            FlushSpace();
        TextWrite(word);
        PendingSpace = word != "A";
    }

    void Reference(uint8_t code, uint8_t index) {
        const TVocabularyTable table = ReferenceCodeTable(code);
        const int row = ReferenceCodeRow(code, index);
        const TVocabularyRow* entry = row < 0 ? nullptr : Vocabulary.Row(table, row);
        const std::string* text = entry && entry->Text ? &*entry->Text : nullptr;
        switch (table) {
        case TVocabularyTable::ArticleMarks:
            if (!entry || !entry->Explanation)
                return;
            SetFont(FontLatin);
            Out += *entry->Explanation;
            PendingSpace = false;
            SetFont(FontGreek);
            break;
        case TVocabularyTable::Authors:
            SetFontAndStyle(FontLatin, StyleNormal);
            if (text) {
                FlushSpace();
                Raw("\\cf2");
                Raw(AuthorSize);
                NonBreakingTextWrite(*text);
                Raw(NormalSize);
                Raw("\\cf0");
                PendingSpace = true;
            }
            break;
        case TVocabularyTable::RussianSigns:
        case TVocabularyTable::LatinSigns:
            SetFontAndStyle(table == TVocabularyTable::RussianSigns ? FontRussian : FontLatin,
                            StyleItalic);
            if (text) {
                FlushSpace();
                bool explained =
                    ColorEverySign || (entry->Explanation && !entry->Explanation->empty());
                if (explained)
                    Raw("\\cf1");
                NonBreakingTextWrite(*text);
                if (explained)
                    Raw("\\cf0");
                PendingSpace = true;
            }
            break;
        case TVocabularyTable::IndefinitePhrases:
        case TVocabularyTable::RussianWords:
            SetFontAndStyle(FontRussian, table == TVocabularyTable::IndefinitePhrases
                                             ? StyleNormal
                                             : StyleItalic);
            if (text) {
                FlushSpace();
                TextWrite(*text);
                PendingSpace = true;
            }
            break;
        case TVocabularyTable::GreekEndings:
            SetFontAndStyle(FontGreek, StyleBold);
            if (text) {
                TextWrite(", ");
                GreekWrite(*text);
                PendingSpace = true;
            }
            break;
        case TVocabularyTable::VowelQuantities:
            SetFontAndStyle(FontGreek, StyleNormal);
            if (text) {
                FlushSpace();
                PunctuationWrite('(');
                GreekWrite(*text);
                PunctuationWrite(')');
                PendingSpace = true;
            }
            break;
        }
    }

    std::string_view Text;
    const TPreference& Preference;
    const TVocabulary& Vocabulary;
    const std::string NormalSize;
    const std::string AuthorSize;
    const bool ColorEverySign; // a note being edited: signs are known by their colour

    std::string Out;
    bool ControlWordOpen = true;
    uint8_t LastCharacter = 0;
    bool PendingSpace = false;
    int Font = FontGreek;
    int LanguageId = 1033;
    int Style = StyleBold;
    int Level = 0;
    std::array<int, 3> Counters{};
    std::array<uint8_t, 4> HeadLetters{};
    size_t Position = 0; // 0-based read position
};

} // namespace

std::string RenderArticle(std::string_view Text, const TPreference& Preference,
                          const TVocabulary& Vocabulary) {
    return TArticleRenderer(Text, Preference, Vocabulary, false).Render();
}

std::string RenderArticle(std::string_view Text, const TPreference& Preference,
                          const TVocabulary& Vocabulary, bool ColorEverySign) {
    return TArticleRenderer(Text, Preference, Vocabulary, ColorEverySign).Render();
}

} // namespace orvel
