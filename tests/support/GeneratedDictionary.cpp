#include "support/GeneratedDictionary.h"

#include "core/dictionary/MainDictionary.h"
#include "core/dictionary/SearchTerms.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace orvel::testing {

std::string BuildDic(const std::vector<std::string>& Articles) {
    std::string dic;
    for (const auto& article : Articles) {
        dic += '\x01';
        dic += article;
        dic += '\x02';
    }
    return dic;
}

namespace {

const std::string Vowels = "aegiouy";

std::string RandomHeadWord(std::mt19937& random) {
    // Letters weighted towards the common ones; final sigma only at the end.
    static const std::string letters = "aaabcdeeefghiiijkllmmnoopqsttuvwxy";
    std::uniform_int_distribution<int> length(1, 12);
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_int_distribution<size_t> letter(0, letters.size() - 1);
    std::string word;
    int n = length(random);
    for (int i = 0; i < n; ++i) {
        char c = letters[letter(random)];
        if (Vowels.find(c) != std::string::npos && percent(random) < 30)
            word += char(0xC0 + percent(random) % 29);
        word += (i == 0 && percent(random) < 5) ? char(c - 32) : c;
        if (i > 0 && i + 1 < n && percent(random) < 2)
            word += '-';
    }
    if (percent(random) < 20)
        word += 'r';
    return word;
}

} // namespace

TGeneratedDictionary GenerateDictionary(int32_t Count, uint32_t TotalSize, uint32_t Seed) {
    std::mt19937 random(Seed);
    std::uniform_int_distribution<int> percent(0, 99);
    struct TEntry {
        std::string Key, Head;
    };
    std::vector<TEntry> entries;
    entries.reserve(size_t(Count));
    for (int32_t i = 0; i < Count; ++i) {
        std::string head;
        if (!entries.empty() && percent(random) < 3)
            head = entries.back().Head; // a duplicate key
        else
            head = RandomHeadWord(random);
        if (percent(random) < 4)
            head = std::string("\x80") + char('1' + percent(random) % 5) + head;
        entries.push_back({HeadWordKey(head), head});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const TEntry& a, const TEntry& b) { return a.Key < b.Key; });

    // Bodies share out the bytes that the heads and record marks leave.
    uint64_t used = 0;
    for (const auto& entry : entries)
        used += entry.Head.size() + 3; // 0x01, a space after the head, 0x02
    uint64_t spare = TotalSize > used ? TotalSize - used : 0;
    TGeneratedDictionary result;
    result.Articles.reserve(entries.size());
    std::uniform_int_distribution<int> byte(0, 255);
    for (size_t i = 0; i < entries.size(); ++i) {
        uint64_t share = spare / (entries.size() - i);
        // Some articles are long, most are short: move bytes between neighbours.
        if (i + 1 < entries.size() && percent(random) < 50)
            share = std::min<uint64_t>(spare, share * 2 * uint64_t(percent(random)) / 100);
        spare -= share;
        std::string article = entries[i].Head + ' ';
        for (uint64_t k = 0; k < share; ++k) {
            int b = byte(random);
            article += char(b == 0x02 ? 0x20 : b);
        }
        result.Articles.push_back(std::move(article));
    }
    result.Dic = BuildDic(result.Articles);
    return result;
}

std::unique_ptr<TMainDictionary> LoadDictionary(const std::string& Folder,
                                                const std::vector<std::string>& Articles) {
    WriteFile(Folder + "/orvel.dic", BuildDic(Articles));
    auto dictionary = std::make_unique<TMainDictionary>();
    dictionary->Open(Folder + "/orvel.dic");
    dictionary->LoadIndex();
    return dictionary;
}

void WriteFile(const std::string& Path, const std::string& Bytes) {
    std::ofstream out(Path, std::ios::binary | std::ios::trunc);
    out.write(Bytes.data(), std::streamsize(Bytes.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write " + Path);
}

std::string ReadFile(const std::string& Path) {
    std::ifstream in(Path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + Path);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

} // namespace orvel::testing
