#include "core/storage/VkrStream.h"

#include "core/base/OrvelError.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvel {
namespace {

namespace fs = std::filesystem;

const std::string NotesSignature = "OrvelUserDictionary";

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EOrvelError& e) {
        return e.what();
    }
    return "";
}

class VkrStream : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "orvel-stream-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        FFolder = pattern;
    }
    void TearDown() override { fs::remove_all(FFolder); }

    std::string PathOf(const std::string& name) const { return (FFolder / name).string(); }

    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void Store(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(FFolder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // Saves a notes header and one string.
    void SaveNotes(const std::string& path, const std::string& text, int32_t version = 1) {
        TFileSaveStream stream(path, 32768, version, NotesSignature);
        stream.Header();
        stream.Writer->WriteString(text);
        stream.Commit();
    }

    std::string LoadError(const std::string& bytes, int32_t version = 1) {
        Store(PathOf("in.dat"), bytes);
        return ErrorOf([&] {
            TFileLoadStream stream(PathOf("in.dat"), 4096, version, NotesSignature);
            stream.Header();
        });
    }

    fs::path FFolder;
};

TEST_F(VkrStream, NotesHeaderBytesAndRoundTrip) {
    const std::string path = PathOf("notes.dat");
    SaveNotes(path, "\xC0\xE1\xE2");
    const std::string header = std::string("\x06\x13", 2) + NotesSignature + "\x02\x01";
    ASSERT_EQ(header.size(), 23u);
    EXPECT_EQ(Contents(path), header + std::string("\x14\x06\0\0\0\xD0\x90\xD0\xB1\xD0\xB2", 11));

    TFileLoadStream stream(path, 4096, 1, NotesSignature);
    stream.Header();
    EXPECT_EQ(stream.FileVersion, 1);
    EXPECT_EQ(stream.Reader->ReadString(), "\xC0\xE1\xE2");
    EXPECT_EQ(ErrorOf([&] { stream.Reader->ReadInteger(); }), "Stream read error");
}

TEST_F(VkrStream, HeaderChecks) {
    SaveNotes(PathOf("v0.dat"), "", 0);
    TFileLoadStream older(PathOf("v0.dat"), 4096, 1, NotesSignature);
    older.Header();
    EXPECT_EQ(older.FileVersion, 0);

    const std::string header = std::string("\x06\x13", 2) + NotesSignature;
    EXPECT_EQ(LoadError(header + "\x02\x02"), "Некорректная версия файла");
    EXPECT_EQ(LoadError(std::string("\x06\x13orvelUserDictionary\x02\x01")),
              "Нарушена структура файла");
    EXPECT_EQ(LoadError(std::string("\x02\x01", 2)), "Invalid property value");
    for (size_t length = 0; length < header.size() + 2; ++length)
        EXPECT_EQ(LoadError((header + "\x02\x01").substr(0, length)), "Stream read error");

    TMemoryLoadStream memory(header + std::string("\x03\x00\x01", 3), 256, NotesSignature);
    memory.Header();
    EXPECT_EQ(memory.FileVersion, 256);
}

TEST_F(VkrStream, OpenAndCreateFailures) {
    const std::string missing = PathOf("missing.dat");
    EXPECT_EQ(ErrorOf([&] { TFileLoadStream(missing, 4096, 1, NotesSignature); }),
              "Cannot open file " + missing);
    EXPECT_EQ(ErrorOf([&] { TFileLoadStream(FFolder.string(), 4096, 1, NotesSignature); }),
              "Cannot open file " + FFolder.string());

    Store(PathOf("plain"), "x");
    for (const std::string& path : {PathOf("no/such/folder/notes.dat"), PathOf("plain/notes.dat")})
        EXPECT_EQ(ErrorOf([&] { TFileSaveStream(path, 4096, 1, NotesSignature); }),
                  "Cannot create file " + path);

    if (geteuid() != 0) { // permissions do not stop root
        fs::create_directory(PathOf("locked"));
        fs::permissions(PathOf("locked"), fs::perms::owner_read | fs::perms::owner_exec);
        const std::string path = PathOf("locked/notes.dat");
        EXPECT_EQ(ErrorOf([&] { TFileSaveStream(path, 4096, 1, NotesSignature); }),
                  "Cannot create file " + path);
        fs::permissions(PathOf("locked"), fs::perms::owner_all);
    }
}

TEST_F(VkrStream, SaveReplacesOnlyOnCommit) {
    const std::string path = PathOf("notes.dat");
    Store(path, "old contents");
    EXPECT_THROW(
        {
            TFileSaveStream stream(path, 1, 1, NotesSignature);
            stream.Header();
            stream.Writer->WriteString(std::string(1000, 'n'));
            stream.Flush();
            EXPECT_EQ(Contents(path), "old contents");
            throw std::runtime_error("interrupted");
        },
        std::runtime_error);
    EXPECT_EQ(Contents(path), "old contents");
    EXPECT_EQ(Names(), std::vector<std::string>{"notes.dat"});

    { TFileSaveStream abandoned(PathOf("new.dat"), 4096, 1, NotesSignature); }
    EXPECT_EQ(Names(), std::vector<std::string>{"notes.dat"});

    TFileSaveStream stream(path, 4096, 1, NotesSignature);
    stream.Header();
    stream.Commit();
    stream.Commit();
    EXPECT_EQ(Contents(path).size(), 23u);
    EXPECT_EQ(Names(), std::vector<std::string>{"notes.dat"});
    // Nothing written after Commit can reach the file (or whatever reuses its descriptor).
    EXPECT_NE(ErrorOf([&] { stream.Writer->WriteString("late"); }), "");
}

TEST_F(VkrStream, SaveKeepsPermissionsAndFollowsLinks) {
    const std::string path = PathOf("notes.dat");
    SaveNotes(path, "first");
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0644 & ~mask));

    fs::permissions(path, fs::perms(0600));
    fs::create_symlink(path, PathOf("link.dat"));
    SaveNotes(PathOf("link.dat"), "second");
    EXPECT_TRUE(fs::is_symlink(PathOf("link.dat")));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0600));
    TFileLoadStream stream(path, 4096, 1, NotesSignature);
    stream.Header();
    EXPECT_EQ(stream.Reader->ReadString(), "second");
}

// A write that fails part way (here the file size limit stands in for a full disk) is reported
// and leaves the old file as it was. Run in a child process, which alone carries the limit.
TEST_F(VkrStream, FailedWriteLeavesOldFile) {
    const std::string path = PathOf("notes.dat");
    SaveNotes(path, "old");
    const std::string before = Contents(path);
    const auto saveOverLimit = [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        setrlimit(RLIMIT_FSIZE, &limit);
        const std::string error = ErrorOf([&] {
            TFileSaveStream stream(path, 256, 1, NotesSignature);
            stream.Header();
            for (int i = 0; i < 100; ++i)
                stream.Writer->WriteString(std::string(100, 'x'));
            stream.Commit();
        });
        return error.rfind("Cannot write file " + path + ": ", 0) == 0 &&
               Contents(path) == before && Names().size() == 1;
    };
    EXPECT_EXIT(std::_Exit(saveOverLimit() ? 0 : 1), ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace orvel
