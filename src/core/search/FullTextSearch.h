// The full-text search: Greek or Russian words, with wildcards, in the texts of all articles and
// of the notes attached to them, hit by hit in dictionary order, with a limit and continuation.
#pragma once

#include "core/base/VkrObjectList.h"
#include "core/dictionary/WordDescriptor.h"

#include <cstdint>
#include <functional>
#include <string_view>

namespace orvel {

class TMainDictionary;

// Called every 1000 articles with the percentage of the articles searched; it may set the
// dictionary's StopSearch to cancel the search, which then ends before the next article.
using TSearchProgress = std::function<void(int Percent)>;

// Searches from the first article, or with Continue from the article after the dictionary's
// LastFound, adding one descriptor per hit to Results. The search stops at the end of the
// article in which Results reaches HitLimit; LastFound then names that article, and it is -1
// when the search ran out of articles first. Fails with "Недопустимая строка для поиска" when
// SearchString cannot be parsed. The caller clears StopSearch before it starts.
void Search(TMainDictionary& Dictionary, std::string_view SearchString,
            TVkrObjectList<TWordDescriptor>& Results, bool Continue, int32_t HitLimit,
            const TSearchProgress& Progress = {});

} // namespace orvel
