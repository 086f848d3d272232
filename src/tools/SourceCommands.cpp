// Subcommands between dictionary source and a dictionary: compile and decompile.
#include "core/article/VocabularyTables.h"
#include "core/base/AtomicFile.h"
#include "core/base/OrvelError.h"
#include "core/dictionary/MainDictionary.h"
#include "core/source/DictionaryDecompiler.h"
#include "core/source/DictionarySource.h"
#include "tools/Commands.h"
#include "tools/ToolArguments.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace orvel::tool {

namespace {

// Takes "-o VALUE" out of the arguments; the other options are spelt "--name".
std::string TakeOutput(TArguments& arguments) {
    std::string output;
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] != "-o")
            continue;
        if (i + 1 >= arguments.size())
            throw EUsageError("option -o needs a value");
        output = arguments[i + 1];
        arguments.erase(arguments.begin() + std::ptrdiff_t(i),
                        arguments.begin() + std::ptrdiff_t(i) + 2);
        --i;
    }
    if (output.empty())
        throw EUsageError("option -o is required");
    return output;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (!in || !(text << in.rdbuf()) || in.bad())
        throw EOrvelError("cannot read " + path);
    return text.str();
}

int UnknownRows(const TVocabulary& vocabulary) {
    int unknown = 0;
    for (int t = 0; t < VocabularyTableCount; ++t)
        for (const auto& row : vocabulary.Tables[size_t(t)])
            unknown += !row.Text || (TableInfo(TVocabularyTable(t)).Signs && !row.Explanation);
    return unknown;
}

} // namespace

int RunCompile(const TArguments& Arguments) {
    TArguments rest = Arguments;
    const std::string folder = TakeOutput(rest);
    TToolArguments arguments(rest, {}, {});
    if (arguments.Positional().empty())
        throw EUsageError("give the source files");
    std::vector<TSourceText> sources;
    for (const auto& file : arguments.Positional())
        sources.push_back({file, ReadWholeFile(file)});

    TCompiledDictionary compiled;
    try {
        compiled = CompileDictionarySource(sources);
    } catch (const ESourceError& error) {
        for (const auto& e : error.Errors())
            std::fprintf(stderr, "%s\n", e.Text().c_str());
        return 2;
    }

    std::filesystem::create_directories(folder);
    const std::string dic = folder + "/orvel.dic";
    // Index files of an earlier dictionary describe other articles.
    std::remove((folder + "/orvel.idx").c_str());
    std::remove((folder + "/orvel.idz").c_str());
    // A vocabulary that is not whole is not written, and one left from an earlier edition
    // would not belong to this dictionary.
    const std::string voc = VocabularyFileName(dic);
    const int unknown = UnknownRows(compiled.Vocabulary);
    if (unknown == 0)
        SaveVocabularyFile(voc, compiled.Vocabulary);
    else
        std::remove(voc.c_str());
    const std::string bytes = DicFileBytes(compiled.Articles);
    WriteFileAtomically(dic, bytes);

    std::printf("orvel.dic: %zu articles, %zu bytes\n", compiled.Articles.size(), bytes.size());
    if (unknown == 0)
        std::printf("orvel.voc: written\n");
    else
        std::printf("orvel.voc: not written, %d vocabulary rows unknown\n", unknown);
    return 0;
}

int RunDecompile(const TArguments& Arguments) {
    TArguments rest = Arguments;
    const std::string output = TakeOutput(rest);
    TToolArguments arguments(rest, {"--dic"}, {});
    if (!arguments.Positional().empty())
        throw EUsageError("unexpected argument " + arguments.Positional()[0]);
    const std::string& path = arguments.Value("--dic");
    TMainDictionary dictionary;
    dictionary.Open(path);
    dictionary.LoadIndex();
    const std::string voc = VocabularyFileName(path);
    const TVocabulary vocabulary =
        std::filesystem::exists(voc) ? LoadVocabularyFile(voc) : TVocabulary::BuiltIn();
    std::vector<std::string_view> articles;
    articles.reserve(size_t(dictionary.Count()));
    for (int32_t i = 0; i < dictionary.Count(); ++i)
        articles.emplace_back(reinterpret_cast<const char*>(dictionary.ArticleData(i)),
                              size_t(dictionary.ArticleLength(i)));
    WriteFileAtomically(output, DecompileSource(articles, vocabulary));
    return 0;
}

} // namespace orvel::tool
