#include "core/appmodel/BetaCodeTyping.h"

#include "core/encoding/GreekEncoding.h"

namespace orvel {

namespace {

// The display glyphs of the letter right before the caret, which a mark or a letter typed now
// may change: one glyph, or a capital-prefix glyph and its capital. None when a space, a sign or
// a letter with a length mark (which Beta Code does not write) stands there.
size_t LastLetterLength(std::string_view before) {
    if (before.empty())
        return 0;
    const std::string last = FontCharToInternal(uint8_t(before.back()));
    if (last.empty() || IsLengthMarkCode(uint8_t(last.front())))
        return 0;
    if (before.size() >= 2 && IsCapitalPrefixGlyph(uint8_t(before[before.size() - 2])) &&
        !FontCapitalToInternal(uint8_t(before[before.size() - 2]), uint8_t(before.back())).empty())
        return 2;
    return 1;
}

std::string InternalToDisplay(std::string_view internal) {
    std::string display;
    uint8_t code = 0;
    for (const char c : internal) {
        const uint8_t byte = uint8_t(c);
        if (IsDiacriticCode(byte)) {
            code = byte;
            continue;
        }
        display += GreekLetterToFont(code, byte);
        code = 0;
    }
    return display;
}

} // namespace

TBetaCodeEdit TypeBetaCode(const TBetaCodeKeystroke& keystroke) {
    TBetaCodeEdit edit;
    // A capital that waits for its letter takes the keystroke; otherwise the letter before the
    // caret is converted again with it.
    if (keystroke.Pending.empty())
        edit.Replaced = LastLetterLength(keystroke.Before);
    const std::string_view context =
        keystroke.Before.substr(keystroke.Before.size() - edit.Replaced);
    const std::string beta = InternalToBetaCode(FontWordToInternal(context)) +
                             std::string(keystroke.Pending) + keystroke.Typed;
    TBetaCodeResult result = BetaCodeToInternal(
        beta, {.FinalSigmaAtEnd = !keystroke.LetterFollows, .KeepIncompleteEnd = true});
    if (result.Error) {
        edit.Replaced = 0;
        edit.Error = std::move(result.Error); // a capital waiting for its letter goes with it
        return edit;
    }
    edit.Display = InternalToDisplay(result.Internal);
    edit.Pending = std::move(result.Pending);
    return edit;
}

} // namespace orvel
