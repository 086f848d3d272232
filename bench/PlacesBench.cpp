// The bookmark set at its largest expected size: adding one bookmark to a set of 10000 and
// saving the set, as Ins followed by a save does; and reading such a set, as the start does.
#include "FullSizeDictionary.h"
#include "core/places/BookmarkList.h"

#include <benchmark/benchmark.h>
#include <cstdio>

using namespace orvel;

namespace {

constexpr int32_t SetSize = 10000;

// Every seventh article of the full-size edition, some of them in a note with a selection.
TBookmarkList LargeSet() {
    const std::vector<std::string>& words = FullSize().HeadWords;
    TBookmarkList list;
    for (int32_t i = 0; i < SetSize; ++i) {
        const int32_t index = (i * 7) % int32_t(words.size());
        TWordDescriptor place(index, words[size_t(index)]);
        if (i % 5 == 0)
            place.SetNote("Lexicon", true);
        place.SetSelection(i % 300, i % 40);
        list.Add(place);
    }
    return list;
}

void AddBookmarkAndSave(benchmark::State& state) {
    const std::string file = FullSize().Folder + "/Bench.bmr";
    const std::vector<std::string>& words = FullSize().HeadWords;
    TBookmarkList list = LargeSet();
    int32_t next = 1;
    for (auto _ : state) {
        // A new place each time (an article the set does not hold), then the whole file.
        const int32_t index = (next * 7 + 3) % int32_t(words.size());
        ++next;
        list.Add(TWordDescriptor(index, words[size_t(index)]));
        list.Save(file);
        state.PauseTiming();
        list.Remove(list.Count() - 1);
        state.ResumeTiming();
    }
    std::remove(file.c_str());
}
BENCHMARK(AddBookmarkAndSave)->Unit(benchmark::kMillisecond);

// The yardstick: a set of one bookmark saved to the same folder. Its time is the file system's
// (the temporary file synced to the disk and renamed), which every save pays whatever its size.
void SaveOneBookmark(benchmark::State& state) {
    const std::string file = FullSize().Folder + "/Bench.bmr";
    TBookmarkList list;
    list.Add(TWordDescriptor(0, FullSize().HeadWords[0]));
    for (auto _ : state)
        list.Save(file);
    std::remove(file.c_str());
}
BENCHMARK(SaveOneBookmark)->Unit(benchmark::kMillisecond);

void LoadLargeSet(benchmark::State& state) {
    const std::string file = FullSize().Folder + "/Bench.bmr";
    LargeSet().Save(file);
    for (auto _ : state) {
        TBookmarkList list;
        list.Load(file);
        benchmark::DoNotOptimize(list.Count());
    }
    std::remove(file.c_str());
}
BENCHMARK(LoadLargeSet)->Unit(benchmark::kMillisecond);

} // namespace
