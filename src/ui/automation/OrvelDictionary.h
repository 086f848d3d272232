// The object through which other programs drive the running dictionary over the session bus:
// /OrvelDictionary with the interface org.dorne.Orvel.IOrvelDictionary on the program's bus
// name. Every member only reads the window's handles or posts a message to the window, except
// OrvelSave, which saves the program's state at once; all of them run on the user-interface
// thread, between two window events. The object serves every client of the bus.
#pragma once

#include <QDBusContext>
#include <QObject>
#include <QString>

namespace orvel {

class TFormOrvel;

class TOrvelDictionary : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.dorne.Orvel.IOrvelDictionary")
    Q_PROPERTY(uint AppHandle READ AppHandle SCRIPTABLE true)
    Q_PROPERTY(uint WinHandle READ WinHandle SCRIPTABLE true)

public:
    static constexpr const char* ObjectPath = "/OrvelDictionary";
    static constexpr const char* SaveFailedError = "org.dorne.Orvel.Error.SaveFailed";

    explicit TOrvelDictionary(TFormOrvel& form);

    // Puts the object on the session bus; false when there is no bus or the path is taken.
    bool Register();

    // The X11 window of the program and of its main window (the same window here, the program
    // having no hidden application window); 0 where windows have no such id (Wayland).
    uint AppHandle() const;
    uint WinHandle() const;

public slots:
    // Looks up the first word of the clipboard's rich text; the window stays where it is.
    Q_SCRIPTABLE void WordSearch();
    // Opens the Greek character table for a word; on OK the word list moves to it.
    Q_SCRIPTABLE void WordEdit();
    // Saves the changed bookmarks, the window state, the preferences and the tool bar layout.
    // A bookmark file that cannot be written comes back as an error.
    Q_SCRIPTABLE void OrvelSave();
    // As WordSearch, but also restores and raises the window and opens the article.
    Q_SCRIPTABLE void ExtSearch();
    // As WordEdit.
    Q_SCRIPTABLE void ExtWordEdit();
    // Restores and raises the window, looks up a Greek word (Unicode Greek, or the display
    // layout) and opens its article; for the command line, without the clipboard.
    Q_SCRIPTABLE void LookUpWord(const QString& word);

private:
    TFormOrvel& FForm;
};

} // namespace orvel
