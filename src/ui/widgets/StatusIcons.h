// The 16 x 16 icons of the status line, drawn at run time: information, warning, error, hint,
// progress (indexes 0 to 4, the kinds of the messages) and the help mark (index 5).
#pragma once

#include <QList>
#include <QPixmap>

namespace orvel {

QList<QPixmap> DrawStatusIcons(qreal devicePixelRatio = 1.0);

} // namespace orvel
