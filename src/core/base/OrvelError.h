// The one exception type of the core: it carries the message text shown to the user
// (UTF-8; the Russian texts are fixed by the data formats' error rules).
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
