// Dictionaries made up for tests and benchmarks: head words in the internal Greek encoding,
// sorted by their normalised keys as the lookup requires, and bodies of arbitrary bytes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orvel {
class TMainDictionary;
}

namespace orvel::testing {

// The bytes of an orvel.dic holding the given article texts in the given order.
std::string BuildDic(const std::vector<std::string>& Articles);

struct TGeneratedDictionary {
    std::vector<std::string> Articles; // in dictionary order
    std::string Dic;                   // the orvel.dic bytes
};

// Count articles whose .dic is exactly TotalSize bytes (when that is reachable: at least 8
// bytes an article), with random head words (diacritics, capitals, hyphens, mark prefixes,
// duplicates) in key order. The same seed gives the same dictionary.
TGeneratedDictionary GenerateDictionary(int32_t Count, uint32_t TotalSize, uint32_t Seed);

// Writes Articles as Folder/orvel.dic and loads it (index files built beside it).
std::unique_ptr<TMainDictionary> LoadDictionary(const std::string& Folder,
                                                const std::vector<std::string>& Articles);

// Writes Bytes to Path whole; throws std::runtime_error on failure.
void WriteFile(const std::string& Path, const std::string& Bytes);
std::string ReadFile(const std::string& Path);

} // namespace orvel::testing
