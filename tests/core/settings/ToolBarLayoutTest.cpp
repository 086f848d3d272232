#include "core/settings/ToolBarLayout.h"

#include "core/storage/SettingsStore.h"

#include <cstdint>
#include <gtest/gtest.h>

using namespace orvel;

namespace {

const std::string Key = "Software\\Dorne\\Orvel\\FormOrvel\\ControlBar";

std::vector<TToolBarState> Designed() {
    return {{"ToolBarMain", 0, 0, 0, true, {{"btnSearchText", true, 23}, {"btnCopy", true, 30}}},
            {"ToolBarUser", 100, 0, 0, true, {{"btnNoteAdd", true, 23}}}};
}

TEST(ToolBarLayoutTest, KeyPath) {
    EXPECT_EQ(ControlBarKeyPath("Dorne", "Orvel", "FormOrvel", "ControlBar"), Key);
    EXPECT_EQ(ControlBarKeyPath("", "Orvel", "FormOrvel", "Dock"),
              "Software\\Orvel\\FormOrvel\\Dock");
    EXPECT_EQ(ControlBarKeyPath("Dorne", "Orvel", "", "Dock"),
              "Software\\Dorne\\Orvel\\ControlBar");
}

TEST(ToolBarLayoutTest, SavedArrangementComesBackAndWidthsFollowTheButtons) {
    TMemorySettingsStore store;
    std::vector<TToolBarState> bars = Designed();
    bars[0].Buttons[1].Visible = false;
    bars[0].Width = 999; // a stored width has no effect on loading
    bars[1].Visible = false;
    bars[1].Left = 7;
    bars[1].Top = 30;
    SaveToolBarLayout(store, Key, bars);
    EXPECT_EQ(store.ValueNames(Key).size(), 11u);
    EXPECT_EQ(store.Value(Key, "btnCopy"), TSettingValue(int32_t(0)));

    std::vector<TToolBarState> loaded = Designed();
    LoadToolBarLayout(store, Key, loaded);
    EXPECT_FALSE(loaded[0].Buttons[1].Visible);
    EXPECT_TRUE(loaded[0].Buttons[0].Visible);
    EXPECT_EQ(loaded[0].Width, 3 + 23);
    EXPECT_FALSE(loaded[1].Visible);
    EXPECT_EQ(loaded[1].Left, 7);
    EXPECT_EQ(loaded[1].Top, 30);

    // All buttons hidden: the border alone.
    loaded[1].Buttons[0].Visible = false;
    EXPECT_EQ(ToolBarWidth(loaded[1]), 3);
}

TEST(ToolBarLayoutTest, MissingOrDamagedValuesLeaveTheDesign) {
    TMemorySettingsStore store;
    std::vector<TToolBarState> bars = Designed();
    LoadToolBarLayout(store, Key, bars); // first start: no key
    EXPECT_FALSE(store.HasKey(Key));
    EXPECT_EQ(bars[1].Left, 100);
    EXPECT_EQ(bars[0].Width, 0);

    store.SetValue(Key, "btnSearchText", int32_t(0));
    store.SetValue(Key, "btnCopy", std::string("no"));  // wrongly typed
    store.SetValue(Key, "ToolBarUserTop", int32_t(40)); // no Left: the Top is not taken
    store.SetValue(Key, "ToolBarMainLeft", int32_t(5));
    store.FailRead("ToolBarMainVisible");
    LoadToolBarLayout(store, Key, bars);
    EXPECT_TRUE(bars[0].Visible);
    EXPECT_FALSE(bars[0].Buttons[0].Visible);
    EXPECT_TRUE(bars[0].Buttons[1].Visible);
    EXPECT_EQ(bars[0].Left, 5);
    EXPECT_EQ(bars[1].Left, 100);
    EXPECT_EQ(bars[1].Top, 0);
}

TEST(ToolBarLayoutTest, AFailedWriteEndsTheSaving) {
    TMemorySettingsStore store;
    store.FailWrite("ToolBarMainVisible", TMemorySettingsStore::TFailure::Throw);
    SaveToolBarLayout(store, Key, Designed());
    EXPECT_EQ(store.WriteLog(),
              (std::vector<std::string>{"ToolBarMainLeft", "ToolBarMainTop", "ToolBarMainWidth"}));
}

TEST(ToolBarLayoutTest, RowsGoTopToBottomAndLeftToRight) {
    const auto bar = [](int32_t left, int32_t top) {
        TToolBarState state;
        state.Left = left;
        state.Top = top;
        return state;
    };
    const std::vector<std::vector<size_t>> expected{{3, 0}, {2, 1}};
    // Rows 26 pixels apart; a bar two pixels lower still belongs to its row.
    EXPECT_EQ(ToolBarRows({bar(200, 0), bar(90, 28), bar(0, 26), bar(0, 2)}, 8), expected);
    // Equal positions keep the designed order; nothing at all gives no rows.
    EXPECT_EQ(ToolBarRows({bar(0, 0), bar(0, 0)}, 8), (std::vector<std::vector<size_t>>{{0, 1}}));
    EXPECT_TRUE(ToolBarRows({}, 8).empty());
    // Damaged extremes neither overflow nor lose a bar.
    EXPECT_EQ(ToolBarRows({bar(0, INT32_MIN), bar(0, INT32_MAX)}, 8).size(), 2u);
}

} // namespace
