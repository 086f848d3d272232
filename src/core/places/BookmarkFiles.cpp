#include "core/places/BookmarkFiles.h"

#include "core/base/FileNames.h"
#include "core/base/OrvelError.h"
#include "core/encoding/Windows1251.h"
#include "core/places/BookmarkList.h"
#include "core/settings/Preference.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvel {

namespace {

// Whether both paths name one existing file (through links too).
bool SameFile(const std::string& a, const std::string& b) {
    struct stat first {
    }, second{};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool Exists(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

} // namespace

std::string BookmarkSetName(std::string_view text) {
    // A set is named as a notes file is: the same rule keeps both inside the User folder.
    return NoteFileNameFromPath(text);
}

std::string BookmarkFileName(const std::string& userFolder, std::string_view preferenceValue) {
    const std::string name = BookmarkSetName(preferenceValue);
    if (name.empty())
        return {};
    return userFolder + "/" + Cp1251ToUtf8(name) + ".bmr";
}

TBookmarkImport PlanBookmarkImport(const std::string& chosenPath, const std::string& userFolder) {
    TBookmarkImport plan;
    plan.SetName = BookmarkSetName(Utf8ToCp1251(chosenPath));
    if (plan.SetName.empty())
        return plan;
    plan.Target = BookmarkFileName(userFolder, plan.SetName);
    plan.Copy = !SameFile(chosenPath, plan.Target);
    plan.Replaces = plan.Copy && Exists(plan.Target);
    return plan;
}

std::string ReadBookmarkFileBytes(const std::string& path) {
    // As a load stream opens it: only a regular file, and no wait on a pipe.
    const int handle = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat status {};
    if (handle < 0 || ::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode)) {
        if (handle >= 0)
            ::close(handle);
        throw EOrvelError("Cannot open file " + path);
    }
    std::string bytes;
    char buffer[65536];
    ssize_t got = 0;
    while ((got = ::read(handle, buffer, sizeof buffer)) != 0) {
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            break;
        bytes.append(buffer, size_t(got));
    }
    ::close(handle);
    if (got < 0)
        throw EOrvelError("Stream read error");
    TBookmarkList check;
    check.LoadData(bytes);
    return bytes;
}

} // namespace orvel
