// Compiles the source of one article into its bytes: text in the script of the language the
// reader is in at that point, tags as their codes, whitespace as stored spaces where the reader
// would not put a space anyway.
#pragma once

#include "core/source/DictionarySourceError.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvel {

class TVocabulary;

// One line of source, well-formed UTF-8, with its 1-based number.
struct TSourceLine {
    int Number = 0;
    std::string_view Text;
};

// The bytes of the article written on Lines (line breaks between them are whitespace).
// References are looked up in Vocabulary. Errors are added to Errors; the bytes are then of
// no use.
std::string CompileArticleSource(std::string_view File, const std::vector<TSourceLine>& Lines,
                                 const TVocabulary& Vocabulary, TSourceErrors& Errors);

} // namespace orvel
