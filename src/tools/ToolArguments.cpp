#include "tools/ToolArguments.h"

#include <charconv>

namespace orvel::tool {

TToolArguments::TToolArguments(const std::vector<std::string>& Arguments,
                               const std::set<std::string>& Options,
                               const std::set<std::string>& Flags) {
    bool optionsEnded = false;
    for (size_t i = 0; i < Arguments.size(); ++i) {
        const std::string& argument = Arguments[i];
        if (optionsEnded || argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
            FPositional.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (Options.count(argument)) {
            if (i + 1 >= Arguments.size())
                throw EUsageError("option " + argument + " needs a value");
            FValues[argument].push_back(Arguments[++i]);
        } else if (Flags.count(argument)) {
            FFlags.insert(argument);
        } else {
            throw EUsageError("unknown option " + argument);
        }
    }
}

bool TToolArguments::Has(const std::string& Name) const {
    return FFlags.count(Name) || FValues.count(Name);
}

const std::string& TToolArguments::Value(const std::string& Name) const {
    auto it = FValues.find(Name);
    if (it == FValues.end())
        throw EUsageError("option " + Name + " is required");
    return it->second.back();
}

std::vector<std::string> TToolArguments::Values(const std::string& Name) const {
    auto it = FValues.find(Name);
    return it == FValues.end() ? std::vector<std::string>() : it->second;
}

const std::string& TToolArguments::Single(const char* What) const {
    if (FPositional.size() != 1)
        throw EUsageError(std::string("expected one argument: ") + What);
    return FPositional[0];
}

int ParseInt(const std::string& Text, const char* What) {
    int value = 0;
    auto [end, error] = std::from_chars(Text.data(), Text.data() + Text.size(), value);
    if (error != std::errc() || end != Text.data() + Text.size())
        throw EUsageError(std::string("not a number: ") + What + " '" + Text + "'");
    return value;
}

} // namespace orvel::tool
