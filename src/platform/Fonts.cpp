#include "platform/Fonts.h"

#include "core/encoding/GreekEncoding.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHash>
#include <QRawFont>

namespace orvel {

namespace {

// Fonts added by this process, by absolute file path, with their application font id.
QHash<QString, int>& AddedFonts() {
    static QHash<QString, int> added;
    return added;
}

} // namespace

QStringList OrvelFontFiles() {
    return {QStringLiteral("Orvel000.ttf"), QStringLiteral("Orvel001.ttf")};
}

TFontLoadResult LoadOrvelFonts(const QString& dataFolder) {
    TFontLoadResult result;
    const QDir folder(dataFolder);
    for (const QString& file : OrvelFontFiles()) {
        const QString family = QFileInfo(file).completeBaseName();
        const QString path = QFileInfo(folder.filePath(file)).absoluteFilePath();
        int id = AddedFonts().value(path, -1);
        if (id < 0 && QFileInfo::exists(path)) {
            id = QFontDatabase::addApplicationFont(path);
            if (id >= 0)
                AddedFonts().insert(path, id);
        }
        // A file of that name holding some other family does not stand in for the font.
        if (id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(family))
            result.Loaded << family;
        else
            result.Missing << file;
    }
    return result;
}

QString MissingCharacters(const QString& fontFile, const QString& characters) {
    const QRawFont font(fontFile, 12);
    if (!font.isValid())
        return characters;
    QString missing;
    for (const QChar c : characters)
        if (!font.supportsCharacter(c))
            missing += c;
    return missing;
}

QString GreekDisplayCharacters() {
    QString characters(u' ');
    for (int glyph = 0x21; glyph <= 0xFF; ++glyph) {
        bool used = !FontCharToInternal(uint8_t(glyph)).empty();
        for (int next = 0x21; !used && next <= 0xFF; ++next)
            used = !FontCapitalToInternal(uint8_t(glyph), uint8_t(next)).empty();
        if (used)
            characters += QChar(char16_t(glyph)); // the display fonts sit on Latin-1
    }
    return characters;
}

} // namespace orvel
