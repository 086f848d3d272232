// Errors found in dictionary source files, each at a file, line and column (both 1-based; a
// column counts characters), written "FILE:LINE:COL: message".
#pragma once

#include "core/base/OrvelError.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvel {

struct TSourceError {
    std::string File;
    int Line = 0;
    int Column = 0;
    std::string Message;

    std::string Text() const {
        return File + ":" + std::to_string(Line) + ":" + std::to_string(Column) + ": " + Message;
    }
};

// Every error of a compilation; the message is their texts, one a line.
class ESourceError : public EOrvelError {
public:
    explicit ESourceError(std::vector<TSourceError> Errors);
    const std::vector<TSourceError>& Errors() const { return FErrors; }

private:
    std::vector<TSourceError> FErrors;
};

// Collects errors up to a limit; beyond it further errors are counted only.
class TSourceErrors {
public:
    static constexpr size_t Limit = 100;

    void Add(std::string_view File, int Line, int Column, std::string Message);
    bool Empty() const { return FErrors.empty(); }
    // Throws ESourceError when there are errors.
    void ThrowIfAny() const;

private:
    std::vector<TSourceError> FErrors;
    size_t FDropped = 0;
};

} // namespace orvel
