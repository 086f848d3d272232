// Stream files: a file read or written as a sequence of tagged values (see TaggedValues.h),
// opened by a header of the signature (a string value) and the version (an integer value).
//
// A save stream never damages the file it replaces: it writes a temporary file in the same
// folder (TAtomicFile), and only Commit puts it in place of the old one. A save stream destroyed
// without Commit (an exception cut the save short, a write failed) removes its temporary file and
// leaves the old file as it was.
#pragma once

#include "core/base/AtomicFile.h"
#include "core/storage/TaggedValues.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace orvel {

class TBaseStream {
public:
    TBaseStream(int32_t version, std::string signature);
    virtual ~TBaseStream();

    TBaseStream(const TBaseStream&) = delete;
    TBaseStream& operator=(const TBaseStream&) = delete;

    virtual void Header() {}
    virtual void Flush() {}

    std::string Signature;
    // The version read from the file (load) or being written (save).
    int32_t FileVersion = 0;
    // The version the program writes and the highest one it reads.
    int32_t Version = 0;

protected:
    // The open file, closed by the destructor; -1 when there is none.
    int Stream = -1;
};

class TBaseLoadStream : public TBaseStream {
public:
    using TBaseStream::TBaseStream;

    std::unique_ptr<TValueReader> Reader;

protected:
    // Reads the signature and the version and checks them: a different signature fails with
    // "Нарушена структура файла", a version above Version with "Некорректная версия файла".
    void ReadHeader();
};

class TBaseSaveStream : public TBaseStream {
public:
    using TBaseStream::TBaseStream;

    std::unique_ptr<TValueWriter> Writer;
};

class TFileLoadStream : public TBaseLoadStream {
public:
    // Opens the file for reading ("Cannot open file <name>" when it cannot, or when it is not a
    // regular file). The header is not read yet: the caller calls Header next.
    TFileLoadStream(const std::string& fileName, size_t bufferSize, int32_t version,
                    std::string signature);

    void Header() override;
};

// A stream file held in memory, read like a file.
class TMemoryLoadStream : public TBaseLoadStream {
public:
    TMemoryLoadStream(std::string data, int32_t version, std::string signature);

    void Header() override;
};

class TFileSaveStream : public TBaseSaveStream {
public:
    // Creates the temporary file beside fileName ("Cannot create file <name>" when it cannot).
    // The caller calls Header, writes its values through Writer, then Commit.
    TFileSaveStream(const std::string& fileName, size_t bufferSize, int32_t version,
                    std::string signature);
    // Without a successful Commit, removes the temporary file; the old file stays as it was.
    ~TFileSaveStream() override;

    // Writes the signature and FileVersion.
    void Header() override;
    // Pushes the writer's buffer to the temporary file.
    void Flush() override;

    // Writes out the buffer, syncs and closes the temporary file and renames it over the target.
    // Fails with "Cannot write file <name>: <reason>"; the old file is then untouched. Once it
    // has succeeded, further calls do nothing.
    void Commit();

    // The file that Commit replaces.
    const std::string& FileName() const { return FFileName; }

private:
    std::string FFileName;
    // The temporary file; it replaces the target itself, or the file a symbolic link points to.
    std::unique_ptr<TAtomicFile> FFile;
    bool FCommitted = false;
};

} // namespace orvel
