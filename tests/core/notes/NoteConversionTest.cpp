#include "core/notes/NoteConversion.h"

#include "core/article/VocabularyTables.h"
#include "core/dictionary/UserDictionary.h"
#include "core/encoding/Windows1251.h"
#include "core/notes/NoteSave.h"
#include "core/notes/NoteTestText.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

using testing::TNoteText;
constexpr auto Normal = TNoteStyle::Normal;
constexpr auto Bold = TNoteStyle::Bold;

std::string Convert(const TCharacterReader& text) {
    return ConvertToNote(text, TVocabulary::BuiltIn());
}

// Russian text as stored.
std::string R(std::string_view utf8) {
    return Utf8ToCp1251(utf8);
}

// λογος typed in the display layout, and as stored.
const char* const Logos = "logo~";
const char* const LogosStored = "kocor";

void ExpectRefused(const TCharacterReader& text, const std::string& message, int position) {
    try {
        const std::string note = Convert(text);
        ADD_FAILURE() << "converted to " << ::testing::PrintToString(note);
    } catch (const ENoteConversionError& error) {
        EXPECT_EQ(error.what(), message);
        EXPECT_EQ(error.Position(), position);
    }
}

TEST(NoteConversion, RunsGetSwitchCodesOnlyWhereTheFormatChanges) {
    EXPECT_EQ(Convert(TNoteText().Greek(Logos)), LogosStored);
    // The note starts in Greek bold: Russian normal needs both codes, Latin only its language.
    EXPECT_EQ(Convert(TNoteText().Russian("слово ").Latin("word")),
              "\x07\x03" + R("слово") + " \x06word");
    // An opening parenthesis typed before the switch belongs to the new run.
    EXPECT_EQ(Convert(TNoteText().Russian("слово (").Latin("word")),
              "\x07\x03" + R("слово") + " \x06(word");
    // Punctuation typed in the next run causes no switch before it.
    EXPECT_EQ(Convert(TNoteText().Russian("слово").Latin(", word")),
              "\x07\x03" + R("слово") + ", \x06word");
    EXPECT_EQ(Convert(TNoteText().Russian("дом", Bold).Russian(" 12 и-или", TNoteStyle::Italic)),
              R("\x07дом \x05"
                "12 и-или"));
}

TEST(NoteConversion, QuotesBracketsAndSpacesTakeTheirStoredSigns) {
    EXPECT_EQ(Convert(TNoteText().Russian("«да» \"нет\" … [а]\u00A0б")),
              "<\x07\x03" + R("да") + "> <" + R("нет") + "> # \"" + R("а") + "' " + R("б"));
    EXPECT_EQ(Convert(TNoteText().Greek("[logo~]")), std::string("[") + LogosStored + "]");
    EXPECT_EQ(Convert(TNoteText().Latin("a % b + c = d / e * f: g!")), "\x06\x03"
                                                                       "a % b + c = d / e * f: g!");
}

TEST(NoteConversion, SectionsDropTheirNumberAndWhatPrecedesIt) {
    const std::string expected = "\x07\x03" + R("слово") + "\x0A" + R("дом");
    EXPECT_EQ(
        Convert(
            TNoteText().Russian("слово; ").Latin("1) ", Normal, NoteSectionColor).Russian("дом")),
        expected);
    EXPECT_EQ(Convert(TNoteText().Russian("слово; ").Separator().Russian("дом")), expected);
    EXPECT_EQ(
        Convert(
            TNoteText().Russian("слово ").Russian("12) ", Normal, NoteSectionColor).Russian("дом")),
        expected);
    // The break before a rendered meaning number reads as a space.
    EXPECT_EQ(Convert(TNoteText()
                          .Russian("слово;\r")
                          .Russian(" 2) ", Normal, NoteSectionColor)
                          .Russian("дом")),
              expected);
}

