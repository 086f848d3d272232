#include "core/storage/SettingsStore.h"

#include "core/base/OrvelError.h"

#include <algorithm>
#include <charconv>

namespace orvel {

TSettingRead<bool> TSettingsKey::ReadBoolean(std::string_view name) const {
    const TSettingRead<int32_t> read = ReadInteger(name);
    if (read.Present() && read.Value != 0 && read.Value != 1)
        return {TSettingStatus::WrongType, false};
    return {read.Status, read.Present() && read.Value == 1};
}

bool TSettingsKey::WriteBoolean(std::string_view name, bool value) {
    return WriteInteger(name, value ? 1 : 0);
}

std::vector<std::string> SplitKeyPath(std::string_view path) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('\\', start);
        if (end == std::string_view::npos)
            end = path.size();
        if (end > start)
            parts.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::optional<int32_t> ParseStrictInteger(std::string_view text) {
    // from_chars takes a leading '-' but not '+' or spaces; the whole text must be used.
    if (text.empty() || text == "-" || (text[0] != '-' && (text[0] < '0' || text[0] > '9')))
        return std::nullopt;
    int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, 10);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

std::optional<bool> ParseStrictBoolean(std::string_view text) {
    if (text == "1" || text == "true")
        return true;
    if (text == "0" || text == "false")
        return false;
    return std::nullopt;
}

// An open key of the memory store: a path into the store's table.
class TMemorySettingsKey : public TSettingsKey {
public:
    TMemorySettingsKey(TMemorySettingsStore& store, std::string path)
        : FStore(store), FPath(std::move(path)) {}

    TSettingRead<int32_t> ReadInteger(std::string_view name) const override {
        const TSettingValue* value = Find(name);
        if (!value)
            return {TSettingStatus::Missing, 0};
        if (const auto* number = std::get_if<int32_t>(value))
            return {TSettingStatus::Present, *number};
        return {TSettingStatus::WrongType, 0};
    }

    TSettingRead<std::string> ReadString(std::string_view name) const override {
        const TSettingValue* value = Find(name);
        if (!value)
            return {TSettingStatus::Missing, {}};
        if (const auto* text = std::get_if<std::string>(value))
            return {TSettingStatus::Present, *text};
        return {TSettingStatus::WrongType, {}};
    }

    bool WriteInteger(std::string_view name, int32_t value) override {
        return FStore.Write(FPath, name, value);
    }

    bool WriteString(std::string_view name, std::string_view value) override {
        return FStore.Write(FPath, name, std::string(value));
    }

private:
    const TSettingValue* Find(std::string_view name) const {
        const auto& failures = FStore.FReadFailures;
        if (std::find(failures.begin(), failures.end(), name) != failures.end())
            throw EOrvelError("Cannot read the value " + std::string(name));
        return FStore.Find(FPath, name);
    }

    TMemorySettingsStore& FStore;
    std::string FPath;
};

std::string TMemorySettingsStore::NormalPath(std::string_view path) {
    std::string normal;
    for (const std::string& part : SplitKeyPath(path)) {
        if (!normal.empty())
            normal += '\\';
        normal += part;
    }
    return normal;
}

std::unique_ptr<TSettingsKey> TMemorySettingsStore::OpenKey(std::string_view path, bool create) {
    if (FOpenFailure == TFailure::Throw)
        throw EOrvelError("Cannot open the key " + std::string(path));
    if (FOpenFailure == TFailure::Report)
        return nullptr;
    std::string normal = NormalPath(path);
    if (!FKeys.contains(normal)) {
        if (!create)
            return nullptr;
        FKeys.emplace(normal, TValues());
    }
    return std::make_unique<TMemorySettingsKey>(*this, std::move(normal));
}

bool TMemorySettingsStore::HasKey(std::string_view path) const {
    return FKeys.contains(NormalPath(path));
}

void TMemorySettingsStore::SetValue(std::string_view path, std::string_view name,
                                    TSettingValue value) {
    TValues& values = FKeys[NormalPath(path)];
    if (std::holds_alternative<std::monostate>(value)) {
        if (const auto it = values.find(name); it != values.end())
            values.erase(it);
        return;
    }
    values.insert_or_assign(std::string(name), std::move(value));
}

TSettingValue TMemorySettingsStore::Value(std::string_view path, std::string_view name) const {
    const TSettingValue* value = Find(NormalPath(path), name);
    return value ? *value : TSettingValue();
}

std::vector<std::string> TMemorySettingsStore::ValueNames(std::string_view path) const {
    std::vector<std::string> names;
    if (const auto key = FKeys.find(NormalPath(path)); key != FKeys.end())
        for (const auto& [name, value] : key->second)
            names.push_back(name);
    return names;
}

void TMemorySettingsStore::FailOpen(TFailure failure) {
    FOpenFailure = failure;
}

void TMemorySettingsStore::FailWrite(std::string_view name, TFailure failure) {
    FWriteFailures.insert_or_assign(std::string(name), failure);
}

void TMemorySettingsStore::FailRead(std::string_view name) {
    FReadFailures.emplace_back(name);
}

bool TMemorySettingsStore::Write(const std::string& path, std::string_view name,
                                 TSettingValue value) {
    if (const auto failure = FWriteFailures.find(name); failure != FWriteFailures.end()) {
        if (failure->second == TFailure::Throw)
            throw EOrvelError("Cannot write the value " + std::string(name));
        return false;
    }
    FKeys[path].insert_or_assign(std::string(name), std::move(value));
    FWriteLog.emplace_back(name);
    return true;
}

const TSettingValue* TMemorySettingsStore::Find(const std::string& path,
                                                std::string_view name) const {
    const auto key = FKeys.find(path);
    if (key == FKeys.end())
        return nullptr;
    const auto value = key->second.find(name);
    return value == key->second.end() ? nullptr : &value->second;
}

} // namespace orvel
