// Subcommands that open a dictionary and show what the program would read from it.
#include "core/dictionary/MainDictionary.h"
#include "core/dictionary/SearchTerms.h"
#include "core/encoding/BetaCode.h"
#include "core/encoding/GreekEncoding.h"
#include "tools/Commands.h"
#include "tools/ToolArguments.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace orvel::tool {

namespace {

std::unique_ptr<TMainDictionary> OpenDictionary(const TToolArguments& arguments) {
    auto dictionary = std::make_unique<TMainDictionary>();
    dictionary->Open(arguments.Value("--dic"));
    dictionary->LoadIndex();
    return dictionary;
}

void Write(const std::string& bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

int32_t ArticleArgument(const TToolArguments& arguments, const TMainDictionary& dictionary) {
    int index = ParseInt(arguments.Single("article index"), "article index");
    if (index < 0 || index > dictionary.LastIndex())
        throw EUsageError("article index out of range 0.." +
                          std::to_string(dictionary.LastIndex()));
    return index;
}

const char* SourceName(TIndexSource source) {
    return source == TIndexSource::Read ? "read" : "rebuilt";
}

} // namespace

int RunInfo(const TArguments& Arguments) {
    TToolArguments arguments(Arguments, {"--dic"}, {});
    auto dictionary = OpenDictionary(arguments);
    std::printf("count: %d\ndic-size: %u\nidx: %s\nidz: %s\n", dictionary->Count(),
                dictionary->Size(), SourceName(dictionary->IdxSource()),
                SourceName(dictionary->IdzSource()));
    return 0;
}

int RunHeadWord(const TArguments& Arguments) {
    TToolArguments arguments(Arguments, {"--dic"}, {"--display"});
    auto dictionary = OpenDictionary(arguments);
    std::string word = dictionary->GetHeadWord(ArticleArgument(arguments, *dictionary));
    Write(arguments.Has("--display") ? InternalToFontWord(word) : word);
    Write("\n");
    return 0;
}

int RunArticle(const TArguments& Arguments) {
    TToolArguments arguments(Arguments, {"--dic"}, {});
    auto dictionary = OpenDictionary(arguments);
    Write(dictionary->GetArticleText(ArticleArgument(arguments, *dictionary)));
    return 0;
}

// The word of a lookup in the internal encoding, from the form its option names.
std::string LookupWord(const TToolArguments& arguments) {
    const std::string& word = arguments.Single("word");
    if (arguments.Has("--display"))
        return FontWordToInternal(word);
    if (!arguments.Has("--betacode"))
        return word;
    TBetaCodeResult converted = BetaCodeToInternal(word);
    if (converted.Error)
        throw std::runtime_error(converted.Error->Message);
    return converted.Internal;
}

int RunLookup(const TArguments& Arguments) {
    TToolArguments arguments(Arguments, {"--dic"}, {"--display", "--betacode"});
    if (arguments.Has("--display") && arguments.Has("--betacode"))
        throw EUsageError("--display and --betacode exclude each other");
    const std::string search = char(ScriptGreek) + LookupWord(arguments);
    auto dictionary = OpenDictionary(arguments);
    int32_t index = dictionary->FindWord(search);
    if (index < 0) {
        Write("-1\n");
        return 1;
    }
    std::string headWord = dictionary->GetHeadWord(index);
    if (arguments.Has("--display"))
        headWord = InternalToFontWord(headWord);
    else if (arguments.Has("--betacode"))
        headWord = InternalToBetaCode(headWord);
    Write(std::to_string(index) + " " + headWord + "\n");
    return 0;
}

int RunLetterIndex(const TArguments& Arguments) {
    TToolArguments arguments(Arguments, {"--dic"}, {});
    if (!arguments.Positional().empty())
        throw EUsageError("letter-index takes no arguments");
    auto dictionary = OpenDictionary(arguments);
    for (const auto& row : dictionary->LetterIndex()) {
        std::string line;
        for (int32_t cell : row) {
            if (!line.empty())
                line += ' ';
            line += std::to_string(cell);
        }
        Write(line + "\n");
    }
    return 0;
}

} // namespace orvel::tool
