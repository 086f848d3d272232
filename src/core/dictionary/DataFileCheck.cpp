#include "core/dictionary/DataFileCheck.h"

#include "core/base/ErrorBox.h"
#include "core/base/OrvelError.h"

#include <optional>
#include <sys/stat.h>

namespace orvel {

namespace {

// The size of the file, or nothing when there is no file to open there (a folder is none).
std::optional<uint64_t> FileSize(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return uint64_t(status.st_size);
}

// Messages name the file in lower case. Only ASCII letters change, so a UTF-8 path stays
// readable; the file itself is always looked up by its real name.
std::string ShownPath(const std::string& path) {
    std::string shown = path;
    for (char& c : shown)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return shown;
}

[[noreturn]] void FailMissing(const std::string& path) {
    const std::string shown = ShownPath(path);
    ShowErrorBox("Отсутствует обязательный файл: " + shown +
                 "\r\n\r\nЦелесообразно полностью переустановить словарь.");
    throw EOrvelError("Отсутствует файл: " + shown);
}

[[noreturn]] void FailChanged(const std::string& path) {
    const std::string shown = ShownPath(path);
    ShowErrorBox("Обнаружено изменение файла: " + shown +
                 "\r\n\r\nЭто может случиться, например, по следующим причинам: повреждение "
                 "файла на диске, смешение файлов из различных версий словаря, заражение "
                 "вирусом.\r\n\r\nЦелесообразно полностью переустановить словарь.");
    throw EOrvelError("Обнаружено изменение файла: " + shown);
}

// An index file is a cache that loading rebuilds when it is missing; one that is there must
// belong to the edition.
void CheckIndexFile(const std::string& path, uint32_t expected) {
    std::optional<uint64_t> size = FileSize(path);
    if (size && *size != expected)
        FailChanged(path);
}

} // namespace

const TEdition& StandardEdition() {
    static const TEdition edition{"standard", 7968875, 282108, 2600};
    return edition;
}

TEdition CheckDataFiles(const std::string& DicPath, const std::string& IdxPath,
                        const std::string& IdzPath, const std::vector<TEdition>& Editions) {
    std::optional<uint64_t> dicSize = FileSize(DicPath);
    if (!dicSize)
        FailMissing(DicPath);
    const TEdition* edition = nullptr;
    for (const auto& candidate : Editions)
        if (candidate.DicSize == *dicSize) {
            edition = &candidate;
            break;
        }
    if (!edition)
        FailChanged(DicPath);
    CheckIndexFile(IdxPath, edition->IdxSize);
    CheckIndexFile(IdzPath, edition->IdzSize);
    return *edition;
}

} // namespace orvel
