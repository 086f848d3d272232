// The subcommands of orvel-tool. Each takes its own arguments (after the subcommand's name),
// writes its result to standard output and answers the exit status: 0 success, 1 not found.
// Failures are thrown (EUsageError for bad arguments, EOrvelError for everything else).
#pragma once

#include <string>
#include <vector>

namespace orvel::tool {

using TArguments = std::vector<std::string>;

int RunInfo(const TArguments& Arguments);
int RunHeadWord(const TArguments& Arguments);
int RunArticle(const TArguments& Arguments);
int RunLookup(const TArguments& Arguments);
int RunLetterIndex(const TArguments& Arguments);
int RunRender(const TArguments& Arguments);
int RunSearch(const TArguments& Arguments);
int RunNotes(const TArguments& Arguments);
int RunBookmarks(const TArguments& Arguments);
int RunUnicode(const TArguments& Arguments);
// 1 when the document holds what a note cannot carry.
int RunNoteFromRtf(const TArguments& Arguments);
int RunSynth(const TArguments& Arguments);
int RunCompile(const TArguments& Arguments);
int RunDecompile(const TArguments& Arguments);
// 1 when the program does not answer or reports a failure.
int RunDbus(const TArguments& Arguments);

} // namespace orvel::tool