TEST(NoteConversion, AuthorsAreRecognisedByColourAndFormat) {
    EXPECT_EQ(Convert(TNoteText().Author("Plat.")), "\x81\x67");
    // After an author the output is Latin normal.
    EXPECT_EQ(Convert(TNoteText().Author("Plat.").Russian(" дом")), "\x81\x67 \x07" + R("дом"));
    // Multi-word authors are inserted with non-breaking spaces.
    EXPECT_EQ(Convert(TNoteText().Author("Diog.\u00A0L.")), "\x81\x51");
    EXPECT_EQ(Convert(TNoteText().Author("Diog.\u00A0Sinopensis")), "\x81\xAC");
    // The same name in another colour is plain text; in bold it is no author.
    EXPECT_EQ(Convert(TNoteText().Russian("а ").Latin("Plat.")), "\x07\x03" + R("а") + " \x06Plat");
    ExpectRefused(TNoteText().Latin("Plat.", Bold, NoteAuthorColor), NoteUnknownAuthor, 0);
    ExpectRefused(TNoteText().Author("Diog. L."), NoteUnknownAuthor, 5);
    ExpectRefused(TNoteText().Author("Platon").Russian(" да"), NoteUnknownAuthor, 6);
    ExpectRefused(TNoteText().Author("1"), NoteCharacterError, 0);
    ExpectRefused(TNoteText().Russian("Платон", Normal, NoteAuthorColor),
                  std::string(NoteAuthorCharacterError) + "«П» (U+041F)", 0);
}

TEST(NoteConversion, SignsAreRecognisedByColourItalicAndLanguage) {
    EXPECT_EQ(Convert(TNoteText().RussianSign("т. е.")), "\x82\x7F");
    EXPECT_EQ(Convert(TNoteText().LatinSign("adj. verb.")), "\x83\x42");
    EXPECT_EQ(Convert(TNoteText().RussianSign("1 л.").Russian(" дом", TNoteStyle::Italic)),
              "\x82\x5C " + R("дом"));
    ExpectRefused(TNoteText().Russian("см.", Normal, NoteSignColor), NoteUnknownSign, 0);
    ExpectRefused(TNoteText().LatinSign("т. е."), NoteCharacterError, 0);
    ExpectRefused(TNoteText().Russian("а ").LatinSign("xyz."), NoteUnknownSign, 5);
}

TEST(NoteConversion, TheEndOfANoteLosesFullStopsSpacesAndSwitches) {
    const std::string expected = "\x07\x03" + R("дом");
    EXPECT_EQ(Convert(TNoteText().Russian("дом.")), expected);
    EXPECT_EQ(Convert(TNoteText().Russian("дом. ")), expected);
    EXPECT_EQ(Convert(TNoteText().Russian("дом").Latin(" .")), expected);
    EXPECT_EQ(Convert(TNoteText()), "");
    EXPECT_EQ(Convert(TNoteText().Object().Russian(" . ").Object()), "");
}

TEST(NoteConversion, AWholeNoteRunByRun) {
    const auto text = TNoteText()
                          .Greek(Logos)
                          .Russian(" слово, ")
                          .Author("Plat.")
                          .Russian(" ")
                          .Separator()
                          .Russian("дом.");
    EXPECT_EQ(Convert(text),
              std::string(LogosStored) + " \x07\x03" + R("слово") + ", \x81\x67\x0A" + R("дом"));
}

TEST(NoteConversion, GreekAndSymbolRunsTakeOnlyTheirGlyphs) {
    EXPECT_EQ(Convert(TNoteText().Greek("{A-a").Symbols(" ab\xC0")), "\xC4"
                                                                     "A-a \x09\x03"
                                                                     "ab\xC0");
    ExpectRefused(TNoteText().Greek("a\tb"), std::string(NoteGreekCharacterError) + "U+0009", 1);
    // A breathing glyph before a consonant would vanish with it.
    ExpectRefused(TNoteText().Greek("a{b"), std::string(NoteGreekCharacterError) + "«{» (U+007B)",
                  1);
    ExpectRefused(TNoteText().Run(GreekFontName, 0, "α"),
                  std::string(NoteGreekCharacterError) + "«α» (U+03B1)", 0);
    ExpectRefused(TNoteText().Symbols("abY"),
                  std::string(NoteSymbolCharacterError) + "«Y» (U+0059)", 2);
}

