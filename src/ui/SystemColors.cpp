#include "ui/SystemColors.h"

#include "app/Preferences.h"

namespace velmora {
namespace {

struct SystemRole
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The classic desktop colour indexes and the palette roles that play their part today.
SystemRole roleOf(int index)
{
    using P = QPalette;
    switch (index) {
    case 0:
        return {P::Active, P::Button}; // scroll bar
    case 1:
        return {P::Active, P::Dark}; // desktop
    case 2:
        return {P::Active, P::Highlight}; // active caption
    case 3:
        return {P::Inactive, P::Highlight}; // inactive caption
    case 4:
        return {P::Active, P::Window}; // menu
    case 5:
        return {P::Active, P::Base}; // window background
    case 6:
        return {P::Active, P::Shadow}; // window frame
    case 7:
        return {P::Active, P::WindowText}; // menu text
    case 8:
        return {P::Active, P::Text}; // window text
    case 9:
        return {P::Active, P::HighlightedText}; // caption text
    case 12:
        return {P::Active, P::Mid}; // application workspace
    case 13:
        return {P::Active, P::Highlight}; // selection
    case 14:
        return {P::Active, P::HighlightedText}; // selected text
    case 15:
        return {P::Active, P::Button}; // button face
    case 16:
        return {P::Active, P::Dark}; // button shadow
    case 17:
        return {P::Disabled, P::Text}; // grey text
    case 18:
        return {P::Active, P::ButtonText}; // button text
    case 19:
        return {P::Inactive, P::HighlightedText}; // inactive caption text
    case 20:
        return {P::Active, P::Light}; // button highlight
    case 21:
        return {P::Active, P::Shadow}; // dark 3-D shadow
    case 22:
        return {P::Active, P::Midlight}; // 3-D light
    case 23:
        return {P::Active, P::ToolTipText}; // tip text
    case 24:
        return {P::Active, P::ToolTipBase}; // tip background
    default:
        return {P::Active, P::Window}; // borders and anything newer
    }
}

} // namespace

QColor systemColor(int index, const QPalette& palette)
{
    const SystemRole r = roleOf(index);
    return palette.color(r.group, r.role);
}

QColor colorFromValue(qint32 value, const QPalette& palette)
{
    if (value & kSystemColorBit)
        return systemColor(value & 0xFF, palette);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace velmora
