// orvel-tool synth: writes the synthetic full-size edition, its vocabulary file and its index
// files into a folder.
#include "core/article/VocabularyTables.h"
#include "core/base/AtomicFile.h"
#include "core/base/OrvelError.h"
#include "core/dictionary/MainDictionary.h"
#include "core/synth/SyntheticEdition.h"
#include "core/synth/SyntheticVocabulary.h"
#include "tools/Commands.h"
#include "tools/ToolArguments.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <thread>

namespace orvel::tool {

namespace {

uint32_t ParseSeed(const std::string& text) {
    uint32_t seed = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (error != std::errc() || end != text.data() + text.size())
        throw EUsageError("not a seed (0..4294967295): '" + text + "'");
    return seed;
}

uint64_t FileSize(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? uint64_t(status.st_size) : 0;
}

} // namespace

int RunSynth(const TArguments& Arguments) {
    // "-o DIR" is the short form of "--output DIR".
    TArguments arguments = Arguments;
    for (auto& argument : arguments)
        if (argument == "-o")
            argument = "--output";
    TToolArguments parsed(arguments, {"--output", "--seed"}, {});
    if (!parsed.Positional().empty())
        throw EUsageError("unexpected argument '" + parsed.Positional()[0] + "'");
    const std::string folder = parsed.Value("--output");
    const uint32_t seed = parsed.Has("--seed") ? ParseSeed(parsed.Value("--seed")) : 1;

    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        throw EOrvelError("Cannot create folder " + folder + ": " + error.message());
    const std::string dic = folder + "/orvel.dic";
    // The edition refers to rows of every vocabulary table that the program does not know.
    SaveVocabularyFile(VocabularyFileName(dic), GenerateSyntheticVocabulary());
    WriteFileAtomically(dic, GenerateSyntheticEdition(seed).Dic);

    // Loading builds the index files. They are used at the next start only when the file
    // system dates them strictly after the .dic, so when they were built within the same
    // clock tick they are built once more, a moment later.
    bool current = false;
    for (int attempt = 0; attempt < 20 && !current; ++attempt) {
        if (attempt > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        TMainDictionary dictionary;
        dictionary.Open(dic);
        dictionary.LoadIndex();
        current = dictionary.IdxSource() == TIndexSource::Read &&
                  dictionary.IdzSource() == TIndexSource::Read;
    }
    if (!current)
        throw EOrvelError("Cannot write the index files of " + dic);
    for (const char* extension : {".dic", ".idx", ".idz", ".voc"}) {
        const std::string path = folder + "/orvel" + extension;
        std::printf("%s %llu\n", path.c_str(), static_cast<unsigned long long>(FileSize(path)));
    }
    return 0;
}

} // namespace orvel::tool
