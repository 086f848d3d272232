// A stored note shown for editing and saved again unchanged gives the same bytes: rendered to
// RTF, read back by the RTF reader, converted. Checked on random notes of every kind of content.
#include "core/article/ArticleCodes.h"
#include "core/article/ArticleRenderer.h"
#include "core/article/RtfCharacterReader.h"
#include "core/article/VocabularyTables.h"
#include "core/encoding/GreekEncoding.h"
#include "core/notes/NoteConversion.h"
#include "core/notes/NoteFormat.h"
#include "core/settings/Preference.h"

#include <gtest/gtest.h>
#include <random>

namespace orvel {
namespace {

// The note converted back from its RTF, or the refusal with its position.
std::string Convert(const std::string& rtf) {
    try {
        return ConvertToNote(TRtfCharacterReader(rtf), TVocabulary::BuiltIn());
    } catch (const ENoteConversionError& error) {
        return std::to_string(error.Position()) + ": " + error.what();
    }
}

// Random notes in the form the conversion writes: tokens apart by stored spaces, switch codes
// only where the language or style changes, nothing at the end that the conversion drops.
class TNoteGenerator {
public:
    explicit TNoteGenerator(unsigned seed) : FRandom(seed) {
        for (const auto table : {TVocabularyTable::Authors, TVocabularyTable::RussianSigns,
                                 TVocabularyTable::LatinSigns})
            FRows[size_t(table)] = ConvertibleRows(table);
    }

    std::string Note() {
        FNote.clear();
        FLanguage = TNoteLanguage::Greek;
        FStyle = TNoteStyle::Bold;
        const int tokens = 1 + Pick(30);
        bool spaceDue = false;
        for (int i = 0; i < tokens; ++i) {
            if (Pick(12) == 0) {
                Section();
                spaceDue = false;
                continue;
            }
            if (spaceDue)
                FNote += ' ';
            Token();
            spaceDue = true;
        }
        while (!FNote.empty() &&
               (IsStyleCode(uint8_t(FNote.back())) || IsLanguageCode(uint8_t(FNote.back())) ||
                FNote.back() == ' ' || FNote.back() == '.'))
            FNote.pop_back();
        return FNote;
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(FRandom); }

    // Rows whose abbreviation is not an earlier row's: the conversion finds the first.
    static std::vector<int> ConvertibleRows(TVocabularyTable table) {
        const TVocabulary& vocabulary = TVocabulary::BuiltIn();
        std::vector<int> rows;
        for (int row = 0; row < TableInfo(table).Rows; ++row) {
            bool first = true;
            for (int earlier = 0; earlier < row; ++earlier)
                first = first && *vocabulary.Text(table, earlier) != *vocabulary.Text(table, row);
            if (first)
                rows.push_back(row);
        }
        return rows;
    }

    void Switch(TNoteLanguage language, TNoteStyle style) {
        static constexpr uint8_t LanguageCodes[] = {CodeLatin, CodeRussian, CodeGreek, CodeSymbols};
        static constexpr uint8_t StyleCodes[] = {CodeNormal, CodeBold, CodeItalic};
        if (language != FLanguage)
            FNote += char(LanguageCodes[int(language)]);
        if (style != FStyle)
            FNote += char(StyleCodes[int(style)]);
        FLanguage = language;
        FStyle = style;
    }

    void Token() {
        switch (Pick(8)) {
        case 0:
            return Reference(TVocabularyTable::Authors, TNoteLanguage::Latin, TNoteStyle::Normal);
        case 1:
            return Reference(TVocabularyTable::RussianSigns, TNoteLanguage::Russian,
                             TNoteStyle::Italic);
        case 2:
            return Reference(TVocabularyTable::LatinSigns, TNoteLanguage::Latin,
                             TNoteStyle::Italic);
        case 3: {
            const bool guillemets = Pick(2);
            FNote += guillemets ? '<' : '"';
            Word();
            FNote += guillemets ? '>' : '\'';
            return;
        }
        case 4:
            FNote += '#';
            return;
        case 5:
            Switch(TNoteLanguage(Pick(2)), TNoteStyle(Pick(3)));
            FNote += std::to_string(Pick(2000));
            return;
        default:
            Word();
        }
    }

    void Reference(TVocabularyTable table, TNoteLanguage language, TNoteStyle style) {
        const std::vector<int>& rows = FRows[size_t(table)];
        const int row = rows[size_t(Pick(int(rows.size())))];
        FNote += char(ReferenceCodeOfRow(table, row));
        FNote += char(ReferenceIndexOfRow(row));
        FLanguage = language;
        FStyle = style;
    }

    // A word of a random language and style, perhaps in parentheses, perhaps followed by a sign.
    void Word() {
        Switch(TNoteLanguage(Pick(4)), TNoteStyle(Pick(3)));
        const bool parenthesis = FLanguage != TNoteLanguage::Symbols && Pick(6) == 0;
        if (parenthesis)
            FNote += '(';
        Letters();
        if (FLanguage != TNoteLanguage::Symbols && Pick(3) == 0) {
            FNote += '-';
            Letters();
        }
        if (parenthesis)
            FNote += ')';
        else if (Pick(3) == 0)
            FNote += ",;:!?."[Pick(6)];
    }

