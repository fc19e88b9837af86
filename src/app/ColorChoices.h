#pragma once
// The named colours of the owner-drawn colour lists (the Options dialog's background list and the
// gradient window's list). The list holds, in this order: the 25 system colours by number (their
// values have the top bit set), the standard RGB colours, and then the three colours the desktop
// reports for title-bar gradients and hot tracking, as RGB values.
#include <QList>
#include <QString>
#include <optional>

namespace velmora {

struct ColorChoice
{
    QString name;
    qint32 value; // a colour value as options.ini keeps it
};

// The three colours the desktop reports, as RGB values (red in the lowest byte).
struct ReportedSystemColors
{
    qint32 activeTitleBarGradient = 0;
    qint32 inactiveTitleBarGradient = 0;
    qint32 hotTracking = 0;
};

// The entry selected when a stored background colour is not in the list: Black, which suits light
// list text and matches the star field.
inline constexpr int kDefaultBackColorIndex = 25;
// The entry selected when a stored gradient colour is not in the list.
inline constexpr int kDefaultGradientColorIndex = 4;

// The system colour numbers used by colour values with the top bit set.
inline constexpr int kSystemColorCount = 25;
inline constexpr int kGradientActiveCaption = 27;
inline constexpr int kGradientInactiveCaption = 28;
inline constexpr int kHotTracking = 26;

// The standard entries, then the reported ones when the desktop reports them.
QList<ColorChoice> colorChoices(const std::optional<ReportedSystemColors>& reported);

// The index of the first entry with this value, or -1.
int indexOfColorValue(const QList<ColorChoice>& choices, qint32 value);

// Colour values: a system colour number with the top bit set, or RGB with red in the lowest byte.
bool isSystemColorValue(qint32 value);
int systemColorNumber(qint32 value);
qint32 systemColorValue(int number);
qint32 rgbColorValue(int red, int green, int blue);

} // namespace velmora
