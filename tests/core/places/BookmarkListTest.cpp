#include "core/places/BookmarkList.h"

#include "core/places/TypeAhead.h"
#include "core/storage/TaggedValues.h"
#include "support/TempDir.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/resource.h>

using namespace orvel;
using orvel::testing::TTempDir;

namespace {

TWordDescriptor Place(int32_t index, std::string word, int32_t start = 0, int32_t length = 0) {
    TWordDescriptor place(index, std::move(word));
    place.SetSelection(start, length);
    return place;
}

std::vector<int32_t> Indexes(const TBookmarkList& list) {
    std::vector<int32_t> indexes;
    for (int i = 0; i < list.Count(); ++i)
        indexes.push_back(list.Items(i).ArticleIndex);
    return indexes;
}

std::string Contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// A bookmark file's bytes with the given signature and version.
std::string FileBytes(const std::string& signature, int32_t version,
                      const std::vector<TWordDescriptor>& places, bool listEnd = true) {
    TValueWriter writer;
    writer.WriteString(signature);
    writer.WriteInteger(version);
    writer.WriteListBegin();
    for (const TWordDescriptor& place : places)
        place.Save(writer);
    if (listEnd)
        writer.WriteListEnd();
    return writer.Data();
}

std::string LoadError(TBookmarkList& list, const std::string& bytes) {
    try {
        list.LoadData(bytes);
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}

TEST(BookmarkListTest, SortedByKeyAndOnePerPlace) {
    TBookmarkList list;
    // Keys: "gamma" (capitals and diacritic codes dropped), "alpha", "beta".
    EXPECT_EQ(list.Add(Place(30, "\xC1Gamma")).Position, 0);
    EXPECT_EQ(list.Add(Place(10, "alpha")).Position, 0);
    EXPECT_EQ(list.Add(Place(20, "beta")).Position, 1);
    EXPECT_EQ(Indexes(list), (std::vector<int32_t>{10, 20, 30}));
    EXPECT_EQ(list.Key(2), "gamma");
    EXPECT_TRUE(list.Modified());

    // The same place in a note of another file is another place; in the same file it is not.
    TWordDescriptor inNote = Place(20, "beta", 4, 2);
    inNote.SetNote("Mine", true);
    const TBookmarkAddResult added = list.Add(inNote);
    EXPECT_EQ(added.Outcome, TBookmarkAddOutcome::Added);
    EXPECT_EQ(added.Position, 2); // after the bookmark of the equal key
}

TEST(BookmarkListTest, SamePlaceTakesTheNewSelectionAndChangesNothingElse) {
    TTempDir dir;
    TBookmarkList list;
    list.Add(Place(10, "alpha", 1, 1));
    list.Add(Place(20, "beta"));
    list.Save(dir.File("Default.bmr"));
    ASSERT_FALSE(list.Modified());

    TWordDescriptor again = Place(10, "other", 5, 3);
    const TBookmarkAddResult result = list.Add(again);
    EXPECT_EQ(result.Outcome, TBookmarkAddOutcome::Updated);
    EXPECT_EQ(result.Position, 0);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Items(0).Word, "alpha");
    EXPECT_EQ(list.Items(0).SelStart, 5);
    EXPECT_EQ(list.Items(0).SelLength, 3);
    EXPECT_FALSE(list.Modified());
}

TEST(BookmarkListTest, RemoveSelectsTheSamePositionOrTheNewLast) {
    TBookmarkList list;
    for (int32_t index : {1, 2, 3})
        list.Add(Place(index, std::string(size_t(index), 'a')));
    EXPECT_EQ(list.Remove(2), 1);
    EXPECT_EQ(list.Remove(0), 0);
    EXPECT_EQ(Indexes(list), (std::vector<int32_t>{2}));
    EXPECT_EQ(list.Remove(0), -1);
    EXPECT_EQ(list.Remove(0), -1);
    list.Add(Place(4, "d"));
    list.RemoveAll();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(list.Modified());
}

TEST(BookmarkListTest, FileHoldsTheDescriptorsInListOrder) {
    TTempDir dir;
    const std::string path = dir.File("Default.bmr");
    TBookmarkList list;
    TWordDescriptor inNote = Place(300, "b", 200, 5);
    inNote.SetNote("\xCC\xEE\xE8", true); // a Windows-1251 notes file name
    list.Add(inNote);
    list.Add(Place(7, "a"));
    list.Save(path);

    const std::string expected = std::string("\x06\x0EOrvelBookmarks\x02\x01\x01", 19) +
                                 // 7, "a", false, "", 0, 0
                                 std::string("\x02\x07\x06\x01"
                                             "a\x08\x06\x00\x02\x00\x02\x00",
                                             12) +
                                 // 300, "b", true, "Мои" as UTF-8, 200, 5; the list's end
                                 std::string("\x03\x2C\x01\x06\x01"
                                             "b\x09\x14\x06\x00\x00\x00"
                                             "\xD0\x9C\xD0\xBE\xD0\xB8\x03\xC8\x00\x02\x05\x00",
                                             24);
    EXPECT_EQ(Contents(path), expected);

    TBookmarkList read;
    read.Load(path);
    EXPECT_FALSE(read.Modified());
    ASSERT_EQ(read.Count(), 2);
    EXPECT_EQ(read.Items(1).NoteFile, "\xCC\xEE\xE8");
    EXPECT_TRUE(read.Items(1).InNote);
    EXPECT_EQ(read.Items(1).SelStart, 200);
    EXPECT_EQ(read.Items(1).SelLength, 5);
    read.Save(path);
    EXPECT_EQ(Contents(path), expected);
}

TEST(BookmarkListTest, VersionZeroMovesTheIndexesAndMarksTheSetChanged) {
    TBookmarkList list;
    list.LoadData(
        FileBytes("OrvelBookmarks", 0, {Place(100, "a"), Place(23761, "b"), Place(45516, "c")}));
    EXPECT_EQ(Indexes(list), (std::vector<int32_t>{100, 23762, 45527}));
    EXPECT_TRUE(list.Modified());
}

TEST(BookmarkListTest, DamagedFilesLeaveAnEmptyUnchangedList) {
    const std::vector<TWordDescriptor> places{Place(1, "a"), Place(2, "b")};
    const std::string good = FileBytes("OrvelBookmarks", 1, places);
    TValueWriter wrongType;
    wrongType.WriteString("OrvelBookmarks");
    wrongType.WriteInteger(1);
    wrongType.WriteListBegin();
    wrongType.WriteString("1"); // a string where the article index stands
    const std::pair<std::string, std::string> cases[] = {
        {FileBytes("OrvelUserDictionary", 1, places), "Нарушена структура файла"},
        {wrongType.Data(), "Invalid property value"},
        {FileBytes("OrvelBookmarks", 1, places, false), "Stream read error"},
        {good.substr(0, good.size() - 5), "Stream read error"},
        {FileBytes("OrvelBookmarks", 2, places), "Некорректная версия файла"},
        // A damaged file of version 0 is not written back empty either.
        {FileBytes("OrvelBookmarks", 0, places, false), "Stream read error"},
    };
    for (const auto& [bytes, message] : cases) {
        TBookmarkList list;
        list.LoadData(good);
        EXPECT_EQ(LoadError(list, bytes), message);
        EXPECT_EQ(list.Count(), 0) << message;
        EXPECT_FALSE(list.Modified()) << message;
    }

    TTempDir dir;
    TBookmarkList list;
    EXPECT_THROW(list.Load(dir.File("missing.bmr")), std::exception);
    EXPECT_EQ(list.Count(), 0);
}

// A save that fails part way (the file size limit stands in for a full disk) leaves the old
// file and the list's Modified flag. Run in a child process, which alone carries the limit.
TEST(BookmarkListTest, FailedSaveKeepsOldFileAndChanges) {
    TTempDir dir;
    const std::string path = dir.File("Default.bmr");
    TBookmarkList list;
    list.Add(Place(1, "a"));
    list.Save(path);
    const std::string before = Contents(path);
    for (int32_t index = 2; index < 200; ++index)
        list.Add(Place(index, std::string(40, 'b')));
    const auto saveOverLimit = [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        setrlimit(RLIMIT_FSIZE, &limit);
        try {
            list.Save(path);
            return false;
        } catch (const std::exception&) {
            return list.Modified() && Contents(path) == before;
        }
    };
    EXPECT_EXIT(std::_Exit(saveOverLimit() ? 0 : 1), ::testing::ExitedWithCode(0), "");
}

TEST(BookmarkListTest, TypedKeysAreTakenAsGreekLetters) {
    EXPECT_EQ(BookmarkTypeAheadLetter('h'), 'g');
    EXPECT_EQ(BookmarkTypeAheadLetter('c'), 'w');
    EXPECT_EQ(BookmarkTypeAheadLetter('z'), 'f');
    EXPECT_EQ(BookmarkTypeAheadLetter('a'), 'a');
    EXPECT_EQ(BookmarkTypeAheadLetter('H'), 'H');
    EXPECT_EQ(BookmarkTypeAheadLetter('1'), '1');

    TBookmarkList list;
    for (const char* word : {"alpha", "gamma", "gala", "hta"})
        list.Add(Place(int32_t(list.Count()), word));
    // Keys in order: alpha, gala, gamma, hta.
    EXPECT_EQ(BookmarkTypeAheadRow(list, -1, 'h'), 1);
    EXPECT_EQ(BookmarkTypeAheadRow(list, 1, 'h'), 2);
    EXPECT_EQ(BookmarkTypeAheadRow(list, 2, 'h'), 1); // round again
    EXPECT_EQ(BookmarkTypeAheadRow(list, 0, 'H'), 3); // a capital is not mapped
    EXPECT_EQ(BookmarkTypeAheadRow(list, 3, 'b'), 3); // nothing starts so
    EXPECT_EQ(BookmarkTypeAheadRow(TBookmarkList(), -1, 'a'), -1);
}

} // namespace
