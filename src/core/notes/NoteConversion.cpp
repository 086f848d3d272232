#include "core/notes/NoteConversion.h"

#include "core/article/ArticleCodes.h"
#include "core/article/VocabularyTables.h"
#include "core/encoding/FontNames.h"
#include "core/encoding/GreekEncoding.h"
#include "core/encoding/Utf8.h"
#include "core/notes/NoteFormat.h"
#include "core/search/SearchTextConversion.h"

#include <cstdio>
#include <vector>

namespace orvel {
namespace {

// Characters of the classes below are bytes: Windows-1251 or 1252 for "Times New Roman", glyph
// codes for the two display fonts.
constexpr uint8_t NonBreakingSpace = 0xA0;
constexpr uint8_t Ellipsis = 0x85;
constexpr uint8_t LeftGuillemet = 0xAB;
constexpr uint8_t RightGuillemet = 0xBB;
constexpr uint8_t DoubleQuote = '"';
constexpr uint8_t Apostrophe = '\'';
// The signs that stand for « » … [ ] in the article format.
constexpr uint8_t StoredLeftQuote = '<';
constexpr uint8_t StoredRightQuote = '>';
constexpr uint8_t StoredEllipsis = '#';

// Between runs of any language, written without a switch.
constexpr bool IsPunctuation(uint8_t c) {
    switch (c) {
    case ' ':
    case '!':
    case '(':
    case ')':
    case '*':
    case ',':
    case '.':
    case ':':
    case ';':
    case '?':
    case '[':
    case ']':
        return true;
    default:
        return false;
    }
}

// Kept as they are in Latin and Russian text. The degree sign is not among them: the article
// format has no place for it outside the marks of head words, and it would show as "…".
constexpr bool IsPlainSign(uint8_t c) {
    switch (c) {
    case ' ':
    case '!':
    case '%':
    case '(':
    case ')':
    case '*':
    case '+':
    case ',':
    case '-':
    case '.':
    case '/':
    case ':':
    case ';':
    case '=':
    case '?':
        return true;
    default:
        return false;
    }
}

constexpr bool IsLatinLetter(uint8_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// А to я; Ё and ё are not among them.
constexpr bool IsRussianLetter(uint8_t c) {
    return c >= 0xC0;
}

constexpr bool IsDigit(uint8_t c) {
    return c >= '0' && c <= '9';
}

// The glyph codes of Orvel000.
constexpr bool IsGreekLetter(uint8_t c) {
    return (c >= 0x22 && c <= 0x27) || c == 0x2B || c == 0x2D || (c >= 0x2F && c <= 0x39) ||
           (c >= 0x3C && c <= 0x3E) || (c >= 0x40 && c <= 0x5A) || c == 0x5C ||
           (c >= 0x5E && c <= 0x7E) || (c >= 0xA1 && c <= 0xAA) || c == 0xAC ||
           (c >= 0xAE && c <= 0xB5) || (c >= 0xB8 && c <= 0xBA) || c == 0xBC || c >= 0xBE;
}

// The glyph codes of Orvel001.
constexpr bool IsSymbolGlyph(uint8_t c) {
    return (c >= 'A' && c <= 'X') || (c >= 'a' && c <= 'z') || (c >= 0xC0 && c <= 0xF5);
}

constexpr bool IsSectionMark(uint8_t c) {
    return c == '#' || IsDigit(c);
}

// Letters of both languages, the digits of "1 л.", spaces, full stops and hyphens.
constexpr bool IsSignCharacter(uint8_t c) {
    return IsLatinLetter(c) || IsRussianLetter(c) || (c >= '1' && c <= '3') || c == ' ' ||
           c == NonBreakingSpace || c == '.' || c == '-';
}

constexpr uint8_t LanguageCode(TNoteLanguage language) {
    switch (language) {
    case TNoteLanguage::Latin:
        return CodeLatin;
    case TNoteLanguage::Russian:
        return CodeRussian;
    case TNoteLanguage::Greek:
        return CodeGreek;
    case TNoteLanguage::Symbols:
        return CodeSymbols;
    }
    return CodeGreek;
}

constexpr uint8_t StyleCode(TNoteStyle style) {
    switch (style) {
    case TNoteStyle::Normal:
        return CodeNormal;
    case TNoteStyle::Bold:
        return CodeBold;
    case TNoteStyle::Italic:
        return CodeItalic;
    }
    return CodeBold;
}

// Switches, spaces and full stops at the end of a note carry nothing.
constexpr bool IsTrailingFiller(uint8_t c) {
    return IsStyleCode(c) || IsLanguageCode(c) || c == ' ' || c == '.';
}

// «c» (U+XXXX), or the code alone for a control character.
std::string CharacterName(char32_t c) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", unsigned(c));
    if (c < 0x20)
        return code;
    std::string name = "«";
    AppendUtf8(name, c);
    return name + "» (" + code + ")";
}

class TNoteConverter {
public:
    TNoteConverter(const TCharacterReader& text, const TVocabulary& vocabulary)
        : FText(text), FVocabulary(vocabulary), FCount(text.Length()) {}

