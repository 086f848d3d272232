// Where bookmark sets lie: each set is a file "<name>.bmr" in the User folder, the current one
// named by the preference CommonBookmarksFileName. A set chosen elsewhere is copied into the
// User folder before it becomes the current one, so that the name always finds it.
//
// Set names are program text (Windows-1251); paths are the file system's bytes (UTF-8).
#pragma once

#include <string>
#include <string_view>

namespace orvel {

// The name of the set that text names: its last path part without the extension ("/a/Work.bmr"
// and "Work" give "Work", "a.b" gives "a"); empty when that is no plain file name of a folder
// (".hidden", "..").
std::string BookmarkSetName(std::string_view text);

// The file of the set that preferenceValue names: userFolder, "/", the set name and ".bmr";
// empty when the value names no set (an empty preference means no current file).
std::string BookmarkFileName(const std::string& userFolder, std::string_view preferenceValue);

// What it takes to make the file a user chose the current set.
struct TBookmarkImport {
    std::string SetName;   // empty: the file's name names no set
    std::string Target;    // the set's file in the User folder
    bool Copy = false;     // the chosen file is not Target: it is copied there first
    bool Replaces = false; // with Copy: Target exists and would be replaced
};

TBookmarkImport PlanBookmarkImport(const std::string& chosenPath, const std::string& userFolder);

// Reads a bookmark file whole and checks that it reads as one; fails with the stream layer's
// message otherwise.
std::string ReadBookmarkFileBytes(const std::string& path);

} // namespace orvel
