// The tagged value encoding of stream files: each value is a tag byte followed by its payload,
// multi-byte numbers little-endian.
//
//   0 end of list     1 start of list   2/3/4 integer of 1/2/4 bytes   8 false   9 true
//   6 short string (1-byte length)       12 long string (4-byte length)
//   20 UTF-8 string (4-byte length)      18 UTF-16LE string (4-byte unit count, read only)
//
// Strings are the program's 8-bit Windows-1251 text. The writer picks the smallest integer tag
// and writes a string holding any byte of 0x80 or above as UTF-8 (tag 20); the reader converts
// tags 20 and 18 back to Windows-1251.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvel {

enum TValueTag : unsigned char {
    vaNull = 0,
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaString = 6,
    vaFalse = 8,
    vaTrue = 9,
    vaLString = 12,
    vaWString = 18,
    vaUTF8String = 20,
};

// Reads tagged values from a file descriptor through a buffer, or from bytes held in memory.
// A value of the wrong kind fails with "Invalid property value", reading past the end with
// "Stream read error" (both EOrvelError).
class TValueReader {
public:
    // Reads from an open descriptor, which the reader does not own, bufferSize bytes at a time.
    TValueReader(int fd, size_t bufferSize);
    // Reads the given bytes.
    explicit TValueReader(std::string data);

    TValueReader(const TValueReader&) = delete;
    TValueReader& operator=(const TValueReader&) = delete;

    int32_t ReadInteger();
    // True only for tag 9; any other tag byte reads as false.
    bool ReadBoolean();
    std::string ReadString();
    void ReadListBegin();
    void ReadListEnd();
    // Whether the next tag is the end of a list; the tag is not consumed.
    bool EndOfList();

    // The next tag byte, not consumed.
    TValueTag NextValue();
    // Whether every byte has been read.
    bool AtEnd();

private:
    unsigned char ReadByte();
    void ReadBytes(void* target, size_t count);
    // Appends count bytes to text as they arrive, so that a corrupt length cannot allocate
    // more than the file holds.
    void AppendBytes(std::string& text, uint64_t count);
    uint32_t ReadUInt32();
    // Refills an exhausted buffer; false at the end of the data.
    bool Fill();

    int FHandle = -1;
    std::string FBuffer;
    size_t FPosition = 0;
    size_t FEnd = 0;
};

// Writes tagged values to a file descriptor through a buffer, or into memory.
class TValueWriter {
public:
    // Writes to an open descriptor, which the writer does not own, bufferSize bytes at a time.
    // A failed write raises "Cannot write file <fileName>: <reason>".
    TValueWriter(int fd, size_t bufferSize, std::string fileName);
    // Collects the bytes in memory (see Data).
    TValueWriter();

    TValueWriter(const TValueWriter&) = delete;
    TValueWriter& operator=(const TValueWriter&) = delete;

    // The destructor does not flush: bytes still buffered are dropped. Whoever completes the
    // file calls FlushBuffer.
    ~TValueWriter() = default;

    void WriteInteger(int32_t value);
    void WriteBoolean(bool value);
    void WriteString(std::string_view text);
    void WriteListBegin();
    void WriteListEnd();

    // Writes the buffered bytes to the descriptor; does nothing for a memory writer.
    // After a failed write the writer stays failed.
    void FlushBuffer();
    // Lets go of the descriptor (its owner is closing it): a later write fails instead of
    // reaching whatever file reuses the descriptor number.
    void Detach();

    // Everything written so far, for a memory writer.
    const std::string& Data() const { return FBuffer; }

private:
    void WriteByte(unsigned char byte);
    void WriteBytes(const void* source, size_t count);
    void WriteUInt32(uint32_t value);

    int FHandle = -1;
    size_t FBufferSize = 0;
    std::string FFileName;
    std::string FBuffer;
    // Set once the writer cannot go on (a write failed, or detached): every later write or
    // flush fails with it, so a save cut short can never be completed as if nothing happened.
    std::string FError;
};

} // namespace orvel
