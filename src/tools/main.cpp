// orvel-tool: the command-line companion of Orvel.
#include "core/base/ErrorBox.h"
#include "core/base/OrvelError.h"
#include "tools/Commands.h"
#include "tools/ToolArguments.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

namespace {

struct TCommandEntry {
    const char* Name;
    const char* Usage;
    int (*Run)(const orvel::tool::TArguments&);
};

const TCommandEntry Commands[] = {
    {"info", "info --dic PATH", orvel::tool::RunInfo},
    {"headword", "headword --dic PATH [--display] N", orvel::tool::RunHeadWord},
    {"article", "article --dic PATH N", orvel::tool::RunArticle},
    {"lookup", "lookup --dic PATH [--display | --betacode] WORD", orvel::tool::RunLookup},
    {"letter-index", "letter-index --dic PATH", orvel::tool::RunLetterIndex},
    {"render", "render (--dic PATH N | --text-file FILE) [--pref Name=Value ...]",
     orvel::tool::RunRender},
    {"search",
     "search --dic PATH [--notes DIR] [--max N] [--from K] (--greek WORDS | --russian WORDS)",
     orvel::tool::RunSearch},
    {"notes", "notes [--voc FILE] FILE.not", orvel::tool::RunNotes},
    {"bookmarks", "bookmarks FILE.bmr", orvel::tool::RunBookmarks},
    {"unicode", "unicode --dic PATH N", orvel::tool::RunUnicode},
    {"note-from-rtf", "note-from-rtf FILE.rtf", orvel::tool::RunNoteFromRtf},
    {"synth", "synth -o DIR [--seed S]", orvel::tool::RunSynth},
    {"compile", "compile SOURCE... -o DIR", orvel::tool::RunCompile},
    {"decompile", "decompile --dic PATH -o FILE", orvel::tool::RunDecompile},
    {"dbus", "dbus (search | edit | save | lookup WORD)", orvel::tool::RunDbus},
};

void PrintUsage() {
    std::fputs("usage: orvel-tool COMMAND [OPTIONS]\n", stderr);
    for (const auto& command : Commands)
        std::fprintf(stderr, "  orvel-tool %s\n", command.Usage);
}

constexpr int ExitFailure = 2;

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage();
        return ExitFailure;
    }
    // The error box of a data-file error is the tool's standard error; the failure that
    // follows carries the same text and is not printed twice.
    std::string shown;
    orvel::SetErrorBoxHandler([&shown](const std::string& message) {
        std::fprintf(stderr, "orvel-tool: %s\n", message.c_str());
        shown = message;
    });
    for (const auto& command : Commands) {
        if (std::strcmp(argv[1], command.Name) != 0)
            continue;
        try {
            return command.Run(orvel::tool::TArguments(argv + 2, argv + argc));
        } catch (const orvel::tool::EUsageError& error) {
            std::fprintf(stderr, "orvel-tool %s: %s\nusage: orvel-tool %s\n", command.Name,
                         error.what(), command.Usage);
        } catch (const std::exception& error) {
            if (shown != error.what())
                std::fprintf(stderr, "orvel-tool: %s\n", error.what());
        }
        return ExitFailure;
    }
    std::fprintf(stderr, "orvel-tool: unknown command '%s'\n", argv[1]);
    PrintUsage();
    return ExitFailure;
}
