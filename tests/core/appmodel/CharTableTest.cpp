#include "core/appmodel/CharTableComposition.h"
#include "core/appmodel/CharTableGrid.h"
#include "core/encoding/GreekEncoding.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace orvel {
namespace {

// Every glyph of the Orvel000 layout but the space: the display forms of every internal letter
// with every diacritic code, and the capital-prefix glyphs.
std::set<uint8_t> GreekLayoutGlyphs() {
    std::set<uint8_t> glyphs;
    for (int letter = 0; letter < 0x80; ++letter)
        for (int code = 0; code <= 0xDC; code = code == 0 ? 0xC0 : code + 1)
            for (const char glyph : GreekLetterToFont(uint8_t(code), uint8_t(letter)))
                glyphs.insert(uint8_t(glyph));
    glyphs.erase(' ');
    return glyphs;
}

std::map<uint8_t, int> CellCounts(TCharTableKind kind) {
    std::map<uint8_t, int> counts;
    for (const uint8_t code : CharTableGrid(kind))
        if (code != 0)
            ++counts[code];
    return counts;
}

TEST(CharTableGrid, GreekTableShowsEveryGlyphOfTheLayoutInExactlyOneCell) {
    const std::set<uint8_t> layout = GreekLayoutGlyphs();
    const std::map<uint8_t, int> cells = CellCounts(TCharTableKind::Greek);
    for (const auto& [code, count] : cells) {
        EXPECT_EQ(count, 1) << "code " << int(code);
        EXPECT_TRUE(layout.count(code)) << "code " << int(code) << " is no glyph of Orvel000";
    }
    for (const uint8_t glyph : layout)
        EXPECT_TRUE(cells.count(glyph)) << "glyph " << int(glyph) << " has no cell";
    EXPECT_EQ(CharTableCell(TCharTableKind::Greek, 2, 2), 0xC0);
    EXPECT_EQ(CharTableCell(TCharTableKind::Greek, 8, 17), 0x26);
    EXPECT_EQ(CharTableCell(TCharTableKind::Greek, 1, 17), 0); // capital final sigma
    EXPECT_EQ(CharTableCell(TCharTableKind::Greek, 9, 0), 0);
    EXPECT_EQ(CharTableCell(TCharTableKind::Greek, 0, 25), 0);
}

TEST(CharTableGrid, SpecialTableHoldsSymbolCodesOnceEach) {
    for (const auto& [code, count] : CellCounts(TCharTableKind::Special)) {
        EXPECT_EQ(count, 1) << "code " << int(code);
        // The codes a note keeps as symbols: 'A'..'Z', 'a'..'z' and 0xC0..0xFF.
        EXPECT_TRUE((code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || code >= 0xC0)
            << "code " << int(code);
    }
    // The Hebrew alphabet on the first row reads right to left, the signs below left to right.
    for (int column = 0; column < 22; ++column)
        EXPECT_TRUE(IsRightToLeftSymbol(CharTableCell(TCharTableKind::Special, 0, column)));
    for (int row = 5; row < CharTableRows; ++row)
        for (int column = 0; column < CharTableColumns; ++column)
            EXPECT_FALSE(IsRightToLeftSymbol(CharTableCell(TCharTableKind::Special, row, column)));
}

TEST(CharTableComposition, KeyNamesPrintableCodesAndAltCodes) {
    EXPECT_EQ(CharTableKeyCaption('a'), "Клавиша ‹a›");
    EXPECT_EQ(CharTableKeyCaption('&'), "Клавиша ‹&›");
    EXPECT_EQ(CharTableKeyCaption(0xC0), "Клавиша ‹Alt + 0192›");
    EXPECT_EQ(CharTableKeyName('!'), "!");
    EXPECT_EQ(CharTableKeyName('~'), "~");
    EXPECT_EQ(CharTableKeyName(' '), "Alt + 0032");
    EXPECT_EQ(CharTableKeyName(0x7F), "Alt + 0127");
    EXPECT_EQ(CharTableKeyName(0x05), "Alt + 0005");
}

TComposition Click(TCharTableKind kind, TComposition composition,
                   std::initializer_list<uint8_t> codes) {
    for (const uint8_t code : codes)
        ApplyCellClick(composition, ClickCharTableCell(kind, code));
    return composition;
}

TEST(CharTableComposition, GreekClicksReplaceTheSelectionAndAdvance) {
    const TComposition word = Click(TCharTableKind::Greek, {}, {'l', '3', 'g', 'o', '~'});
    EXPECT_EQ(word.Text, "l3go~");
    EXPECT_EQ(word.SelStart, 5u);
    // A selection is replaced; an empty cell gives a space and clears the key panel.
    const TComposition replaced =
        Click(TCharTableKind::Greek, {.Text = "abcd", .SelStart = 1, .SelLength = 2}, {'x'});
    EXPECT_EQ(replaced.Text, "axd");
    EXPECT_EQ(replaced.SelStart, 2u);
    EXPECT_EQ(replaced.SelLength, 0u);
    const TCellClick empty = ClickCharTableCell(TCharTableKind::Greek, 0);
    EXPECT_EQ(empty.Inserted, " ");
    EXPECT_TRUE(empty.KeyCaption.empty());
    // Right-to-left is the special table's business: Greek 'a' goes after the caret's place.
    EXPECT_FALSE(ClickCharTableCell(TCharTableKind::Greek, 'a').CaretBefore);
}

TEST(CharTableComposition, SpecialTableInsertsHebrewRightToLeft) {
    const TComposition hebrew = Click(TCharTableKind::Special, {}, {0x61, 0x62});
    EXPECT_EQ(hebrew.Text, "\x62\x61");
    EXPECT_EQ(hebrew.SelStart, 0u);
    const TComposition signs = Click(TCharTableKind::Special, {}, {0x41, 0x42});
    EXPECT_EQ(signs.Text, "AB");
    EXPECT_EQ(signs.SelStart, 2u);
    // A point clicked after its letter lands before it in the stored text, as the font expects.
    const TComposition pointed = Click(TCharTableKind::Special, {}, {0x62, 0xC5, 0x41});
    EXPECT_EQ(pointed.Text, "A\xC5\x62");
    EXPECT_EQ(ClickCharTableCell(TCharTableKind::Special, 0xC0).KeyCaption, "Клавиша ‹Alt + 0192›");
    // A selection reaching past the end is cut to the text.
    const TComposition clipped =
        Click(TCharTableKind::Special, {.Text = "AB", .SelStart = 1, .SelLength = 9}, {0x43});
    EXPECT_EQ(clipped.Text, "AC");
}

} // namespace
} // namespace orvel
