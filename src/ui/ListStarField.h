#pragma once
// The star-field picture behind the game lists when Use Starfield is on: a night sky drawn by the
// program itself, the same for the same size.
#include <QPixmap>
#include <QSize>

namespace velmora {

QPixmap listStarField(QSize size);

} // namespace velmora
