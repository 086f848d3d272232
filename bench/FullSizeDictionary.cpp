#include "FullSizeDictionary.h"

#include "core/synth/SyntheticEdition.h"
#include "support/GeneratedDictionary.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <unistd.h>

TFullSizeDictionary::TFullSizeDictionary() {
    char pattern[] = "/tmp/orvel-bench-XXXXXX";
    if (!::mkdtemp(pattern))
        std::abort();
    Folder = pattern;
    Dic = Folder + "/orvel.dic";
    orvel::testing::WriteFile(Dic, orvel::GenerateSyntheticEdition(1).Dic);
    // The index files must be younger than the .dic by the file system's clock.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    orvel::TMainDictionary dictionary;
    dictionary.Open(Dic);
    dictionary.LoadIndex();
    for (int32_t i = 0; i < dictionary.Count(); ++i)
        HeadWords.push_back(dictionary.GetHeadWord(i));
}

// The temporary folder goes with the benchmark program.
TFullSizeDictionary::~TFullSizeDictionary() {
    std::error_code ignored;
    std::filesystem::remove_all(Folder, ignored);
}

const TFullSizeDictionary& FullSize() {
    static TFullSizeDictionary dictionary;
    return dictionary;
}

std::unique_ptr<orvel::TMainDictionary> LoadFullSize() {
    auto dictionary = std::make_unique<orvel::TMainDictionary>();
    dictionary->Open(FullSize().Dic);
    dictionary->LoadIndex();
    return dictionary;
}
