// The file dialogs of the bookmark sets: open an existing "*.bmr", or name one to save.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace orvel {

enum class TBookmarkDialog { Open, Save };

// Asks for a bookmark file, starting in folder with the file name given; answers the chosen
// file's full path, empty when the user cancels. The window's tests put their own in its place.
using TBookmarkFileChooser =
    std::function<QString(TBookmarkDialog kind, const QString& folder, const QString& name)>;

// The desktop's file dialog: "Bookmarks (*.bmr)", the extension added to a name typed without
// one; to open, the file must exist; to save, an existing file is replaced without a question.
QString ChooseBookmarkFile(QWidget* parent, TBookmarkDialog kind, const QString& folder,
                           const QString& name);

} // namespace orvel
