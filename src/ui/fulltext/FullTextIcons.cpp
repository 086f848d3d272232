#include "ui/fulltext/FullTextIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace orvel {

namespace {

constexpr int IconSize = 24;

QIcon Draw(const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap(int(IconSize * ratio), int(IconSize * ratio));
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// A page with lines of text and a magnifying glass over it.
void GlassOverPage(QPainter& p) {
    p.setPen(QPen(QColor(70, 70, 90), 1.2));
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(2.5, 2.5, 13, 17));
    p.setPen(QPen(QColor(120, 120, 150), 1));
    for (qreal y = 6.5; y < 18; y += 3)
        p.drawLine(QPointF(4.5, y), QPointF(13.5, y));
    p.setPen(QPen(QColor(40, 40, 40), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16.5, 16.5), QPointF(21.5, 21.5));
    p.setPen(QPen(QColor(30, 60, 140), 1.8));
    p.setBrush(QColor(200, 225, 255, 170));
    p.drawEllipse(QPointF(12.5, 12.5), 5, 5);
}

} // namespace

QIcon FullTextSearchIcon() {
    return Draw(GlassOverPage);
}

QIcon FullTextContinueIcon() {
    return Draw([](QPainter& p) {
        GlassOverPage(p);
        QPainterPath arrow;
        arrow.moveTo(15, 1.5);
        arrow.lineTo(22.5, 5.5);
        arrow.lineTo(15, 9.5);
        arrow.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 140, 0));
        p.drawPath(arrow);
    });
}

} // namespace orvel
