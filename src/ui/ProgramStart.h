// What the program does before its main window: the names it goes by.
#pragma once

namespace orvel {

// The organisation and application under which the settings are kept, and the desktop entry.
// No display name is set: Qt would append it to every window title ("Orvel information —
// Orvel"), and the windows name the program in their own titles.
void SetProgramIdentity();

} // namespace orvel
