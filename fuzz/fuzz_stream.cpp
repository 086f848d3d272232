// Stream files from outside: the first byte steers which kind of value is asked for next, the
// rest is the file. Besides not crashing, every value read must survive being written and read
// back unchanged.
#include "core/base/OrvelError.h"
#include "core/storage/TaggedValues.h"
#include "core/storage/VkrStream.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace orvel;

template <class T, class Write, class Read>
void CheckRewrite(const T& value, Write write, Read read) {
    TValueWriter writer;
    write(writer, value);
    TValueReader reader(writer.Data());
    if (read(reader) != value)
        std::abort();
}

void ReadOne(TValueReader& reader, unsigned choice) {
    switch (choice % 6) {
    case 0:
        CheckRewrite(
            reader.ReadString(), [](TValueWriter& w, const std::string& s) { w.WriteString(s); },
            [](TValueReader& r) { return r.ReadString(); });
        break;
    case 1:
        CheckRewrite(
            reader.ReadInteger(), [](TValueWriter& w, int32_t i) { w.WriteInteger(i); },
            [](TValueReader& r) { return r.ReadInteger(); });
        break;
    case 2:
        reader.ReadBoolean();
        break;
    case 3:
        reader.ReadListBegin();
        break;
    case 4:
        if (reader.EndOfList())
            reader.ReadListEnd();
        else
            reader.ReadString();
        break;
    default:
        // Follow the file: read whatever kind of value comes next.
        switch (reader.NextValue()) {
        case vaList:
            reader.ReadListBegin();
            break;
        case vaNull:
            reader.ReadListEnd();
            break;
        case vaInt8:
        case vaInt16:
        case vaInt32:
            reader.ReadInteger();
            break;
        case vaString:
        case vaLString:
        case vaWString:
        case vaUTF8String:
            reader.ReadString();
            break;
        default:
            reader.ReadBoolean();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    unsigned choice = data[0];
    TMemoryLoadStream stream(std::string(reinterpret_cast<const char*>(data) + 1, size - 1), 1,
                             "OrvelUserDictionary");
    try {
        stream.Header();
    } catch (const EOrvelError&) {
        // Read on from wherever the header stopped.
    }
    try {
        for (size_t step = 0; step <= size; ++step) {
            ReadOne(*stream.Reader, choice);
            choice = choice * 1103515245u + 12345u;
            choice ^= choice >> 16;
        }
    } catch (const EOrvelError&) {
    }
    return 0;
}
