#include "ui/widgets/OrvelHint.h"

#include <QFont>
#include <QToolTip>

namespace orvel {

void TOrvelHint::Install() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    QToolTip::setFont(font);
}

} // namespace orvel
