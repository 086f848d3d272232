// Where the program finds its files.
//
// Data files (the dictionary, the vocabulary file, the fonts, the documents and the help) lie
// beside the executable, as in a build tree or an unpacked copy; in the installed layout
// (bin/orvel with share/orvel) they lie in ../share/orvel. The User folder, which holds the
// notes and bookmark files, is "User" beside the executable's data when the program may write
// there, else $XDG_DATA_HOME/orvel/User; an installed program always uses the latter.
//
// Paths are used as given: file names are case-sensitive and never lower-cased for opening.
#pragma once

#include <QString>
#include <QUrl>

namespace orvel {

enum class TDocument {
    Orvel,           // orvel.rtf, a short description of the program
    Readme,          // readme.rtf, shown in the article pane at start-up
    License,         // license.rtf
    Troubleshooting, // troubleshooting.rtf
};

class TPaths {
public:
    // The running program's paths (needs a QCoreApplication).
    static TPaths Application();

    // executablePath is the program file; userDataHome stands for $XDG_DATA_HOME (empty: the
    // system's own, ~/.local/share when unset).
    explicit TPaths(const QString& executablePath, const QString& userDataHome = QString());

    QString ExecutablePath() const { return FExecutablePath; }
    QString ExecutableFolder() const;

    // The executable's folder when it holds the dictionary or when there is no installed data
    // folder; else ../share/orvel beside it.
    QString DataFolder() const;
    QString DataFile(const QString& name) const;
    // The dictionary file with the given extension (".dic", ".idx", ".idz"): named after the
    // executable ("orvel.dic" for the program "orvel").
    QString DictionaryFile(const QString& extension) const;

    QString UserFolder() const;
    // Creates the User folder when it does not exist; false when it cannot be had.
    bool CreateUserFolder() const;

    QString DocumentPath(TDocument document) const;
    static QString DocumentName(TDocument document);

    // The HTML help: index.html in the "help" folder of the data folder, one anchor per topic.
    QString HelpFolder() const;
    QString HelpIndex() const;
    // The help at a topic ("index.html#topic100"); topic 0 or less is the contents.
    QUrl HelpUrl(int topic = 0) const;
    static QString HelpAnchor(int topic);

private:
    QString InstalledDataFolder() const;
    QString DictionaryName(const QString& extension) const;

    QString FExecutablePath;
    QString FUserDataHome;
};

} // namespace orvel
