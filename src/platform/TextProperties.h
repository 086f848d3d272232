// Properties Orvel keeps in QTextCharFormat beyond Qt's own.
#pragma once

#include <QTextFormat>

namespace orvel {

// The Windows charset number of a character (0 ANSI, 161 Greek, 204 Russian, ...), an int. With
// the font name it decides the character's byte: its code in the charset's code page.
inline constexpr int CharsetProperty = QTextFormat::UserProperty + 1;

} // namespace orvel
