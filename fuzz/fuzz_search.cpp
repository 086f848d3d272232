// Parses arbitrary search strings and runs the full-text search over arbitrary articles. Input:
// the search string, then the articles, separated by 0x02 bytes.
#include "core/base/OrvelError.h"
#include "core/dictionary/MainDictionary.h"
#include "core/search/FullTextSearch.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

const std::string& DicPath() {
    static const std::string path = [] {
        char pattern[] = "/tmp/orvel-fuzz-search-XXXXXX";
        if (!::mkdtemp(pattern))
            std::abort();
        return std::string(pattern) + "/orvel.dic";
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\x02');
    if (split == std::string::npos)
        return 0;
    const std::string search = input.substr(0, split);
    std::string dic;
    for (size_t start = split + 1; start <= input.size();) {
        size_t end = input.find('\x02', start);
        if (end == std::string::npos)
            end = input.size();
        dic += '\x01' + input.substr(start, end - start) + '\x02';
        start = end + 1;
    }
    FILE* file = std::fopen(DicPath().c_str(), "wb");
    if (!file || std::fwrite(dic.data(), 1, dic.size(), file) != dic.size())
        std::abort();
    std::fclose(file);
    ::unlink((DicPath().substr(0, DicPath().size() - 3) + "idx").c_str());
    ::unlink((DicPath().substr(0, DicPath().size() - 3) + "idz").c_str());

    orvel::TMainDictionary dictionary;
    dictionary.Open(DicPath());
    dictionary.LoadIndex();
    orvel::TVkrObjectList<orvel::TWordDescriptor> results;
    orvel::TSearchSession session;
    for (bool next : {false, true}) {
        try {
            orvel::Search(dictionary, session, search, results, next, 3);
        } catch (const orvel::EOrvelError&) {
            return 0;
        }
        for (int i = 0; i < results.Count(); ++i) {
            const orvel::TWordDescriptor& hit = *results[i];
            if (hit.SelStart < 0 || hit.SelLength <= 0 ||
                hit.SelStart + hit.SelLength > dictionary.ArticleLength(hit.ArticleIndex))
                std::abort();
        }
        results.Clear();
    }
    return 0;
}
