// The user's preferences: one object that every part of the program reads, kept in the settings
// store under "<root>\Preference", one value per field under the field's own name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvel {

class TSettingsStore;

class TPreference {
public:
    // Every field takes its built-in default.
    TPreference() = default;
    TPreference(const TPreference&) = default;
    TPreference& operator=(const TPreference&) = default;

    // Takes every field of source.
    void Assign(const TPreference& source);

    bool operator==(const TPreference&) const = default;

    // Reads every value from rootPath + "\Preference". When the key cannot be opened (the first
    // run) the fields stay as they are. Otherwise a missing or wrongly typed value falls back:
    // an integer or colour to the field's current value (ListFontSize to 20), a boolean to its
    // default, a text to the empty text; numbers are then clamped to their ranges. Nothing is
    // reported and nothing throws. A CurrentNoteFile that is no plain file name of the User
    // folder (a path, a hidden name) falls back to the empty text; CommonBookmarksFileName keeps
    // only its last path part without the extension (empty when no plain name is left).
    void LoadPreference(TSettingsStore& store, std::string_view rootPath);
    // Writes every value, in the order of the fields, creating the key when needed. A failure
    // ends the saving where it happens and is reported nowhere; nothing throws.
    void SavePreference(TSettingsStore& store, std::string_view rootPath) const;

    // The fields in the order in which they are stored. Texts are program text (Windows-1251);
    // colours are 0x00BBGGRR.
    std::string CommonBookmarksFileName = "Default"; // the current bookmark file
    bool CommonAutoLoadSave = true;                  // save changed bookmarks on closing
    bool CommonWindowsSound = false;                 // the desktop's error sound, not a beep
    int32_t CommonWordFontSize = 20;                 // points, 8..32
    int32_t ListFontSize = 14;                       // points, 8..24
    bool ListFontBold = false;
    int32_t ListWordsMaxCount = 40;      // the word list is filled in blocks of this many, 10..99
    int32_t ListGotoMaxCount = 16;       // longest history, 3..99
    int32_t ListSearchMaxCount = 8;      // most articles found by one search, 1..99
    int32_t TextFontSize = 20;           // points, 8..24
    int32_t TextAuthorSizePercent = 76;  // author names relative to TextFontSize, 50..100
    uint32_t TextAuthorColor = 0x800000; // navy
    uint32_t TextSignColor = 0x008000;   // green
    uint32_t TextEnumColor = 0xFF0000;   // blue
    std::string CurrentNoteFile;         // notes file (no folder, no extension) for new notes
    bool SearchBetaCode = false;         // the search line takes Greek as Beta Code
    bool CopyGreekAsUnicode = false;     // copied RTF carries Greek as Unicode, not display glyphs
};

// The user data folder that holds the notes and bookmark files: the executable's folder followed
// by "User", with no trailing separator.
std::string UserFolder(const std::string& executablePath);

// The name a notes file is known by: the path's last part with its last extension removed
// ("/x/Lexicon.not" gives "Lexicon", "a.b.not" gives "a.b"); empty when that is no plain file
// name (".." or ".hidden.not").
std::string NoteFileNameFromPath(std::string_view text);

} // namespace orvel
