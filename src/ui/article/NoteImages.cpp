#include "ui/article/NoteImages.h"

#include "ui/widgets/DrawnPixmap.h"

#include <QPainterPath>
#include <QPolygonF>

namespace orvel {

namespace {

constexpr int ImageSize = 11;

// A triangle pointing left or right.
QPixmap Arrow(qreal ratio, bool next, const QColor& color) {
    return DrawPixmap(ImageSize, ratio, [&](QPainter& p) {
        const QPolygonF triangle = next ? QPolygonF({{3, 1.5}, {8.5, 5.5}, {3, 9.5}})
                                        : QPolygonF({{8, 1.5}, {2.5, 5.5}, {8, 9.5}});
        p.setPen(QPen(color, 1));
        p.setBrush(color);
        p.drawPolygon(triangle);
    });
}

// A sheet with a folded corner, filled for the current notes file, outlined for another.
QPixmap Sheet(qreal ratio, bool filled) {
    return DrawPixmap(ImageSize, ratio, [&](QPainter& p) {
        QPainterPath sheet;
        sheet.moveTo(1.5, 0.5);
        sheet.lineTo(6.5, 0.5);
        sheet.lineTo(9.5, 3.5);
        sheet.lineTo(9.5, 10.5);
        sheet.lineTo(1.5, 10.5);
        sheet.closeSubpath();
        const QColor ink(40, 70, 140);
        p.setPen(QPen(ink, 1));
        p.setBrush(filled ? QColor(250, 220, 90) : QColor(Qt::white));
        p.drawPath(sheet);
        p.drawLine(QPointF(6.5, 0.5), QPointF(6.5, 3.5));
        p.drawLine(QPointF(6.5, 3.5), QPointF(9.5, 3.5));
        p.drawLine(QPointF(3, 6), QPointF(8, 6));
        p.drawLine(QPointF(3, 8), QPointF(8, 8));
    });
}

} // namespace

QList<QPixmap> DrawNoteImages(qreal ratio) {
    const QColor enabled(0, 0, 0);
    const QColor disabled(160, 160, 160);
    return {
        Arrow(ratio, false, enabled), Arrow(ratio, true, enabled), Arrow(ratio, false, disabled),
        Arrow(ratio, true, disabled), Sheet(ratio, true),          Sheet(ratio, false)};
}

} // namespace orvel
