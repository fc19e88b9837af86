#include "ui/ReadableText.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

// Shades are tried in this many steps between the colour and black or white.
constexpr int kShadeSteps = 32;

double linear(double channel)
{
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c)
{
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double worstContrast(const QColor& text, const QList<QColor>& backgrounds)
{
    double worst = 21.0;
    for (const QColor& background : backgrounds)
        worst = std::min(worst, contrastRatio(text, background));
    return worst;
}

QColor blend(const QColor& from, const QColor& to, double share)
{
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * share),
                            float(from.greenF() + (to.greenF() - from.greenF()) * share),
                            float(from.blueF() + (to.blueF() - from.blueF()) * share));
}

// The first step from `wanted` toward `target` that reads; kShadeSteps + 1 when none does.
int stepsToReadable(const QColor& wanted, const QColor& target, const QList<QColor>& backgrounds,
                    double ratio)
{
    for (int step = 1; step <= kShadeSteps; ++step)
        if (worstContrast(blend(wanted, target, double(step) / kShadeSteps), backgrounds) >= ratio)
            return step;
    return kShadeSteps + 1;
}

// Black or white, whichever reads better against every background.
QColor clearest(const QList<QColor>& backgrounds)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return worstContrast(black, backgrounds) >= worstContrast(white, backgrounds) ? black : white;
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& wanted, const QList<QColor>& backgrounds, double ratio)
{
    if (worstContrast(wanted, backgrounds) >= ratio)
        return wanted;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    const int darker = stepsToReadable(wanted, black, backgrounds, ratio);
    const int lighter = stepsToReadable(wanted, white, backgrounds, ratio);
    if (darker <= kShadeSteps || lighter <= kShadeSteps) {
        const bool toBlack = darker <= lighter;
        return blend(wanted, toBlack ? black : white,
                     double(toBlack ? darker : lighter) / kShadeSteps);
    }
    return clearest(backgrounds);
}

void makeCaptionReadable(QWidget* caption, const QList<QColor>& backgrounds)
{
    const QPalette system = QApplication::palette(caption);
    QPalette palette = caption->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor wanted = system.color(group, QPalette::WindowText);
        palette.setColor(
            group, QPalette::WindowText,
            worstContrast(wanted, backgrounds) >= kClearContrast ? wanted : clearest(backgrounds));
    }
    palette.setColor(
        QPalette::Disabled, QPalette::WindowText,
        readableOn(system.color(QPalette::Disabled, QPalette::WindowText), backgrounds));
    caption->setPalette(palette);
}

} // namespace velmora
