// The desktop's applications for a type of file, as the freedesktop MIME associations name
// them, and the opening of a file with one of them.
//
// Asking the desktop to open a file (QDesktopServices, which starts xdg-open) answers only
// whether the request could be made: with no application registered for the type the request
// still succeeds and nothing useful opens. So the program first looks whether any application
// is registered for the type.
#pragma once

#include <QString>
#include <QStringList>

namespace orvel {

// The desktop entries ("libreoffice-writer.desktop") registered for a MIME type or one of its
// aliases, the user's choices first: the default and added associations of every
// mimeapps.list in the configuration folders and then in the applications folders, then the
// installed applications' mimeinfo.cache. An entry that a mimeapps.list removes (for itself
// and the files after it), or whose desktop file is not installed, is left out.
QStringList DesktopApplicationsFor(const QString& mimeType);

// Opens a file with the desktop's application for its type. False, opening nothing, when no
// application is registered for the type or the desktop could not be asked.
bool OpenWithDesktop(const QString& path);

} // namespace orvel
