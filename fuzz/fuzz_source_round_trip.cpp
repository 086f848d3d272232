// Dictionary source both ways. The input, up to its first 0x02, is an article: decompiled and
// compiled again it must give the same bytes, with the program's rows and with an edition that
// knows every row. The whole input is also read as source text: errors are reported, never a
// crash, and what compiles must come back unchanged through decompiling and compiling again.
#include "core/article/VocabularyTables.h"
#include "core/source/DictionaryDecompiler.h"
#include "core/source/DictionarySource.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// Every row known, some of them awkward to write: braces, tabs, spaces at the end.
orvel::TVocabulary MakeEdition() {
    orvel::TVocabulary vocabulary = orvel::TVocabulary::BuiltIn();
    for (int t = 0; t < orvel::VocabularyTableCount; ++t)
        for (size_t r = 0; r < vocabulary.Tables[size_t(t)].size(); ++r) {
            auto& row = vocabulary.Tables[size_t(t)][r];
            if (!row.Text)
                row.Text = r % 5 == 0 ? std::string("a{\t ") : "ou" + std::to_string(r % 9);
            if (orvel::TableInfo(orvel::TVocabularyTable(t)).Signs && !row.Explanation)
                row.Explanation = r % 2 ? "" : "x}";
        }
    return vocabulary;
}

void ArticleRoundTrip(const std::string& article, const orvel::TVocabulary& vocabulary) {
    const std::string source = orvel::DecompileArticle(article, vocabulary);
    const orvel::TSourceText text{"fuzz.ors", "@articles\n" + source};
    orvel::TSourceErrors errors;
    orvel::TDictionarySource sections;
    orvel::ReadSourceSections(text, sections, errors);
    if (!errors.Empty() || sections.Articles.size() != 1)
        std::abort();
    const std::string bytes = orvel::CompileArticleSource(
        sections.Articles[0].File, sections.Articles[0].Lines, vocabulary, errors);
    if (!errors.Empty() || bytes != article)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const orvel::TVocabulary edition = MakeEdition();
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string article = input.substr(0, input.find('\x02'));
    ArticleRoundTrip(article, orvel::TVocabulary::BuiltIn());
    ArticleRoundTrip(article, edition);

    orvel::TCompiledDictionary compiled;
    try {
        compiled = orvel::CompileDictionarySource({{"fuzz.ors", input}});
    } catch (const orvel::EOrvelError&) {
        return 0; // errors in the source, or no articles
    }
    const std::vector<std::string_view> articles(compiled.Articles.begin(),
                                                 compiled.Articles.end());
    const orvel::TCompiledDictionary again = orvel::CompileDictionarySource(
        {{"fuzz.ors", orvel::DecompileSource(articles, compiled.Vocabulary)}});
    if (again.Articles != compiled.Articles ||
        again.Vocabulary.Tables != compiled.Vocabulary.Tables)
        std::abort();
    return 0;
}
