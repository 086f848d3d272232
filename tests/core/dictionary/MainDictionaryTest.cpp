#include "core/dictionary/MainDictionary.h"

#include "core/base/ErrorBox.h"
#include "core/base/OrvelError.h"
#include "support/GeneratedDictionary.h"
#include "support/TempDir.h"

#include <chrono>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace orvel;
using namespace orvel::testing;

namespace {

const std::string BrokenData = "Нарушена структура данных";

uint32_t ReadUint32(const std::string& bytes, size_t i) {
    uint32_t v = 0;
    std::memcpy(&v, bytes.data() + 4 * i, 4);
    return v;
}

std::string Uint32s(std::initializer_list<uint32_t> values) {
    std::string bytes;
    for (uint32_t v : values)
        for (int shift = 0; shift < 32; shift += 8)
            bytes += char(v >> shift);
    return bytes;
}

class MainDictionaryTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous = SetErrorBoxHandler([this](const std::string& m) { shown.push_back(m); });
    }
    void TearDown() override { SetErrorBoxHandler(previous); }

    // File times have the resolution of the kernel's clock tick: files written one after
    // another need a pause between them to be told apart by age.
    static void NextTick() { std::this_thread::sleep_for(std::chrono::milliseconds(15)); }

    std::string Dic() const { return dir.File("orvel.dic"); }
    std::string Idx() const { return dir.File("orvel.idx"); }
    std::string Idz() const { return dir.File("orvel.idz"); }

    std::unique_ptr<TMainDictionary> Load() {
        auto dictionary = std::make_unique<TMainDictionary>();
        dictionary->Open(Dic());
        dictionary->LoadIndex();
        return dictionary;
    }

    void ExpectFailure(const std::string& message) {
        try {
            Load();
            ADD_FAILURE() << "loading did not fail";
        } catch (const EOrvelError& error) {
            EXPECT_EQ(error.what(), message);
        }
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0], message);
    }

    TTempDir dir;
    std::vector<std::string> shown;
    TErrorBoxHandler previous;
};

TEST_F(MainDictionaryTest, ReadsRecordsAndWritesBothIndexes) {
    WriteFile(Dic(), std::string("\x01"
                                 "a\x02\x01"
                                 "bc\x02\x01\x02",
                                 9));
    auto dictionary = Load();
    ASSERT_EQ(dictionary->Count(), 3);
    EXPECT_EQ(dictionary->LastIndex(), 2);
    EXPECT_EQ(dictionary->GetArticleText(0), "a");
    EXPECT_EQ(dictionary->GetArticleText(1), "bc");
    EXPECT_EQ(dictionary->GetArticleText(2), "");
    EXPECT_EQ(dictionary->ArticleLength(1), 2);
    EXPECT_EQ(std::memcmp(dictionary->ArticleData(1), "bc", 2), 0);
    EXPECT_EQ(dictionary->IdxSource(), TIndexSource::Rebuilt);
    EXPECT_EQ(dictionary->IdzSource(), TIndexSource::Rebuilt);
    EXPECT_EQ(ReadFile(Idx()), Uint32s({0, 3, 7, 9}));
    EXPECT_EQ(ReadFile(Idz()).size(), 2600u);
    EXPECT_TRUE(shown.empty());
}

TEST_F(MainDictionaryTest, HeadWordSkipsMarkPrefixAndStopsAtOtherBytes) {
    WriteFile(Dic(), BuildDic({"\x80\x05l\xC3"
                               "a-[b]_c d",
                               "ab,c", "\x80"}));
    auto dictionary = Load();
    EXPECT_EQ(dictionary->GetHeadWord(0), "l\xC3"
                                          "a-[b]_c");
    EXPECT_EQ(dictionary->GetHeadWord(1), "ab");
    EXPECT_EQ(dictionary->GetHeadWord(2), "");
}

TEST_F(MainDictionaryTest, MissingDicFailsThroughTheErrorBox) {
    ExpectFailure("Отсутствует основной файл словаря: orvel.dic");
}

TEST_F(MainDictionaryTest, DamagedDicFailsThroughTheErrorBox) {
    for (const std::string& bytes : {std::string(), std::string("a\x02", 2),
                                     std::string("\x01"
                                                 "a\x02\x01"
                                                 "b",
                                                 5),
                                     std::string("\x01"
                                                 "a\x02x",
                                                 4)}) {
        SCOPED_TRACE(::testing::PrintToString(bytes));
        shown.clear();
        WriteFile(Dic(), bytes);
        std::filesystem::remove(Idx());
        ExpectFailure(BrokenData);
    }
}

