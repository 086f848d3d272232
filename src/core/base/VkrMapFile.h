// A whole file in memory, read-only or read-write. The main dictionary and its two index files
// are read through it. A read-only file is read into memory of the object's own when opened, so
// that changing or cutting the file afterwards cannot reach what was read; a writable one is
// mapped, and what is written to the memory goes to the file.
#pragma once

#include <cstdint>
#include <string>

namespace orvel {

// When a file came into being: its birth time where the file system records one, else its
// last modification time. Two times compare by birth only when both files have one and the
// births differ: files unpacked together are born in the same clock tick, and then their
// modification times (kept from the archive) tell which came first.
struct TFileTime {
    bool HasBirth = false;
    int64_t BirthNs = 0;
    int64_t ModifiedNs = 0;
};

// True when a was created strictly before b.
bool CreatedBefore(const TFileTime& a, const TFileTime& b);

class TVkrMapFile {
public:
    // Creation dispositions of Open.
    static constexpr uint32_t CreateAlways = 2; // create anew, truncating an existing file
    static constexpr uint32_t OpenExisting = 3; // the file must exist

    TVkrMapFile() = default;
    TVkrMapFile(const TVkrMapFile&) = delete;
    TVkrMapFile& operator=(const TVkrMapFile&) = delete;
    virtual ~TVkrMapFile();

    // Opens the file and reads or maps it; does nothing when a file is already open. A file that
    // cannot be opened leaves the object closed without an error (callers test Memory()); one that
    // is not a regular file (never waited for), or a non-empty file that cannot be read or mapped,
    // fails with "Не могу открыть файл <name>. <reason>".
    void Open(const std::string& FileName, bool ReadOnly, uint32_t CreationDisposition);
    // Opens an existing file read-only as Open does, but reads it into Buffer, memory that the
    // caller owns and keeps while the object is open, instead of memory of the object's own: a
    // small file is read straight into the table it fills. A file larger than Capacity is not
    // read: Memory() stays null and Size() tells the file's size.
    void OpenInto(const std::string& FileName, void* Buffer, size_t Capacity);
    virtual void Close();

    // Resizes a writable file and maps it again; nothing for a read-only one or the same size.
    void SetSize(uint32_t NewSize);

    // Writes the mapped pages and the file's metadata to the disk (writable objects only).
    void Flush();

    // False while closed; otherwise fills Time from the open file.
    bool GetFileTime(TFileTime& Time) const;

    bool IsOpen() const { return Handle >= 0; }
    const uint8_t* Memory() const { return FMemory; }
    uint8_t* WritableMemory() const { return ReadOnly ? nullptr : FMemory; }
    uint32_t Size() const { return FSize; }
    const std::string& FileName() const { return FFileName; }

protected:
    // Opens an existing file read-only like Open but does not read it yet: Size() is known,
    // Memory() null until ReadContents reads it into memory of the object's own.
    void OpenUnread(const std::string& FileName);
    // Reads a file opened by OpenUnread; nothing when it is read already or empty. Fails as Open.
    void ReadContents();
    // Sees each piece of a read-only file as it is read, in order, while the piece is still in the
    // processor's cache: a check of the bytes made here costs no second pass through memory.
    // Piece lies Offset bytes into the file, whose bytes before it are read too.
    virtual void PieceRead(const uint8_t* Piece, size_t Size, size_t Offset);

private:
    bool OpenHandle(const std::string& FileName, bool ReadOnly, uint32_t CreationDisposition);
    void Map();
    void ReadCopy();
    int ReadWhole(uint8_t* Into);
    [[noreturn]] void FailOpen(int Error);
    void Unmap();

    int Handle = -1;
    uint8_t* FMemory = nullptr;
    std::string FFileName;
    uint32_t FSize = 0;
    size_t FCopySize = 0; // the size the memory of a read-only file's copy was allocated for
    bool ReadOnly = true;
    bool FBorrowed = false; // Memory() is the caller's buffer (OpenInto)
};

} // namespace orvel
