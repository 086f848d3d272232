// The check of the three data files that start-up runs before opening the dictionary: the size
// of the .dic names the edition, and each index file must have that edition's size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvel {

struct TEdition {
    const char* Name;
    uint32_t DicSize, IdxSize, IdzSize;
};

// The full dictionary: 70526 articles.
const TEdition& StandardEdition();

// Checks the .dic, then the .idx, then the .idz, and answers the edition whose .dic size the
// .dic has. A missing .dic, or one whose size is no edition's, and an index file of another
// size than the edition's, show the error box and fail; the first failing file ends the check.
// A missing index file passes: loading the index rebuilds it.
TEdition CheckDataFiles(const std::string& DicPath, const std::string& IdxPath,
                        const std::string& IdzPath, const std::vector<TEdition>& Editions);

} // namespace orvel
