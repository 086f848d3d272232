#include "core/settings/WindowState.h"

#include "core/encoding/Windows1251.h"
#include "core/storage/SettingsStore.h"

#include <algorithm>
#include <memory>
#include <optional>

namespace orvel {

namespace {

// The value when present; a missing, wrongly typed or unreadable value gives nothing.
std::optional<int32_t> ReadInteger(const TSettingsKey& key, std::string_view name) {
    try {
        const TSettingRead<int32_t> read = key.ReadInteger(name);
        if (read.Present())
            return read.Value;
    } catch (...) {
    }
    return std::nullopt;
}

bool ReadBoolean(const TSettingsKey& key, std::string_view name) {
    try {
        const TSettingRead<bool> read = key.ReadBoolean(name);
        return read.Present() && read.Value;
    } catch (...) {
        return false;
    }
}

int32_t ReadClamped(const TSettingsKey& key, std::string_view name, int32_t fallback, int32_t min,
                    int32_t max) {
    const std::optional<int32_t> value = ReadInteger(key, name);
    return value ? ClampToRange(*value, min, max) : fallback;
}

bool WriteAppPath(TSettingsKey& key, std::string_view appPath) {
    if (auto* unicode = dynamic_cast<TUnicodeTextKey*>(&key))
        return unicode->WriteUtf8String("AppPath", appPath);
    return key.WriteString("AppPath", Utf8ToCp1251(appPath));
}

// The last position at which a window of `size` still ends on the screen: origin + extent - size,
// kept within 32 bits.
int32_t Span(int32_t origin, int32_t extent, int32_t size) {
    return int32_t(std::clamp<int64_t>(int64_t(origin) + extent - size, INT32_MIN, INT32_MAX));
}

} // namespace

int32_t ClampToRange(int32_t value, int32_t min, int32_t max) {
    return std::max(min, std::min(value, max));
}

int32_t ClampLeftWidth(int32_t value, int32_t windowWidth) {
    return ClampToRange(value, windowWidth / 6, windowWidth - 64);
}

TWindowState LoadWindowState(TSettingsStore& store, std::string_view rootPath,
                             const TWindowRect& current, const TWindowRect& screen) {
    TWindowState state;
    state.Rect = current;
    std::unique_ptr<TSettingsKey> key;
    try {
        key = store.OpenKey(rootPath, false);
    } catch (...) {
    }
    if (!key) {
        state.LeftWidth = current.Width / 3;
        return state;
    }

    state.Maximize = ReadBoolean(*key, "Maximize");
    int32_t width = screen.Width;
    if (!state.Maximize) {
        TWindowRect& r = state.Rect;
        r.Width = ReadClamped(*key, "Width", r.Width, MinWindowSize, screen.Width);
        r.Height = ReadClamped(*key, "Height", r.Height, MinWindowSize, screen.Height);
        r.Left = ReadClamped(*key, "Left", r.Left, screen.Left,
                             Span(screen.Left, screen.Width, r.Width));
        r.Top =
            ReadClamped(*key, "Top", r.Top, screen.Top, Span(screen.Top, screen.Height, r.Height));
        width = r.Width;
    }
    const std::optional<int32_t> leftWidth = ReadInteger(*key, "LeftWidth");
    state.LeftWidth = leftWidth ? ClampLeftWidth(*leftWidth, width) : width / 3;
    return state;
}

bool SaveWindowState(TSettingsStore& store, std::string_view rootPath, const TWindowState& state,
                     std::string_view appPath) {
    try {
        const std::unique_ptr<TSettingsKey> key = store.OpenKey(rootPath, true);
        if (!key)
            return false;
        if (!key->WriteBoolean("Maximize", state.Maximize))
            return false;
        if (!state.Maximize) {
            if (!key->WriteInteger("Width", state.Rect.Width) ||
                !key->WriteInteger("Height", state.Rect.Height) ||
                !key->WriteInteger("Left", state.Rect.Left) ||
                !key->WriteInteger("Top", state.Rect.Top))
                return false;
        }
        return key->WriteInteger("LeftWidth", state.LeftWidth) && WriteAppPath(*key, appPath) &&
               key->WriteString("AppSearch", std::to_string(ExternalSearchMessage));
    } catch (...) {
        return false;
    }
}

} // namespace orvel
