#include "core/article/ArticleCodes.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace orvel {
namespace {

// Every row of every table has a reference that reads back as that row, and the references of
// all rows together use every reference code 0x80..0x92 and no other byte.
TEST(ArticleCodes, EveryRowHasAReferenceThatReadsBack) {
    std::map<int, std::set<TVocabularyTable>> tablesOfCode;
    for (int t = 0; t < VocabularyTableCount; ++t) {
        const auto table = TVocabularyTable(t);
        for (int row = 0; row < TableInfo(table).Rows; ++row) {
            const uint8_t code = ReferenceCodeOfRow(table, row);
            const uint8_t index = ReferenceIndexOfRow(row);
            ASSERT_TRUE(IsReferenceCode(code)) << TableInfo(table).Name << " row " << row;
            ASSERT_GE(index, ReferenceIndexBase);
            ASSERT_EQ(ReferenceCodeTable(code), table) << TableInfo(table).Name << " row " << row;
            ASSERT_EQ(ReferenceCodeRow(code, index), row) << TableInfo(table).Name;
            tablesOfCode[code].insert(table);
        }
    }
    ASSERT_EQ(tablesOfCode.size(), size_t(ReferenceCodeLast - ReferenceCodeFirst + 1));
    EXPECT_EQ(tablesOfCode.begin()->first, ReferenceCodeFirst);
    EXPECT_EQ(tablesOfCode.rbegin()->first, ReferenceCodeLast);
    for (const auto& [code, tables] : tablesOfCode)
        EXPECT_EQ(tables.size(), 1u) << "code " << code;
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(IsReferenceCode(uint8_t(b)), tablesOfCode.count(b) == 1) << "byte " << b;
}

// RussianWords runs over twelve codes of 192 rows each; the last page holds 49 rows.
TEST(ArticleCodes, RussianWordsArePagedOverTheirCodes) {
    EXPECT_EQ(ReferenceCodeRow(CodeRussianWordFirst, 0x40), 0);
    EXPECT_EQ(ReferenceCodeRow(CodeRussianWordFirst, 0xFF), 191);
    EXPECT_EQ(ReferenceCodeRow(CodeRussianWordFirst + 1, 0x40), 192);
    EXPECT_EQ(ReferenceCodeRow(CodeRussianWordLast, 0x70), 2160);
    EXPECT_EQ(ReferenceCodeOfRow(TVocabularyTable::RussianWords, 2160), CodeRussianWordLast);
    EXPECT_EQ(ReferenceIndexOfRow(2160), 0x70);
    // One past the last row reads as a row the table does not have.
    EXPECT_EQ(ReferenceCodeRow(CodeRussianWordLast, 0x71),
              TableInfo(TVocabularyTable::RussianWords).Rows);
}

TEST(ArticleCodes, IndexBelowRowZeroAddressesNoRow) {
    for (int code = ReferenceCodeFirst; code <= ReferenceCodeLast; ++code) {
        EXPECT_EQ(ReferenceCodeRow(uint8_t(code), 0x3F), -1) << code;
        EXPECT_EQ(ReferenceCodeRow(uint8_t(code), 0x00), -1) << code;
    }
}

// Each byte below 0x20 has at most one role; 0x00 and 0x16..0x1E have none (they show "#").
TEST(ArticleCodes, OneByteCodesHaveOneRoleEach) {
    std::set<int> unused;
    for (int b = 0; b < 0x20; ++b) {
        const auto c = uint8_t(b);
        const int roles = IsStyleCode(c) + IsLanguageCode(c) + IsMeaningCode(c) +
                          IsHeadAbbreviationCode(c) + IsRussianFixedWordCode(c) +
                          IsGreekArticleCode(c) + (c == CodeMark) + (c == RecordStart) +
                          (c == RecordEnd);
        EXPECT_LE(roles, 1) << "byte " << b;
        if (roles == 0)
            unused.insert(b);
    }
    EXPECT_EQ(unused, (std::set<int>{0x00, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E}));
}

} // namespace
} // namespace orvel
