#include "ui/widgets/DrawnPixmap.h"

namespace orvel {

QPixmap DrawPixmap(int size, qreal devicePixelRatio, const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(int(size * devicePixelRatio), int(size * devicePixelRatio));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    draw(painter);
    return pixmap;
}

QIcon DrawIcon(int size, const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0})
        icon.addPixmap(DrawPixmap(size, ratio, draw));
    return icon;
}

} // namespace orvel
