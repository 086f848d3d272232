// Converting a note of the editor's largest size, 16000 characters of every kind of content:
// from the characters as the editor gives them, and from RTF as note-from-rtf reads it.
#include "core/article/RtfCharacterReader.h"
#include "core/article/VocabularyTables.h"
#include "core/encoding/CharacterReader.h"
#include "core/encoding/FontNames.h"
#include "core/notes/NoteConversion.h"
#include "core/notes/NoteFormat.h"
#include "core/settings/Preference.h"

#include <benchmark/benchmark.h>

using namespace orvel;

namespace {

constexpr int NoteCharacters = 16000;

TCharacterInfo Format(std::string_view font, uint8_t charset, bool bold, bool italic,
                      std::optional<uint32_t> color = {}) {
    return {0, std::string(font), charset, bold, italic, color};
}

// A Greek head word, Russian text with an author, signs and sections, Latin and symbols,
// repeated to the editor's limit.
TMemoryCharacterReader LargestNote() {
    const TCharacterInfo greek = Format(GreekFontName, 0, true, false);
    const TCharacterInfo russian = Format(RussianFontName, 204, false, false);
    const TCharacterInfo latin = Format(RussianFontName, 0, false, true);
    TMemoryCharacterReader note;
    while (note.Length() < NoteCharacters - 200) {
        note.AddBytes("lo/go~ ", greek);
        note.Add(U"слово, которое пишется «так» (", russian);
        note.Add(U"Plat.", Format(RussianFontName, 0, false, false, NoteAuthorColor));
        note.Add(U"), ", russian);
        note.Add(U"т. е.", Format(RussianFontName, 204, false, true, NoteSignColor));
        note.Add(U" ", russian);
        note.Add(U"#) ", Format(RussianFontName, 0, false, false, NoteSectionColor));
        note.Add(U"verbum ", latin);
        note.Add(U"adj. verb.", Format(RussianFontName, 0, false, true, NoteSignColor));
        note.AddBytes(" abc\xC0 ", Format(SymbolFontName, 0, false, false));
        note.Add(U"и другое; 12 раз. ", russian);
    }
    return note;
}

void ConvertLargestNote(benchmark::State& state) {
    const TMemoryCharacterReader note = LargestNote();
    size_t bytes = 0;
    for (auto _ : state)
        bytes = ConvertToNote(note, TVocabulary::BuiltIn()).size();
    state.counters["characters"] = note.Length();
    state.counters["note_bytes"] = double(bytes);
}
BENCHMARK(ConvertLargestNote)->Unit(benchmark::kMillisecond);

void ConvertLargestNoteFromRtf(benchmark::State& state) {
    const std::string stored = ConvertToNote(LargestNote(), TVocabulary::BuiltIn());
    const std::string rtf = RenderNoteForEditing(stored, TPreference(), TVocabulary::BuiltIn());
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ConvertToNote(TRtfCharacterReader(rtf), TVocabulary::BuiltIn()).size());
    state.counters["rtf_bytes"] = double(rtf.size());
}
BENCHMARK(ConvertLargestNoteFromRtf)->Unit(benchmark::kMillisecond);

} // namespace
