// The history of opened articles, newest first. It is never stored: every run starts empty.
#pragma once

#include "core/dictionary/WordDescriptor.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvel {

class THistory {
public:
    // Puts the article at the top. An article already in the history moves there with its
    // saved selection dropped; otherwise, when the history holds more than three and more than
    // maxCount items, its oldest goes first, so that it settles at maxCount + 1 items.
    void Add(int32_t articleIndex, std::string headWord, int32_t maxCount);

    int Count() const { return int(FItems.size()); }
    const TWordDescriptor& Items(int position) const { return FItems[size_t(position)]; }

private:
    std::vector<TWordDescriptor> FItems;
};

} // namespace orvel
