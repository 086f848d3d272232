// A square pixmap drawn at run time, for the small images and icons of the windows.
#pragma once

#include <QPainter>
#include <QPixmap>
#include <functional>

namespace orvel {

// A transparent pixmap of size x size device-independent pixels at the given device pixel
// ratio, painted by draw with antialiasing on.
QPixmap DrawPixmap(int size, qreal devicePixelRatio, const std::function<void(QPainter&)>& draw);

} // namespace orvel
