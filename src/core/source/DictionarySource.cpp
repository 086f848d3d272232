#include "core/source/DictionarySource.h"

#include "core/article/ArticleCodes.h"
#include "core/dictionary/MainDictionary.h"
#include "core/dictionary/SearchTerms.h"
#include "core/source/DictionarySourceText.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace orvel {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Reads the lines of one file into sections.
class TSectionReader {
public:
    TSectionReader(const TSourceText& source, TDictionarySource& into, TSourceErrors& errors)
        : File(source.File), Into(into), Errors(errors) {}

    void Line(int number, std::string_view text) {
        TSourceChars chars;
        if (const int bad = DecodeSourceLine(text, chars)) {
            Errors.Add(File, number, bad, "malformed UTF-8");
            return;
        }
        const size_t start = std::find_if_not(text.begin(), text.end(), IsBlank) - text.begin();
        const std::string_view trimmed = text.substr(start);
        if (trimmed.substr(0, 2) == "//")
            return;
        if (trimmed.empty()) {
            EndArticle();
        } else if (trimmed[0] == '@') {
            EndArticle();
            Directive(number, int(start) + 1, trimmed);
        } else if (Mode == TMode::Articles) {
            if (Article.Lines.empty())
                Article.File = File;
            Article.Lines.push_back({number, text});
        } else if (Mode == TMode::Vocabulary) {
            TSourceVocabularyRow row;
            if (ParseVocabularyRow(File, number, text, Table, row, Errors))
                Into.Rows.push_back(row);
        } else if (Mode == TMode::None) {
            Errors.Add(File, number, chars.Columns[start],
                       "text outside a section: start one with @articles or @vocabulary NAME");
            Mode = TMode::Skip;
        }
    }

    void EndArticle() {
        if (!Article.Lines.empty())
            Into.Articles.push_back(std::move(Article));
        Article = {};
    }

private:
    enum class TMode { None, Articles, Vocabulary, Skip };

    // "@articles" or "@vocabulary NAME"; an unknown one skips the lines up to the next.
    void Directive(int number, int column, std::string_view text) {
        while (!text.empty() && IsBlank(text.back()))
            text.remove_suffix(1);
        const size_t end = std::min(text.find_first_of(" \t"), text.size());
        const std::string_view word = text.substr(0, end);
        std::string_view argument = text.substr(end);
        const size_t skipped =
            std::find_if_not(argument.begin(), argument.end(), IsBlank) - argument.begin();
        argument.remove_prefix(skipped);
        Mode = TMode::Skip;
        if (word == "@articles" && argument.empty()) {
            Mode = TMode::Articles;
        } else if (word == "@vocabulary" && !argument.empty()) {
            if (const auto table = FindVocabularyTable(argument)) {
                Table = *table;
                Mode = TMode::Vocabulary;
            } else {
                TSourceChars name;
                DecodeSourceLine(text.substr(0, end + skipped), name);
                Errors.Add(File, number, column + int(name.Chars.size()),
                           "no vocabulary table " + std::string(argument));
            }
        } else {
            Errors.Add(File, number, column,
                       "unknown directive: a section starts with @articles or @vocabulary NAME");
        }
    }

    std::string_view File;
    TDictionarySource& Into;
    TSourceErrors& Errors;
    TMode Mode = TMode::None;
    TVocabularyTable Table{};
    TSourceArticle Article;
};

} // namespace

void ReadSourceSections(const TSourceText& Source, TDictionarySource& Into, TSourceErrors& Errors) {
    std::string_view text = Source.Text;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3); // byte order mark
    TSectionReader reader(Source, Into, Errors);
    int number = 0;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        reader.Line(++number, line);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    reader.EndArticle();
}

TCompiledDictionary CompileDictionarySource(const std::vector<TSourceText>& Sources) {
    TSourceErrors errors;
    TDictionarySource source;
    for (const auto& file : Sources)
        ReadSourceSections(file, source, errors);
    TCompiledDictionary result{{}, MergeVocabulary(source.Rows, errors)};

    std::vector<std::string> articles;
    articles.reserve(source.Articles.size());
    for (const auto& article : source.Articles)
        articles.push_back(
            CompileArticleSource(article.File, article.Lines, result.Vocabulary, errors));
    errors.ThrowIfAny();
    if (articles.empty())
        throw EOrvelError("the sources hold no article");
    if (articles.size() > size_t(MaxArticles))
        throw EOrvelError("the sources hold " + std::to_string(articles.size()) +
                          " articles; a dictionary holds at most " + std::to_string(MaxArticles));

    std::vector<std::string> keys;
    keys.reserve(articles.size());
    uint64_t size = 0;
    for (const auto& article : articles) {
        keys.push_back(HeadWordKey(article));
        size += article.size() + 2;
    }
    if (size > UINT32_MAX)
        throw EOrvelError("the dictionary would exceed 4 GiB");
    std::vector<size_t> order(articles.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&keys](size_t a, size_t b) { return keys[a] < keys[b]; });
    result.Articles.reserve(articles.size());
    for (size_t i : order)
        result.Articles.push_back(std::move(articles[i]));
    return result;
}

std::string DicFileBytes(const std::vector<std::string>& Articles) {
    size_t size = 0;
    for (const auto& article : Articles)
        size += article.size() + 2;
    std::string dic;
    dic.reserve(size);
    for (const auto& article : Articles) {
        dic += char(RecordStart);
        dic += article;
        dic += char(RecordEnd);
    }
    return dic;
}

} // namespace orvel
