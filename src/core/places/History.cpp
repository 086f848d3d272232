#include "core/places/History.h"

#include <algorithm>
#include <utility>

namespace orvel {

void THistory::Add(int32_t articleIndex, std::string headWord, int32_t maxCount) {
    const auto found = std::find_if(FItems.begin(), FItems.end(), [&](const TWordDescriptor& d) {
        return d.ArticleIndex == articleIndex;
    });
    if (found != FItems.end()) {
        *found = TWordDescriptor(articleIndex, std::move(headWord));
        std::rotate(FItems.begin(), found, found + 1);
        return;
    }
    if (Count() > 3 && Count() > maxCount)
        FItems.pop_back();
    FItems.insert(FItems.begin(), TWordDescriptor(articleIndex, std::move(headWord)));
}

} // namespace orvel
