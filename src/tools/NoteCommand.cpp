// note-from-rtf: a note written in a word processor and saved as RTF, converted as the note
// editor converts its text.
#include "core/article/RtfCharacterReader.h"
#include "core/article/VocabularyTables.h"
#include "core/base/OrvelError.h"
#include "core/notes/NoteConversion.h"
#include "tools/Commands.h"
#include "tools/ToolArguments.h"

#include <cstdio>
#include <fstream>
#include <sys/stat.h>

namespace orvel::tool {

namespace {

std::string ReadRegularFile(const std::string& path) {
    struct stat st {};
    std::ifstream in(path, std::ios::binary);
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || !in)
        throw EOrvelError("cannot read " + path);
    std::string data(size_t(st.st_size), '\0');
    if (!in.read(data.data(), std::streamsize(data.size())))
        throw EOrvelError("cannot read " + path);
    return data;
}

} // namespace

int RunNoteFromRtf(const TArguments& Arguments) {
    TToolArguments arguments(Arguments, {}, {});
    const std::string& path = arguments.Single("RTF file");
    const std::string rtf = ReadRegularFile(path);
    if (!IsRtf(rtf))
        throw EOrvelError(path + " is no RTF document");
    std::string note;
    try {
        note = ConvertToNote(TRtfCharacterReader(rtf), TVocabulary::BuiltIn());
    } catch (const ENoteConversionError& error) {
        std::fprintf(stderr, "%d: %s\n", error.Position(), error.what());
        return 1;
    }
    std::fwrite(note.data(), 1, note.size(), stdout);
    return 0;
}

} // namespace orvel::tool
