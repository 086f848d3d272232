#include "core/appmodel/StatusMessages.h"

#include <utility>

namespace orvel {

namespace {

TStatusMessage Message(TStatusKind kind, std::string_view text, int32_t helpContext) {
    std::string shown = " ";
    shown += text;
    return {kind, std::move(shown), helpContext};
}

} // namespace

TStatusMessage InfoMessage(std::string_view text, int32_t helpContext) {
    return Message(TStatusKind::Information, text, helpContext);
}

TStatusMessage WarningMessage(std::string_view text) {
    return Message(TStatusKind::Warning, text, 0);
}

TStatusMessage ErrorMessage(std::string_view text, int32_t helpContext) {
    return Message(TStatusKind::Error, text, helpContext);
}

TStatusMessage InternalErrorMessage(std::string_view text) {
    std::string message = "Internal error: ";
    message += text;
    return Message(TStatusKind::Error, message, 0);
}

TStatusMessage ClearMessage() {
    return {};
}

TStatusMessage ProgressMessage(std::string_view text) {
    if (text.empty())
        return {TStatusKind::Progress, std::string(), 0};
    return Message(TStatusKind::Progress, std::string(text) + "...", 0);
}

TStatusMessage HintMessage(std::string_view longHint) {
    return Message(TStatusKind::Hint, longHint, 0);
}

TStatusMessage HintChangedMessage(std::string_view longHint, const TStatusMessage& remembered) {
    return longHint.empty() ? remembered : HintMessage(longHint);
}

} // namespace orvel
