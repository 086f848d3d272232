// The full-text search: Greek or Russian words, with wildcards, in the texts of all articles and
// of the notes attached to them, hit by hit in dictionary order, with a limit and continuation.
#pragma once

#include "core/base/VkrObjectList.h"
#include "core/dictionary/SearchTerms.h"
#include "core/dictionary/WordDescriptor.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace orvel {

class TMainDictionary;

// A run of searches and their continuations, owned by whoever searches (the main window, the
// tool, a test): what was searched last, where the last search stopped, and the cancel request.
struct TSearchSession {
    // The article in which the last search reached its hit limit, where Continue goes on; -1
    // when it ran out of articles, failed or was cancelled.
    int32_t LastFound = -1;
    std::string SearchText;  // the search string of the last search
    bool StopSearch = false; // set while a search runs (by its progress callback) to cancel it
    TSearchState State;      // SearchText's parsed words
};

// Called every 1000 articles with the percentage of the articles searched; it may set the
// session's StopSearch to cancel the search, which then ends before the next article.
using TSearchProgress = std::function<void(int Percent)>;

// Searches from the first article, or with Continue from the article after the session's
// LastFound, adding one descriptor per hit to Results. The search stops at the end of the
// article in which Results reaches HitLimit; LastFound then names that article, and it is -1
// when the search ran out of articles first. Fails with "Недопустимая строка для поиска" when
// SearchString cannot be parsed. StopSearch is cleared when the search starts.
void Search(TMainDictionary& Dictionary, TSearchSession& Session, std::string_view SearchString,
            TVkrObjectList<TWordDescriptor>& Results, bool Continue, int32_t HitLimit,
            const TSearchProgress& Progress = {});

} // namespace orvel
