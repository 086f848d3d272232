#include "ui/widgets/VkrStatusBar.h"

#include <QMouseEvent>
#include <QPainter>

namespace orvel {

TVkrStatusBar::TVkrStatusBar(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    setAutoFillBackground(true);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    setFont(font);
    setFixedHeight(sizeHint().height());
}

void TVkrStatusBar::SetImages(TImageList* images) {
    FImages = images;
    update();
}

void TVkrStatusBar::SetStatus(int kind, const QString& text, int helpContext) {
    FImageIndex = kind;
    FHelpContext = helpContext;
    FText = text;
    setToolTip(helpContext >= 1 ? QStringLiteral("Щелчок по строке состояния открывает справку")
                                : QString());
    emit Drawn(kind, text);
    // Repainted with the next pending events: a progress message processes them at once.
    update();
}

QSize TVkrStatusBar::sizeHint() const {
    return QSize(QStatusBar::sizeHint().width(),
                 std::max(DefaultHeight, fontMetrics().height() + 4));
}

QSize TVkrStatusBar::minimumSizeHint() const {
    return QSize(0, sizeHint().height());
}

const QPixmap* TVkrStatusBar::Image(int index) const {
    if (!FImages || index < 0 || index >= FImages->Count())
        return nullptr;
    return &FImages->Image(index);
}

QRect TVkrStatusBar::ImageRect(const QPixmap& image, int offset) const {
    const QSize size = image.deviceIndependentSize().toSize();
    const QRect client = rect();
    return QRect(QPoint(client.right() + 1 - size.width() - offset,
                        client.top() + std::max(0, (client.height() - size.height()) / 2)),
                 size);
}

QRect TVkrStatusBar::KindImageRect() const {
    const QPixmap* image = Image(FImageIndex);
    return image ? ImageRect(*image, 0) : QRect();
}

QRect TVkrStatusBar::HelpImageRect() const {
    const QPixmap* help = Image(FImageHelpIndex);
    if (!help || FHelpContext == 0)
        return QRect();
    return ImageRect(*help, KindImageRect().width());
}

int TVkrStatusBar::DrawImage(QPainter& painter) {
    const QRect place = KindImageRect();
    if (place.isNull())
        return 0;
    painter.drawPixmap(place.topLeft(), *Image(FImageIndex));
    return place.width();
}

void TVkrStatusBar::DrawHelpImage(QPainter& painter, int imageOffset) {
    if (const QPixmap* help = Image(FImageHelpIndex))
        painter.drawPixmap(ImageRect(*help, imageOffset).topLeft(), *help);
}

void TVkrStatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, FText);
    const int imageOffset = DrawImage(painter);
    if (FHelpContext != 0)
        DrawHelpImage(painter, imageOffset);
}

void TVkrStatusBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked();
    QStatusBar::mouseReleaseEvent(event);
}

} // namespace orvel
