#include "core/dictionary/WordDescriptor.h"

#include "core/storage/TaggedValues.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

TEST(WordDescriptorTest, StreamFormKeepsSelectionsButNotSearchHits) {
    TWordDescriptor kept(1234, "lo\xC3"
                               "gor");
    kept.SetNote("\xCC\xEE\xE8.not", true); // a Windows-1251 file name
    kept.SetSelection(5, 7);
    TWordDescriptor hit(40000, "a");
    hit.SetFoundSelection(9, 3);

    TValueWriter writer;
    kept.Save(writer);
    hit.Save(writer);
    const std::string bytes = writer.Data();

    TValueReader reader(bytes);
    TWordDescriptor a, b;
    a.Load(reader, 1);
    b.Load(reader, 1);
    EXPECT_EQ(a.ArticleIndex, 1234);
    EXPECT_EQ(a.Word, "lo\xC3"
                      "gor");
    EXPECT_TRUE(a.InNote);
    EXPECT_EQ(a.NoteFile, "\xCC\xEE\xE8.not");
    EXPECT_EQ(a.SelStart, 5);
    EXPECT_EQ(a.SelLength, 7);
    EXPECT_FALSE(a.Found);
    EXPECT_EQ(b.ArticleIndex, 40000);
    EXPECT_EQ(b.SelStart, 0);
    EXPECT_EQ(b.SelLength, 0);
    EXPECT_FALSE(b.Found);
}

TEST(WordDescriptorTest, ExactBytesOfTheStreamForm) {
    TWordDescriptor d(200, "ab");
    d.SetSelection(-1, 128);
    TValueWriter writer;
    d.Save(writer);
    const std::string bytes = writer.Data();
    EXPECT_EQ(bytes, std::string("\x03\xC8\x00"
                                 "\x06\x02"
                                 "ab"
                                 "\x08"
                                 "\x06\x00"
                                 "\x02\xFF"
                                 "\x03\x80\x00",
                                 15));
}

TEST(WordDescriptorTest, VersionZeroIndexesMoveToTodaysNumbering) {
    EXPECT_EQ(MigrateArticleIndexFromVersion0(0), 0);
    EXPECT_EQ(MigrateArticleIndexFromVersion0(23760), 23760);
    EXPECT_EQ(MigrateArticleIndexFromVersion0(23761), 23762);
    EXPECT_EQ(MigrateArticleIndexFromVersion0(24173), 24178);
    EXPECT_EQ(MigrateArticleIndexFromVersion0(24176), 24182);
    EXPECT_EQ(MigrateArticleIndexFromVersion0(25139), 25147);
    EXPECT_EQ(MigrateArticleIndexFromVersion0(45516), 45527);
    EXPECT_EQ(MigrateArticleIndexFromVersion0(INT32_MAX - 3), INT32_MAX);

    TWordDescriptor d(24176, "a");
    TValueWriter writer;
    d.Save(writer);
    d.Save(writer);
    const std::string bytes = writer.Data();
    TValueReader reader(bytes);
    TWordDescriptor old, current;
    old.Load(reader, 0);
    current.Load(reader, 1);
    EXPECT_EQ(old.ArticleIndex, 24182);
    EXPECT_EQ(current.ArticleIndex, 24176);
}

TEST(WordDescriptorTest, ListKeyAndSameness) {
    TWordDescriptor d(3, "\x80\xC5"
                         "A-b_c1");
    EXPECT_EQ(d.ListKey(), "abc");
    TWordDescriptor other(3, "different");
    other.SetSelection(1, 2);
    EXPECT_TRUE(d.SameAs(other));
    other.SetNote("x.not", false);
    EXPECT_FALSE(d.SameAs(other));
    d.SetNote("x.not", false);
    EXPECT_TRUE(d.SameAs(other));
    d.InNote = true;
    EXPECT_FALSE(d.SameAs(other));
}

} // namespace
