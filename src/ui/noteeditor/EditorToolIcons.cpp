#include "ui/noteeditor/EditorToolIcons.h"

#include "core/encoding/FontNames.h"
#include "core/encoding/GreekEncoding.h"
#include "ui/widgets/DrawnPixmap.h"
#include "ui/widgets/ToolIcons.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>
#include <numbers>

namespace orvel {

namespace {

constexpr int IconSize = 24;

QIcon Draw(const std::function<void(QPainter&)>& draw) {
    return DrawIcon(IconSize, draw);
}

struct TGlyphStyle {
    int PixelSize = 16;
    bool Bold = false;
    bool Italic = false;
};

void Glyphs(QPainter& p, const QRectF& rect, const QString& family, TGlyphStyle style,
            const QColor& color, const QString& text) {
    QFont font(family);
    font.setPixelSize(style.PixelSize);
    font.setBold(style.Bold);
    font.setItalic(style.Italic);
    p.setFont(font);
    p.setPen(color);
    p.drawText(rect, Qt::AlignCenter, text);
}

const QString Serif = QStringLiteral("DejaVu Serif");
const QRectF Whole(0, 0, IconSize, IconSize);

// A filled triangle with its tip at `tip`, pointing at `angle` degrees (0 right, 90 down).
void ArrowHead(QPainter& p, const QPointF& tip, qreal angle, qreal size, const QColor& color) {
    const qreal rad = angle * std::numbers::pi / 180;
    const QPointF back(-std::cos(rad) * size, -std::sin(rad) * size);
    const QPointF side(-std::sin(rad) * size * 0.6, std::cos(rad) * size * 0.6);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip + back + side);
    head.lineTo(tip + back - side);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(head);
}

// A key of the keyboard with a letter on it: the format switches also switch the keyboard.
void KeyCap(QPainter& p, const QString& family, int pixelSize, const QColor& color,
            const QString& letter) {
    p.setPen(QPen(QColor(110, 110, 120), 1));
    p.setBrush(QColor(190, 190, 200));
    p.drawRoundedRect(QRectF(2.5, 2.5, 19, 19), 3, 3);
    p.setBrush(QColor(250, 250, 246));
    p.drawRoundedRect(QRectF(2.5, 2.5, 19, 16), 3, 3);
    Glyphs(p, QRectF(2.5, 2.5, 19, 16), family, {pixelSize}, color, letter);
}

// Greek in the editor's own Greek font when the program has loaded it; the same letter in
// Unicode otherwise.
void GreekKeyCap(QPainter& p) {
    const QColor blue(0, 0, 160);
    const QString greekFont = QString::fromLatin1(GreekFontName);
    if (QFontDatabase::hasFamily(greekFont)) {
        const std::string alpha = GreekLetterToFont(0, 'a');
        KeyCap(p, greekFont, 20, blue, QString::fromLatin1(alpha.data(), qsizetype(alpha.size())));
    } else {
        KeyCap(p, Serif, 16, blue, QString::fromUtf8("α"));
    }
}

void Floppy(QPainter& p) {
    QPainterPath body;
    body.moveTo(3.5, 3.5);
    body.lineTo(17.5, 3.5);
    body.lineTo(20.5, 6.5);
    body.lineTo(20.5, 20.5);
    body.lineTo(3.5, 20.5);
    body.closeSubpath();
    p.setPen(QPen(QColor(25, 45, 100), 1.2));
    p.setBrush(QColor(55, 95, 185));
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 215, 225));
    p.drawRect(QRectF(7, 4, 9, 5.5));
    p.setBrush(QColor(55, 95, 185));
    p.drawRect(QRectF(12.5, 5, 2, 3.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 12.5, 11, 7.5));
    p.setPen(QPen(QColor(150, 150, 170), 1));
    p.drawLine(QPointF(8, 15), QPointF(16, 15));
    p.drawLine(QPointF(8, 17.5), QPointF(16, 17.5));
}

