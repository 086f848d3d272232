// Square pixmaps and icons drawn at run time, for the small images and icons of the windows.
#pragma once

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <functional>

namespace orvel {

// A transparent pixmap of size x size device-independent pixels at the given device pixel
// ratio, painted by draw with antialiasing on.
QPixmap DrawPixmap(int size, qreal devicePixelRatio, const std::function<void(QPainter&)>& draw);

// An icon of size x size pixels drawn at ratios 1 and 2, so that it stays crisp on a screen of
// device pixel ratio 2.
QIcon DrawIcon(int size, const std::function<void(QPainter&)>& draw);

} // namespace orvel
