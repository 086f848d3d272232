#include "platform/FileReading.h"

#include <QFile>
#include <QFileInfo>
#include <utility>

namespace orvel {

TFileContent ReadWholeFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return {{}, QStringLiteral("Отсутствует файл: ") + path};
    QFile file(path);
    // A folder may open and read as nothing: it is no file to read either.
    if (!info.isDir() && file.open(QIODevice::ReadOnly)) {
        QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return {std::move(bytes), {}};
    }
    return {{}, QStringLiteral("Не удалось прочитать файл: ") + path};
}

} // namespace orvel
