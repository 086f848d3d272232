#include "core/base/VkrMapFile.h"

#include "core/base/LargePages.h"
#include "core/base/OrvelError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvel {

namespace {
std::string BaseName(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int64_t Nanoseconds(const struct statx_timestamp& t) {
    return int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}
} // namespace

bool CreatedBefore(const TFileTime& a, const TFileTime& b) {
    if (a.HasBirth && b.HasBirth && a.BirthNs != b.BirthNs)
        return a.BirthNs < b.BirthNs;
    return a.ModifiedNs < b.ModifiedNs;
}

TVkrMapFile::~TVkrMapFile() {
    TVkrMapFile::Close();
}

void TVkrMapFile::Open(const std::string& FileName, bool ReadOnly, uint32_t CreationDisposition) {
    if (OpenHandle(FileName, ReadOnly, CreationDisposition))
        Map();
}

void TVkrMapFile::OpenInto(const std::string& FileName, void* Buffer, size_t Capacity) {
    if (!OpenHandle(FileName, true, OpenExisting) || FSize == 0 || FSize > Capacity)
        return;
    uint8_t* into = static_cast<uint8_t*>(Buffer);
    if (int error = ReadWhole(into))
        FailOpen(error);
    if (FSize > 0) {
        FMemory = into;
        FBorrowed = true;
    }
}

void TVkrMapFile::OpenUnread(const std::string& FileName) {
    OpenHandle(FileName, true, OpenExisting);
}

void TVkrMapFile::ReadContents() {
    if (IsOpen() && ReadOnly && !FMemory)
        Map();
}

void TVkrMapFile::PieceRead(const uint8_t*, size_t, size_t) {}

// Opens the file and takes its size; false when it is already open or cannot be opened.
bool TVkrMapFile::OpenHandle(const std::string& FileName, bool ReadOnly,
                             uint32_t CreationDisposition) {
    if (IsOpen())
        return false;
    FFileName = FileName;
    this->ReadOnly = ReadOnly;
    // Opening a named pipe would wait for a writer, and a device may do anything: the open does
    // not wait, and the type is checked on the open file itself, so it cannot change between.
    int flags = (ReadOnly ? O_RDONLY : O_RDWR) | O_CLOEXEC | O_NONBLOCK;
    if (CreationDisposition == CreateAlways)
        flags |= O_CREAT | O_TRUNC;
    Handle = ::open(FileName.c_str(), flags, 0644);
    if (Handle < 0)
        return false;
    struct stat st {};
    if (::fstat(Handle, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > int64_t(UINT32_MAX))
        // Not a regular file, or too large for 32-bit offsets: nothing can be read from it.
        FailOpen(S_ISREG(st.st_mode) ? EFBIG : EINVAL);
    ::fcntl(Handle, F_SETFL, 0); // a regular file: reads wait for the disk as usual
    FSize = uint32_t(st.st_size);
    return true;
}

void TVkrMapFile::FailOpen(int Error) {
    std::string name = BaseName(FFileName);
    Close();
    throw EOrvelError("Не могу открыть файл " + name + ". " + std::strerror(Error));
}

void TVkrMapFile::Map() {
    if (Handle < 0)
        throw EAssertionFailed("Classes/VkrMapFile", "file handle is valid");
    if (FSize == 0)
        return;
    if (ReadOnly) {
        ReadCopy();
        return;
    }
    void* view = ::mmap(nullptr, FSize, PROT_READ | PROT_WRITE, MAP_SHARED, Handle, 0);
    if (view == MAP_FAILED)
        FailOpen(errno);
    FMemory = static_cast<uint8_t*>(view);
}

// A read-only file is read whole into memory of its own rather than mapped: a mapping ends the
// program with SIGBUS at the next read of a page that another program cut off the file (an
// update copied over it in place), and a private mapping does not protect against that.
void TVkrMapFile::ReadCopy() {
    const size_t allocated = FSize;
    uint8_t* copy = AllocateLargePages(allocated);
    int error = copy ? ReadWhole(copy) : errno;
    if (error != 0 || FSize == 0) {
        ReleaseLargePages(copy, allocated);
        if (error != 0)
            FailOpen(error);
        return;
    }
    FMemory = copy;
    FCopySize = allocated;
}

// Reads the FSize bytes of the file into Into, a piece at a time, each piece small enough to stay
// in the processor's cache for PieceRead; FSize becomes what was read, less when the file became
// shorter since it was opened. Answers the error of a failed read, else 0.
int TVkrMapFile::ReadWhole(uint8_t* Into) {
    constexpr size_t PieceSize = size_t(256) << 10;
    size_t done = 0;
    while (done < FSize) {
        const size_t want = std::min<size_t>(PieceSize, FSize - done);
        const ssize_t got = ::pread(Handle, Into + done, want, off_t(done));
        if (got > 0) {
            PieceRead(Into + done, size_t(got), done);
            done += size_t(got);
        } else if (got == 0) {
            break;
        } else if (errno != EINTR) {
            return errno;
        }
    }
    FSize = uint32_t(done);
    return 0;
}

void TVkrMapFile::Unmap() {
    if (FCopySize)
        ReleaseLargePages(FMemory, FCopySize);
    else if (FMemory && !FBorrowed) // borrowed memory stays with the caller
        ::munmap(FMemory, FSize);
    FMemory = nullptr;
    FCopySize = 0;
    FBorrowed = false;
}

void TVkrMapFile::Close() {
    Unmap();
    if (Handle >= 0)
        ::close(Handle);
    Handle = -1;
    FFileName.clear();
    FSize = 0;
}

void TVkrMapFile::SetSize(uint32_t NewSize) {
    if (ReadOnly || Handle < 0 || NewSize == FSize)
        return;
    Unmap();
    if (::ftruncate(Handle, off_t(NewSize)) != 0)
        throw EOrvelError("Не могу изменить размер файла " + BaseName(FFileName) + ". " +
                          std::strerror(errno));
    FSize = NewSize;
    Map();
}

void TVkrMapFile::Flush() {
    if (ReadOnly || Handle < 0)
        return;
    if ((FMemory && ::msync(FMemory, FSize, MS_SYNC) != 0) || ::fsync(Handle) != 0)
        throw EOrvelError("Не могу записать файл " + BaseName(FFileName) + ". " +
                          std::strerror(errno));
}

bool TVkrMapFile::GetFileTime(TFileTime& Time) const {
    if (Handle < 0)
        return false;
    struct statx sx {};
    if (::statx(Handle, "", AT_EMPTY_PATH, STATX_BTIME | STATX_MTIME, &sx) != 0)
        return false;
    Time.HasBirth = (sx.stx_mask & STATX_BTIME) != 0;
    Time.BirthNs = Time.HasBirth ? Nanoseconds(sx.stx_btime) : 0;
    Time.ModifiedNs = Nanoseconds(sx.stx_mtime);
    return true;
}

} // namespace orvel
