#include "platform/DesktopApplications.h"

#include <QDesktopServices>
#include <QFile>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QUrl>

namespace orvel {

namespace {

// What one file of associations says about the types.
struct TAssociations {
    QStringList Listed;  // default, added or cached entries, in the file's order
    QStringList Removed; // entries removed for the types
};

// Reads a file in the form of mimeapps.list and mimeinfo.cache: groups in brackets, lines
// "type=a.desktop;b.desktop;".
TAssociations ReadAssociations(const QString& path, const QStringList& types) {
    TAssociations result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return result;
    QString group;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            group = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (line.startsWith(u'#') || equals <= 0 || !types.contains(line.left(equals).trimmed()))
            continue;
        QStringList ids;
        for (const QString& id : line.mid(equals + 1).split(u';', Qt::SkipEmptyParts))
            if (!id.trimmed().isEmpty())
                ids << id.trimmed();
        if (group == u"Removed Associations")
            result.Removed << ids;
        else if (group == u"Default Applications" || group == u"Added Associations" ||
                 group == u"MIME Cache")
            result.Listed << ids;
    }
    return result;
}

bool Installed(const QString& desktopId) {
    return !QStandardPaths::locate(QStandardPaths::ApplicationsLocation, desktopId).isEmpty();
}

} // namespace

QStringList DesktopApplicationsFor(const QString& mimeType) {
    QStringList types{mimeType};
    const QMimeType type = QMimeDatabase().mimeTypeForName(mimeType);
    if (type.isValid()) {
        types << type.name() << type.aliases();
        types.removeDuplicates();
    }
    const QStringList applicationFolders =
        QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    QStringList lists;
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        lists << folder + QStringLiteral("/mimeapps.list");
    for (const QString& folder : applicationFolders)
        lists << folder + QStringLiteral("/mimeapps.list");

    QStringList found;
    QStringList removed;
    const auto take = [&](const QStringList& ids) {
        for (const QString& id : ids)
            if (!found.contains(id) && !removed.contains(id) && Installed(id))
                found << id;
    };
    // A removal holds for the files of lower precedence and for the caches.
    for (const QString& list : lists) {
        const TAssociations associations = ReadAssociations(list, types);
        take(associations.Listed);
        removed << associations.Removed;
    }
    for (const QString& folder : applicationFolders)
        take(ReadAssociations(folder + QStringLiteral("/mimeinfo.cache"), types).Listed);
    return found;
}

bool OpenWithDesktop(const QString& path) {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
    if (DesktopApplicationsFor(type.name()).isEmpty())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace orvel