TEST_F(MainDictionaryTest, MoreRecordsThanTheTableHoldsIsDamage) {
    std::string dic;
    for (int i = 0; i < MaxArticles; ++i)
        dic += "\x01\x02";
    WriteFile(Dic(), dic);
    EXPECT_EQ(Load()->Count(), MaxArticles);

    NextTick();
    WriteFile(Dic(), dic + "\x01\x02");
    ExpectFailure(BrokenData);
}

TEST_F(MainDictionaryTest, IndexesNewerThanTheDicAreRead) {
    auto generated = GenerateDictionary(2000, 300000, 7);
    WriteFile(Dic(), generated.Dic);
    NextTick();
    auto rebuilt = Load();
    const std::string idx = ReadFile(Idx()), idz = ReadFile(Idz());

    auto read = Load();
    EXPECT_EQ(read->IdxSource(), TIndexSource::Read);
    EXPECT_EQ(read->IdzSource(), TIndexSource::Read);
    EXPECT_EQ(read->LetterIndex(), rebuilt->LetterIndex());
    ASSERT_EQ(read->Count(), 2000);
    for (int32_t i = 0; i < read->Count(); ++i)
        ASSERT_EQ(read->GetArticleText(i), generated.Articles[size_t(i)]);
    EXPECT_EQ(ReadFile(Idx()), idx);
    EXPECT_EQ(ReadFile(Idz()), idz);
}

TEST_F(MainDictionaryTest, IndexesOlderThanTheDicAreRebuilt) {
    WriteFile(Dic(), BuildDic({"a", "b"}));
    Load();
    NextTick();
    WriteFile(Dic(), BuildDic({"a", "bb", "c"})); // a new file, born after the indexes
    std::filesystem::remove(Dic());
    WriteFile(Dic(), BuildDic({"a", "bb", "c"}));
    auto dictionary = Load();
    EXPECT_EQ(dictionary->IdxSource(), TIndexSource::Rebuilt);
    EXPECT_EQ(dictionary->IdzSource(), TIndexSource::Rebuilt);
    EXPECT_EQ(dictionary->Count(), 3);
    EXPECT_EQ(dictionary->GetArticleText(1), "bb");
    EXPECT_EQ(dictionary->FirstOfLetter('c'), 2);
}

TEST_F(MainDictionaryTest, DamagedIdxIsRebuilt) {
    const std::string dic = BuildDic({"ab", "c", "de"}); // records at 0, 4, 7; size 11
    const std::string good = Uint32s({0, 4, 7, 11});
    std::string tooMany;
    for (int i = 0; i <= MaxArticles + 1; ++i)
        tooMany += Uint32s({uint32_t(i)});
    const std::vector<std::string> damaged = {
        "",
        good.substr(0, 15),        // not whole values
        Uint32s({0}),              // one value
        Uint32s({1, 4, 7, 11}),    // does not start at 0
        Uint32s({0, 7, 4, 11}),    // not increasing
        Uint32s({0, 4, 4, 11}),    // an empty step
        Uint32s({0, 3, 7, 11}),    // not at a record start
        Uint32s({0, 4, 7, 12}),    // beyond the end
        Uint32s({0, 4, 11}),       // misses a record
        Uint32s({0, 4, 7, 9, 11}), // invents a record
        tooMany,
    };
    for (const std::string& idx : damaged) {
        SCOPED_TRACE(idx.size());
        WriteFile(Dic(), dic);
        NextTick();
        // A new file, younger than the .dic, so that it is judged by its contents.
        std::filesystem::remove(Idx());
        WriteFile(Idx(), idx);
        auto dictionary = Load();
        EXPECT_EQ(dictionary->IdxSource(), TIndexSource::Rebuilt);
        ASSERT_EQ(dictionary->Count(), 3);
        EXPECT_EQ(dictionary->GetArticleText(2), "de");
        EXPECT_EQ(ReadFile(Idx()), good);
        std::filesystem::remove(Dic());
    }
    // The same steps with the right index read it.
    WriteFile(Dic(), dic);
    NextTick();
    std::filesystem::remove(Idx());
    WriteFile(Idx(), good);
    EXPECT_EQ(Load()->IdxSource(), TIndexSource::Read);
    EXPECT_TRUE(shown.empty());
}

