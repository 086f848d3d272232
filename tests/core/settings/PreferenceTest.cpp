#include "core/settings/Preference.h"

#include "core/storage/SettingsStore.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

const std::string Key = "Software\\Dorne\\Orvel\\Preference";

const std::vector<std::string> StoringOrder = {"CommonBookmarksFileName",
                                               "CommonAutoLoadSave",
                                               "CommonWindowsSound",
                                               "CommonWordFontSize",
                                               "ListFontSize",
                                               "ListFontBold",
                                               "ListWordsMaxCount",
                                               "ListGotoMaxCount",
                                               "ListSearchMaxCount",
                                               "TextFontSize",
                                               "TextAuthorSizePercent",
                                               "TextAuthorColor",
                                               "TextSignColor",
                                               "TextEnumColor",
                                               "CurrentNoteFile",
                                               "SearchBetaCode",
                                               "CopyGreekAsUnicode"};

// A preferences object in which every field differs from its default and lies in range.
TPreference Changed() {
    TPreference p;
    p.CommonBookmarksFileName = "\xCC\xEE\xE8 \xE7\xE0\xEA\xEB\xE0\xE4\xEA\xE8"; // Windows-1251
    p.CommonAutoLoadSave = false;
    p.CommonWindowsSound = true;
    p.CommonWordFontSize = 32;
    p.ListFontSize = 8;
    p.ListFontBold = true;
    p.ListWordsMaxCount = 99;
    p.ListGotoMaxCount = 3;
    p.ListSearchMaxCount = 1;
    p.TextFontSize = 24;
    p.TextAuthorSizePercent = 50;
    p.TextAuthorColor = 0xFFFFFF;
    p.TextSignColor = 0;
    p.TextEnumColor = 0x123456;
    p.CurrentNoteFile = "Lexicon";
    p.SearchBetaCode = true;
    p.CopyGreekAsUnicode = true;
    return p;
}

TEST(PreferenceTest, BuiltInDefaults) {
    const TPreference p;
    EXPECT_EQ(p.CommonBookmarksFileName, "Default");
    EXPECT_TRUE(p.CommonAutoLoadSave);
    EXPECT_FALSE(p.CommonWindowsSound);
    EXPECT_EQ(p.CommonWordFontSize, 20);
    EXPECT_EQ(p.ListFontSize, 14);
    EXPECT_FALSE(p.ListFontBold);
    EXPECT_EQ(p.ListWordsMaxCount, 40);
    EXPECT_EQ(p.ListGotoMaxCount, 16);
    EXPECT_EQ(p.ListSearchMaxCount, 8);
    EXPECT_EQ(p.TextFontSize, 20);
    EXPECT_EQ(p.TextAuthorSizePercent, 76);
    EXPECT_EQ(p.TextAuthorColor, 0x800000u);
    EXPECT_EQ(p.TextSignColor, 0x008000u);
    EXPECT_EQ(p.TextEnumColor, 0xFF0000u);
    EXPECT_EQ(p.CurrentNoteFile, "");
    EXPECT_FALSE(p.SearchBetaCode);
    EXPECT_FALSE(p.CopyGreekAsUnicode);
}

TEST(PreferenceTest, AKeyThatCannotBeOpenedLeavesEveryField) {
    TMemorySettingsStore store; // the first run: no key at all
    TPreference fresh;
    fresh.LoadPreference(store, "Software\\Dorne\\Orvel");
    EXPECT_EQ(fresh, TPreference());
    EXPECT_EQ(fresh.ListFontSize, 14);
    EXPECT_FALSE(store.HasKey(Key)); // loading creates nothing

    TPreference changed = Changed();
    changed.LoadPreference(store, "Software\\Dorne\\Orvel");
    EXPECT_EQ(changed, Changed());

    store.SetValue(Key, "ListFontSize", 10);
    store.FailOpen(TMemorySettingsStore::TFailure::Throw);
    changed.LoadPreference(store, "Software\\Dorne\\Orvel");
    EXPECT_EQ(changed, Changed());
}

