#include "core/settings/Preference.h"

#include "core/base/FileNames.h"
#include "core/storage/SettingsStore.h"

#include <algorithm>
#include <optional>

namespace orvel {

namespace {

constexpr int64_t MaxColour = 0xFFFFFF;

// The value a store read gives, or nothing when it is missing, wrongly typed or the read fails.
template <typename TRead>
auto TryRead(TRead read) -> std::optional<decltype(read().Value)> {
    try {
        auto result = read();
        if (result.Present())
            return std::move(result.Value);
    } catch (...) {
        // An unreadable value falls back like a missing one.
    }
    return std::nullopt;
}

class TLoader {
public:
    explicit TLoader(const TSettingsKey& key) : FKey(key) {}

    void Text(std::string_view name, std::string& field) {
        field = TryRead([&] { return FKey.ReadString(name); }).value_or(std::string());
    }

    void Boolean(std::string_view name, bool& field, bool defaultValue) {
        field = TryRead([&] { return FKey.ReadBoolean(name); }).value_or(defaultValue);
    }

    void Integer(std::string_view name, int32_t& field, int32_t min, int32_t max,
                 std::optional<int32_t> fallback = std::nullopt) {
        const int32_t value =
            TryRead([&] { return FKey.ReadInteger(name); }).value_or(fallback.value_or(field));
        field = std::clamp(value, min, max);
    }

    void Colour(std::string_view name, uint32_t& field) {
        const std::optional<int32_t> read = TryRead([&] { return FKey.ReadInteger(name); });
        const int64_t value = read ? int64_t(*read) : int64_t(field);
        field = uint32_t(std::clamp<int64_t>(value, 0, MaxColour));
    }

private:
    const TSettingsKey& FKey;
};

// Writes values until one fails; the rest are then skipped.
class TSaver {
public:
    explicit TSaver(TSettingsKey& key) : FKey(key) {}

    void Text(std::string_view name, const std::string& field) {
        Write([&] { return FKey.WriteString(name, field); });
    }

    void Boolean(std::string_view name, bool field, bool /*defaultValue*/) {
        Write([&] { return FKey.WriteBoolean(name, field); });
    }

    void Integer(std::string_view name, int32_t field, int32_t /*min*/, int32_t /*max*/,
                 std::optional<int32_t> /*fallback*/ = std::nullopt) {
        Write([&] { return FKey.WriteInteger(name, field); });
    }

    void Colour(std::string_view name, uint32_t field) {
        Write([&] { return FKey.WriteInteger(name, int32_t(field)); });
    }

private:
    template <typename TWrite>
    void Write(TWrite write) {
        if (FFailed)
            return;
        try {
            FFailed = !write();
        } catch (...) {
            FFailed = true;
        }
    }

    TSettingsKey& FKey;
    bool FFailed = false;
};

// The one list of the stored values, in storing order, with their defaults and ranges; loading
// and saving both walk it.
template <typename TPref, typename TIo>
void ExchangeValues(TPref& p, TIo& io) {
    io.Text("CommonBookmarksFileName", p.CommonBookmarksFileName);
    io.Boolean("CommonAutoLoadSave", p.CommonAutoLoadSave, true);
    io.Boolean("CommonWindowsSound", p.CommonWindowsSound, false);
    io.Integer("CommonWordFontSize", p.CommonWordFontSize, 8, 32);
    // A key that exists but lacks the list font size gives 20, not the built-in 14.
    io.Integer("ListFontSize", p.ListFontSize, 8, 24, 20);
    io.Boolean("ListFontBold", p.ListFontBold, false);
    io.Integer("ListWordsMaxCount", p.ListWordsMaxCount, 10, 99);
    io.Integer("ListGotoMaxCount", p.ListGotoMaxCount, 3, 99);
    io.Integer("ListSearchMaxCount", p.ListSearchMaxCount, 1, 99);
    io.Integer("TextFontSize", p.TextFontSize, 8, 24);
    io.Integer("TextAuthorSizePercent", p.TextAuthorSizePercent, 50, 100);
    io.Colour("TextAuthorColor", p.TextAuthorColor);
    io.Colour("TextSignColor", p.TextSignColor);
    io.Colour("TextEnumColor", p.TextEnumColor);
    io.Text("CurrentNoteFile", p.CurrentNoteFile);
    io.Boolean("SearchBetaCode", p.SearchBetaCode, false);
    io.Boolean("CopyGreekAsUnicode", p.CopyGreekAsUnicode, false);
}

std::string PreferenceKeyPath(std::string_view rootPath) {
    return std::string(rootPath) + "\\Preference";
}

} // namespace

void TPreference::Assign(const TPreference& source) {
    *this = source;
}

void TPreference::LoadPreference(TSettingsStore& store, std::string_view rootPath) {
    std::unique_ptr<TSettingsKey> key;
    try {
        key = store.OpenKey(PreferenceKeyPath(rootPath), false);
    } catch (...) {
        // Treated like a key that does not exist.
    }
    if (!key)
        return;
    TLoader loader(*key);
    ExchangeValues(*this, loader);
    // The notes file is named inside the User folder; a stored path ("../x", "a/b") or hidden
    // name would read and write elsewhere, so it falls back to none.
    if (!IsPlainFileName(CurrentNoteFile))
        CurrentNoteFile.clear();
    // The bookmark set is named inside the User folder too: a stored path keeps only its name.
    CommonBookmarksFileName = NoteFileNameFromPath(CommonBookmarksFileName);
}

void TPreference::SavePreference(TSettingsStore& store, std::string_view rootPath) const {
    std::unique_ptr<TSettingsKey> key;
    try {
        key = store.OpenKey(PreferenceKeyPath(rootPath), true);
    } catch (...) {
        // Nothing is written.
    }
    if (!key)
        return;
    TSaver saver(*key);
    ExchangeValues(*this, saver);
}

std::string UserFolder(const std::string& executablePath) {
    const size_t slash = executablePath.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : executablePath.substr(0, slash + 1);
    return folder + "User";
}

std::string NoteFileNameFromPath(std::string_view text) {
    if (const size_t slash = text.rfind('/'); slash != std::string_view::npos)
        text.remove_prefix(slash + 1);
    if (const size_t dot = text.rfind('.'); dot != std::string_view::npos)
        text = text.substr(0, dot);
    // What is left of "..", ".not" or ".hidden.not" names no notes file of the User folder.
    return IsPlainFileName(text) ? std::string(text) : std::string();
}

} // namespace orvel