TEST(NoteConversion, ErrorsNameTheCauseAndTheCharacterToSelect) {
    ExpectRefused(TNoteText().Russian("аб").Run("Arial", 204, "в"),
                  std::string(NoteFontError) + "Arial", 2);
    ExpectRefused(TNoteText().Latin("ab").Run(RussianFontName, 161, "c"),
                  std::string(NoteCharsetError) + "Greek", 2);
    ExpectRefused(TNoteText().Russian("дуб Ёж"), NoteCharacterError, 4);
    ExpectRefused(TNoteText().Russian("ёж"), NoteCharacterError, 0);
    ExpectRefused(TNoteText().Russian("а #"), NoteCharacterError, 2);
    ExpectRefused(TNoteText().Latin("a\tb"), NoteCharacterError, 1);
    ExpectRefused(TNoteText().Latin("caf\u00E9"), NoteCharacterError, 3);
    // The degree sign would be stored as a byte that shows as "…".
    ExpectRefused(TNoteText().Russian("5°"), NoteCharacterError, 1);
    ExpectRefused(TNoteText().Latin("a").Latin("b", Normal, NoteSectionColor), NoteBadSection, 1);
    ExpectRefused(TNoteText().Russian("а").Latin("1x", Normal, NoteSectionColor), NoteBadSection,
                  2);
    // At the end the last character read stays selected.
    ExpectRefused(TNoteText().Russian("а").Latin("1)", Normal, NoteSectionColor), NoteBadSection,
                  2);
}

class NoteSaveTest : public ::testing::Test {
protected:
    NoteSaveTest() : notes("/nonexistent", "n", true), note(TUserArticle::Create(notes, 5)) {
        note->SetText("kocor");
        notes.Modified = false;
    }

    TUserDictionary notes;
    TUserArticle* note;
};

TEST_F(NoteSaveTest, ASavedTextReplacesTheNotesText) {
    const TNoteSaveResult result =
        SaveNoteText(*note, TNoteText().Russian("дом."), TVocabulary::BuiltIn());
    EXPECT_TRUE(result.Saved);
    EXPECT_FALSE(result.NoteEmptied);
    EXPECT_EQ(result.Message, NoteSavedMessage);
    EXPECT_EQ(note->Text(), "\x07\x03" + R("дом"));
    EXPECT_TRUE(notes.Modified);
}

TEST_F(NoteSaveTest, AnEmptyTextEmptiesTheNote) {
    TNoteSaveResult result = SaveNoteText(*note, TNoteText(), TVocabulary::BuiltIn());
    EXPECT_TRUE(result.Saved && result.NoteEmptied);
    EXPECT_EQ(result.Message, NoteDeletedMessage);
    EXPECT_EQ(note->Text(), "");

    note->SetText("kocor");
    result = SaveNoteText(*note, TNoteText().Russian(" . "), TVocabulary::BuiltIn());
    EXPECT_TRUE(result.Saved && result.NoteEmptied);
    EXPECT_EQ(result.Message, NoteSavedMessage);
}

TEST_F(NoteSaveTest, ARefusedTextLeavesTheNoteAndSelectsTheCharacter) {
    const TNoteSaveResult result =
        SaveNoteText(*note, TNoteText().Russian("дуб Ёж"), TVocabulary::BuiltIn());
    EXPECT_FALSE(result.Saved);
    EXPECT_EQ(result.Message, NoteCharacterError);
    EXPECT_EQ(result.SelectionStart, 4);
    EXPECT_EQ(result.SelectionLength, 1);
    EXPECT_EQ(note->Text(), "kocor");
    EXPECT_FALSE(notes.Modified);
}

} // namespace
} // namespace orvel
