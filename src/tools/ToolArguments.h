// Command-line parsing for orvel-tool: positional arguments, options with a value ("--dic P")
// and flags ("--display"), each subcommand naming which it accepts.
#pragma once

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvel::tool {

// Bad arguments: the tool prints the text with the usage and exits with 2.
class EUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TToolArguments {
public:
    TToolArguments(const std::vector<std::string>& Arguments, const std::set<std::string>& Options,
                   const std::set<std::string>& Flags);

    bool Has(const std::string& Name) const;
    // The value of a required option (the last one given).
    const std::string& Value(const std::string& Name) const;
    // Every value given for an option, in order.
    std::vector<std::string> Values(const std::string& Name) const;
    const std::vector<std::string>& Positional() const { return FPositional; }
    // The only positional argument, which must be there.
    const std::string& Single(const char* What) const;

private:
    std::map<std::string, std::vector<std::string>> FValues;
    std::set<std::string> FFlags;
    std::vector<std::string> FPositional;
};

// Parses a whole decimal int32; anything else is a usage error.
int ParseInt(const std::string& Text, const char* What);

} // namespace orvel::tool
