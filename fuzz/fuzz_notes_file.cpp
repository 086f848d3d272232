// Loads arbitrary bytes as a notes file into a dictionary of 300 articles. Besides not crashing:
// every attached note lies in the chain of its own article within 0..Count-1, a file that loaded
// whole is written back and reads back the same notes, and once the notes files are gone no
// chain holds anything.
#include "core/base/OrvelError.h"
#include "core/dictionary/MainDictionary.h"
#include "core/dictionary/UserDictionary.h"

#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using namespace orvel;

constexpr int32_t Articles = 300;

std::string Folder() {
    static std::string folder = [] {
        char pattern[] = "/tmp/orvel-fuzz-notes-XXXXXX";
        if (!::mkdtemp(pattern))
            std::abort();
        return std::string(pattern);
    }();
    return folder;
}

void Put(const std::string& path, const void* data, size_t size) {
    int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, data, size) != ssize_t(size))
        std::abort();
    ::close(fd);
}

TMainDictionary& Dictionary() {
    // Destroyed at exit, before the leak check: the dictionary lies on pages of its own that
    // the leak checker does not scan for the pointers it holds.
    static const std::unique_ptr<TMainDictionary> dictionary = [] {
        std::string dic;
        for (int32_t i = 0; i < Articles; ++i)
            dic += "\x01"
                   "a\x02";
        Put(Folder() + "/orvel.dic", dic.data(), dic.size());
        auto d = std::make_unique<TMainDictionary>();
        d->Open(Folder() + "/orvel.dic");
        d->LoadIndex();
        return d;
    }();
    return *dictionary;
}

std::vector<std::pair<int32_t, std::string>> Notes(const TUserDictionary& file) {
    std::vector<std::pair<int32_t, std::string>> notes;
    for (int i = 0; i < file.Count(); ++i)
        notes.emplace_back(file.Items(i)->ArticleIndex(), file.Items(i)->Text());
    return notes;
}

void CheckChains(TMainDictionary& dictionary, int expected) {
    int attached = 0;
    for (int32_t i = 0; i < dictionary.Count(); ++i)
        for (TUserArticle* note = dictionary.NoteChain(i); note; note = note->Next()) {
            if (note->ArticleIndex() != i || note->Owner()->IndexOf(note) < 0 ||
                ++attached > expected)
                std::abort();
        }
    if (attached != expected)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TMainDictionary& dictionary = Dictionary();
    const std::string path = Folder() + "/fuzz.not";
    Put(path, data, size);

    TUserDictionary* file = dictionary.LoadNotesFile(path);
    if (!file)
        std::abort();
    for (int i = 0; i < file->Count(); ++i) {
        const int32_t index = file->Items(i)->ArticleIndex();
        if (index < 0 || index >= dictionary.Count())
            std::abort();
    }
    CheckChains(dictionary, file->Count());

    if (file->Damaged()) {
        // Never written back: the file stays as it was.
        file->Modified = true;
        try {
            file->Save();
            std::abort();
        } catch (const EOrvelError&) {
        }
    } else if (file->Kind()) {
        const auto before = Notes(*file);
        file->Modified = true;
        file->Save();
        dictionary.UserDictionaries.Clear();
        TUserDictionary* again = dictionary.LoadNotesFile(path);
        if (!again || again->Damaged() || Notes(*again) != before)
            std::abort();
    }

    dictionary.UserDictionaries.Clear();
    CheckChains(dictionary, 0);
    return 0;
}
