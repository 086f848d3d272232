// A made-up dictionary of the standard edition's exact size (70526 articles, a .dic of 7968875
// bytes), generated deterministically from a seed for scale tests and benchmarks. Its head
// words are Greek-like words in the internal encoding in key order; its bodies use every part
// of the article format in proportions close to a real dictionary's.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvel {

struct TSyntheticEdition {
    std::string Dic;              // the orvel.dic bytes
    std::vector<uint32_t> Starts; // offset of each record's 0x01 byte, then the size of Dic

    int32_t Count() const { return int32_t(Starts.size()) - 1; }
    // The article's bytes, between its record's 0x01 and 0x02.
    std::string_view Article(int32_t Index) const;
};

// The edition for a seed; the same seed always gives the same bytes.
TSyntheticEdition GenerateSyntheticEdition(uint32_t Seed);

} // namespace orvel
