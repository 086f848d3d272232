// What the program does before its main window: the names it goes by, and what a start does
// when another instance of the program runs already.
#pragma once

#include "platform/SingleInstance.h"

#include <optional>
#include <ostream>

namespace orvel {

// The organisation and application under which the settings are kept, and the desktop entry.
// No display name is set: Qt would append it to every window title ("Orvel information —
// Orvel"), and the windows name the program in their own titles.
void SetProgramIdentity();

// What is said when the running instance does not answer a start.
inline constexpr const char* InstanceNotAnsweringText =
    "Orvel уже запущен, но не отвечает. Дождитесь, пока он освободится, или закройте его, "
    "и запустите программу снова.";

// The exit status of a start that found another instance, or nothing when none runs and the
// start goes on. 0 when the instance raised its window. When it does not answer, the start
// says so on errors and in the program's message box and ends with 1: running beside it would
// let two instances write the same settings, bookmarks and notes.
std::optional<int> SecondStartExitStatus(TSingleInstance::TRunning running, std::ostream& errors);

// Hands a word of the command line to the instance that owns busName on the session bus, which
// raises its window and opens the word's article. False when no instance took it.
bool HandWordToRunningInstance(
    const QString& word, const QString& busName = QString::fromLatin1(TSingleInstance::DefaultName),
    int timeoutMs = TSingleInstance::DefaultTimeoutMs);

} // namespace orvel
