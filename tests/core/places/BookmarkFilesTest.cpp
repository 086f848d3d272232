#include "core/places/BookmarkFiles.h"

#include "core/places/BookmarkList.h"
#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace orvel;
using orvel::testing::TTempDir;

namespace {

TEST(BookmarkFilesTest, TheSetNameStaysInsideTheUserFolder) {
    EXPECT_EQ(BookmarkFileName("/u/User", "Default"), "/u/User/Default.bmr");
    EXPECT_EQ(BookmarkFileName("/u/User", "Work.bmr"), "/u/User/Work.bmr");
    EXPECT_EQ(BookmarkFileName("/u/User", "a.b"), "/u/User/a.bmr");
    EXPECT_EQ(BookmarkFileName("/u/User", "../../etc/Work"), "/u/User/Work.bmr");
    EXPECT_EQ(BookmarkFileName("/u/User", "\xCC\xEE\xE8"), "/u/User/\xD0\x9C\xD0\xBE\xD0\xB8.bmr");
    for (const char* none : {"", ".bmr", "..", "/tmp/", ".hidden"})
        EXPECT_EQ(BookmarkFileName("/u/User", none), "") << none;
}

class BookmarkImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(User);
        std::filesystem::create_directory(Elsewhere);
    }
    void Write(const std::string& path, int32_t index) {
        TBookmarkList list;
        list.Add(TWordDescriptor(index, "a"));
        list.Save(path);
    }

    TTempDir Dir;
    const std::string User = Dir.File("User");
    const std::string Elsewhere = Dir.File("elsewhere");
};

TEST_F(BookmarkImportTest, AFileOutsideTheUserFolderIsCopiedIn) {
    Write(Elsewhere + "/Work.bmr", 5);
    TBookmarkImport plan = PlanBookmarkImport(Elsewhere + "/Work.bmr", User);
    EXPECT_EQ(plan.SetName, "Work");
    EXPECT_EQ(plan.Target, User + "/Work.bmr");
    EXPECT_TRUE(plan.Copy);
    EXPECT_FALSE(plan.Replaces);

    Write(User + "/Work.bmr", 6);
    EXPECT_TRUE(PlanBookmarkImport(Elsewhere + "/Work.bmr", User).Replaces);

    plan = PlanBookmarkImport(User + "/Work.bmr", User);
    EXPECT_FALSE(plan.Copy);
    // Through a link the User folder's own file is still itself.
    std::filesystem::create_directory_symlink(User, Dir.File("link"));
    EXPECT_FALSE(PlanBookmarkImport(Dir.File("link") + "/Work.bmr", User).Copy);

    EXPECT_EQ(PlanBookmarkImport(Elsewhere + "/.hidden.bmr", User).SetName, "");
}

TEST_F(BookmarkImportTest, OnlyReadableSetsAreRead) {
    const std::string path = Elsewhere + "/Work.bmr";
    Write(path, 5);
    TBookmarkList copy;
    copy.LoadData(ReadBookmarkFileBytes(path));
    EXPECT_EQ(copy.Items(0).ArticleIndex, 5);

    std::ofstream(path, std::ios::binary) << "not a bookmark file";
    EXPECT_THROW(ReadBookmarkFileBytes(path), std::exception);
    EXPECT_THROW(ReadBookmarkFileBytes(Elsewhere), std::exception);
    EXPECT_THROW(ReadBookmarkFileBytes(Elsewhere + "/none.bmr"), std::exception);
}

} // namespace
