// Compiling a dictionary from its source files (docs/source-format.md): vocabulary sections
// merged with the program's own rows, articles compiled and put in the order of their head
// words' keys, and the bytes of orvel.dic.
#pragma once

#include "core/article/VocabularyTables.h"
#include "core/source/DictionarySourceArticle.h"
#include "core/source/DictionarySourceError.h"
#include "core/source/DictionarySourceVocabulary.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvel {

// One source file: its name (used in error messages) and its UTF-8 text.
struct TSourceText {
    std::string File;
    std::string Text;
};

struct TSourceArticle {
    std::string_view File;
    std::vector<TSourceLine> Lines;
};

// The sections of source files, not yet compiled. Views point into the TSourceText read.
struct TDictionarySource {
    std::vector<TSourceVocabularyRow> Rows;
    std::vector<TSourceArticle> Articles;
};

// Splits a file into its vocabulary rows and articles; errors are added to Errors.
void ReadSourceSections(const TSourceText& Source, TDictionarySource& Into, TSourceErrors& Errors);

struct TCompiledDictionary {
    std::vector<std::string> Articles; // in dictionary order
    TVocabulary Vocabulary;            // the program's rows and those of the sources
};

// Compiles the files together. Errors in the sources throw ESourceError with all of them;
// sources without articles, or with more than the dictionary holds, throw EOrvelError.
TCompiledDictionary CompileDictionarySource(const std::vector<TSourceText>& Sources);

// The orvel.dic bytes: each article between the record marks 0x01 and 0x02.
std::string DicFileBytes(const std::vector<std::string>& Articles);

} // namespace orvel
