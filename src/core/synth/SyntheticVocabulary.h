// The vocabulary of the synthetic edition: every row the program has compiled in, and made-up
// content of the right kind for every other row, so that the edition shows no gaps where its
// articles refer to rows only an edition's vocabulary file holds.
#pragma once

#include "core/article/VocabularyTables.h"

namespace orvel {

// The complete vocabulary; the same for every seed of the edition.
TVocabulary GenerateSyntheticVocabulary();

} // namespace orvel
