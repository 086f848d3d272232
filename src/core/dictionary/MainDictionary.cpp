#include "core/dictionary/MainDictionary.h"

#include "core/base/AtomicFile.h"
#include "core/base/ErrorBox.h"
#include "core/base/LargePages.h"
#include "core/base/OrvelError.h"
#include "core/dictionary/HeadWord.h"

#include <new>
#include <sys/stat.h>

namespace orvel {

namespace {
const char* const MissingDictionary = "Отсутствует основной файл словаря: orvel.dic";
const char* const BrokenData = "Нарушена структура данных";
} // namespace

void* TMainDictionary::operator new(size_t Size) {
    if (void* block = AllocateLargePages(Size))
        return block;
    throw std::bad_alloc();
}

void TMainDictionary::operator delete(void* Block, size_t Size) {
    ReleaseLargePages(Block, Size);
}

TMainDictionary::TMainDictionary() {
    for (auto& row : FLetterIndex)
        row.fill(-1);
}

void TMainDictionary::Open(const std::string& FileName) {
    struct stat st {};
    if (::stat(FileName.c_str(), &st) != 0)
        FailWithErrorBox(MissingDictionary);
    OpenUnread(FileName);
}

std::string TMainDictionary::IndexFileName(const char* Extension) const {
    const std::string& name = FileName();
    size_t slash = name.find_last_of('/');
    size_t dot = name.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return name + Extension;
    return name.substr(0, dot) + Extension;
}

void TMainDictionary::LoadIndex() {
    if (!IsOpen() || Size() == 0)
        FailWithErrorBox(BrokenData);
    TFileTime dicTime;
    const TFileTime* knownDicTime = GetFileTime(dicTime) ? &dicTime : nullptr;
    // Index files written by a process that was killed in the middle may have left their
    // temporary files in the data folder.
    RemoveStaleTemporaries(IndexFileName(".idx"));
    RemoveStaleTemporaries(IndexFileName(".idz"));

    // orvel.idx comes first, so that the .dic is checked against it as its bytes arrive.
    StartIdxCheck(knownDicTime);
    ReadContents();
    if (!Memory())
        FailWithErrorBox(BrokenData); // emptied since it was opened
    const bool idxPassed = IdxCheckPassed();
    const int32_t idxCount = FIdxCheck.Count;
    FIdxCheck = {};
    if (idxPassed) {
        FCount = idxCount;
        FIdxSource = TIndexSource::Read;
    } else {
        ScanArticles();
        WriteIdx();
        FIdxSource = TIndexSource::Rebuilt;
    }

    if (ReadIdz(knownDicTime)) {
        FIdzSource = TIndexSource::Read;
    } else {
        FillLetterIndex();
        WriteIdz();
        FIdzSource = TIndexSource::Rebuilt;
    }
}

void TMainDictionary::ScanArticles() {
    const uint8_t* data = Memory();
    const uint32_t size = Size();
    if (data[0] != RecordStart)
        FailWithErrorBox(BrokenData);
    int32_t count = 0;
    uint32_t p = 0;
    while (p < size) {
        // A file with more records than the table holds is damaged, not something to index.
        if (count >= MaxArticles)
            FailWithErrorBox(BrokenData);
        ArticleStarts[size_t(count++)] = p;
        ++p; // past the record start
        while (p < size && data[p] != RecordEnd)
            ++p;
        if (p >= size)
            FailWithErrorBox(BrokenData); // the last record has no end
        ++p;
    }
    ArticleStarts[size_t(count)] = size;
    FCount = count;
}

void TMainDictionary::FillLetterIndex() {
    for (int c = 97; c <= 121; ++c)
        if (c != 114)
            FirstOfLetter(c);
    for (int c = 97; c <= 121; ++c)
        if (c != 114)
            for (int d = 97; d <= 121; ++d)
                FirstOfPair(c, d);
}

void TMainDictionary::CheckIndex(int32_t Index) const {
    if (Index < 0 || Index >= FCount)
        throw EAssertionFailed("Source/UnitDictionary", "article index in range");
}

const uint8_t* TMainDictionary::ArticleData(int32_t Index) const {
    CheckIndex(Index);
    return Memory() + ArticleStarts[size_t(Index)] + 1;
}

int32_t TMainDictionary::ArticleLength(int32_t Index) const {
    CheckIndex(Index);
    return int32_t(ArticleStarts[size_t(Index) + 1] - ArticleStarts[size_t(Index)] - 2);
}

std::string TMainDictionary::GetArticleText(int32_t Index) const {
    return std::string(reinterpret_cast<const char*>(ArticleData(Index)),
                       size_t(ArticleLength(Index)));
}

std::string TMainDictionary::GetHeadWord(int32_t Index) const {
    return std::string(HeadWordOfText(std::string_view(
        reinterpret_cast<const char*>(ArticleData(Index)), size_t(ArticleLength(Index)))));
}

} // namespace orvel
