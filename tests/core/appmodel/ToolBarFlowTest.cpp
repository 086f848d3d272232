#include "core/appmodel/ToolBarFlow.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

TEST(ToolBarFlowTest, WrapsIntoRowsThatTakeTheirTallestHeight) {
    const std::vector<TFlowSize> sizes = {{100, 30}, {80, 34}, {120, 30}, {50, 30}};
    // All in one row when there is room, exactly filled included.
    std::vector<TFlowPlace> places = FlowRows(sizes, 100 + 80 + 120 + 50 + 3 * 4, 4);
    ASSERT_EQ(places.size(), 4u);
    EXPECT_EQ(places[3].Left, 100 + 80 + 120 + 3 * 4);
    for (const TFlowPlace& place : places) {
        EXPECT_EQ(place.Top, 0);
        EXPECT_EQ(place.Height, 34);
    }
    EXPECT_EQ(FlowHeight(places), 34);

    // One pixel less: the last one starts a second row of its own height.
    places = FlowRows(sizes, 100 + 80 + 120 + 50 + 3 * 4 - 1, 4);
    EXPECT_EQ(places[2].Left, 188);
    EXPECT_EQ(places[3].Left, 0);
    EXPECT_EQ(places[3].Top, 38);
    EXPECT_EQ(places[3].Height, 30);
    EXPECT_EQ(FlowHeight(places), 68);

    // 200 pixels: 100+4+80 fits, 120 goes down, 50 beside it.
    places = FlowRows(sizes, 200, 4);
    EXPECT_EQ(places[1].Top, 0);
    EXPECT_EQ(places[2].Top, 38);
    EXPECT_EQ(places[3].Top, 38);
    EXPECT_EQ(places[3].Left, 124);
    EXPECT_EQ(places[0].Height, 34);
    EXPECT_EQ(places[2].Height, 30);
}

TEST(ToolBarFlowTest, KeepsEveryItemsWidthWhenTooNarrow) {
    // Narrower than every item: each stands alone at its full width, none shrinks.
    const std::vector<TFlowPlace> places = FlowRows({{100, 20}, {60, 20}}, 40, 2);
    EXPECT_EQ(places[0].Width, 100);
    EXPECT_EQ(places[1].Width, 60);
    EXPECT_EQ(places[1].Left, 0);
    EXPECT_EQ(places[1].Top, 22);
    EXPECT_TRUE(FlowRows({}, 300, 2).empty());
    EXPECT_EQ(FlowHeight({}), 0);
}

} // namespace
