// The generated dictionary of the full size that every benchmark runs on: 70526 articles in a
// .dic of 7968875 bytes, with both index files written, in a temporary folder.
#pragma once

#include "core/dictionary/MainDictionary.h"

#include <memory>
#include <string>
#include <vector>

struct TFullSizeDictionary {
    std::string Folder;
    std::string Dic;
    std::vector<std::string> HeadWords;

    TFullSizeDictionary();
    ~TFullSizeDictionary();
};

const TFullSizeDictionary& FullSize();

// A dictionary object over it, loaded from its index files.
std::unique_ptr<orvel::TMainDictionary> LoadFullSize();
