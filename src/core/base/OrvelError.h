// The one exception type of the core: it carries the message text shown to the user
// (UTF-8; the Russian texts are fixed by the data formats' error rules). Every error the core
// raises is an EOrvelError, so a caller that only reports errors catches this type. The few
// kinds that carry more derive from it: EAssertionFailed (an internal check), ESourceError
// (the dictionary compiler's errors at their lines) and TRtfToOrvelException (the search text
// conversion's refusal, with the position of the character to select; the windows know it by
// that name). The platform and window layers raise EOrvelError too; only orvel-tool adds its
// own EUsageError for bad command lines.
#pragma once

#include <stdexcept>
#include <string>

namespace orvel {

class EOrvelError : public std::runtime_error {
public:
    explicit EOrvelError(const std::string& message) : std::runtime_error(message) {}
};

// An internal consistency check that names the unit it guards ("Source/UnitDictionary").
class EAssertionFailed : public EOrvelError {
public:
    EAssertionFailed(const std::string& unit, const std::string& what)
        : EOrvelError("Assertion failed: " + what + " (" + unit + ")") {}
};

} // namespace orvel