    std::string Run() {
        if (FCount <= 0)
            return {};
        ReadNextChar();
        while (!FAtEnd) {
            FAdvance = true;
            Dispatch();
            if (FAdvance && !FAtEnd)
                ReadNextChar();
        }
        while (!FOutput.empty() && IsTrailingFiller(uint8_t(FOutput.back())))
            FOutput.pop_back();
        return std::move(FOutput);
    }

private:
    [[noreturn]] void Fail(const std::string& message) const {
        throw ENoteConversionError(message, FCharPosition);
    }

    // The next position with text becomes the current character; at the end the last one read
    // stays current (and selected).
    void ReadNextChar() {
        TCharacterInfo info;
        while (FPosition < FCount) {
            info = FText.Character(FPosition);
            if (info.CodePoint != 0)
                break;
            ++FPosition;
        }
        if (FPosition >= FCount) {
            FAtEnd = true;
            return;
        }
        FCharPosition = FPosition++;
        FCodePoint = info.CodePoint;
        if (info.FontName == GreekFontName) {
            FLanguage = TNoteLanguage::Greek;
        } else if (info.FontName == SymbolFontName) {
            FLanguage = TNoteLanguage::Symbols;
        } else if (info.FontName == RussianFontName) {
            if (info.Charset == 204)
                FLanguage = TNoteLanguage::Russian;
            else if (info.Charset == 0)
                FLanguage = TNoteLanguage::Latin;
            else
                Fail(NoteCharsetError + CharsetName(info.Charset));
        } else {
            Fail(NoteFontError + info.FontName);
        }
        FStyle = NoteStyle(info.Bold, info.Italic);
        FRole = info.Color ? NoteColorRole(*info.Color) : TNoteColorRole::Plain;
        if (FCodePoint == '\r' || FCodePoint == '\n' || FCodePoint == '\v') {
            // A paragraph or line break, such as the one before a meaning's number, separates
            // like a space; it takes the colour of the text before it, yet ends an author or a
            // sign.
            FChar = ' ';
            FRole = TNoteColorRole::Plain;
            return;
        }
        const auto byte = UnicodeToCharsetByte(FCodePoint, info.FontName, info.Charset);
        if (!byte)
            RefuseCharacter();
        FChar = *byte;
    }

    [[noreturn]] void RefuseCharacter() const {
        switch (FLanguage) {
        case TNoteLanguage::Greek:
            Fail(NoteGreekCharacterError + CharacterName(FCodePoint));
        case TNoteLanguage::Symbols:
            Fail(NoteSymbolCharacterError + CharacterName(FCodePoint));
        case TNoteLanguage::Latin:
        case TNoteLanguage::Russian:
            break;
        }
        Fail(NoteCharacterError);
    }

    void Dispatch() {
        switch (FLanguage) {
        case TNoteLanguage::Greek:
            if (IsPunctuation(FChar))
                FOutput += char(FChar);
            else
                GreekWord();
            return;
        case TNoteLanguage::Symbols:
            if (IsPunctuation(FChar))
                FOutput += char(FChar);
            else
                SymbolRun();
            return;
        case TNoteLanguage::Latin:
        case TNoteLanguage::Russian:
            DispatchText();
            return;
        }
    }

    // Latin and Russian text.
    void DispatchText() {
        const uint8_t c = FChar;
        if (IsPlainSign(c)) {
            FOutput += char(c);
        } else if (c == NonBreakingSpace) {
            FOutput += ' ';
        } else if (c == '[') {
            FOutput += char(DoubleQuote);
        } else if (c == ']') {
            FOutput += char(Apostrophe);
        } else if (c == Ellipsis) {
            FOutput += char(StoredEllipsis);
        } else if (c == LeftGuillemet) {
            FOutput += char(StoredLeftQuote);
        } else if (c == RightGuillemet) {
            FOutput += char(StoredRightQuote);
        } else if (c == DoubleQuote) {
            FOutput += char(FOpenQuote ? StoredRightQuote : StoredLeftQuote);
            FOpenQuote = !FOpenQuote;
        } else if (c == '#') {
            if (FRole != TNoteColorRole::Section)
                Fail(NoteCharacterError);
            PutSection();
        } else if (IsDigit(c)) {
            Digit();
        } else if (FLanguage == TNoteLanguage::Latin) {
            LatinLetter();
        } else {
            RussianLetter();
        }
    }

