#include "core/base/AtomicFile.h"

#include "core/base/OrvelError.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace orvel {

namespace {

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Six letters or digits that differ between calls and between processes.
std::string TempSuffix() {
    static std::atomic<uint64_t> counter{0};
    uint64_t value =
        static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (static_cast<uint64_t>(::getpid()) << 40) ^ (counter++ * 0x9E3779B97F4A7C15ull);
    value ^= value >> 29;
    value *= 0xBF58476D1CE4E5B9ull;
    value ^= value >> 32;
    static constexpr char Alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix;
    for (int i = 0; i < 6; ++i) {
        suffix += Alphabet[value % 36];
        value /= 36;
    }
    return suffix;
}

// The name a temporary file of this process gets beside Target.
std::string TemporaryName(const std::string& target) {
    return target + ".tmp" + std::to_string(::getpid()) + "-" + TempSuffix();
}

// Creates a new named temporary file beside Target; -1 with errno set when it cannot.
int CreateNamedTemporary(const std::string& target, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = TemporaryName(target);
        const int handle = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (handle >= 0 || errno != EEXIST)
            return handle;
    }
    return -1;
}

// The process id in what follows "<target>.tmp" in a temporary file's name: digits, then the
// end or "-" and a suffix of letters and digits. 0 for any other name.
pid_t TemporaryOwner(std::string_view rest) {
    size_t digits = 0;
    int64_t pid = 0;
    while (digits < rest.size() && digits < 10 && rest[digits] >= '0' && rest[digits] <= '9')
        pid = pid * 10 + (rest[digits++] - '0');
    if (digits == 0 || pid > INT32_MAX)
        return 0;
    if (digits < rest.size()) {
        if (rest[digits] != '-' || digits + 1 == rest.size())
            return 0;
        for (char c : rest.substr(digits + 1))
            if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
                return 0;
    }
    return pid_t(pid);
}

bool WriteAll(int handle, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(handle, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        data += written;
        size -= size_t(written);
    }
    return true;
}

} // namespace

TAtomicFile::TAtomicFile(std::string Target, std::string ShownName, bool Unnamed)
    : FTarget(std::move(Target)), FShownName(std::move(ShownName)) {
    RemoveStaleTemporaries(FTarget);
    struct stat status {};
    const bool replacing = ::stat(FTarget.c_str(), &status) == 0 && S_ISREG(status.st_mode);
    // An unnamed file is linked under a name when it is complete; without /proc that may be
    // refused, so it is used only where /proc is there.
    if (Unnamed && ::access("/proc/self/fd", X_OK) == 0)
        FHandle = ::open(FolderOf(FTarget).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0644);
    if (FHandle < 0)
        FHandle = CreateNamedTemporary(FTarget, FTempName);
    if (FHandle < 0) {
        FTempName.clear();
        throw EOrvelError("Cannot create file " + FShownName);
    }
    if (replacing)
        ::fchmod(FHandle, status.st_mode & 07777);
}

TAtomicFile::~TAtomicFile() {
    if (FHandle >= 0)
        ::close(FHandle);
    if (!FCommitted && !FTempName.empty())
        ::unlink(FTempName.c_str());
}

void TAtomicFile::Fail(int Error) {
    if (FHandle >= 0)
        ::close(FHandle);
    FHandle = -1;
    if (FError == 0)
        FError = Error != 0 ? Error : EIO;
    throw EOrvelError("Cannot write file " + FShownName + ": " +
                      std::generic_category().message(FError));
}

void TAtomicFile::Write(const void* Data, size_t Size) {
    if (FHandle < 0)
        Fail(FCommitted ? EBADF : FError);
    if (!WriteAll(FHandle, static_cast<const char*>(Data), Size))
        Fail(errno);
}

void TAtomicFile::NameTemporary() {
    // Linking by descriptor needs a recent kernel or a privilege; the link through /proc, which
    // the constructor made sure of, does not.
    const std::string byProc = "/proc/self/fd/" + std::to_string(FHandle);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = TemporaryName(FTarget);
        if (::linkat(FHandle, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0 ||
            ::linkat(AT_FDCWD, byProc.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            FTempName = std::move(name);
            return;
        }
        if (errno != EEXIST)
            break;
    }
    Fail(errno);
}

void TAtomicFile::Commit() {
    if (FCommitted)
        return;
    if (FHandle < 0)
        Fail(FError);
    if (FTempName.empty())
        NameTemporary();
    if (::fsync(FHandle) != 0)
        Fail(errno);
    // Linux releases the descriptor even when close reports EINTR; the data is synced already.
    const int handle = FHandle;
    FHandle = -1;
    if (::close(handle) != 0 && errno != EINTR)
        Fail(errno);
    if (::rename(FTempName.c_str(), FTarget.c_str()) != 0)
        Fail(errno);
    FCommitted = true;

    // Make the rename itself durable. The new file is in place already, so a folder that
    // cannot be synced (some file systems refuse) is not a failed save.
    const int folder = ::open(FolderOf(FTarget).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

void WriteFileAtomically(const std::string& Target, std::string_view Bytes) {
    TAtomicFile file(Target, Target);
    file.Write(Bytes.data(), Bytes.size());
    file.Commit();
}

void RemoveStaleTemporaries(const std::string& Target) {
    DIR* folder = ::opendir(FolderOf(Target).c_str());
    if (!folder)
        return;
    const std::string prefix = BaseNameOf(Target) + ".tmp";
    while (const dirent* entry = ::readdir(folder)) {
        const std::string_view name = entry->d_name;
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const pid_t owner = TemporaryOwner(name.substr(prefix.size()));
        // A process that exists (or that this one may not signal) may still be writing it.
        if (owner <= 0 || ::kill(owner, 0) == 0 || errno != ESRCH)
            continue;
        struct stat status {};
        if (::fstatat(::dirfd(folder), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode))
            ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
    ::closedir(folder);
}

} // namespace orvel
