#include "ui/StarField.h"

#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace velmora {
namespace {

// A fixed seed keeps the sky the same from one start to the next.
constexpr quint32 kSkySeed = 0x5741A2u;
// About one star per this many pixels.
constexpr int kPixelsPerStar = 260;

QColor starTint(QRandomGenerator& rng, int brightness)
{
    switch (rng.bounded(6)) {
    case 0: // bluish
        return QColor(brightness * 8 / 10, brightness * 9 / 10, brightness);
    case 1: // yellowish
        return QColor(brightness, brightness * 9 / 10, brightness * 7 / 10);
    default:
        return QColor(brightness, brightness, brightness);
    }
}

void drawBrightStar(QPainter& p, QPointF at, qreal radius, const QColor& core)
{
    QRadialGradient glow(at, radius * 3);
    glow.setColorAt(0.0, core);
    QColor halo = core;
    halo.setAlpha(70);
    glow.setColorAt(0.3, halo);
    glow.setColorAt(1.0, Qt::transparent);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(at, radius * 3, radius * 3);
    p.setBrush(core);
    p.drawEllipse(at, radius, radius);
}

} // namespace

QPixmap starFieldPixmap(QSize size, qreal pixelRatio)
{
    // Drawn in the screen's own pixels, so that a faint star is one sharp pixel on any screen;
    // the sky holds as many stars per unit of the window's area on every screen.
    const QSize units = size.expandedTo(QSize(1, 1));
    QPixmap sky(units * pixelRatio);
    sky.fill(Qt::black);
    QPainter p(&sky);
    p.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator rng(kSkySeed);
    const int stars = qMax(1, units.width() * units.height() / kPixelsPerStar);
    for (int i = 0; i < stars; ++i) {
        // Pixel centres, so a single point covers one pixel.
        const QPointF at(rng.bounded(sky.width()) + 0.5, rng.bounded(sky.height()) + 0.5);
        const int kind = rng.bounded(100);
        if (kind < 3) {
            drawBrightStar(p, at, (1.0 + rng.bounded(1.0)) * pixelRatio, starTint(rng, 255));
        } else {
            // Most stars are faint single points; a few are brighter.
            const int brightness = kind < 20 ? 200 + rng.bounded(56) : 70 + rng.bounded(110);
            p.setPen(starTint(rng, brightness));
            p.drawPoint(at);
        }
    }
    p.end();
    sky.setDevicePixelRatio(pixelRatio);
    return sky;
}

} // namespace velmora
