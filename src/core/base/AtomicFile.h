// Replacing a file whole: every file the core writes (notes, bookmarks, the vocabulary, the index
// files) is written this way, so that a failed or interrupted save never damages the file that
// was there and readers see the old file or the new one, never a part of either.
//
// The new contents go to a temporary file in the target's folder. Where the file system has
// them it is an unnamed file (O_TMPFILE), which vanishes with a process killed while writing;
// elsewhere it is named "<target>.tmp<pid>-<suffix>", and RemoveStaleTemporaries clears such
// files once their process is gone. Commit gives an unnamed file such a name for a moment, syncs
// it and renames it over the target.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvel {

class TAtomicFile {
public:
    // Creates the temporary file for Target (the path written; a symbolic link there is
    // replaced, not followed). ShownName names the file in messages. The new file takes the
    // permissions of the regular file it replaces, else 0644 less the umask. Fails with
    // "Cannot create file <ShownName>". Unnamed false asks for a named temporary file even where
    // an unnamed one could be had.
    TAtomicFile(std::string Target, std::string ShownName, bool Unnamed = true);
    // Without a successful Commit the temporary file goes and the target stays as it was.
    ~TAtomicFile();

    TAtomicFile(const TAtomicFile&) = delete;
    TAtomicFile& operator=(const TAtomicFile&) = delete;

    // The temporary file, open for writing; -1 once committed or after a failed Commit.
    int Handle() const { return FHandle; }
    // Appends Size bytes; fails with "Cannot write file <ShownName>: <reason>".
    void Write(const void* Data, size_t Size);
    // Syncs and closes the temporary file and renames it over the target. Fails with "Cannot
    // write file <ShownName>: <reason>", the target then untouched; a failed Commit fails again.
    void Commit();

private:
    [[noreturn]] void Fail(int Error);
    // Gives the temporary file a name beside the target (for the rename).
    void NameTemporary();

    std::string FTarget;
    std::string FShownName;
    std::string FTempName; // empty while the temporary file has no name
    int FHandle = -1;
    int FError = 0; // the errno of the first failure
    bool FCommitted = false;
};

// Replaces Target with Bytes through a TAtomicFile that names it in messages.
void WriteFileAtomically(const std::string& Target, std::string_view Bytes);

// Removes the temporary files that saves of Target left behind: the regular files named
// "<target>.tmp<pid>" or "<target>.tmp<pid>-<suffix>" whose process no longer exists. Failures
// are ignored: the files are only clutter.
void RemoveStaleTemporaries(const std::string& Target);

} // namespace orvel
