#pragma once
// The small pictures of the main window, drawn by the program itself: the arcade cabinet
// (imgMachine), the gradient swatch (lblGradient) and the start-up clock (lblDownload). Sizes are
// in the window's units; `pixelRatio` is the screen's pixels per unit, so that the drawing is as
// sharp as the screen (2 on a high-density screen).
#include <QColor>
#include <QPixmap>

namespace velmora {

QPixmap cabinetPicture(int height, qreal pixelRatio = 1);
QPixmap gradientSwatch(int side, const QColor& top, const QColor& bottom, qreal pixelRatio = 1);
QPixmap clockPicture(int side, qreal pixelRatio = 1);

} // namespace velmora
