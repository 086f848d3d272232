// The settings store of the program on Linux: a QSettings file of the organisation "Dorne" and
// the application "Orvel" (~/.config/Dorne/Orvel.conf, or below $XDG_CONFIG_HOME).
//
// The program's own key "Software\Dorne\Orvel" is the root of that file, since the
// organisation and application already name it; its values lie in the file's general section
// and its subkeys are groups ("Software\Dorne\Orvel\Preference" is the group "Preference",
// "...\FormOrvel\ControlBar" the group "FormOrvel/ControlBar"). The first three parts of a path
// are compared without regard to case, as key names are; a path outside the program's key
// cannot be opened.
//
// Every value is kept as text and parsed strictly when read: an integer is decimal digits with
// an optional '-', a boolean exactly 0, 1, false or true; anything else reads as WrongType.
// Texts arrive as program text (Windows-1251) and are stored as Unicode; the executable's path
// ("AppPath") arrives as UTF-8 and is stored as it is.
#pragma once

#include "core/settings/WindowState.h"
#include "core/storage/SettingsStore.h"

#include <QRect>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <set>

namespace orvel {

class TQtSettingsStore : public TSettingsStore {
public:
    // The user's own settings file.
    TQtSettingsStore();
    // An INI file at the given path (used by the tests and for portable setups).
    explicit TQtSettingsStore(const QString& iniFilePath);
    ~TQtSettingsStore() override;

    std::unique_ptr<TSettingsKey> OpenKey(std::string_view path, bool create) override;

    // Writes pending changes to the file; false when that failed.
    bool Sync();
    QString FileName() const { return FSettings->fileName(); }

    // The QSettings group of a key path: "" for the program's key, "A/B" for its subkey "A\B";
    // nothing for a path outside the program's key or with a part QSettings cannot name.
    static std::optional<QString> GroupOfPath(std::string_view path);

private:
    friend class TQtSettingsKey;

    bool GroupExists(const QString& group);

    std::unique_ptr<QSettings> FSettings;
    std::set<QString> FCreatedGroups; // opened with create, possibly still without values
};

// The main window's state in the program's key: designed is the window's geometry as created,
// screen the available area of the screen it opens on (see LoadWindowState).
TWindowState LoadMainWindowState(TSettingsStore& store, const QRect& designed, const QRect& screen);
// Writes the state with the running executable's path as "AppPath".
bool SaveMainWindowState(TSettingsStore& store, const TWindowState& state);
QRect ToQRect(const TWindowRect& rect);

} // namespace orvel
