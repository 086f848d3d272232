#include "core/places/History.h"

#include <gtest/gtest.h>
#include <vector>

using namespace orvel;

namespace {

std::vector<int32_t> Indexes(const THistory& history) {
    std::vector<int32_t> indexes;
    for (int i = 0; i < history.Count(); ++i)
        indexes.push_back(history.Items(i).ArticleIndex);
    return indexes;
}

TEST(HistoryTest, ReopenedArticleMovesToTopWithoutItsSelection) {
    THistory history;
    history.Add(7, "a", 16);
    history.Add(9, "b", 16);
    history.Add(7, "a", 16);
    EXPECT_EQ(Indexes(history), (std::vector<int32_t>{7, 9}));
    EXPECT_EQ(history.Items(0).Word, "a");
    EXPECT_EQ(history.Items(0).SelLength, 0);

    history.Add(5, "c", 16);
    history.Add(9, "b", 16); // from the middle
    EXPECT_EQ(Indexes(history), (std::vector<int32_t>{9, 5, 7}));
}

TEST(HistoryTest, SettlesOneAboveTheLongestHistory) {
    THistory history;
    for (int32_t index = 1; index <= 5; ++index)
        history.Add(index, "w", 3);
    EXPECT_EQ(Indexes(history), (std::vector<int32_t>{5, 4, 3, 2}));

    THistory longer;
    for (int32_t index = 0; index < 40; ++index)
        longer.Add(index, "w", 16);
    EXPECT_EQ(longer.Count(), 17);
    EXPECT_EQ(longer.Items(16).ArticleIndex, 23);
}

} // namespace
