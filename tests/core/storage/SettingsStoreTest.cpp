#include "core/storage/SettingsStore.h"

#include "core/base/OrvelError.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

TEST(SettingsStoreTest, StrictIntegerTakesOnlyPlainDecimalsInRange) {
    EXPECT_EQ(ParseStrictInteger("14"), 14);
    EXPECT_EQ(ParseStrictInteger("0"), 0);
    EXPECT_EQ(ParseStrictInteger("-1"), -1);
    EXPECT_EQ(ParseStrictInteger("007"), 7);
    EXPECT_EQ(ParseStrictInteger("8388608"), 0x800000);
    EXPECT_EQ(ParseStrictInteger("2147483647"), INT32_MAX);
    EXPECT_EQ(ParseStrictInteger("-2147483648"), INT32_MIN);

    for (const char* text : {"", "-", "--1", "+5", " 5", "5 ", "0x10", "1.5", "1e3", "12abc", "abc",
                             "2147483648", "-2147483649", "99999999999999999999"})
        EXPECT_EQ(ParseStrictInteger(text), std::nullopt) << '"' << text << '"';
    // A text with an embedded NUL is not a number either.
    EXPECT_EQ(ParseStrictInteger(std::string_view("1\0"
                                                  "2",
                                                  3)),
              std::nullopt);
}

TEST(SettingsStoreTest, StrictBooleanTakesOnlyZeroOneFalseTrue) {
    EXPECT_EQ(ParseStrictBoolean("1"), true);
    EXPECT_EQ(ParseStrictBoolean("true"), true);
    EXPECT_EQ(ParseStrictBoolean("0"), false);
    EXPECT_EQ(ParseStrictBoolean("false"), false);
    for (const char* text : {"", "2", "-1", "yes", "no", "on", "TRUE", " 1", "1 ", "01"})
        EXPECT_EQ(ParseStrictBoolean(text), std::nullopt) << '"' << text << '"';
}

TEST(SettingsStoreTest, KeyPathsAreComparedByTheirParts) {
    EXPECT_EQ(SplitKeyPath("\\Software\\\\Dorne\\"),
              (std::vector<std::string>{"Software", "Dorne"}));
    EXPECT_TRUE(SplitKeyPath("").empty());

    TMemorySettingsStore store;
    store.SetValue("Software\\Dorne\\Orvel", "A", 1);
    EXPECT_TRUE(store.HasKey("\\Software\\Dorne\\Orvel\\"));
    EXPECT_FALSE(store.HasKey("software\\dorne\\orvel"));
    auto key = store.OpenKey("Software\\\\Dorne\\Orvel", false);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->ReadInteger("A").ValueOr(0), 1);
}

TEST(SettingsStoreTest, OpeningWithoutCreateNeedsAnExistingKey) {
    TMemorySettingsStore store;
    EXPECT_EQ(store.OpenKey("Software\\Dorne", false), nullptr);
    EXPECT_FALSE(store.HasKey("Software\\Dorne"));

    auto created = store.OpenKey("Software\\Dorne", true);
    ASSERT_TRUE(created);
    EXPECT_TRUE(store.HasKey("Software\\Dorne"));
    EXPECT_TRUE(store.ValueNames("Software\\Dorne").empty());
    EXPECT_TRUE(store.OpenKey("Software\\Dorne", false));
}

TEST(SettingsStoreTest, ReadsTellMissingAndWrongTypeFromAValue) {
    TMemorySettingsStore store;
    store.SetValue("K", "Number", 7);
    store.SetValue("K", "Zero", 0);
    store.SetValue("K", "Text", std::string("\xC0\xE1"));
    auto key = store.OpenKey("K", false);
    ASSERT_TRUE(key);

    EXPECT_EQ(key->ReadInteger("Number").Status, TSettingStatus::Present);
    EXPECT_EQ(key->ReadInteger("Number").Value, 7);
    EXPECT_EQ(key->ReadInteger("Text").Status, TSettingStatus::WrongType);
    EXPECT_EQ(key->ReadInteger("None").Status, TSettingStatus::Missing);

    EXPECT_EQ(key->ReadString("Text").Value, "\xC0\xE1");
    EXPECT_EQ(key->ReadString("Number").Status, TSettingStatus::WrongType);
    EXPECT_EQ(key->ReadString("None").Status, TSettingStatus::Missing);

    // A boolean is the integer 0 or 1; any other integer is wrongly typed.
    store.SetValue("K", "One", 1);
    store.SetValue("K", "Minus", -1);
    EXPECT_EQ(key->ReadBoolean("One").Status, TSettingStatus::Present);
    EXPECT_TRUE(key->ReadBoolean("One").Value);
    EXPECT_EQ(key->ReadBoolean("Zero").Status, TSettingStatus::Present);
    EXPECT_FALSE(key->ReadBoolean("Zero").Value);
    EXPECT_EQ(key->ReadBoolean("Number").Status, TSettingStatus::WrongType);
    EXPECT_EQ(key->ReadBoolean("Minus").Status, TSettingStatus::WrongType);
    EXPECT_EQ(key->ReadBoolean("Text").Status, TSettingStatus::WrongType);
    EXPECT_EQ(key->ReadBoolean("None").Status, TSettingStatus::Missing);
}

TEST(SettingsStoreTest, WritesReplaceValuesAndAreLoggedInOrder) {
    TMemorySettingsStore store;
    auto key = store.OpenKey("K", true);
    ASSERT_TRUE(key);
    EXPECT_TRUE(key->WriteString("A", "x"));
    EXPECT_TRUE(key->WriteBoolean("B", true));
    EXPECT_TRUE(key->WriteInteger("A", -5)); // a value may change its type
    EXPECT_EQ(store.Value("K", "A"), TSettingValue(-5));
    EXPECT_EQ(store.Value("K", "B"), TSettingValue(1));
    EXPECT_EQ(store.WriteLog(), (std::vector<std::string>{"A", "B", "A"}));

    store.SetValue("K", "A", std::monostate());
    EXPECT_EQ(store.ValueNames("K"), (std::vector<std::string>{"B"}));
}

TEST(SettingsStoreTest, ArrangedFailures) {
    TMemorySettingsStore store;
    store.SetValue("K", "Kept", 1);
    store.FailWrite("Kept");
    store.FailWrite("Thrown", TMemorySettingsStore::TFailure::Throw);
    store.FailRead("Unreadable");
    auto key = store.OpenKey("K", false);
    ASSERT_TRUE(key);

    EXPECT_FALSE(key->WriteInteger("Kept", 2));
    EXPECT_EQ(store.Value("K", "Kept"), TSettingValue(1));
    EXPECT_THROW(key->WriteString("Thrown", "x"), EOrvelError);
    EXPECT_EQ(store.Value("K", "Thrown"), TSettingValue());
    EXPECT_TRUE(store.WriteLog().empty());
    EXPECT_THROW(key->ReadInteger("Unreadable"), EOrvelError);

    store.FailOpen();
    EXPECT_EQ(store.OpenKey("K", true), nullptr);
    store.FailOpen(TMemorySettingsStore::TFailure::Throw);
    EXPECT_THROW(store.OpenKey("K", true), EOrvelError);
}

} // namespace
