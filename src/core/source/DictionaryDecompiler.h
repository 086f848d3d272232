// Turns article bytes back into dictionary source. The bytes are read as the article reader
// reads them; every stretch is written in the form that compiles back to the same bytes, and
// whatever has no such form (bytes without a role, Greek that Unicode writes differently, a
// reference outside its table) as a {x:..} escape, so that any bytes survive the round trip.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvel {

class TVocabulary;

// The source of one article, without a trailing line break. Vocabulary must know every row the
// compiling side will know: the program's rows merged with the edition's (WithBuiltIn).
std::string DecompileArticle(std::string_view Article, const TVocabulary& Vocabulary);

// A whole source file: the vocabulary sections for the rows of the edition's vocabulary that
// the program lacks, then every article in the given order, separated by blank lines.
std::string DecompileSource(const std::vector<std::string_view>& Articles,
                            const TVocabulary& Vocabulary);

} // namespace orvel
