#include "platform/RichTextAttributes.h"

#include "platform/TextProperties.h"

#include <QColor>
#include <QFont>

namespace orvel {

QColor ColorFromValue(uint32_t color) {
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

uint32_t ColorValue(const QColor& color) {
    return uint32_t(color.red()) | uint32_t(color.green()) << 8 | uint32_t(color.blue()) << 16;
}

QTextCharFormat MakeCharFormat(const TRichTextAttributes& attributes) {
    QTextCharFormat format;
    if (!attributes.FontName.isEmpty())
        format.setFontFamilies(QStringList{attributes.FontName});
    if (attributes.Charset)
        format.setProperty(CharsetProperty, *attributes.Charset);
    format.setFontWeight(attributes.Bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(attributes.Italic);
    if (attributes.Color)
        format.setForeground(ColorFromValue(*attributes.Color));
    if (attributes.Size > 0)
        format.setFontPointSize(attributes.Size);
    return format;
}

TRichTextAttributes AttributesOfFormat(const QTextCharFormat& format) {
    TRichTextAttributes attributes;
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty())
        attributes.FontName = families.front();
    if (format.hasProperty(CharsetProperty))
        attributes.Charset = format.intProperty(CharsetProperty);
    attributes.Bold = format.fontWeight() >= QFont::DemiBold;
    attributes.Italic = format.fontItalic();
    if (format.hasProperty(QTextFormat::ForegroundBrush) &&
        format.foreground().style() != Qt::NoBrush)
        attributes.Color = ColorValue(format.foreground().color());
    attributes.Size = format.fontPointSize();
    return attributes;
}

bool IsDisplayFont(const QString& fontName) {
    return fontName == QtFontName(GreekFontName) || fontName == QtFontName(SymbolFontName);
}

std::optional<int> ScriptCharset(char32_t c) {
    switch (QChar::script(c)) {
    case QChar::Script_Cyrillic:
        return 204;
    case QChar::Script_Greek:
        return 161;
    case QChar::Script_Common:
    case QChar::Script_Inherited:
    case QChar::Script_Unknown:
        return std::nullopt;
    default:
        return 0;
    }
}

} // namespace orvel
