// Reading a whole file of the program (a document that comes with it), with an error for the
// user that names the file.
#pragma once

#include <QByteArray>
#include <QString>

namespace orvel {

struct TFileContent {
    QByteArray Bytes;
    QString Error; // empty when the file was read; else what to tell the user, with the path

    bool Read() const { return Error.isEmpty(); }
};

// The bytes of the file at path. A missing file gives "Отсутствует файл: <path>", one that
// exists but cannot be read (no permission, a folder, an input/output error) "Не удалось
// прочитать файл: <path>".
TFileContent ReadWholeFile(const QString& path);

} // namespace orvel
