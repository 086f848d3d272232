// The full-text search as it was written first: every article visited in turn, each text read
// byte by byte unless it lacks a letter of the anchors. The program does not use it; the tests
// and the search fuzzer compare Search with it, hit by hit, on random dictionaries.
#pragma once

#include "core/search/FullTextSearch.h"

namespace orvel {

// Does what Search does, with the same arguments and results.
void SearchArticleByArticle(TMainDictionary& Dictionary, TSearchSession& Session,
                            std::string_view SearchString, TVkrObjectList<TWordDescriptor>& Results,
                            bool Continue, int32_t HitLimit, const TSearchProgress& Progress = {});

} // namespace orvel
