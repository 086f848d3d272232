// Beta Code, the ASCII transcription of Greek of the Thesaurus Linguae Graecae, and the internal
// Greek encoding. Letters are Latin letters of either case (a b g d e z h q i k l m n c o p r s t
// u f x y w); '*' before a letter makes it a capital; the marks follow a small letter and stand
// between '*' and a capital: ')' smooth and '(' rough breathing, '/' acute, '\' grave, '='
// circumflex, '|' iota subscript, '+' diaeresis. 's' is final sigma at the end of a word and
// medial sigma inside one; "s1" and "s2" force the medial and the final form. A space and the
// apostrophe (elision) are kept. Only what the display font Orvel000 can show is accepted: a
// letter with a set of marks that has no glyph of its own there is refused with a message, so
// that what is shown is what was typed. docs/beta-code.md describes the rules.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvel {

// Why a Beta Code text was refused: the offending sequence and a message for the user (UTF-8).
struct TBetaCodeError {
    size_t Position = 0; // of the sequence's first byte
    size_t Length = 0;
    std::string Message;
};

struct TBetaCodeOptions {
    // Whether a sigma at the very end of the text is final; false when the text continues
    // with letters the conversion does not see (typing in the middle of a word).
    bool FinalSigmaAtEnd = true;
    // Whether a capital still waiting for its letter at the end ("*", "*)/") is left unconverted
    // in Pending instead of being refused; for typing, where the letter comes next.
    bool KeepIncompleteEnd = false;
};

struct TBetaCodeResult {
    std::string Internal; // the converted text (everything before the error, if any)
    std::string Pending;  // the unfinished capital at the end, with KeepIncompleteEnd
    std::optional<TBetaCodeError> Error;
};

TBetaCodeResult BetaCodeToInternal(std::string_view betaCode, TBetaCodeOptions options = {});

// The Beta Code of internal Greek, the inverse of BetaCodeToInternal for what it accepts:
// capitals as '*', breathing, accent and letter; marks of small letters in the order breathing,
// diaeresis, accent, iota subscript; a sigma whose form its place would not give as "s1" or
// "s2". Bytes without a Beta Code form (the vowel-length codes among them) are dropped.
std::string InternalToBetaCode(std::string_view internal);

} // namespace orvel
