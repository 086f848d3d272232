// Rendering and the full-text search over the whole full-size dictionary.
#include "FullSizeDictionary.h"
#include "core/article/ArticleRenderer.h"
#include "core/article/VocabularyTables.h"
#include "core/search/FullTextSearch.h"
#include "core/settings/Preference.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>

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

// A search that finds nothing scans every article; grep -c of a fixed string over the same file
// is the yardstick, timed in the same run.
void SearchFindingNothing(benchmark::State& state, const std::string& words) {
    auto dictionary = LoadFullSize();
    TSearchSession session;
    for (auto _ : state) {
        TVkrObjectList<TWordDescriptor> results;
        Search(*dictionary, session, words, results, false, 8);
        if (results.Count() != 0)
            state.SkipWithError("the search found something");
    }
}

void FullTextSearchGreek(benchmark::State& state) {
    SearchFindingNothing(state, "\x08yyyyyyyyyyyy");
}
BENCHMARK(FullTextSearchGreek)->Unit(benchmark::kMillisecond);

void FullTextSearchRussian(benchmark::State& state) {
    SearchFindingNothing(state, "\x07\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF");
}
BENCHMARK(FullTextSearchRussian)->Unit(benchmark::kMillisecond);

void GrepFixedString(benchmark::State& state) {
    const std::string command = "grep -c -F yyyyyyyyyyyy " + FullSize().Dic + " >/dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) == -1)
            state.SkipWithError("grep could not run");
}
BENCHMARK(GrepFixedString)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
