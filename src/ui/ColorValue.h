#pragma once
// Turns the colour values kept in options.ini into colours to paint with, and back. A value with
// the top bit set names a system colour, which is taken from the application's palette so the
// lists follow the desktop's theme.
#include "app/ColorChoices.h"

#include <QColor>

namespace velmora {

// The colour a system colour number stands for in the current palette.
QColor systemColor(int number);

// The colour to paint for a value: the system colour, or the RGB value (red in the lowest byte).
QColor colorFromValue(qint32 value);

// The RGB value of a colour (red in the lowest byte, no top bit).
qint32 colorValueOf(const QColor& color);

// The title-bar gradient and hot-tracking colours of the desktop, as the colour lists offer them.
ReportedSystemColors reportedSystemColors();

} // namespace velmora
