// orvel-tool synth: writes the synthetic full-size edition, its vocabulary file and its index
// files into a folder.
#include "core/article/VocabularyTables.h"
#include "core/base/OrvelError.h"
#include "core/dictionary/MainDictionary.h"
#include "core/synth/SyntheticEdition.h"
#include "core/synth/SyntheticVocabulary.h"
#include "tools/Commands.h"
#include "tools/ToolArguments.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace orvel::tool {

namespace {

uint32_t ParseSeed(const std::string& text) {
    uint32_t seed = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (error != std::errc() || end != text.data() + text.size())
        throw EUsageError("not a seed (0..4294967295): '" + text + "'");
    return seed;
}

[[noreturn]] void WriteFailed(const std::string& path, int error) {
    throw EOrvelError("Cannot write file " + path + ": " + std::strerror(error));
}

// Writes the file under a temporary name beside it and renames it into place, so that a
// failed write leaves whatever was there before.
void WriteFileAtomically(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".tmp-" + std::to_string(::getpid());
    const int file = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (file < 0)
        WriteFailed(path, errno);
    size_t written = 0;
    int error = 0;
    while (written < bytes.size() && error == 0) {
        ssize_t n = ::write(file, bytes.data() + written, bytes.size() - written);
        if (n > 0)
            written += size_t(n);
        else if (n < 0 && errno != EINTR)
            error = errno;
    }
    if (error == 0 && ::fsync(file) != 0)
        error = errno;
    if (::close(file) != 0 && error == 0 && errno != EINTR)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        WriteFailed(path, error);
    }
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
