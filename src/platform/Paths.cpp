#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace orvel {

TPaths TPaths::Application() {
    return TPaths(QCoreApplication::applicationFilePath());
}

TPaths::TPaths(const QString& executablePath, const QString& userDataHome)
    : FExecutablePath(QFileInfo(executablePath).absoluteFilePath()),
      FUserDataHome(userDataHome.isEmpty()
                        ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                        : userDataHome) {}

QString TPaths::ExecutableFolder() const {
    return QFileInfo(FExecutablePath).absolutePath();
}

QString TPaths::InstalledDataFolder() const {
    return QDir::cleanPath(QDir(ExecutableFolder()).filePath(QStringLiteral("../share/orvel")));
}

QString TPaths::DataFolder() const {
    const QString executableFolder = ExecutableFolder();
    if (QFileInfo(QDir(executableFolder).filePath(DictionaryName(".dic"))).isFile())
        return executableFolder;
    const QString installed = InstalledDataFolder();
    return QFileInfo(installed).isDir() ? installed : executableFolder;
}

QString TPaths::DataFile(const QString& name) const {
    return QDir(DataFolder()).filePath(name);
}

QString TPaths::DictionaryName(const QString& extension) const {
    return QFileInfo(FExecutablePath).completeBaseName() + extension;
}

QString TPaths::DictionaryFile(const QString& extension) const {
    return DataFile(DictionaryName(extension));
}

QString TPaths::UserFolder() const {
    // An installed program keeps user files out of its prefix even where it could write there
    // (a prefix of the user's own, or the superuser): the package manager owns that folder.
    const QFileInfo data(DataFolder());
    const QFileInfo beside(QDir(data.filePath()).filePath("User"));
    const bool installed = data.absoluteFilePath() != ExecutableFolder();
    if (!installed && (beside.exists() ? beside.isDir() && beside.isWritable() : data.isWritable()))
        return beside.filePath();
    return QDir(FUserDataHome).filePath("orvel/User");
}

bool TPaths::CreateUserFolder() const {
    return QDir().mkpath(UserFolder());
}

QString TPaths::DocumentName(TDocument document) {
    switch (document) {
    case TDocument::Orvel:
        return QStringLiteral("orvel.rtf");
    case TDocument::Readme:
        return QStringLiteral("readme.rtf");
    case TDocument::License:
        return QStringLiteral("license.rtf");
    case TDocument::Troubleshooting:
        return QStringLiteral("troubleshooting.rtf");
    }
    return {};
}

QString TPaths::DocumentPath(TDocument document) const {
    return DataFile(DocumentName(document));
}

QString TPaths::HelpFolder() const {
    return DataFile(QStringLiteral("help"));
}

QString TPaths::HelpIndex() const {
    return QDir(HelpFolder()).filePath(QStringLiteral("index.html"));
}

QString TPaths::HelpAnchor(int topic) {
    return QStringLiteral("topic%1").arg(topic);
}

QUrl TPaths::HelpUrl(int topic) const {
    QUrl url = QUrl::fromLocalFile(HelpIndex());
    if (topic > 0)
        url.setFragment(HelpAnchor(topic));
    return url;
}

} // namespace orvel
