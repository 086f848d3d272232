// The size and position of the main window and the width of its left panel, kept in the
// program's own settings key ("Maximize", "Width", "Height", "Left", "Top", "LeftWidth"), with
// "AppPath" and "AppSearch" written beside them for other programs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvel {

class TSettingsStore;

// A rectangle in screen pixels.
struct TWindowRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;

    bool operator==(const TWindowRect&) const = default;
};

struct TWindowState {
    bool Maximize = false;
    TWindowRect Rect;      // the normal (not maximised) geometry
    int32_t LeftWidth = 0; // width of the left panel

    bool operator==(const TWindowState&) const = default;
};

inline constexpr int32_t MinWindowSize = 200;
// The message number other programs post to ask for a lookup; written as "AppSearch".
inline constexpr int32_t ExternalSearchMessage = 4124;

// value limited to [min, max]; when the range is empty (max < min) the minimum wins, so a
// screen smaller than the window never yields a size below the minimum or a negative position.
int32_t ClampToRange(int32_t value, int32_t min, int32_t max);

// The left panel's width within [windowWidth / 6, windowWidth - 64].
int32_t ClampLeftWidth(int32_t value, int32_t windowWidth);

// Reads the window state from the key at rootPath, never writing and never throwing.
// `current` is the window's designed geometry, `screen` the screen it opens on.
// A missing key gives `current` and a left panel of a third of its width. Otherwise "Maximize"
// (missing or unreadable: false) decides: a maximised window keeps `current` as its normal
// geometry and measures its left panel against the screen width, which it is about to fill; a
// normal one reads "Width" and "Height" clamped to [200, screen], then "Left" and "Top" clamped
// to keep the window on the screen. A missing or wrongly typed value gives its default
// unclamped; "LeftWidth" then is clamped against the window width (missing: a third of it).
TWindowState LoadWindowState(TSettingsStore& store, std::string_view rootPath,
                             const TWindowRect& current, const TWindowRect& screen);

// A settings key that also keeps text beyond the program's code page. "AppPath" is a file name
// of the system, which Windows-1251 program text cannot hold in general; a store whose keys
// offer this keeps the path as it is, so that other programs find the executable.
class TUnicodeTextKey {
public:
    virtual ~TUnicodeTextKey() = default;
    virtual bool WriteUtf8String(std::string_view name, std::string_view utf8) = 0;
};

// Writes the window state to the key at rootPath, creating it. The normal geometry is written
// only when the window is not maximised, so the size before maximising survives. appPath is
// the executable's full path in UTF-8, written as it is where the key is a TUnicodeTextKey and
// as program text elsewhere. A failed write ends the saving there; nothing is reported and
// nothing throws. True when every value was written.
bool SaveWindowState(TSettingsStore& store, std::string_view rootPath, const TWindowState& state,
                     std::string_view appPath);

} // namespace orvel
