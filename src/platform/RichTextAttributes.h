// The attributes of a character of rich text as Orvel reads and writes them: font, charset,
// bold, italic, colour and size, and their form as a QTextCharFormat.
#pragma once

#include "core/encoding/FontNames.h"

#include <QString>
#include <QTextCharFormat>
#include <cstdint>
#include <optional>

namespace orvel {

struct TRichTextAttributes {
    QString FontName;           // empty: the document's default font
    std::optional<int> Charset; // none: taken from the script of each character
    bool Bold = false;
    bool Italic = false;
    std::optional<uint32_t> Color; // 0x00BBGGRR (red in the low byte); none: automatic
    double Size = 0;               // points; 0: the document's default size

    bool operator==(const TRichTextAttributes&) const = default;
};

// Every attribute set explicitly, so that inserted text inherits nothing from its neighbours;
// only an empty font name, a missing charset, the automatic colour and size 0 stay unset.
QTextCharFormat MakeCharFormat(const TRichTextAttributes& attributes);
// What a format says, unset properties as above.
TRichTextAttributes AttributesOfFormat(const QTextCharFormat& format);

QColor ColorFromValue(uint32_t color);
uint32_t ColorValue(const QColor& color);

// The display fonts Orvel000 and Orvel001, whose glyphs sit on U+0020..U+00FF.
bool IsDisplayFont(const QString& fontName);
// A font name of the core (GreekFontName, SymbolFontName) as a Qt string.
inline QLatin1String QtFontName(std::string_view name) {
    return QLatin1String(name.data(), qsizetype(name.size()));
}

// The charset of a character that arrives without one: 204 Cyrillic, 161 Greek, 0 a letter of
// another script; nothing for characters of no script of their own (spaces, digits,
// punctuation, combining marks).
std::optional<int> ScriptCharset(char32_t c);

} // namespace orvel
