#include "core/storage/VkrStream.h"

#include "core/base/OrvelError.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvel {

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
    // Only a regular file is read: a named pipe would wait for a writer, a device may never
    // end. The open does not wait, and the type is checked on the open file.
    Stream = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat status {};
    if (Stream < 0 || ::fstat(Stream, &status) != 0 || !S_ISREG(status.st_mode))
        throw EOrvelError("Cannot open file " + fileName);
    ::fcntl(Stream, F_SETFL, 0);
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
    : TBaseSaveStream(version, std::move(signature)), FFileName(fileName) {
    FileVersion = Version;

    // Saving through a symbolic link replaces the file it points to, not the link.
    std::string target = fileName;
    struct stat status {};
    if (::lstat(fileName.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
        if (char* resolved = ::realpath(fileName.c_str(), nullptr)) {
            target = resolved;
            std::free(resolved);
        }
    }
    FFile = std::make_unique<TAtomicFile>(target, fileName);
    Writer = std::make_unique<TValueWriter>(FFile->Handle(), bufferSize, fileName);
}

TFileSaveStream::~TFileSaveStream() = default;

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
    FFile->Commit();
    FCommitted = true;
}

} // namespace orvel