    void Digit() {
        switch (FRole) {
        case TNoteColorRole::Plain:
            FlushFormat();
            FOutput += char(FChar);
            return;
        case TNoteColorRole::Author:
            Fail(NoteCharacterError);
        case TNoteColorRole::Sign:
            if (FLanguage == TNoteLanguage::Latin)
                LatinSign();
            else
                RussianSign();
            return;
        case TNoteColorRole::Section:
            PutSection();
            return;
        }
    }

    void LatinLetter() {
        if (!IsLatinLetter(FChar))
            Fail(NoteCharacterError);
        switch (FRole) {
        case TNoteColorRole::Plain:
            Word([](uint8_t c) { return IsLatinLetter(c) || c == '-'; });
            return;
        case TNoteColorRole::Author:
            Author();
            return;
        case TNoteColorRole::Sign:
            LatinSign();
            return;
        case TNoteColorRole::Section:
            PutSection();
            return;
        }
    }

    void RussianLetter() {
        if (!IsRussianLetter(FChar))
            Fail(NoteCharacterError);
        switch (FRole) {
        case TNoteColorRole::Plain:
            Word([](uint8_t c) { return IsRussianLetter(c) || c == '-'; });
            return;
        case TNoteColorRole::Author:
            // Authors are written in Latin letters: a Russian one is a mistake to point at.
            Fail(NoteAuthorCharacterError + CharacterName(FCodePoint));
        case TNoteColorRole::Sign:
            RussianSign();
            return;
        case TNoteColorRole::Section:
            PutSection();
            return;
        }
    }

    // The switch codes for the current character's language and style, written before a word
    // or a digit. An opening parenthesis just before them belongs to the new run.
    void FlushFormat() {
        std::string switches;
        if (FLanguage != FEmittedLanguage) {
            FEmittedLanguage = FLanguage;
            switches += char(LanguageCode(FLanguage));
        }
        if (FStyle != FEmittedStyle) {
            FEmittedStyle = FStyle;
            switches += char(StyleCode(FStyle));
        }
        FCurrentColor = FRole;
        if (switches.empty())
            return;
        if (!FOutput.empty() && FOutput.back() == '(') {
            FOutput.pop_back();
            FOutput += switches + '(';
        } else {
            FOutput += switches;
        }
    }

    bool FormatChanged() const {
        return FLanguage != FEmittedLanguage || FStyle != FEmittedStyle || FRole != FCurrentColor;
    }

    // The current character and those after it while they are accepted and keep the format of
    // the run; Take maps an accepted character to what is collected. Positions, when given,
    // receive the position of each character collected.
    template <typename Accept, typename Take>
    std::string Collect(Accept accept, Take take, std::vector<int>* positions = nullptr) {
        std::string collected;
        while (!FAtEnd && !FormatChanged() && accept(FChar)) {
            collected += char(take(FChar));
            if (positions)
                positions->push_back(FCharPosition);
            ReadNextChar();
        }
        FAdvance = false;
        return collected;
    }

    template <typename Accept>
    std::string Collect(Accept accept) {
        return Collect(accept, [](uint8_t c) { return c; });
    }

    template <typename Accept>
    void Word(Accept accept) {
        FlushFormat();
        FOutput += Collect(accept);
    }

    void GreekWord() {
        if (!IsGreekLetter(FChar))
            RefuseCharacter();
        FlushFormat();
        std::vector<int> positions;
        const std::string glyphs = Collect([](uint8_t c) { return IsGreekLetter(c); },
                                           [](uint8_t c) { return c; }, &positions);
        CheckGreekGlyphs(glyphs, positions);
        FOutput += FontWordToInternal(glyphs);
    }

