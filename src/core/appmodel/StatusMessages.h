// The messages of a window's status line: a kind (which icon the line shows), a text and a
// help topic that a click on the line opens. The window remembers the last message given
// through the remembered operations, so that the end of a hint can bring it back; hints and
// progress messages are shown without replacing it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvel {

// The kind of a message is also the index of its icon in the status line's image list.
enum class TStatusKind : int32_t {
    None = -1,
    Information = 0,
    Warning = 1,
    Error = 2,
    Hint = 3,
    Progress = 4,
};
// The icon beside the kind icon when the message carries a help topic.
inline constexpr int32_t StatusHelpImageIndex = 5;

struct TStatusMessage {
    TStatusKind Kind = TStatusKind::None;
    std::string Text; // UTF-8, as shown (with its leading blank)
    int32_t HelpContext = 0;

    bool operator==(const TStatusMessage&) const = default;
};

// The status operations. Texts are UTF-8; each is shown after one leading blank.
TStatusMessage InfoMessage(std::string_view text, int32_t helpContext = 0);
TStatusMessage WarningMessage(std::string_view text);
TStatusMessage ErrorMessage(std::string_view text, int32_t helpContext = 0);
// An unexpected error caught by a handler: " Internal error: " and its text.
TStatusMessage InternalErrorMessage(std::string_view text);
TStatusMessage ClearMessage();
// " text...", or the empty progress message for an empty text.
TStatusMessage ProgressMessage(std::string_view text);
// The long part of a command's hint while the mouse rests on it.
TStatusMessage HintMessage(std::string_view longHint);

// The message to show when the current long hint changes: the hint while there is one, the
// remembered message when it ends.
TStatusMessage HintChangedMessage(std::string_view longHint, const TStatusMessage& remembered);

// Whether a click on the status line opens the message's help topic (else it clears the line).
constexpr bool StatusClickOpensHelp(int32_t helpContext) {
    return helpContext >= 1;
}

} // namespace orvel
