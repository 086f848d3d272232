#include "ui/widgets/ToolIcons.h"

#include "ui/widgets/DrawnPixmap.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace orvel {

namespace {

constexpr int IconSize = 24;

QIcon Draw(const std::function<void(QPainter&)>& draw) {
    return DrawIcon(IconSize, draw);
}

void Glyphs(QPainter& painter, const QString& family, int pixelSize, bool bold, const QColor& color,
            const QString& text) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(QRectF(0, 0, IconSize, IconSize), Qt::AlignCenter, text);
}

void Page(QPainter& painter, const QRectF& rect, const QColor& fill) {
    painter.setPen(QPen(QColor(70, 70, 90), 1.2));
    painter.setBrush(fill);
    painter.drawRect(rect);
    painter.setPen(QPen(QColor(120, 120, 150), 1));
    for (qreal y = rect.top() + 4; y < rect.bottom() - 2; y += 3)
        painter.drawLine(QPointF(rect.left() + 2.5, y), QPointF(rect.right() - 2.5, y));
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

QIcon ToolIcon(TMainAction action) {
    switch (action) {
    case TMainAction::SearchText:
        return Draw(GlassOverPage);
    case TMainAction::SearchTextContinue:
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
    case TMainAction::BookmarkAdd:
        return Draw([](QPainter& p) {
            // An open book with a red ribbon hanging from its top.
            p.setPen(QPen(QColor(70, 70, 90), 1.2));
            p.setBrush(QColor(250, 250, 245));
            p.drawRect(QRectF(2.5, 5.5, 9.5, 14));
            p.drawRect(QRectF(12, 5.5, 9.5, 14));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 30, 30));
            QPainterPath ribbon;
            ribbon.moveTo(14.5, 2);
            ribbon.lineTo(19.5, 2);
            ribbon.lineTo(19.5, 14);
            ribbon.lineTo(17, 11.5);
            ribbon.lineTo(14.5, 14);
            ribbon.closeSubpath();
            p.drawPath(ribbon);
        });
    case TMainAction::NoteAdd:
        return Draw([](QPainter& p) {
            // A yellow note with a green plus.
            p.setPen(QPen(QColor(150, 120, 30), 1.2));
            p.setBrush(QColor(255, 240, 150));
            p.drawRect(QRectF(2.5, 2.5, 15, 17));
            p.setPen(QPen(QColor(0, 140, 0), 3, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(17, 12), QPointF(17, 22));
            p.drawLine(QPointF(12, 17), QPointF(22, 17));
        });
    case TMainAction::NoteEdit:
        return Draw([](QPainter& p) {
            // A yellow note with a pencil across it.
            p.setPen(QPen(QColor(150, 120, 30), 1.2));
            p.setBrush(QColor(255, 240, 150));
            p.drawRect(QRectF(2.5, 2.5, 15, 17));
            p.setPen(QPen(QColor(60, 60, 160), 3.2, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(9, 20), QPointF(21, 8));
            p.setPen(QPen(QColor(230, 150, 150), 3.2, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(20, 9), QPointF(22, 7));
        });
    case TMainAction::SearchGreek:
        return Draw([](QPainter& p) {
            Glyphs(p, QStringLiteral("DejaVu Serif"), 18, false, QColor(0, 0, 160),
                   QString::fromUtf8("αβ"));
        });
    case TMainAction::SearchRussian:
        return Draw([](QPainter& p) {
            Glyphs(p, QStringLiteral("DejaVu Serif"), 17, false, QColor(150, 0, 0),
                   QString::fromUtf8("Яб"));
        });
    case TMainAction::SearchCopy:
        return Draw([](QPainter& p) {
            Page(p, QRectF(3.5, 3.5, 11, 14), QColor(250, 250, 250));
            Page(p, QRectF(9.5, 7.5, 11, 14), QColor(255, 255, 230));
        });
    case TMainAction::SearchPaste:
        return Draw([](QPainter& p) {
            p.setPen(QPen(QColor(110, 70, 30), 1.2));
            p.setBrush(QColor(200, 150, 90));
            p.drawRoundedRect(QRectF(3.5, 4.5, 14, 17), 2, 2);
            p.setBrush(QColor(180, 180, 190));
            p.drawRect(QRectF(7.5, 2.5, 6, 4));
            Page(p, QRectF(10.5, 9.5, 10, 12), QColor(255, 255, 255));
        });
    case TMainAction::OrvelWord:
        return Draw([](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 80, 170));
            p.drawRoundedRect(QRectF(2, 3, 20, 18), 3, 3);
            Glyphs(p, QStringLiteral("Arial"), 15, true, Qt::white, QStringLiteral("W"));
        });
    case TMainAction::ViewCharTable:
        return Draw([](QPainter& p) {
            p.setPen(QPen(QColor(60, 60, 60), 1));
            p.setBrush(QColor(250, 250, 240));
            p.drawRect(QRectF(2.5, 2.5, 19, 19));
            for (int i = 1; i < 3; ++i) {
                p.drawLine(QPointF(2.5 + i * 19.0 / 3, 2.5), QPointF(2.5 + i * 19.0 / 3, 21.5));
                p.drawLine(QPointF(2.5, 2.5 + i * 19.0 / 3), QPointF(21.5, 2.5 + i * 19.0 / 3));
            }
            QFont font(QStringLiteral("DejaVu Serif"));
            font.setPixelSize(6);
            p.setFont(font);
            p.setPen(QColor(0, 0, 160));
            p.drawText(QRectF(2.5, 2.5, 19.0 / 3, 19.0 / 3), Qt::AlignCenter,
                       QString::fromUtf8("α"));
            p.drawText(QRectF(2.5 + 19.0 / 3, 2.5 + 19.0 / 3, 19.0 / 3, 19.0 / 3), Qt::AlignCenter,
                       QString::fromUtf8("ω"));
        });
    case TMainAction::ViewArticleEnum:
        return Draw([](QPainter& p) {
            QFont font(QStringLiteral("Arial"));
            font.setPixelSize(7);
            font.setBold(true);
            p.setFont(font);
            for (int i = 0; i < 3; ++i) {
                const qreal y = 4 + i * 6.5;
                p.setPen(QColor(0, 0, 255));
                p.drawText(QRectF(1, y - 1, 7, 7), Qt::AlignCenter, QString::number(i + 1));
                p.setPen(QPen(QColor(60, 60, 60), 1.5));
                p.drawLine(QPointF(9, y + 2.5), QPointF(22, y + 2.5));
            }
        });
    default:
        return QIcon();
    }
}

} // namespace orvel
