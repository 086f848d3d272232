#include "core/appmodel/WordListBlock.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

TEST(WordListBlockTest, BlockAroundACentre) {
    auto block = WordBlockAround(5, 40, 70526);
    EXPECT_EQ(block.First, 0);
    EXPECT_EQ(block.Last, 40);
    block = WordBlockAround(1000, 40, 70526);
    EXPECT_EQ(block.First, 980);
    EXPECT_EQ(block.Last, 1020);
    block = WordBlockAround(70525, 40, 70526);
    EXPECT_EQ(block.First, 70485);
    EXPECT_EQ(block.Last, 70525);
    // A dictionary smaller than a block is shown whole, never from a negative index.
    block = WordBlockAround(3, 40, 10);
    EXPECT_EQ(block.First, 0);
    EXPECT_EQ(block.Last, 9);
}

TEST(WordListBlockTest, ScrollingAtTheEdgesOfABlock) {
    const TWordBlock block{980, 1020};
    EXPECT_TRUE(WordBlockScrolls(block, 0, 70526));
    EXPECT_TRUE(WordBlockScrolls(block, 40, 70526));
    EXPECT_FALSE(WordBlockScrolls(block, 20, 70526));
    // The dictionary's first and last articles end the scrolling.
    EXPECT_FALSE(WordBlockScrolls({0, 40}, 0, 70526));
    EXPECT_FALSE(WordBlockScrolls({70485, 70525}, 40, 70526));
    EXPECT_EQ(WordBlockTopRow(20, 11), 15);
    EXPECT_EQ(WordBlockTopRow(2, 11), 0);
}

TEST(WordListBlockTest, ItemHeights) {
    EXPECT_EQ(ListItemHeight(20), 30);
    EXPECT_EQ(ListItemHeight(15), 22);
}

TEST(WordListBlockTest, MarkingAHit) {
    EXPECT_EQ(MarkArticleText("abcdef", 1, 2), "a\x1F"
                                               "bc\x1F"
                                               "def");
    EXPECT_EQ(MarkArticleText("abcdef", 4, 9), "abcd\x1F"
                                               "ef\x1F"); // reaches the end
    EXPECT_EQ(MarkArticleText("abcdef", 6, 1), "abcdef"); // starts past the end
    EXPECT_EQ(MarkArticleText("abcdef", 2, 0), "abcdef");
    EXPECT_EQ(MarkArticleText("abcdef", -1, 2), "abcdef");
}

} // namespace
