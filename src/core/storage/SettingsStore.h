// The per-user settings store: keys named by paths of backslash-separated parts
// ("Software\Dorne\Orvel\Preference") that hold named values, each a 32-bit integer or a string.
//
// A key is opened, read or written, and closed with its object. Reads tell a missing value and
// a value of the wrong type apart from a value; a store may also fail a read (by throwing), an
// open or a write (by answering null or false, or by throwing). The callers decide what a
// failure means.
//
// Strings are handed over as the bytes the program holds (Windows-1251 program text); a store
// that keeps Unicode must convert them without loss.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace orvel {

// The program's own key, under which the window state, the preferences and the toolbar layout
// lie.
inline constexpr std::string_view OrvelKeyPath = "Software\\Dorne\\Orvel";

enum class TSettingStatus {
    Present,   // the value exists and has the type asked for
    Missing,   // there is no value of that name
    WrongType, // there is a value, but it cannot be read as the type asked for
};

template <typename T>
struct TSettingRead {
    TSettingStatus Status = TSettingStatus::Missing;
    T Value{};

    bool Present() const { return Status == TSettingStatus::Present; }
    T ValueOr(T fallback) const { return Present() ? Value : std::move(fallback); }
};

class TSettingsKey {
public:
    virtual ~TSettingsKey() = default;

    virtual TSettingRead<int32_t> ReadInteger(std::string_view name) const = 0;
    virtual TSettingRead<std::string> ReadString(std::string_view name) const = 0;
    // A boolean is the integer 0 or 1; any other integer is wrongly typed, as in a store that
    // keeps values as text.
    virtual TSettingRead<bool> ReadBoolean(std::string_view name) const;

    // False (or an exception) when the value could not be written.
    virtual bool WriteInteger(std::string_view name, int32_t value) = 0;
    virtual bool WriteString(std::string_view name, std::string_view value) = 0;
    // Written as the integer 1 or 0.
    virtual bool WriteBoolean(std::string_view name, bool value);
};

class TSettingsStore {
public:
    virtual ~TSettingsStore() = default;

    // The key at path, or null when it cannot be opened: it does not exist and create is false,
    // or it could not be created. A key object must not outlive its store.
    virtual std::unique_ptr<TSettingsKey> OpenKey(std::string_view path, bool create) = 0;
};

// The non-empty parts of a key path: "\Software\\Dorne\" gives "Software", "Dorne".
std::vector<std::string> SplitKeyPath(std::string_view path);

// Strict readers of values kept as text. An integer is an optional '-' and decimal digits within
// the 32-bit signed range, nothing else (no spaces, no '+', no hexadecimal); a boolean is exactly
// "0", "1", "false" or "true". Anything else gives nothing, which a store reports as WrongType.
std::optional<int32_t> ParseStrictInteger(std::string_view text);
std::optional<bool> ParseStrictBoolean(std::string_view text);

// A value as the memory store holds it: none, an integer or a string.
using TSettingValue = std::variant<std::monostate, int32_t, std::string>;

// A settings store held in memory. Values of either type may be put under any name, so a value
// of the wrong type can be planted; failures of opening, reading and writing can be arranged.
// Key paths are compared by their parts (see SplitKeyPath), case-sensitively.
class TMemorySettingsStore : public TSettingsStore {
public:
    // How an arranged failure shows itself.
    enum class TFailure {
        Report, // OpenKey answers null, a write answers false
        Throw,  // the operation throws EOrvelError
    };

    std::unique_ptr<TSettingsKey> OpenKey(std::string_view path, bool create) override;

    bool HasKey(std::string_view path) const;
    // Creates the key when needed; std::monostate removes the value.
    void SetValue(std::string_view path, std::string_view name, TSettingValue value);
    // std::monostate when the key or the value does not exist.
    TSettingValue Value(std::string_view path, std::string_view name) const;
    // The names of the values the key holds, in name order.
    std::vector<std::string> ValueNames(std::string_view path) const;

    // Every later OpenKey fails.
    void FailOpen(TFailure failure = TFailure::Report);
    // Every later write of a value of this name fails and leaves the stored value as it was.
    void FailWrite(std::string_view name, TFailure failure = TFailure::Report);
    // Every later read of a value of this name throws EOrvelError.
    void FailRead(std::string_view name);

    // The names of the values written successfully, in the order of writing.
    const std::vector<std::string>& WriteLog() const { return FWriteLog; }

private:
    friend class TMemorySettingsKey;
    using TValues = std::map<std::string, TSettingValue, std::less<>>;

    static std::string NormalPath(std::string_view path);
    bool Write(const std::string& path, std::string_view name, TSettingValue value);
    const TSettingValue* Find(const std::string& path, std::string_view name) const;

    std::map<std::string, TValues, std::less<>> FKeys;
    std::optional<TFailure> FOpenFailure;
    std::map<std::string, TFailure, std::less<>> FWriteFailures;
    std::vector<std::string> FReadFailures;
    std::vector<std::string> FWriteLog;
};

} // namespace orvel
