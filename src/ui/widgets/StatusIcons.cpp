#include "ui/widgets/StatusIcons.h"

#include "ui/widgets/DrawnPixmap.h"

#include <QPainterPath>

namespace orvel {

namespace {

constexpr int IconSize = 16;

void Letter(QPainter& painter, const QRectF& box, const QString& letter, const QColor& color) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(box, Qt::AlignCenter, letter);
}

void Disc(QPainter& painter, const QColor& fill, const QColor& border) {
    painter.setPen(QPen(border, 1));
    painter.setBrush(fill);
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
}

} // namespace

QList<QPixmap> DrawStatusIcons(qreal ratio) {
    const QRectF box(0, 0, IconSize, IconSize);
    QList<QPixmap> icons;
    // 0 information: a blue disc with "i".
    icons << DrawPixmap(IconSize, ratio, [&](QPainter& p) {
        Disc(p, QColor(40, 100, 200), QColor(20, 60, 140));
        Letter(p, box, QStringLiteral("i"), Qt::white);
    });
    // 1 warning: a yellow triangle with "!".
    icons << DrawPixmap(IconSize, ratio, [&](QPainter& p) {
        QPainterPath triangle;
        triangle.moveTo(8, 1.5);
        triangle.lineTo(15, 14.5);
        triangle.lineTo(1, 14.5);
        triangle.closeSubpath();
        p.setPen(QPen(QColor(150, 110, 0), 1));
        p.setBrush(QColor(250, 200, 30));
        p.drawPath(triangle);
        Letter(p, box.adjusted(0, 2, 0, 0), QStringLiteral("!"), Qt::black);
    });
    // 2 error: a red disc with a white cross.
    icons << DrawPixmap(IconSize, ratio, [&](QPainter& p) {
        Disc(p, QColor(210, 30, 30), QColor(130, 0, 0));
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
        p.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
    });
    // 3 hint: a light bulb.
    icons << DrawPixmap(IconSize, ratio, [&](QPainter& p) {
        p.setPen(QPen(QColor(150, 120, 0), 1));
        p.setBrush(QColor(255, 230, 80));
        p.drawEllipse(QRectF(3.5, 1.5, 9, 9));
        p.setBrush(QColor(150, 150, 150));
        p.drawRect(QRectF(6, 10.5, 4, 4));
    });
    // 4 progress: an hourglass.
    icons << DrawPixmap(IconSize, ratio, [&](QPainter& p) {
        QPainterPath glass;
        glass.moveTo(3.5, 1.5);
        glass.lineTo(12.5, 1.5);
        glass.lineTo(8, 8);
        glass.lineTo(12.5, 14.5);
        glass.lineTo(3.5, 14.5);
        glass.lineTo(8, 8);
        glass.closeSubpath();
        p.setPen(QPen(QColor(90, 60, 20), 1));
        p.setBrush(QColor(230, 190, 120));
        p.drawPath(glass);
    });
    // 5 help: a green disc with "?".
    icons << DrawPixmap(IconSize, ratio, [&](QPainter& p) {
        Disc(p, QColor(30, 140, 80), QColor(10, 90, 50));
        Letter(p, box, QStringLiteral("?"), Qt::white);
    });
    return icons;
}

} // namespace orvel
