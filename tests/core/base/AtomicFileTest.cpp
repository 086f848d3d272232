#include "core/base/AtomicFile.h"

#include "core/base/OrvelError.h"
#include "support/GeneratedDictionary.h"
#include "support/TempDir.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace orvel;
using namespace orvel::testing;

namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
protected:
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // The id of a process that has ended.
    static pid_t DeadPid() {
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(0);
        ::waitpid(child, nullptr, 0);
        return child;
    }

    // Starts replacing Target in a child process that is killed before it commits.
    static void KilledWhileWriting(const std::string& Target, bool Unnamed) {
        const pid_t child = ::fork();
        if (child == 0) {
            TAtomicFile file(Target, Target, Unnamed);
            const std::string half(100000, 'n');
            file.Write(half.data(), half.size());
            ::raise(SIGKILL);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
    }

    TTempDir dir;
};

TEST_F(AtomicFileTest, ReplacesTheFileOnCommitOnly) {
    for (bool unnamed : {true, false}) {
        SCOPED_TRACE(unnamed);
        const std::string target = dir.File("data");
        WriteFile(target, "old");
        {
            TAtomicFile file(target, "data", unnamed);
            file.Write("new", 3);
            EXPECT_EQ(ReadFile(target), "old");
        }
        EXPECT_EQ(ReadFile(target), "old");
        EXPECT_EQ(Names(), std::vector<std::string>{"data"});

        TAtomicFile file(target, "data", unnamed);
        file.Write("new", 3);
        file.Commit();
        file.Commit();
        EXPECT_EQ(ReadFile(target), "new");
        EXPECT_EQ(Names(), std::vector<std::string>{"data"});
        EXPECT_THROW(file.Write("late", 4), EOrvelError);
    }
}

TEST_F(AtomicFileTest, KilledWriteLeavesNothingOnceTheFolderIsOpenedAgain) {
    const std::string target = dir.File("data");
    WriteFile(target, "old");
    // An unnamed temporary file goes with its process.
    KilledWhileWriting(target, true);
    EXPECT_EQ(Names(), std::vector<std::string>{"data"});

    // A named one stays until the folder is next opened for this file.
    KilledWhileWriting(target, false);
    EXPECT_EQ(Names().size(), 2u);
    RemoveStaleTemporaries(target);
    EXPECT_EQ(Names(), std::vector<std::string>{"data"});
    EXPECT_EQ(ReadFile(target), "old");

    // The next save clears them too.
    KilledWhileWriting(target, false);
    WriteFileAtomically(target, "new");
    EXPECT_EQ(Names(), std::vector<std::string>{"data"});
    EXPECT_EQ(ReadFile(target), "new");
}

TEST_F(AtomicFileTest, RemovesOnlyTemporariesOfEndedProcesses) {
    const std::string dead = std::to_string(DeadPid());
    const std::string alive = std::to_string(::getpid());
    const std::vector<std::string> stale = {"data.tmp" + dead, "data.tmp" + dead + "-ab12cd"};
    const std::vector<std::string> kept = {
        "data",
        "data.tmp" + alive + "-ab12cd", // its process may still be writing
        "data.tmp-ab12cd",              // no process named
        "data.tmp" + dead + "x",        // not a temporary file's name
        "data.tmp" + dead + "-",
        "data.tmp" + dead + "-AB",
        "data.tmp0",
        "other.tmp" + dead, // another file's
        "xdata.tmp" + dead,
    };
    for (const auto& name : stale)
        WriteFile(dir.File(name), "x");
    for (const auto& name : kept)
        WriteFile(dir.File(name), "x");
    fs::create_directory(dir.File("data.tmp" + dead + "-dir123"));

    RemoveStaleTemporaries(dir.File("data"));
    std::vector<std::string> expected = kept;
    expected.push_back("data.tmp" + dead + "-dir123");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Names(), expected);
}

TEST_F(AtomicFileTest, ReplacesWhatIsNotARegularFileWithoutOpeningIt) {
    const std::string target = dir.File("data");
    ASSERT_EQ(::mkfifo(target.c_str(), 0644), 0);
    WriteFileAtomically(target, "new"); // opening the pipe for writing would block
    EXPECT_TRUE(fs::is_regular_file(target));
    EXPECT_EQ(ReadFile(target), "new");
}

TEST_F(AtomicFileTest, FailuresNameTheFile) {
    WriteFile(dir.File("plain"), "x");
    for (bool unnamed : {true, false}) {
        const std::string target = dir.File("plain/data");
        try {
            TAtomicFile file(target, "shown", unnamed);
            ADD_FAILURE() << "created a file inside a file";
        } catch (const EOrvelError& error) {
            EXPECT_EQ(std::string(error.what()), "Cannot create file shown");
        }
    }
    // The target's place is taken by a folder: the rename fails, and fails again.
    fs::create_directory(dir.File("folder"));
    {
        TAtomicFile file(dir.File("folder"), "shown");
        file.Write("x", 1);
        EXPECT_THROW(file.Commit(), EOrvelError);
        try {
            file.Commit();
            ADD_FAILURE() << "a failed commit succeeded";
        } catch (const EOrvelError& error) {
            EXPECT_EQ(std::string(error.what()), "Cannot write file shown: Is a directory");
        }
    }
    EXPECT_EQ(Names(), (std::vector<std::string>{"folder", "plain"}));
}

} // namespace
