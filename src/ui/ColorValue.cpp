#include "ui/ColorValue.h"

#include <QApplication>
#include <QPalette>

namespace velmora {
namespace {

struct SystemRole
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The palette entry that plays the part of each system colour number.
SystemRole roleOf(int number)
{
    using P = QPalette;
    static const SystemRole roles[kSystemColorCount] = {{P::Active, P::Button},
                                                        {P::Active, P::Dark},
                                                        {P::Active, P::Highlight},
                                                        {P::Inactive, P::Mid},
                                                        {P::Active, P::Window},
                                                        {P::Active, P::Base},
                                                        {P::Active, P::Shadow},
                                                        {P::Active, P::WindowText},
                                                        {P::Active, P::Text},
                                                        {P::Active, P::HighlightedText},
                                                        {P::Active, P::Button},
                                                        {P::Inactive, P::Button},
                                                        {P::Active, P::Mid},
                                                        {P::Active, P::Highlight},
                                                        {P::Active, P::HighlightedText},
                                                        {P::Active, P::Button},
                                                        {P::Active, P::Dark},
                                                        {P::Disabled, P::Text},
                                                        {P::Active, P::ButtonText},
                                                        {P::Inactive, P::WindowText},
                                                        {P::Active, P::Light},
                                                        {P::Active, P::Shadow},
                                                        {P::Active, P::Midlight},
                                                        {P::Active, P::ToolTipText},
                                                        {P::Active, P::ToolTipBase}};
    if (number >= 0 && number < kSystemColorCount)
        return roles[number];
    switch (number) {
    case kHotTracking:
        return {P::Active, P::Link};
    case kGradientActiveCaption:
        return {P::Active, P::Highlight};
    case kGradientInactiveCaption:
        return {P::Inactive, P::Mid};
    default:
        return {P::Active, P::Window};
    }
}

} // namespace

QColor systemColor(int number)
{
    const SystemRole r = roleOf(number);
    const QColor base = QApplication::palette().color(r.group, r.role);
    // The gradient colours are the light end of the title-bar gradient.
    if (number == kGradientActiveCaption || number == kGradientInactiveCaption)
        return base.lighter(150);
    return base;
}

QColor colorFromValue(qint32 value)
{
    if (isSystemColorValue(value))
        return systemColor(systemColorNumber(value));
    const quint32 v = quint32(value);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

qint32 colorValueOf(const QColor& color)
{
    return rgbColorValue(color.red(), color.green(), color.blue());
}

ReportedSystemColors reportedSystemColors()
{
    return ReportedSystemColors{colorValueOf(systemColor(kGradientActiveCaption)),
                                colorValueOf(systemColor(kGradientInactiveCaption)),
                                colorValueOf(systemColor(kHotTracking))};
}

} // namespace velmora
