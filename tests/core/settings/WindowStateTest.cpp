#include "core/settings/WindowState.h"

#include "core/storage/SettingsStore.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

const std::string Root = "Software\\Dorne\\Orvel";
const TWindowRect Designed{50, 40, 600, 450};
const TWindowRect Screen{0, 0, 1024, 768};

TMemorySettingsStore
StoreWith(std::initializer_list<std::pair<std::string, TSettingValue>> values) {
    TMemorySettingsStore store;
    for (const auto& [name, value] : values)
        store.SetValue(Root, name, value);
    return store;
}

TEST(WindowStateTest, MissingKeyGivesDesignedGeometryAndWritesNothing) {
    TMemorySettingsStore store;
    const TWindowState state = LoadWindowState(store, Root, Designed, Screen);
    EXPECT_FALSE(state.Maximize);
    EXPECT_EQ(state.Rect, Designed);
    EXPECT_EQ(state.LeftWidth, 200);
    EXPECT_FALSE(store.HasKey(Root));

    store.FailOpen(TMemorySettingsStore::TFailure::Throw);
    EXPECT_EQ(LoadWindowState(store, Root, Designed, Screen).Rect, Designed);
}

TEST(WindowStateTest, StoredValuesAreClampedToTheScreen) {
    auto store = StoreWith({{"Width", 100}, {"Height", 5000}, {"Left", -20}, {"Top", 30}});
    TWindowState state = LoadWindowState(store, Root, Designed, Screen);
    EXPECT_EQ(state.Rect, (TWindowRect{0, 0, 200, 768}));

    // A window 436 pixels wide on a 1024-pixel screen cannot start right of 588.
    store = StoreWith({{"Width", 436}, {"Left", 5000}, {"Top", 100}});
    state = LoadWindowState(store, Root, Designed, Screen);
    EXPECT_EQ(state.Rect, (TWindowRect{588, 100, 436, 450}));

    // A second screen to the right: positions are kept on it.
    store = StoreWith({{"Width", 800}, {"Height", 600}, {"Left", 100}, {"Top", 900}});
    state = LoadWindowState(store, Root, Designed, TWindowRect{1024, 0, 1280, 1024});
    EXPECT_EQ(state.Rect, (TWindowRect{1024, 424, 800, 600}));
}

TEST(WindowStateTest, ScreenSmallerThanTheMinimumKeepsTheMinimumAndTheOrigin) {
    auto store = StoreWith({{"Width", 500}, {"Height", 500}, {"Left", 40}, {"Top", 40}});
    const TWindowState state = LoadWindowState(store, Root, Designed, TWindowRect{0, 0, 150, 0});
    EXPECT_EQ(state.Rect, (TWindowRect{0, 0, 200, 200}));
}

TEST(WindowStateTest, MissingOrWronglyTypedValuesGiveDefaultsUnclamped) {
    // The designed width exceeds this screen but, not being stored, is kept as it is.
    auto store = StoreWith({{"Width", "wide"}, {"Top", "x"}, {"Maximize", "yes"}});
    const TWindowRect small{0, 0, 500, 400};
    const TWindowState state = LoadWindowState(store, Root, Designed, small);
    EXPECT_FALSE(state.Maximize);
    EXPECT_EQ(state.Rect, Designed);
    EXPECT_EQ(state.LeftWidth, 200);

    store.FailRead("Height");
    EXPECT_EQ(LoadWindowState(store, Root, Designed, Screen).Rect.Height, 450);
}

TEST(WindowStateTest, LeftWidthIsClampedAgainstTheWindowWidth) {
    auto store = StoreWith({{"Width", 600}, {"LeftWidth", 10}});
    EXPECT_EQ(LoadWindowState(store, Root, Designed, Screen).LeftWidth, 100);
    store.SetValue(Root, "LeftWidth", 590);
    EXPECT_EQ(LoadWindowState(store, Root, Designed, Screen).LeftWidth, 536);
    store.SetValue(Root, "LeftWidth", 250);
    EXPECT_EQ(LoadWindowState(store, Root, Designed, Screen).LeftWidth, 250);
    // Missing: a third of the window as read, not as designed.
    store.SetValue(Root, "LeftWidth", std::monostate());
    store.SetValue(Root, "Width", 900);
    EXPECT_EQ(LoadWindowState(store, Root, Designed, Screen).LeftWidth, 300);
}

TEST(WindowStateTest, MaximisedWindowIgnoresTheStoredGeometry) {
    auto store = StoreWith({{"Maximize", 1}, {"Width", 300}, {"Left", 10}, {"LeftWidth", 900}});
    const TWindowState state = LoadWindowState(store, Root, Designed, Screen);
    EXPECT_TRUE(state.Maximize);
    EXPECT_EQ(state.Rect, Designed);
    EXPECT_EQ(state.LeftWidth, 900); // within [1024 / 6, 1024 - 64]
}

TEST(WindowStateTest, SavingWhileMaximisedKeepsTheEarlierGeometry) {
    auto store = StoreWith({{"Width", 640}, {"Height", 480}, {"Left", 7}, {"Top", 8}});
    const TWindowState maximised{true, TWindowRect{0, 0, 1024, 768}, 300};
    EXPECT_TRUE(SaveWindowState(store, Root, maximised, "/opt/orvel/bin/orvel"));
    EXPECT_EQ(store.WriteLog(),
              (std::vector<std::string>{"Maximize", "LeftWidth", "AppPath", "AppSearch"}));
    EXPECT_EQ(store.Value(Root, "Width"), TSettingValue(640));
    EXPECT_EQ(store.Value(Root, "AppSearch"), TSettingValue(std::string("4124")));
    EXPECT_EQ(store.Value(Root, "AppPath"), TSettingValue(std::string("/opt/orvel/bin/orvel")));

    // Once restored, the next start opens maximised again with the old normal size remembered.
    const TWindowState loaded = LoadWindowState(store, Root, Designed, Screen);
    EXPECT_TRUE(loaded.Maximize);
}

TEST(WindowStateTest, NormalWindowRoundTrips) {
    TMemorySettingsStore store;
    const TWindowState saved{false, TWindowRect{30, 20, 700, 500}, 240};
    EXPECT_TRUE(SaveWindowState(store, Root, saved, "orvel"));
    EXPECT_EQ(store.WriteLog(),
              (std::vector<std::string>{"Maximize", "Width", "Height", "Left", "Top", "LeftWidth",
                                        "AppPath", "AppSearch"}));
    EXPECT_EQ(LoadWindowState(store, Root, Designed, Screen), saved);
}

TEST(WindowStateTest, FailedWriteEndsTheSaving) {
    TMemorySettingsStore store;
    store.FailWrite("Height");
    EXPECT_FALSE(SaveWindowState(store, Root, TWindowState{}, "orvel"));
    EXPECT_EQ(store.WriteLog(), (std::vector<std::string>{"Maximize", "Width"}));

    TMemorySettingsStore throwing;
    throwing.FailWrite("AppPath", TMemorySettingsStore::TFailure::Throw);
    EXPECT_FALSE(SaveWindowState(throwing, Root, TWindowState{}, "orvel"));

    TMemorySettingsStore closed;
    closed.FailOpen();
    EXPECT_FALSE(SaveWindowState(closed, Root, TWindowState{}, "orvel"));
}

} // namespace
