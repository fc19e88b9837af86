#pragma once
// The "Star Field" picture: stars of varied brightness, size and tint on black, used as the game
// lists' background and in the Options dialog's preview. It is drawn here rather than loaded, and
// the same size always gives the same picture. `pixelRatio` is the screen's pixels per unit of
// `size` (2 on a high-density screen).
#include <QPixmap>
#include <QSize>

namespace velmora {

QPixmap starFieldPixmap(QSize size, qreal pixelRatio = 1);

} // namespace velmora
