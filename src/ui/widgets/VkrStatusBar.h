// The status line at the bottom of a window: the message text at the left, the icon of the
// message's kind at the right edge and, when the message carries a help topic, the help icon
// beside it. Every change of message is announced through Drawn before the line repaints, so
// that the window can colour the line and sound.
#pragma once

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QStatusBar>

namespace orvel {

// A list of equally sized icons that windows share with their controls.
class TImageList : public QObject {
    Q_OBJECT

public:
    explicit TImageList(QList<QPixmap> images, QObject* parent = nullptr)
        : QObject(parent), FImages(std::move(images)) {}

    int Count() const { return int(FImages.size()); }
    const QPixmap& Image(int index) const { return FImages[index]; }

private:
    QList<QPixmap> FImages;
};

class TVkrStatusBar : public QStatusBar {
    Q_OBJECT

public:
    static constexpr int DefaultHeight = 18;

    explicit TVkrStatusBar(QWidget* parent = nullptr);

    // The source of the icons; the bar forgets a list that is destroyed.
    void SetImages(TImageList* images);
    TImageList* Images() const { return FImages; }
    void SetImageHelpIndex(int index) { FImageHelpIndex = index; }
    int ImageHelpIndex() const { return FImageHelpIndex; }

    // Shows a message: kind (the icon's index, -1 none), text and help topic (0 none).
    void SetStatus(int kind, const QString& text, int helpContext = 0);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    int ImageIndex() const { return FImageIndex; }
    int HelpContext() const { return FHelpContext; }
    QString Text() const { return FText; }

    // Where the icons of the current message stand; empty when one is not drawn.
    QRect KindImageRect() const;
    QRect HelpImageRect() const;

signals:
    // Every SetStatus, before the repaint.
    void Drawn(int kind, const QString& text);
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The image at index, or null when there is none there.
    const QPixmap* Image(int index) const;
    // The icon's place at the right edge, moved left by offset.
    QRect ImageRect(const QPixmap& image, int offset) const;
    // Draws the kind icon; answers its width (0 when none was drawn).
    int DrawImage(QPainter& painter);
    void DrawHelpImage(QPainter& painter, int imageOffset);

    QPointer<TImageList> FImages;
    int FImageHelpIndex = -1;
    int FImageIndex = -1;
    int FHelpContext = 0;
    QString FText;
};

} // namespace orvel
