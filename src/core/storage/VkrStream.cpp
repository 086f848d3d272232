#include "core/storage/VkrStream.h"

#include "core/base/OrvelError.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace orvel {

namespace {

[[noreturn]] void WriteError(const std::string& fileName, int error) {
    throw EOrvelError("Cannot write file " + fileName + ": " +
                      std::generic_category().message(error));
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

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

// ---- TBaseStream ----

TBaseStream::TBaseStream(int32_t version, std::string signature)
    : Signature(std::move(signature)), Version(version) {}

TBaseStream::~TBaseStream() {
    if (Stream >= 0)
        ::close(Stream);
}

// ---- TBaseLoadStream ----

void TBaseLoadStream::ReadHeader() {
    if (Reader->ReadString() != Signature)
        throw EOrvelError("Нарушена структура файла");
    FileVersion = Reader->ReadInteger();
    if (FileVersion > Version)
        throw EOrvelError("Некорректная версия файла");
}

// ---- TFileLoadStream ----

TFileLoadStream::TFileLoadStream(const std::string& fileName, size_t bufferSize, int32_t version,
                                 std::string signature)
    : TBaseLoadStream(version, std::move(signature)) {
    Stream = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status {};
    if (Stream < 0 || ::fstat(Stream, &status) != 0 || S_ISDIR(status.st_mode))
        throw EOrvelError("Cannot open file " + fileName);
    Reader = std::make_unique<TValueReader>(Stream, bufferSize);
}

void TFileLoadStream::Header() {
    ReadHeader();
}

// ---- TMemoryLoadStream ----

TMemoryLoadStream::TMemoryLoadStream(std::string data, int32_t version, std::string signature)
    : TBaseLoadStream(version, std::move(signature)) {
    Reader = std::make_unique<TValueReader>(std::move(data));
}

void TMemoryLoadStream::Header() {
    ReadHeader();
}

// ---- TFileSaveStream ----

TFileSaveStream::TFileSaveStream(const std::string& fileName, size_t bufferSize, int32_t version,
                                 std::string signature)
    : TBaseSaveStream(version, std::move(signature)), FFileName(fileName), FTargetName(fileName) {
    FileVersion = Version;

    // Saving through a symbolic link replaces the file it points to, not the link.
    struct stat status {};
    if (::lstat(fileName.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
        if (char* resolved = ::realpath(fileName.c_str(), nullptr)) {
            FTargetName = resolved;
            std::free(resolved);
        }
    }
    // The new file keeps the permissions of the one it replaces.
    const bool replacing = ::stat(FTargetName.c_str(), &status) == 0 && S_ISREG(status.st_mode);

    for (int attempt = 0; attempt < 100 && Stream < 0; ++attempt) {
        FTempName = FTargetName + ".tmp-" + TempSuffix();
        Stream = ::open(FTempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (Stream < 0 && errno != EEXIST)
            break;
    }
    if (Stream < 0) {
        FTempName.clear();
        throw EOrvelError("Cannot create file " + fileName);
    }
    if (replacing)
        ::fchmod(Stream, status.st_mode & 07777);
    Writer = std::make_unique<TValueWriter>(Stream, bufferSize, fileName);
}

TFileSaveStream::~TFileSaveStream() {
    if (FCommitted || FTempName.empty())
        return;
    if (Stream >= 0) {
        ::close(Stream);
        Stream = -1;
    }
    ::unlink(FTempName.c_str());
}

void TFileSaveStream::Header() {
    Writer->WriteString(Signature);
    Writer->WriteInteger(FileVersion);
}

void TFileSaveStream::Flush() {
    Writer->FlushBuffer();
}

void TFileSaveStream::Commit() {
    if (FCommitted)
        return;
    // A failed write leaves the writer failed, and the writer is detached from here on, so a
    // Commit that failed once fails again rather than reporting a damaged file as saved.
    Writer->FlushBuffer();
    Writer->Detach();
    const int handle = Stream;
    Stream = -1;
    if (::fsync(handle) != 0) {
        const int error = errno;
        ::close(handle);
        WriteError(FFileName, error);
    }
    // Linux releases the descriptor even when close reports EINTR; the data is synced already.
    if (::close(handle) != 0 && errno != EINTR)
        WriteError(FFileName, errno);
    if (::rename(FTempName.c_str(), FTargetName.c_str()) != 0)
        WriteError(FFileName, errno);
    FCommitted = true;

    // Make the rename itself durable. The new file is in place already, so a folder that
    // cannot be synced (some file systems refuse) is not a failed save.
    const int folder = ::open(FolderOf(FTargetName).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

} // namespace orvel
