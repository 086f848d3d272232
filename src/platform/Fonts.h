// The program's own display fonts: Orvel000 (Greek in the display layout) and Orvel001 (special
// symbols), installed for this process from the data folder. Their glyphs sit on U+0020..U+00FF.
#pragma once

#include <QString>
#include <QStringList>

namespace orvel {

struct TFontLoadResult {
    QStringList Loaded;  // family names now available, in the order of the files
    QStringList Missing; // files absent, unreadable, or naming another family
};

// The font file names the program needs, "Orvel000.ttf" and "Orvel001.ttf".
QStringList OrvelFontFiles();

// Adds the program's fonts from dataFolder to the application's font database. Needs a
// QGuiApplication. Loading the same folder again adds nothing twice.
TFontLoadResult LoadOrvelFonts(const QString& dataFolder);

// The characters of `characters` that the font file has no glyph for (checked in the file
// itself, since a font looked up by family falls back to other fonts). All of them when the
// file cannot be read.
QString MissingCharacters(const QString& fontFile, const QString& characters);

// The characters Greek text in the display layout can hold: the space, every glyph of a letter
// and every capital-prefix glyph. Orvel000 must cover all of them.
QString GreekDisplayCharacters();

} // namespace orvel
