#include "ui/widgets/DrawnPixmap.h"

namespace orvel {

QPixmap DrawPixmap(int size, qreal devicePixelRatio, const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(int(size * devicePixelRatio), int(size * devicePixelRatio));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return pixmap;
}

} // namespace orvel