void CircularArrow(QPainter& p) {
    const QColor green(0, 130, 0);
    QPainterPath arc;
    const QRectF round(4.5, 4.5, 15, 15);
    arc.arcMoveTo(round, 100);
    arc.arcTo(round, 100, 280);
    p.setPen(QPen(green, 2.6, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    // The head at the arc's start, pointing along it (counter-clockwise, so leftwards).
    ArrowHead(p, QPointF(7.5, 4.2), 180 + 15, 6, green);
}

void Door(QPainter& p) {
    p.setPen(QPen(QColor(90, 60, 30), 1.2));
    p.setBrush(QColor(235, 225, 205));
    p.drawRect(QRectF(10.5, 2.5, 11, 19));
    QPainterPath leaf;
    leaf.moveTo(10.5, 2.5);
    leaf.lineTo(17.5, 4.5);
    leaf.lineTo(17.5, 22.5);
    leaf.lineTo(10.5, 21.5);
    leaf.closeSubpath();
    p.setBrush(QColor(170, 110, 55));
    p.drawPath(leaf);
    p.setPen(QPen(QColor(0, 130, 0), 2.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(14, 12), QPointF(5, 12));
    ArrowHead(p, QPointF(1.5, 12), 180, 6, QColor(0, 130, 0));
}

void UndoArrow(QPainter& p) {
    const QColor blue(30, 70, 170);
    QPainterPath curve;
    curve.moveTo(19.5, 19);
    curve.cubicTo(21, 10, 15, 7.5, 8, 8.5);
    p.setPen(QPen(blue, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    ArrowHead(p, QPointF(2, 9), 175, 7, blue);
}

void Scissors(QPainter& p) {
    p.setPen(QPen(QColor(110, 110, 120), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 14.5), QPointF(16.5, 2.5));
    p.drawLine(QPointF(15, 14.5), QPointF(7.5, 2.5));
    p.setPen(QPen(QColor(180, 30, 30), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(7.5, 17.5), 3.3, 3.3);
    p.drawEllipse(QPointF(16.5, 17.5), 3.3, 3.3);
}

// Authors are inserted in navy: a bust in that colour.
void Author(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    p.drawEllipse(QPointF(12, 7.5), 4.5, 4.5);
    QPainterPath shoulders;
    shoulders.moveTo(3, 22);
    shoulders.cubicTo(3, 14, 21, 14, 21, 22);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
}

// The separator starts a new numbered meaning in blue between lines of text.
void Separator(QPainter& p) {
    p.setPen(QPen(QColor(120, 120, 150), 1.5));
    p.drawLine(QPointF(2.5, 4), QPointF(21.5, 4));
    p.drawLine(QPointF(2.5, 20), QPointF(21.5, 20));
    p.drawLine(QPointF(14, 12), QPointF(21.5, 12));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0, 0, 255));
    p.drawText(QRectF(1, 6, 13, 12), Qt::AlignCenter, QStringLiteral("1)"));
}

void HebrewAndSign(QPainter& p) {
    Glyphs(p, QRectF(0, 4, 17, 20), QStringLiteral("FreeSerif"), {20, true}, QColor(110, 60, 20),
           QString::fromUtf8("א"));
    // A small star for the graphic signs.
    QPainterPath star;
    const QPointF centre(18.5, 6);
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 == 0 ? 5 : 2;
        const qreal angle = (-90 + i * 36) * std::numbers::pi / 180;
        const QPointF point = centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(150, 110, 0), 0.8));
    p.setBrush(QColor(250, 200, 40));
    p.drawPath(star);
}

} // namespace

QIcon EditorToolIcon(TEditorAction action) {
    using A = TEditorAction;
    const QColor signGreen(0, 128, 0);
    switch (action) {
    case A::ArticleSave:
        return Draw(Floppy);
    case A::ArticleReload:
        return Draw(CircularArrow);
    case A::ArticleExit:
        return Draw(Door);
    case A::EditUndo:
        return Draw(UndoArrow);
    case A::EditCut:
        return Draw(Scissors);
    case A::EditCopy:
        return ToolIcon(TMainAction::SearchCopy);
    case A::EditPaste:
        return ToolIcon(TMainAction::SearchPaste);
    case A::InsertAuthor:
        return Draw(Author);
    case A::InsertRussianSign:
        // Conventional signs are inserted in green italics.
        return Draw([&](QPainter& p) {
            Glyphs(p, Whole, Serif, {13, true, true}, signGreen, QString::fromUtf8("ср."));
        });
    case A::InsertLatinSign:
        return Draw([&](QPainter& p) {
            Glyphs(p, Whole, Serif, {13, true, true}, signGreen, QStringLiteral("cf."));
        });
    case A::InsertEnum:
        return Draw(Separator);
    case A::InsertGraphSymbol:
        return Draw(HebrewAndSign);
    case A::InsertGreek:
        return ToolIcon(TMainAction::ViewCharTable);
    case A::FormatRussian:
        return Draw(
            [](QPainter& p) { KeyCap(p, Serif, 15, QColor(150, 0, 0), QString::fromUtf8("Я")); });
    case A::FormatGreek:
        return Draw(GreekKeyCap);
    case A::FormatLatin:
        return Draw([](QPainter& p) { KeyCap(p, Serif, 15, Qt::black, QStringLiteral("L")); });
    case A::FormatBold:
        return Draw([](QPainter& p) {
            Glyphs(p, Whole, Serif, {19, true, false}, Qt::black, QStringLiteral("B"));
        });
    case A::FormatItalic:
        return Draw([](QPainter& p) {
            Glyphs(p, Whole, Serif, {19, false, true}, Qt::black, QStringLiteral("I"));
        });
    default:
        return QIcon();
    }
}

} // namespace orvel