// The .dic is checked against the index a piece (256 KB) at a time as it is read: damage far
// into a large file, and at the edge of a piece, is found as well.
TEST_F(MainDictionaryTest, DamageFarIntoALargeIdxIsFound) {
    constexpr uint32_t Piece = 256 << 10;
    WriteFile(Dic(), GenerateDictionary(3000, 400000, 9).Dic);
    NextTick();
    Load();
    const std::string good = ReadFile(Idx());
    auto value = [&good](size_t i) { return ReadUint32(good, i); };
    size_t edge = 0; // the first record whose 0x02 lies past the first piece
    while (value(edge) <= Piece)
        ++edge;
    const std::vector<std::string> damaged = {
        good.substr(0, 4 * edge) + good.substr(4 * edge + 4), // misses a record
        good.substr(0, 4 * 2900) + Uint32s({value(2900) + 1}) + good.substr(4 * 2901),
    };
    for (const std::string& idx : damaged) {
        std::filesystem::remove(Idx());
        WriteFile(Idx(), idx);
        EXPECT_EQ(Load()->IdxSource(), TIndexSource::Rebuilt);
        EXPECT_EQ(ReadFile(Idx()), good);
    }

    // Records of 256 bytes: one starts right at the edge of the first piece, its start byte in
    // the second piece and the end byte before it in the first.
    WriteFile(Dic(), BuildDic(std::vector<std::string>(1100, std::string(254, 'a'))));
    NextTick();
    std::filesystem::remove(Idx());
    Load();
    ASSERT_EQ(ReadUint32(ReadFile(Idx()), 1024), Piece);
    auto dictionary = Load();
    EXPECT_EQ(dictionary->IdxSource(), TIndexSource::Read);
    EXPECT_EQ(dictionary->Count(), 1100);
}

TEST_F(MainDictionaryTest, DamagedIdzIsRebuilt) {
    auto generated = GenerateDictionary(500, 20000, 3);
    WriteFile(Dic(), generated.Dic);
    NextTick();
    const auto expected = Load()->LetterIndex();
    const std::string good = ReadFile(Idz());

    auto withCell = [&good](size_t cell, uint32_t value) {
        std::string bytes = good;
        for (int k = 0; k < 4; ++k)
            bytes[cell * 4 + size_t(k)] = char(value >> (8 * k));
        return bytes;
    };
    const size_t rowB = 26; // the row of letter code 98, column 96
    const std::vector<std::string> damaged = {
        std::string(2600, '\0'),                      // all zero: claims article 0 for every start
        good.substr(0, 2596),                         // short
        good + std::string(4, '\0'),                  // long
        withCell(rowB, 500),                          // beyond the last article
        withCell(rowB, uint32_t(-2)),                 // below -1
        withCell(rowB, uint32_t(expected[1][0] + 1)), // not the first of its letter
        withCell(17 * 26, 0),                         // final sigma never starts a word
    };
    for (const std::string& idz : damaged) {
        WriteFile(Idz(), idz);
        auto dictionary = Load();
        EXPECT_EQ(dictionary->IdzSource(), TIndexSource::Rebuilt);
        EXPECT_EQ(dictionary->LetterIndex(), expected);
        EXPECT_EQ(ReadFile(Idz()), good);
    }
}

TEST_F(MainDictionaryTest, IndexWriteFailureIsSilentAndLeavesNothingBehind) {
    WriteFile(Dic(), BuildDic({"a", "b"}));
    std::filesystem::create_directory(Idx()); // cannot be replaced by a file
    auto dictionary = Load();
    EXPECT_EQ(dictionary->Count(), 2);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(std::filesystem::is_directory(Idx()));
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
}

