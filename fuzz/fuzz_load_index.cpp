// Loads arbitrary .dic, .idx and .idz bytes and reads every article and a few lookups from
// whatever loaded. Input: a 2-byte .dic length and a 2-byte .idx length (little-endian), the
// .dic bytes, the .idx bytes, and the rest as the .idz; a missing part is a missing file.
#include "core/base/OrvelError.h"
#include "core/dictionary/MainDictionary.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Folder() {
    static std::string folder = [] {
        char pattern[] = "/tmp/orvel-fuzz-XXXXXX";
        if (!::mkdtemp(pattern))
            std::abort();
        std::string dic = std::string(pattern) + "/orvel.dic";
        // The .dic is created once and rewritten in place, so that index files written later
        // are younger than it whether the file system keeps birth times or not.
        int fd = ::open(dic.c_str(), O_CREAT | O_WRONLY, 0644);
        ::close(fd);
        ::sleep(1);
        return std::string(pattern);
    }();
    return folder;
}

void Put(const std::string& path, const uint8_t* data, size_t size, bool inPlace) {
    if (!inPlace)
        ::unlink(path.c_str());
    int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, data, size) != ssize_t(size))
        std::abort();
    ::close(fd);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4)
        return 0;
    size_t dicSize = size_t(data[0] | data[1] << 8);
    size_t idxSize = size_t(data[2] | data[3] << 8);
    data += 4;
    size -= 4;
    dicSize = dicSize < size ? dicSize : size;
    idxSize = idxSize < size - dicSize ? idxSize : size - dicSize;
    const std::string folder = Folder();
    Put(folder + "/orvel.dic", data, dicSize, true);
    const struct timespec epoch[2] = {{0, 0}, {0, 0}};
    ::utimensat(AT_FDCWD, (folder + "/orvel.dic").c_str(), epoch, 0);
    Put(folder + "/orvel.idx", data + dicSize, idxSize, false);
    Put(folder + "/orvel.idz", data + dicSize + idxSize, size - dicSize - idxSize, false);

    orvel::TMainDictionary dictionary;
    try {
        dictionary.Open(folder + "/orvel.dic");
        dictionary.LoadIndex();
    } catch (const orvel::EOrvelError&) {
        return 0;
    }
    size_t total = 0;
    for (int32_t i = 0; i < dictionary.Count(); ++i) {
        const std::string text = dictionary.GetArticleText(i);
        total += text.size() + 2;
        if (text.compare(0, std::string::npos,
                         reinterpret_cast<const char*>(dictionary.ArticleData(i)),
                         size_t(dictionary.ArticleLength(i))) != 0 ||
            dictionary.GetHeadWord(i).size() > text.size())
            std::abort();
        int32_t found = dictionary.FindWord("\x08" + dictionary.GetKey(i, 4));
        if (found < -1 || found >= dictionary.Count())
            std::abort();
    }
    // The records cover the file exactly.
    if (total != dictionary.Size())
        std::abort();
    return 0;
}
