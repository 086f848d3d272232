// Renders arbitrary bytes as an article: it must never fail, and the document must be whole.
#include "core/article/ArticleRenderer.h"
#include "core/article/VocabularyTables.h"
#include "core/settings/Preference.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const orvel::TPreference preference;
    const std::string rtf =
        orvel::RenderArticle(std::string_view(reinterpret_cast<const char*>(data), size),
                             preference, orvel::TVocabulary::BuiltIn());
    // One closing part and one 0x00 byte, at the very end; every brace is balanced.
    if (rtf.size() < 10 || rtf.back() != '\0' || rtf.find('\0') != rtf.size() - 1 ||
        rtf.compare(rtf.size() - 10, 10, std::string("\\par\r\n}\r\n", 9) + '\0') != 0)
        std::abort();
    int depth = 0;
    for (size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\' && i + 1 < rtf.size() && rtf[i + 1] != '\'') {
            ++i; // an escaped character or the first letter of a control word
            continue;
        }
        depth += rtf[i] == '{' ? 1 : rtf[i] == '}' ? -1 : 0;
        if (depth < 0)
            std::abort();
    }
    if (depth != 0)
        std::abort();
    return 0;
}