TEST(PreferenceTest, MissingValuesInAnExistingKeyFallBackByType) {
    TMemorySettingsStore store;
    store.OpenKey(Key, true);

    TPreference p = Changed();
    p.LoadPreference(store, "Software\\Dorne\\Orvel");
    // Texts become empty: the bookmark file name too, not "Default".
    EXPECT_EQ(p.CommonBookmarksFileName, "");
    EXPECT_EQ(p.CurrentNoteFile, "");
    // Booleans take their defaults.
    EXPECT_TRUE(p.CommonAutoLoadSave);
    EXPECT_FALSE(p.CommonWindowsSound);
    EXPECT_FALSE(p.ListFontBold);
    // Integers and colours keep their current values, except the list font size.
    EXPECT_EQ(p.ListFontSize, 20);
    EXPECT_EQ(p.CommonWordFontSize, 32);
    EXPECT_EQ(p.ListWordsMaxCount, 99);
    EXPECT_EQ(p.ListGotoMaxCount, 3);
    EXPECT_EQ(p.ListSearchMaxCount, 1);
    EXPECT_EQ(p.TextFontSize, 24);
    EXPECT_EQ(p.TextAuthorSizePercent, 50);
    EXPECT_EQ(p.TextAuthorColor, 0xFFFFFFu);
    EXPECT_EQ(p.TextSignColor, 0u);
    EXPECT_EQ(p.TextEnumColor, 0x123456u);

    TPreference fresh;
    fresh.LoadPreference(store, "Software\\Dorne\\Orvel");
    EXPECT_EQ(fresh.ListFontSize, 20);
    EXPECT_EQ(fresh.ListWordsMaxCount, 40);
    EXPECT_EQ(fresh.CommonBookmarksFileName, "");
}

TEST(PreferenceTest, NumbersAreClampedToTheirRanges) {
    TMemorySettingsStore store;
    store.SetValue(Key, "ListSearchMaxCount", 0);
    store.SetValue(Key, "TextAuthorSizePercent", 10);
    store.SetValue(Key, "CommonWordFontSize", 33);
    store.SetValue(Key, "ListFontSize", INT32_MIN);
    store.SetValue(Key, "ListGotoMaxCount", 2);
    store.SetValue(Key, "TextAuthorColor", -1);
    store.SetValue(Key, "TextSignColor", 0x1000000);
    TPreference p;
    p.LoadPreference(store, "Software\\Dorne\\Orvel");
    EXPECT_EQ(p.ListSearchMaxCount, 1);
    EXPECT_EQ(p.TextAuthorSizePercent, 50);
    EXPECT_EQ(p.CommonWordFontSize, 32);
    EXPECT_EQ(p.ListFontSize, 8);
    EXPECT_EQ(p.ListGotoMaxCount, 3);
    EXPECT_EQ(p.TextAuthorColor, 0u);
    EXPECT_EQ(p.TextSignColor, 0xFFFFFFu);

    store.SetValue(Key, "ListSearchMaxCount", 500);
    p.LoadPreference(store, "Software\\Dorne\\Orvel");
    EXPECT_EQ(p.ListSearchMaxCount, 99);

    // A fallback is clamped as well.
    TPreference outOfRange;
    outOfRange.ListWordsMaxCount = 5;
    outOfRange.TextEnumColor = 0xFF000000;
    outOfRange.LoadPreference(store, "Software\\Dorne\\Orvel");
    EXPECT_EQ(outOfRange.ListWordsMaxCount, 10);
    EXPECT_EQ(outOfRange.TextEnumColor, 0xFFFFFFu);
}

TEST(PreferenceTest, WronglyTypedOrUnreadableValuesFallBack) {
    TMemorySettingsStore store;
    store.SetValue(Key, "ListWordsMaxCount", std::string("50"));
    store.SetValue(Key, "ListFontSize", std::string("16"));
    store.SetValue(Key, "CommonAutoLoadSave", std::string("0"));
    store.SetValue(Key, "CommonWindowsSound", std::string("1"));
    store.SetValue(Key, "ListFontBold", 2); // neither 0 nor 1
    store.SetValue(Key, "CommonBookmarksFileName", 3);
    store.SetValue(Key, "TextAuthorColor", std::string("255"));
    store.SetValue(Key, "TextFontSize", 12);
    store.SetValue(Key, "TextSignColor", 0xFF);
    store.FailRead("TextFontSize");
    TPreference p;
    p.LoadPreference(store, "Software\\Dorne\\Orvel");
    EXPECT_EQ(p.ListWordsMaxCount, 40);
    EXPECT_EQ(p.ListFontSize, 20);
    EXPECT_TRUE(p.CommonAutoLoadSave);
    EXPECT_FALSE(p.CommonWindowsSound);
    EXPECT_FALSE(p.ListFontBold);
    EXPECT_EQ(p.CommonBookmarksFileName, "");
    EXPECT_EQ(p.TextAuthorColor, 0x800000u);
    EXPECT_EQ(p.TextFontSize, 20);
    // The values after a failed read are still loaded.
    EXPECT_EQ(p.TextSignColor, 0xFFu);
}

