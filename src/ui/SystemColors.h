#pragma once
// Colour values as options.ini keeps them: a 32-bit signed number that names a system colour by
// its index when the top bit is set, otherwise an RGB value with red in the lowest byte. System
// colours are resolved through the application palette, so they follow the desktop's theme.
#include <QColor>
#include <QPalette>

namespace velmora {

// Indexes of the system colours the program's defaults use.
inline constexpr int kSystemColorWindow = 5;
inline constexpr int kSystemColorButtonFace = 15;
inline constexpr int kSystemColorButtonShadow = 16;

QColor systemColor(int index, const QPalette& palette);
QColor colorFromValue(qint32 value, const QPalette& palette);

} // namespace velmora