    void Letters() {
        const int length = 2 + Pick(7);
        for (int i = 0; i < length; ++i) {
            switch (FLanguage) {
            case TNoteLanguage::Latin:
                FNote += char(Pick(2) ? 'a' + Pick(26) : 'A' + Pick(26));
                break;
            case TNoteLanguage::Russian:
                FNote += char(0xC0 + Pick(64));
                break;
            case TNoteLanguage::Greek:
                GreekLetter();
                break;
            case TNoteLanguage::Symbols: {
                const int glyph = Pick(24 + 26 + 54);
                FNote += char(glyph < 24   ? 'A' + glyph
                              : glyph < 50 ? 'a' + glyph - 24
                                           : 0xC0 + glyph - 50);
                break;
            }
            }
        }
    }

    // A letter with a random diacritic, in the form the display layout gives back.
    void GreekLetter() {
        for (;;) {
            const int letter = Pick(51);
            const auto l = uint8_t(letter < 26 ? 'a' + letter : 'A' + letter - 26);
            const auto d = Pick(2) ? uint8_t(0) : uint8_t(kDiacriticFirst + Pick(29));
            const std::string internal = FontWordToInternal(GreekLetterToFont(d, l));
            if (!internal.empty()) {
                FNote += internal;
                return;
            }
        }
    }

    void Section() {
        while (!FNote.empty() && (FNote.back() == ' ' || FNote.back() == ';'))
            FNote.pop_back();
        FNote += char(CodeNextMeaning);
        FLanguage = TNoteLanguage::Russian;
        FStyle = TNoteStyle::Normal;
    }

    std::mt19937 FRandom;
    std::vector<int> FRows[VocabularyTableCount];
    std::string FNote;
    TNoteLanguage FLanguage = TNoteLanguage::Greek;
    TNoteStyle FStyle = TNoteStyle::Bold;
};

TEST(NoteRoundTrip, RandomNotesConvertBackToTheirBytes) {
    TNoteGenerator generator(20240611);
    const TPreference preference;
    for (int i = 0; i < 500; ++i) {
        const std::string note = generator.Note();
        const std::string rtf = RenderNoteForEditing(note, preference, TVocabulary::BuiltIn());
        ASSERT_EQ(::testing::PrintToString(Convert(rtf)), ::testing::PrintToString(note))
            << "note " << i;
    }
}

TEST(NoteRoundTrip, NotesAreRenderedForEditingInTheReservedColours) {
    // Russian normal дом, an author, a section, signs with and without an explanation.
    const std::string note = "\x07\x03\xE4\xEE\xEC \x81\x67\x0A\x82\x40 \x82\x7F \x83\x40";
    TPreference preference;
    preference.TextAuthorColor = 0x0000FF;
    preference.TextSignColor = 0x00FFFF;
    preference.TextEnumColor = 0x00FF00;
    const TVocabulary& vocabulary = TVocabulary::BuiltIn();
    EXPECT_NE(Convert(RenderArticle(note, preference, vocabulary)), note);
    EXPECT_NE(Convert(RenderArticle(note, TPreference(), vocabulary)), note);
    EXPECT_EQ(Convert(RenderNoteForEditing(note, preference, vocabulary)), note);
}

TEST(RtfCharacterReader, PositionsAreThoseOfTheEditor) {
    const TRtfCharacterReader reader(std::string_view(
        "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset204{\\*\\fname "
        "Times New Roman;}Times New Roman Cyr;}}{\\colortbl ;\\red0\\green0\\blue128;}"
        "\\f0\\b a\\u-10239?\\u-9216?\\par\\f1\\b0\\i\\cf1 \\'e0\\line b\\par}"));
    ASSERT_EQ(reader.Length(), 7);
    EXPECT_EQ(reader.Character(1).CodePoint, U'\U00010400'); // one character, two positions
    EXPECT_EQ(reader.Character(2).CodePoint, 0xDC00u);
    const TCharacterInfo paragraph = reader.Character(3);
    EXPECT_EQ(paragraph.CodePoint, U'\r');
    EXPECT_EQ(paragraph.FontName, "Arial"); // a break takes the format of the text before it
    EXPECT_TRUE(paragraph.Bold);
    const TCharacterInfo cyrillic = reader.Character(4);
    EXPECT_EQ(cyrillic.CodePoint, U'а');
    EXPECT_EQ(cyrillic.FontName, "Times New Roman");
    EXPECT_EQ(cyrillic.Charset, 204);
    EXPECT_TRUE(cyrillic.Italic && !cyrillic.Bold);
    EXPECT_EQ(cyrillic.Color, NoteAuthorColor);
    EXPECT_EQ(reader.Character(5).CodePoint, U'\v');
    EXPECT_EQ(reader.Character(6).CodePoint, U'b');
}

} // namespace
} // namespace orvel
