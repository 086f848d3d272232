#include "core/storage/TaggedValues.h"

#include "core/base/OrvelError.h"
#include "core/encoding/Windows1251.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <system_error>
#include <unistd.h>

namespace orvel {

namespace {

[[noreturn]] void InvalidValue() {
    throw EOrvelError("Invalid property value");
}

[[noreturn]] void ReadError() {
    throw EOrvelError("Stream read error");
}

bool HasHighByte(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

} // namespace

// ---- TValueReader ----

TValueReader::TValueReader(int fd, size_t bufferSize)
    : FHandle(fd), FBuffer(std::max<size_t>(bufferSize, 1), '\0') {}

TValueReader::TValueReader(std::string data) : FBuffer(std::move(data)), FEnd(FBuffer.size()) {}

bool TValueReader::Fill() {
    if (FPosition < FEnd)
        return true;
    if (FHandle < 0)
        return false;
    for (;;) {
        const ssize_t got = ::read(FHandle, FBuffer.data(), FBuffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            ReadError();
        FPosition = 0;
        FEnd = static_cast<size_t>(got);
        return got > 0;
    }
}

unsigned char TValueReader::ReadByte() {
    if (!Fill())
        ReadError();
    return static_cast<unsigned char>(FBuffer[FPosition++]);
}

void TValueReader::ReadBytes(void* target, size_t count) {
    auto* out = static_cast<char*>(target);
    while (count > 0) {
        if (!Fill())
            ReadError();
        const size_t chunk = std::min(count, FEnd - FPosition);
        std::memcpy(out, FBuffer.data() + FPosition, chunk);
        FPosition += chunk;
        out += chunk;
        count -= chunk;
    }
}

void TValueReader::AppendBytes(std::string& text, uint64_t count) {
    while (count > 0) {
        if (!Fill())
            ReadError();
        const size_t chunk = static_cast<size_t>(std::min<uint64_t>(count, FEnd - FPosition));
        text.append(FBuffer, FPosition, chunk);
        FPosition += chunk;
        count -= chunk;
    }
}

uint32_t TValueReader::ReadUInt32() {
    unsigned char bytes[4];
    ReadBytes(bytes, 4);
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
           uint32_t(bytes[3]) << 24;
}

TValueTag TValueReader::NextValue() {
    if (!Fill())
        ReadError();
    return static_cast<TValueTag>(FBuffer[FPosition]);
}

bool TValueReader::AtEnd() {
    return !Fill();
}

int32_t TValueReader::ReadInteger() {
    switch (ReadByte()) {
    case vaInt8:
        return static_cast<int8_t>(ReadByte());
    case vaInt16: {
        const unsigned low = ReadByte();
        return static_cast<int16_t>(low | unsigned(ReadByte()) << 8);
    }
    case vaInt32:
        return static_cast<int32_t>(ReadUInt32());
    default:
        InvalidValue();
    }
}

bool TValueReader::ReadBoolean() {
    return ReadByte() == vaTrue;
}

std::string TValueReader::ReadString() {
    std::string text;
    switch (ReadByte()) {
    case vaString:
        AppendBytes(text, ReadByte());
        return text;
    case vaLString:
        AppendBytes(text, ReadUInt32());
        return text;
    case vaUTF8String:
        AppendBytes(text, ReadUInt32());
        return Utf8ToCp1251(text);
    case vaWString: {
        AppendBytes(text, uint64_t(ReadUInt32()) * 2);
        std::u16string units(text.size() / 2, u'\0');
        for (size_t i = 0; i < units.size(); ++i)
            units[i] = static_cast<char16_t>(static_cast<unsigned char>(text[2 * i]) |
                                             static_cast<unsigned char>(text[2 * i + 1]) << 8);
        return Utf16ToCp1251(units);
    }
    default:
        InvalidValue();
    }
}

void TValueReader::ReadListBegin() {
    if (ReadByte() != vaList)
        InvalidValue();
}

void TValueReader::ReadListEnd() {
    if (ReadByte() != vaNull)
        InvalidValue();
}

bool TValueReader::EndOfList() {
    return NextValue() == vaNull;
}

// ---- TValueWriter ----

TValueWriter::TValueWriter(int fd, size_t bufferSize, std::string fileName)
    : FHandle(fd), FBufferSize(std::max<size_t>(bufferSize, 1)), FFileName(std::move(fileName)) {
    FBuffer.reserve(FBufferSize);
}

TValueWriter::TValueWriter() = default;

void TValueWriter::FlushBuffer() {
    if (!FError.empty())
        throw EOrvelError(FError);
    if (FHandle < 0)
        return;
    size_t done = 0;
    while (done < FBuffer.size()) {
        const ssize_t written = ::write(FHandle, FBuffer.data() + done, FBuffer.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const int error = written < 0 ? errno : ENOSPC;
            FError =
                "Cannot write file " + FFileName + ": " + std::generic_category().message(error);
            throw EOrvelError(FError);
        }
        done += static_cast<size_t>(written);
    }
    FBuffer.clear();
}

void TValueWriter::Detach() {
    FHandle = -1;
    FBuffer.clear();
    if (FError.empty())
        FError = "Cannot write file " + FFileName + ": the file is already closed";
}

void TValueWriter::WriteBytes(const void* source, size_t count) {
    if (!FError.empty())
        throw EOrvelError(FError);
    FBuffer.append(static_cast<const char*>(source), count);
    if (FHandle >= 0 && FBuffer.size() >= FBufferSize)
        FlushBuffer();
}

void TValueWriter::WriteByte(unsigned char byte) {
    WriteBytes(&byte, 1);
}

void TValueWriter::WriteUInt32(uint32_t value) {
    const unsigned char bytes[4] = {
        static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
        static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
    WriteBytes(bytes, 4);
}

void TValueWriter::WriteInteger(int32_t value) {
    if (value >= -128 && value <= 127) {
        const unsigned char bytes[2] = {vaInt8, static_cast<unsigned char>(value)};
        WriteBytes(bytes, 2);
    } else if (value >= -32768 && value <= 32767) {
        const unsigned char bytes[3] = {vaInt16, static_cast<unsigned char>(value),
                                        static_cast<unsigned char>(value >> 8)};
        WriteBytes(bytes, 3);
    } else {
        WriteByte(vaInt32);
        WriteUInt32(static_cast<uint32_t>(value));
    }
}

void TValueWriter::WriteBoolean(bool value) {
    WriteByte(value ? vaTrue : vaFalse);
}

void TValueWriter::WriteString(std::string_view text) {
    std::string utf8;
    unsigned char tag = vaString;
    if (HasHighByte(text)) {
        utf8 = Cp1251ToUtf8(text);
        text = utf8;
        tag = vaUTF8String;
    } else if (text.size() > 255) {
        tag = vaLString;
    }
    // A length the 4-byte field cannot hold would make a file that reads back wrong.
    if (text.size() > std::numeric_limits<uint32_t>::max())
        throw EOrvelError("String too long for a stream file");
    WriteByte(tag);
    if (tag == vaString)
        WriteByte(static_cast<unsigned char>(text.size()));
    else
        WriteUInt32(static_cast<uint32_t>(text.size()));
    WriteBytes(text.data(), text.size());
}

void TValueWriter::WriteListBegin() {
    WriteByte(vaList);
}

void TValueWriter::WriteListEnd() {
    WriteByte(vaNull);
}

} // namespace orvel
