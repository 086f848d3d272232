// Rendering and the full-text search over the whole full-size dictionary, and the search as a
// whole orvel-tool process beside grep.
#include "FullSizeDictionary.h"
#include "core/article/ArticleRenderer.h"
#include "core/article/VocabularyTables.h"
#include "core/search/FullTextSearch.h"
#include "core/search/FullTextSearchOracle.h"
#include "core/settings/Preference.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace orvel;

namespace {

void RenderEveryArticle(benchmark::State& state) {
    auto dictionary = LoadFullSize();
    const TPreference preference;
    size_t bytes = 0;
    for (auto _ : state)
        for (int32_t i = 0; i < dictionary->Count(); ++i)
            bytes +=
                RenderArticle(dictionary->GetArticleText(i), preference, TVocabulary::BuiltIn())
                    .size();
    state.counters["rtf_MB_per_pass"] = double(bytes) / double(state.iterations()) / 1e6;
}
BENCHMARK(RenderEveryArticle)->Unit(benchmark::kMillisecond);

// A search that finds nothing passes over every article, timed beside the article-by-article
// search that the tests compare it with.
void SearchFindingNothing(benchmark::State& state, decltype(&Search) search,
                          const std::string& words) {
    auto dictionary = LoadFullSize();
    TSearchSession session;
    for (auto _ : state) {
        TVkrObjectList<TWordDescriptor> results;
        search(*dictionary, session, words, results, false, 8, {});
        if (results.Count() != 0)
            state.SkipWithError("the search found something");
    }
}

// The words searched for, as the program passes them and as bytes of the .dic.
const std::string GreekWord = "yyyyyyyyyyyy";
const std::string RussianWord = "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF"; // яяяяяяяя
const std::string RussianWordUtf8 = "яяяяяяяя";

void FullTextSearchGreek(benchmark::State& state) {
    SearchFindingNothing(state, Search, char(ScriptGreek) + GreekWord);
}
BENCHMARK(FullTextSearchGreek)->Unit(benchmark::kMillisecond);

void FullTextSearchRussian(benchmark::State& state) {
    SearchFindingNothing(state, Search, char(ScriptRussian) + RussianWord);
}
BENCHMARK(FullTextSearchRussian)->Unit(benchmark::kMillisecond);

void FullTextSearchGreekArticleByArticle(benchmark::State& state) {
    SearchFindingNothing(state, SearchArticleByArticle, char(ScriptGreek) + GreekWord);
}
BENCHMARK(FullTextSearchGreekArticleByArticle)->Unit(benchmark::kMillisecond);

void FullTextSearchRussianArticleByArticle(benchmark::State& state) {
    SearchFindingNothing(state, SearchArticleByArticle, char(ScriptRussian) + RussianWord);
}
BENCHMARK(FullTextSearchRussianArticleByArticle)->Unit(benchmark::kMillisecond);

// Whole processes, each started directly (no shell) with its output thrown away: orvel-tool
// searching the full-size dictionary, and grep -c -F of the same word over the same .dic as the
// yardstick. They run in the C locale, so grep reads bytes as the dictionary holds them
// (Windows-1251 and the internal Greek encoding are not UTF-8).
void RunProcess(benchmark::State& state, const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> environment{"LC_ALL=C"};
    for (char** variable = environ; *variable; ++variable)
        if (std::strncmp(*variable, "LC_ALL=", 7) != 0)
            environment.emplace_back(*variable);
    std::vector<char*> envp;
    for (std::string& variable : environment)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t child;
        int status = 0;
        if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0 ||
            waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) > 1) {
            state.SkipWithError("the process failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}

// orvel-tool is built beside the benchmarks.
std::string OrvelTool() {
    std::error_code error;
    return (std::filesystem::read_symlink("/proc/self/exe", error).parent_path() / "orvel-tool")
        .string();
}

void GrepFixedStringGreek(benchmark::State& state) {
    RunProcess(state, {"grep", "-c", "-F", GreekWord, FullSize().Dic});
}
BENCHMARK(GrepFixedStringGreek)->Unit(benchmark::kMillisecond)->UseRealTime();

void FullTextSearchGreekProcess(benchmark::State& state) {
    RunProcess(state, {OrvelTool(), "search", "--dic", FullSize().Dic, "--greek", GreekWord});
}
BENCHMARK(FullTextSearchGreekProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void GrepFixedStringRussian(benchmark::State& state) {
    RunProcess(state, {"grep", "-c", "-F", RussianWord, FullSize().Dic});
}
BENCHMARK(GrepFixedStringRussian)->Unit(benchmark::kMillisecond)->UseRealTime();

void FullTextSearchRussianProcess(benchmark::State& state) {
    RunProcess(state,
               {OrvelTool(), "search", "--dic", FullSize().Dic, "--russian", RussianWordUtf8});
}
BENCHMARK(FullTextSearchRussianProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