TEST(PreferenceTest, SavedValuesLoadBackWithTheirStoredTypes) {
    TMemorySettingsStore store;
    const TPreference saved = Changed();
    saved.SavePreference(store, "Software\\Dorne\\Orvel");

    EXPECT_EQ(store.WriteLog(), StoringOrder);
    EXPECT_EQ(store.Value(Key, "CommonBookmarksFileName"),
              TSettingValue(saved.CommonBookmarksFileName));
    EXPECT_EQ(store.Value(Key, "CommonWindowsSound"), TSettingValue(1));
    EXPECT_EQ(store.Value(Key, "CommonAutoLoadSave"), TSettingValue(0));
    EXPECT_EQ(store.Value(Key, "TextAuthorColor"), TSettingValue(0xFFFFFF));

    TPreference loaded;
    loaded.LoadPreference(store, "Software\\Dorne\\Orvel");
    EXPECT_EQ(loaded, saved);

    TPreference copy;
    copy.Assign(loaded);
    copy.SavePreference(store, "Software\\Dorne\\Orvel");
    TPreference again;
    again.LoadPreference(store, "Software\\Dorne\\Orvel");
    EXPECT_EQ(again, saved);
}

TEST(PreferenceTest, AFailedWriteEndsTheSaving) {
    for (const auto failure :
         {TMemorySettingsStore::TFailure::Report, TMemorySettingsStore::TFailure::Throw}) {
        TMemorySettingsStore store;
        store.SetValue(Key, "TextFontSize", 11);
        store.FailWrite("TextFontSize", failure);
        Changed().SavePreference(store, "Software\\Dorne\\Orvel");
        const std::vector<std::string> before(StoringOrder.begin(), StoringOrder.begin() + 9);
        EXPECT_EQ(store.WriteLog(), before);
        EXPECT_EQ(store.Value(Key, "TextFontSize"), TSettingValue(11));
        EXPECT_EQ(store.Value(Key, "TextAuthorSizePercent"), TSettingValue());
        EXPECT_EQ(store.Value(Key, "CurrentNoteFile"), TSettingValue());
    }
}

TEST(PreferenceTest, AKeyThatCannotBeCreatedGetsNothing) {
    for (const auto failure :
         {TMemorySettingsStore::TFailure::Report, TMemorySettingsStore::TFailure::Throw}) {
        TMemorySettingsStore store;
        store.FailOpen(failure);
        TPreference().SavePreference(store, "Software\\Dorne\\Orvel");
        EXPECT_TRUE(store.WriteLog().empty());
        EXPECT_FALSE(store.HasKey(Key));
    }
}

TEST(PreferenceTest, UserFolderLiesBesideTheExecutable) {
    EXPECT_EQ(UserFolder("/opt/orvel/bin/orvel"), "/opt/orvel/bin/User");
    EXPECT_EQ(UserFolder("/orvel"), "/User");
    EXPECT_EQ(UserFolder("orvel"), "User");
}

TEST(PreferenceTest, CurrentNoteFileOutsideTheUserFolderIsRefused) {
    const std::string refused[] = {
        "../x", "a/b", "/etc/passwd", "..", ".", ".x", std::string("Default.bmr\0", 12)};
    const std::string kept[] = {"a.b", "x..", "\xCC\xEE\xE8"};
    TMemorySettingsStore store;
    TPreference p = Changed();
    for (const std::string& name : refused) {
        store.SetValue(Key, "CurrentNoteFile", name);
        p.LoadPreference(store, "Software\\Dorne\\Orvel");
        EXPECT_EQ(p.CurrentNoteFile, "") << name;
    }
    for (const std::string& name : kept) {
        store.SetValue(Key, "CurrentNoteFile", name);
        p.LoadPreference(store, "Software\\Dorne\\Orvel");
        EXPECT_EQ(p.CurrentNoteFile, name);
    }
}

TEST(PreferenceTest, BookmarkSetIsReadAsAPlainName) {
    const std::pair<std::string, std::string> cases[] = {
        {"Default", "Default"}, {"/home/u/Work.bmr", "Work"}, {"../x", "x"}, {".hidden", ""}};
    TMemorySettingsStore store;
    TPreference p;
    for (const auto& [stored, read] : cases) {
        store.SetValue(Key, "CommonBookmarksFileName", stored);
        p.LoadPreference(store, "Software\\Dorne\\Orvel");
        EXPECT_EQ(p.CommonBookmarksFileName, read) << stored;
    }
}

TEST(PreferenceTest, NoteFileNameDropsFolderAndLastExtension) {
    EXPECT_EQ(NoteFileNameFromPath("/home/u/x/Lexicon.not"), "Lexicon");
    EXPECT_EQ(NoteFileNameFromPath("a.b.not"), "a.b");
    EXPECT_EQ(NoteFileNameFromPath("Lexicon"), "Lexicon");
    // A dot in a folder name is not an extension.
    EXPECT_EQ(NoteFileNameFromPath("/x.y/Lexicon"), "Lexicon");
    EXPECT_EQ(NoteFileNameFromPath("/x/"), "");
    EXPECT_EQ(NoteFileNameFromPath(""), "");
    // Nothing that would name a hidden file or the folder itself.
    EXPECT_EQ(NoteFileNameFromPath("/x/..."), "");
    EXPECT_EQ(NoteFileNameFromPath(".hidden.not"), "");
}

} // namespace
