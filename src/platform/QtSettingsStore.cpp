#include "platform/QtSettingsStore.h"

#include "core/encoding/Windows1251.h"
#include "core/settings/WindowState.h"

#include <QCoreApplication>
#include <QVariant>
#include <array>

namespace orvel {

namespace {

constexpr std::array<std::string_view, 3> RootParts = {"Software", "Dorne", "Orvel"};

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

QString FromProgramText(std::string_view text) {
    return QString::fromStdString(Cp1251ToUtf8(text));
}

std::string ToProgramText(const QString& text) {
    return Utf16ToCp1251(text.toStdU16String());
}

// A name QSettings would split into groups cannot be a value name or a key part.
bool UsableName(const QString& name) {
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\');
}

} // namespace

// An open key: a group of the store's settings.
class TQtSettingsKey : public TSettingsKey, public TUnicodeTextKey {
public:
    TQtSettingsKey(TQtSettingsStore& store, QString group)
        : FStore(store), FGroup(std::move(group)) {}

    TSettingRead<int32_t> ReadInteger(std::string_view name) const override {
        return Parse<int32_t>(name, ParseStrictInteger);
    }

    TSettingRead<bool> ReadBoolean(std::string_view name) const override {
        return Parse<bool>(name, ParseStrictBoolean);
    }

    TSettingRead<std::string> ReadString(std::string_view name) const override {
        TSettingRead<std::string> read;
        const std::optional<QVariant> value = Value(name);
        if (!value)
            return read;
        const std::optional<QString> text = Text(*value);
        read.Status = text ? TSettingStatus::Present : TSettingStatus::WrongType;
        if (text)
            read.Value = ToProgramText(*text);
        return read;
    }

    bool WriteInteger(std::string_view name, int32_t value) override {
        return Write(name, QString::number(value));
    }

    bool WriteString(std::string_view name, std::string_view value) override {
        return Write(name, FromProgramText(value));
    }

    bool WriteUtf8String(std::string_view name, std::string_view utf8) override {
        return Write(name, QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
    }

private:
    QString FullName(std::string_view name) const {
        const QString value = FromProgramText(name);
        if (!UsableName(value))
            return {};
        return FGroup.isEmpty() ? value : FGroup + u'/' + value;
    }

    // The stored value, or nothing when there is none.
    std::optional<QVariant> Value(std::string_view name) const {
        const QString full = FullName(name);
        if (full.isEmpty() || !FStore.FSettings->contains(full))
            return std::nullopt;
        return FStore.FSettings->value(full);
    }

    // The value as text. The file gives every value as a string; a value with unquoted commas
    // comes back as a list and anything written with @-notation as another type, and those
    // are not values of ours.
    static std::optional<QString> Text(const QVariant& value) {
        switch (value.typeId()) {
        case QMetaType::QString:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Bool:
            return value.toString();
        default:
            return std::nullopt;
        }
    }

    template <typename T, typename TParser>
    TSettingRead<T> Parse(std::string_view name, TParser parse) const {
        TSettingRead<T> read;
        const std::optional<QVariant> value = Value(name);
        if (!value)
            return read;
        const std::optional<QString> text = Text(*value);
        const std::optional<T> parsed = text ? parse(text->toStdString()) : std::nullopt;
        read.Status = parsed ? TSettingStatus::Present : TSettingStatus::WrongType;
        if (parsed)
            read.Value = *parsed;
        return read;
    }

    bool Write(std::string_view name, const QString& value) {
        const QString full = FullName(name);
        // Asked once per key: QSettings finds out by creating a file.
        if (!FWritable)
            FWritable = FStore.FSettings->isWritable();
        if (full.isEmpty() || !*FWritable)
            return false;
        FStore.FSettings->setValue(full, value);
        return true;
    }

    TQtSettingsStore& FStore;
    QString FGroup;
    std::optional<bool> FWritable;
};

TQtSettingsStore::TQtSettingsStore()
    : FSettings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("Dorne"), QStringLiteral("Orvel"))) {}

TQtSettingsStore::TQtSettingsStore(const QString& iniFilePath)
    : FSettings(std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat)) {}

TQtSettingsStore::~TQtSettingsStore() {
    FSettings->sync();
}

bool TQtSettingsStore::Sync() {
    FSettings->sync();
    return FSettings->status() == QSettings::NoError;
}

std::optional<QString> TQtSettingsStore::GroupOfPath(std::string_view path) {
    const std::vector<std::string> parts = SplitKeyPath(path);
    if (parts.size() < RootParts.size())
        return std::nullopt;
    for (size_t i = 0; i < RootParts.size(); ++i)
        if (!EqualIgnoringCase(parts[i], RootParts[i]))
            return std::nullopt;
    QStringList group;
    for (size_t i = RootParts.size(); i < parts.size(); ++i) {
        const QString part = FromProgramText(parts[i]);
        if (!UsableName(part))
            return std::nullopt;
        group << part;
    }
    return group.join(u'/');
}

bool TQtSettingsStore::GroupExists(const QString& group) {
    for (const QString& created : FCreatedGroups)
        if (group.isEmpty() || created == group || created.startsWith(group + u'/'))
            return true;
    FSettings->beginGroup(group);
    const bool exists = !FSettings->allKeys().isEmpty();
    FSettings->endGroup();
    return exists;
}

std::unique_ptr<TSettingsKey> TQtSettingsStore::OpenKey(std::string_view path, bool create) {
    const std::optional<QString> group = GroupOfPath(path);
    if (!group)
        return nullptr;
    if (create) {
        if (!FSettings->isWritable())
            return nullptr;
        FCreatedGroups.insert(*group);
    } else if (!GroupExists(*group)) {
        return nullptr;
    }
    return std::make_unique<TQtSettingsKey>(*this, *group);
}

namespace {

TWindowRect ToWindowRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.width(), rect.height()};
}

} // namespace

TWindowState LoadMainWindowState(TSettingsStore& store, const QRect& designed,
                                 const QRect& screen) {
    return LoadWindowState(store, OrvelKeyPath, ToWindowRect(designed), ToWindowRect(screen));
}

bool SaveMainWindowState(TSettingsStore& store, const TWindowState& state) {
    return SaveWindowState(store, OrvelKeyPath, state,
                           QCoreApplication::applicationFilePath().toStdString());
}

QRect ToQRect(const TWindowRect& rect) {
    return QRect(rect.Left, rect.Top, rect.Width, rect.Height);
}

} // namespace orvel
