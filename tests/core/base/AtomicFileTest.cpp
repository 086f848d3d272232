#include "core/base/AtomicFile.h"

#include "support/GeneratedDictionary.h"
#include "support/TempDir.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace orvel;
using namespace orvel::testing;

namespace {

class AtomicFileTest : public ::testing::Test {
protected:
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // Runs Child in a process of its own and answers that process's id, ended.
    static pid_t InChildProcess(const std::function<void()>& Child) {
        const pid_t child = ::fork();
        if (child == 0) {
            Child();
            ::_exit(0);
        }
        ::waitpid(child, nullptr, 0);
        return child;
    }

    TTempDir dir;
};

// A process killed while writing leaves the old file, and nothing once the file is next opened
// for saving: an unnamed temporary file goes with its process, a named one with the next save.
TEST_F(AtomicFileTest, KilledWriteLeavesNothingBehind) {
    const std::string target = dir.File("data");
    WriteFile(target, "old");
    for (bool unnamed : {true, false}) {
        InChildProcess([&] {
            TAtomicFile file(target, "data", unnamed);
            file.Write("new", 3);
            ::raise(SIGKILL);
        });
        EXPECT_EQ(Names().size(), unnamed ? 1u : 2u);
    }
    TAtomicFile file(target, "data", false);
    file.Write("new", 3);
    EXPECT_EQ(ReadFile(target), "old");
    file.Commit();
    EXPECT_EQ(ReadFile(target), "new");
    EXPECT_EQ(Names(), std::vector<std::string>{"data"});
}

TEST_F(AtomicFileTest, RemovesOnlyTemporariesOfEndedProcesses) {
    const std::string dead = std::to_string(InChildProcess([] {}));
    const std::vector<std::string> kept = {
        "data",
        "data.tmp" + std::to_string(::getpid()) + "-ab12cd", // its process may be writing it
        "data.tmp-ab12cd",                                   // no process named
        "data.tmp" + dead + "x",                             // not a temporary file's name
        "data.tmp" + dead + "-AB",
        "data.tmp0",
        "other.tmp" + dead, // another file's
    };
    for (const auto& name : kept)
        WriteFile(dir.File(name), "x");
    WriteFile(dir.File("data.tmp" + dead), "x");
    WriteFile(dir.File("data.tmp" + dead + "-ab12cd"), "x");
    std::filesystem::create_directory(dir.File("data.tmp" + dead + "-folder"));

    RemoveStaleTemporaries(dir.File("data"));
    std::vector<std::string> expected = kept;
    expected.push_back("data.tmp" + dead + "-folder");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Names(), expected);
}

} // namespace
