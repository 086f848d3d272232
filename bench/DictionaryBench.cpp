// Start-up and lookup costs on a generated dictionary of the full size: 70526 articles in a
// .dic of 7968875 bytes.
#include "FullSizeDictionary.h"
#include "core/dictionary/MainDictionary.h"
#include "core/dictionary/SearchTerms.h"
#include "core/encoding/GreekEncoding.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <random>
#include <sys/resource.h>

using namespace orvel;

namespace {

long MinorPageFaults() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// Opening as the program does at start: the dictionary object, the .dic and both index files.
// Page faults are counted too: on some machines (virtual ones above all) they cost more than
// the reading itself.
void LoadIndexWithIndexFiles(benchmark::State& state) {
    FullSize();
    const long faults = MinorPageFaults();
    for (auto _ : state) {
        auto dictionary = LoadFullSize();
        if (dictionary->IdxSource() != TIndexSource::Read ||
            dictionary->IdzSource() != TIndexSource::Read)
            state.SkipWithError("index files were not read");
        benchmark::DoNotOptimize(dictionary->Count());
    }
    state.counters["page_faults"] =
        benchmark::Counter(double(MinorPageFaults() - faults), benchmark::Counter::kAvgIterations);
}
BENCHMARK(LoadIndexWithIndexFiles)->Unit(benchmark::kMicrosecond);

void RebuildIndexFiles(benchmark::State& state) {
    const std::string idx = FullSize().Folder + "/orvel.idx";
    const std::string idz = FullSize().Folder + "/orvel.idz";
    for (auto _ : state) {
        state.PauseTiming();
        std::remove(idx.c_str());
        std::remove(idz.c_str());
        state.ResumeTiming();
        auto dictionary = LoadFullSize();
        benchmark::DoNotOptimize(dictionary->Count());
    }
}
BENCHMARK(RebuildIndexFiles)->Unit(benchmark::kMillisecond);

// 10000 typed keys: prefixes of head words as a reader types them, and some words that are not
// in the dictionary. Each lookup is timed alone for the median and the 99th percentile.
void FindWordTypedKeys(benchmark::State& state) {
    auto dictionary = LoadFullSize();
    std::mt19937 random(2);
    const auto& heads = FullSize().HeadWords;
    std::uniform_int_distribution<size_t> pick(0, heads.size() - 1);
    std::uniform_int_distribution<int> length(1, 10), letter('a', 'y');
    std::vector<std::string> typed;
    while (typed.size() < 10000) {
        std::string word = NormalizeWord(heads[pick(random)]);
        if (typed.size() % 5 == 0)
            for (char& c : word)
                c = char(letter(random));
        word = word.substr(0, size_t(length(random)));
        if (!word.empty() && word[0] != 'r')
            typed.push_back(std::string(1, char(ScriptGreek)) + word);
    }
    std::vector<double> micros(typed.size());
    for (auto _ : state) {
        for (size_t i = 0; i < typed.size(); ++i) {
            auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(dictionary->FindWord(typed[i]));
            micros[i] =
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                    .count();
        }
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p99_us"] = micros[micros.size() * 99 / 100];
    state.counters["max_us"] = micros.back();
}
BENCHMARK(FindWordTypedKeys)->Unit(benchmark::kMillisecond)->Iterations(3);

// One rebuild of the word list: 41 head words around an article, in display form.
void WordListBlock(benchmark::State& state) {
    auto dictionary = LoadFullSize();
    std::mt19937 random(3);
    std::uniform_int_distribution<int32_t> pick(0, dictionary->Count() - 41);
    for (auto _ : state) {
        int32_t first = pick(random);
        for (int32_t i = first; i < first + 41; ++i)
            benchmark::DoNotOptimize(InternalToFontWord(dictionary->GetHeadWord(i)));
    }
}
BENCHMARK(WordListBlock)->Unit(benchmark::kMicrosecond);

// Destroying a notes collection with a note on every article, as at shutdown.
void DestroyNotesCollection(benchmark::State& state) {
    auto dictionary = LoadFullSize();
    for (auto _ : state) {
        state.PauseTiming();
        auto* notes = new TUserDictionary(FullSize().Folder, "bench", true, dictionary.get());
        dictionary->UserDictionaries.Add(std::unique_ptr<TUserDictionary>(notes));
        for (int32_t i = 0; i < dictionary->Count(); ++i)
            TUserArticle::Create(*notes, i);
        state.ResumeTiming();
        dictionary->UserDictionaries.Clear();
    }
}
BENCHMARK(DestroyNotesCollection)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