// Another program may rewrite or cut the .dic while the dictionary is open (an update copied
// over it in place). The articles read stay those of the file that was opened, and nothing ends
// the program (a mapping of the file would be killed by SIGBUS at the next read).
TEST_F(MainDictionaryTest, DicChangedInPlaceWhileOpenIsNotReadAgain) {
    for (uint32_t size : {1000u, 2600000u}) { // a small file and one on large pages
        SCOPED_TRACE(size);
        auto generated = GenerateDictionary(int32_t(size / 100), size, 11);
        WriteFile(Dic(), generated.Dic);
        EXPECT_EXIT(
            {
                auto dictionary = Load();
                std::filesystem::resize_file(Dic(), 0);
                bool same = true;
                for (int32_t i = 0; i < dictionary->Count(); i += 7)
                    same = same && dictionary->GetArticleText(i) == generated.Articles[size_t(i)];
                WriteFile(Dic(), BuildDic({"a", "b"}));
                const int32_t last = dictionary->LastIndex();
                same = same && dictionary->GetArticleText(last) == generated.Articles.back();
                std::_Exit(same ? 0 : 1);
            },
            ::testing::ExitedWithCode(0), "");
        std::filesystem::remove(Dic());
    }
}

// Index files written by a process killed half-way leave temporary files that carry its id;
// opening the dictionary removes those of processes that have ended.
TEST_F(MainDictionaryTest, OpeningRemovesStaleIndexTemporaries) {
    WriteFile(Dic(), BuildDic({"a", "b"}));
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const std::string stale = dir.File("orvel.idx.tmp" + std::to_string(ended));
    const std::string alive = dir.File("orvel.idz.tmp" + std::to_string(::getpid()) + "-abc123");
    WriteFile(stale, "x");
    WriteFile(alive, "x");
    Load();
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_TRUE(std::filesystem::exists(alive));
}

// A named pipe in place of a data file must not stop the start: opening one would wait for a
// writer for ever. Run in a child process that an alarm ends if it waits.
TEST_F(MainDictionaryTest, PipesInPlaceOfTheFilesAreNeverWaitedFor) {
    WriteFile(Dic(), BuildDic({"ab", "c"}));
    NextTick();
    ASSERT_EQ(::mkfifo(Idx().c_str(), 0644), 0);
    ASSERT_EQ(::mkfifo(Idz().c_str(), 0644), 0);
    EXPECT_EXIT(
        {
            ::alarm(10);
            const bool rebuilt = Load()->IdxSource() == TIndexSource::Rebuilt && shown.empty();
            std::filesystem::remove(Dic());
            ::mkfifo(Dic().c_str(), 0644);
            try {
                Load();
            } catch (const EOrvelError& error) {
                const bool named = std::string(error.what()).find("orvel.dic") != std::string::npos;
                std::_Exit(rebuilt && named ? 0 : 1);
            }
            std::_Exit(1);
        },
        ::testing::ExitedWithCode(0), "");
    // The rebuilt indexes took the pipes' places.
    EXPECT_TRUE(std::filesystem::is_regular_file(Idz()));
    ASSERT_TRUE(std::filesystem::is_regular_file(Idx()));
    EXPECT_EQ(ReadFile(Idx()), Uint32s({0, 4, 7}));
}

TEST(MapFileTest, EmptyFileMapsToNothing) {
    TTempDir dir;
    WriteFile(dir.File("empty"), "");
    TVkrMapFile file;
    file.Open(dir.File("empty"), true, TVkrMapFile::OpenExisting);
    EXPECT_TRUE(file.IsOpen());
    EXPECT_EQ(file.Memory(), nullptr);
    EXPECT_EQ(file.Size(), 0u);
}

TEST(MapFileTest, MissingFileStaysClosedWithoutError) {
    TTempDir dir;
    TVkrMapFile file;
    file.Open(dir.File("missing"), true, TVkrMapFile::OpenExisting);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.Memory(), nullptr);
    TFileTime time;
    EXPECT_FALSE(file.GetFileTime(time));
}

TEST(MapFileTest, WritesThroughTheMappingAndResizes) {
    TTempDir dir;
    TVkrMapFile file;
    file.Open(dir.File("out"), false, TVkrMapFile::CreateAlways);
    file.SetSize(4);
    std::memcpy(file.WritableMemory(), "abcd", 4);
    file.SetSize(2);
    file.Close();
    EXPECT_EQ(ReadFile(dir.File("out")), "ab");

    TVkrMapFile readOnly;
    readOnly.Open(dir.File("out"), true, TVkrMapFile::OpenExisting);
    EXPECT_EQ(readOnly.WritableMemory(), nullptr);
    readOnly.SetSize(10);
    EXPECT_EQ(readOnly.Size(), 2u);
}

} // namespace
