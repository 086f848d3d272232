#include "core/appmodel/InputMode.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

TEST(InputModeTest, RussianKeyboardFollowsTheStandardLayout) {
    // Every row of the keyboard, unshifted and shifted.
    EXPECT_EQ(MapTypedText(U"`qwertyuiop[]", TInputMode::Russian), U"ёйцукенгшщзхъ");
    EXPECT_EQ(MapTypedText(U"asdfghjkl;'", TInputMode::Russian), U"фывапролджэ");
    EXPECT_EQ(MapTypedText(U"zxcvbnm,./", TInputMode::Russian), U"ячсмитьбю.");
    EXPECT_EQ(MapTypedText(U"~QWERTYUIOP{}", TInputMode::Russian), U"ЁЙЦУКЕНГШЩЗХЪ");
    EXPECT_EQ(MapTypedText(U"ASDFGHJKL:\"", TInputMode::Russian), U"ФЫВАПРОЛДЖЭ");
    EXPECT_EQ(MapTypedText(U"ZXCVBNM<>?", TInputMode::Russian), U"ЯЧСМИТЬБЮ,");
    EXPECT_EQ(MapTypedText(U"1!2@3#4$5%6^7&8*9(0)-_=+\\|", TInputMode::Russian),
              U"1!2\"3№4;5%6:7?8*9(0)-_=+\\/");
}

TEST(InputModeTest, EverythingElsePassesUnchanged) {
    // Cyrillic from a Russian system layout, spaces, Greek and Latin-1 letters.
    EXPECT_EQ(MapTypedText(U"Слово ёЁ", TInputMode::Russian), U"Слово ёЁ");
    EXPECT_EQ(MapTypedText(U"λόγος é", TInputMode::Russian), U"λόγος é");
    EXPECT_EQ(MapTypedText(U"lo/gos [a]", TInputMode::Greek), U"lo/gos [a]");
    EXPECT_EQ(MapTypedText(U"слово", TInputMode::Greek), U"слово");
    EXPECT_EQ(MapTypedCharacter(U'\x1b', TInputMode::Russian), U'\x1b');
}

TEST(InputModeTest, TypedCharactersTakeTheModeFormatOrTheirScripts) {
    const TTypedFormat russian{"Times New Roman", 204};
    const TTypedFormat greekFont{"Orvel000", 0};
    EXPECT_EQ(TypedCharacterFormat(U'ж', TInputMode::Russian), russian);
    EXPECT_EQ(TypedCharacterFormat(U'7', TInputMode::Russian), russian);
    EXPECT_EQ(TypedCharacterFormat(U'№', TInputMode::Russian), russian);
    EXPECT_EQ(TypedCharacterFormat(U'a', TInputMode::Greek), greekFont);
    EXPECT_EQ(TypedCharacterFormat(U'\xE9', TInputMode::Greek), greekFont); // a display glyph

    // Typed with a system layout of another script.
    EXPECT_EQ(TypedCharacterFormat(U'ж', TInputMode::Greek), russian);
    EXPECT_EQ(TypedCharacterFormat(U'λ', TInputMode::Russian),
              (TTypedFormat{"Times New Roman", 161}));
    EXPECT_EQ(TypedCharacterFormat(U'ά', TInputMode::Greek),
              (TTypedFormat{"Times New Roman", 161}));
    // Neither the mode's code page nor a known script.
    EXPECT_EQ(TypedCharacterFormat(U'é', TInputMode::Russian),
              (TTypedFormat{"Times New Roman", 0}));
    EXPECT_EQ(TypedCharacterFormat(U'ł', TInputMode::Greek), (TTypedFormat{"Times New Roman", 0}));
}

} // namespace
