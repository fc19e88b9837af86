#pragma once
// The small pictures of the main window, drawn by the program itself: the arcade cabinet
// (imgMachine), the gradient swatch (lblGradient) and the start-up clock (lblDownload).
#include <QColor>
#include <QPixmap>

namespace velmora {

QPixmap cabinetPicture(int height);
QPixmap gradientSwatch(int side, const QColor& top, const QColor& bottom);
QPixmap clockPicture(int side);

} // namespace velmora