    // Every glyph of a Greek word must give a letter: a glyph outside the layout, or a breathing
    // glyph without a capital that takes it, would otherwise vanish from the note.
    void CheckGreekGlyphs(const std::string& glyphs, const std::vector<int>& positions) {
        for (size_t i = 0; i < glyphs.size(); ++i) {
            const auto glyph = uint8_t(glyphs[i]);
            if (glyph == '-')
                continue;
            std::string letter;
            if (IsCapitalPrefixGlyph(glyph)) {
                const auto next = i + 1 < glyphs.size() ? uint8_t(glyphs[i + 1]) : uint8_t(0);
                letter = FontCapitalToInternal(glyph, next);
                if (!letter.empty())
                    ++i;
            } else {
                letter = FontCharToInternal(glyph);
            }
            if (letter.empty())
                throw ENoteConversionError(NoteGreekCharacterError + CharacterName(glyph),
                                           positions[i]);
        }
    }

    void SymbolRun() {
        if (!IsSymbolGlyph(FChar))
            RefuseCharacter();
        Word([](uint8_t c) { return IsSymbolGlyph(c); });
    }

    // An author or a sign: the emitted state is set to the one the item must have, so that a
    // character of another format ends it; the collected text must be an abbreviation of the
    // table. The state stays as set afterwards.
    template <typename Accept>
    void Reference(TVocabularyTable table, TNoteLanguage language, TNoteStyle style,
                   TNoteColorRole role, Accept accept, const char* unknown) {
        FEmittedLanguage = language;
        FEmittedStyle = style;
        FCurrentColor = role;
        const std::string collected =
            Collect(accept, [](uint8_t c) { return c == NonBreakingSpace ? uint8_t(' ') : c; });
        const int rows = TableInfo(table).Rows;
        for (int row = 0; row < rows; ++row) {
            const std::string* abbreviation = FVocabulary.Text(table, row);
            if (abbreviation && *abbreviation == collected) {
                FOutput += char(ReferenceCodeOfRow(table, row));
                FOutput += char(ReferenceIndexOfRow(row));
                return;
            }
        }
        Fail(unknown);
    }

    void Author() {
        Reference(
            TVocabularyTable::Authors, TNoteLanguage::Latin, TNoteStyle::Normal,
            TNoteColorRole::Author,
            [](uint8_t c) { return IsLatinLetter(c) || c == '.' || c == NonBreakingSpace; },
            NoteUnknownAuthor);
    }

    void LatinSign() {
        Reference(TVocabularyTable::LatinSigns, TNoteLanguage::Latin, TNoteStyle::Italic,
                  TNoteColorRole::Sign, IsSignCharacter, NoteUnknownSign);
    }

    void RussianSign() {
        Reference(TVocabularyTable::RussianSigns, TNoteLanguage::Russian, TNoteStyle::Italic,
                  TNoteColorRole::Sign, IsSignCharacter, NoteUnknownSign);
    }

    // Section marks, ")" and a space start a new meaning; its number is not stored. The main
    // loop reads past the space.
    void PutSection() {
        while (!FOutput.empty() && (FOutput.back() == ' ' || FOutput.back() == ';'))
            FOutput.pop_back();
        if (IsSectionMark(FChar)) {
            while (!FAtEnd && IsSectionMark(FChar))
                ReadNextChar();
            if (!FAtEnd && FChar == ')') {
                ReadNextChar();
                if (!FAtEnd && FChar == ' ') {
                    FOutput += char(CodeNextMeaning);
                    FEmittedLanguage = TNoteLanguage::Russian;
                    FEmittedStyle = TNoteStyle::Normal;
                    FCurrentColor = TNoteColorRole::Plain;
                    return;
                }
            }
        }
        Fail(NoteBadSection);
    }

    const TCharacterReader& FText;
    const TVocabulary& FVocabulary;
    std::string FOutput;
    int FPosition = 0;
    const int FCount;
    bool FAtEnd = false;
    // The current character: its position, code point, byte and what its attributes mean.
    int FCharPosition = 0;
    char32_t FCodePoint = 0;
    uint8_t FChar = 0;
    TNoteLanguage FLanguage = TNoteLanguage::Greek;
    TNoteStyle FStyle = TNoteStyle::Bold;
    TNoteColorRole FRole = TNoteColorRole::Plain;
    // What the output is in: a note starts in Greek bold.
    TNoteLanguage FEmittedLanguage = TNoteLanguage::Greek;
    TNoteStyle FEmittedStyle = TNoteStyle::Bold;
    TNoteColorRole FCurrentColor = TNoteColorRole::Plain;
    bool FAdvance = true;
    bool FOpenQuote = false;
};

} // namespace

std::string ConvertToNote(const TCharacterReader& text, const TVocabulary& vocabulary) {
    return TNoteConverter(text, vocabulary).Run();
}

} // namespace orvel
