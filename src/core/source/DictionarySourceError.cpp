#include "core/source/DictionarySourceError.h"

namespace orvel {

namespace {

std::string JoinErrors(const std::vector<TSourceError>& errors) {
    std::string text;
    for (const auto& error : errors) {
        if (!text.empty())
            text += '\n';
        text += error.Text();
    }
    return text;
}

} // namespace

ESourceError::ESourceError(std::vector<TSourceError> Errors)
    : EOrvelError(JoinErrors(Errors)), FErrors(std::move(Errors)) {}

void TSourceErrors::Add(std::string_view File, int Line, int Column, std::string Message) {
    if (FErrors.size() < Limit)
        FErrors.push_back({std::string(File), Line, Column, std::move(Message)});
    else
        ++FDropped;
}

void TSourceErrors::ThrowIfAny() const {
    if (FErrors.empty())
        return;
    std::vector<TSourceError> errors = FErrors;
    if (FDropped) {
        TSourceError more = errors.back();
        more.Message = "and " + std::to_string(FDropped) + " more errors";
        errors.push_back(std::move(more));
    }
    throw ESourceError(std::move(errors));
}

} // namespace orvel
