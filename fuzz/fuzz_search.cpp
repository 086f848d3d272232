// Parses arbitrary search strings and runs the full-text search over arbitrary articles and
// notes, comparing every result with the article-by-article search. Input: the search string,
// then the articles, separated by 0x02 bytes; inside an article, 0x01 bytes separate its text
// from the texts of its notes.
#include "core/base/OrvelError.h"
#include "core/dictionary/MainDictionary.h"
#include "core/search/FullTextSearch.h"
#include "core/search/FullTextSearchOracle.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const std::string& Folder() {
    static const std::string path = [] {
        char pattern[] = "/tmp/orvel-fuzz-search-XXXXXX";
        if (!::mkdtemp(pattern))
            std::abort();
        return std::string(pattern);
    }();
    return path;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    for (size_t start = 0;;) {
        size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

// What one search leaves behind, each hit checked to lie inside the text it was found in.
std::string Outcome(decltype(&orvel::Search) search, orvel::TMainDictionary& dictionary,
                    orvel::TSearchSession& session, const std::string& words, bool next,
                    int32_t limit, bool cancel) {
    orvel::TVkrObjectList<orvel::TWordDescriptor> results;
    std::string outcome;
    try {
        search(dictionary, session, words, results, next, limit,
               [&session, cancel](int) { session.StopSearch = session.StopSearch || cancel; });
    } catch (const orvel::EOrvelError& error) {
        outcome = error.what();
    }
    for (int i = 0; i < results.Count(); ++i) {
        const orvel::TWordDescriptor& hit = *results[i];
        int32_t length = dictionary.ArticleLength(hit.ArticleIndex);
        if (hit.InNote) {
            const orvel::TUserArticle* note = dictionary.NoteChain(hit.ArticleIndex);
            while (note && note->Owner()->Name() != hit.NoteFile)
                note = note->Next();
            if (!note)
                std::abort();
            length = int32_t(note->Text().size());
        }
        if (hit.SelStart < 0 || hit.SelLength <= 0 || hit.SelStart + hit.SelLength > length)
            std::abort();
        outcome += " " + std::to_string(hit.ArticleIndex) + ":" + std::to_string(hit.SelStart) +
                   "+" + std::to_string(hit.SelLength) + ":" + hit.NoteFile;
    }
    return outcome + " last " + std::to_string(session.LastFound) + " stop " +
           std::to_string(session.StopSearch);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\x02');
    if (split == std::string::npos)
        return 0;
    const std::string search = input.substr(0, split);
    const std::vector<std::string> records = Split(input.substr(split + 1), '\x02');
    std::string dic;
    for (const std::string& record : records)
        dic += '\x01' + record.substr(0, record.find('\x01')) + '\x02';
    const std::string dicPath = Folder() + "/orvel.dic";
    FILE* file = std::fopen(dicPath.c_str(), "wb");
    if (!file || std::fwrite(dic.data(), 1, dic.size(), file) != dic.size())
        std::abort();
    std::fclose(file);
    ::unlink((Folder() + "/orvel.idx").c_str());
    ::unlink((Folder() + "/orvel.idz").c_str());

    orvel::TMainDictionary dictionary;
    dictionary.Open(dicPath);
    dictionary.LoadIndex();
    // The notes of each article, in files taken in turn.
    static const char* const noteFiles[] = {"a", "b", "c"};
    for (int32_t i = 0; i < int32_t(records.size()) && i < dictionary.Count(); ++i) {
        const std::vector<std::string> texts = Split(records[size_t(i)], '\x01');
        for (size_t n = 1; n < texts.size(); ++n)
            dictionary.GetNote(i, noteFiles[n % 3], Folder())->SetText(texts[n]);
    }

    // A search cancelled at once, then a search continued until it runs out of articles.
    const int32_t limit = int32_t(1 + size % 3);
    orvel::TSearchSession fast, oracle;
    if (Outcome(orvel::Search, dictionary, fast, search, false, limit, true) !=
        Outcome(orvel::SearchArticleByArticle, dictionary, oracle, search, false, limit, true))
        std::abort();
    bool next = false;
    for (int32_t step = 0; step <= dictionary.Count(); ++step) {
        const std::string expected =
            Outcome(orvel::SearchArticleByArticle, dictionary, oracle, search, next, limit, false);
        if (Outcome(orvel::Search, dictionary, fast, search, next, limit, false) != expected)
            std::abort();
        if (oracle.LastFound < 0)
            break;
        next = true;
    }
    return 0;
}
