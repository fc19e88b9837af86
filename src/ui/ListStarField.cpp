#include "ui/ListStarField.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace velmora {
namespace {

constexpr quint32 kSeed = 0x57A2F1E1U;
constexpr int kPixelsPerStar = 700;

void drawSky(QPainter& p, QSize size)
{
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0.0, QColor(2, 3, 12));
    sky.setColorAt(1.0, QColor(8, 10, 34));
    p.fillRect(QRect(QPoint(0, 0), size), sky);
}

// A few large faint clouds of colour, so the sky is not flat.
void drawNebulae(QPainter& p, QSize size, QRandomGenerator& random)
{
    const QColor tints[] = {QColor(60, 30, 110, 40), QColor(20, 60, 120, 35),
                            QColor(110, 30, 60, 25)};
    for (const QColor& tint : tints) {
        const QPointF centre(random.bounded(size.width() + 1), random.bounded(size.height() + 1));
        const qreal radius = 80 + random.bounded(std::max(1, size.width() / 3));
        QRadialGradient cloud(centre, radius);
        cloud.setColorAt(0, tint);
        cloud.setColorAt(1, Qt::transparent);
        p.fillRect(QRect(QPoint(0, 0), size), cloud);
    }
}

void drawStars(QPainter& p, QSize size, QRandomGenerator& random)
{
    const int count = size.width() * size.height() / kPixelsPerStar;
    for (int i = 0; i < count; ++i) {
        const int x = random.bounded(std::max(1, size.width()));
        const int y = random.bounded(std::max(1, size.height()));
        const int brightness = 90 + random.bounded(166);
        const int hue = random.bounded(3);
        const QColor colour = hue == 0   ? QColor(brightness, brightness, 255)
                              : hue == 1 ? QColor(255, brightness, brightness * 3 / 4)
                                         : QColor(brightness, brightness, brightness);
        if (random.bounded(40) == 0) {
            // A bright star with a soft glow and a small cross.
            p.setPen(Qt::NoPen);
            QRadialGradient glow(QPointF(x + 0.5, y + 0.5), 4);
            glow.setColorAt(0, colour);
            glow.setColorAt(1, Qt::transparent);
            p.setBrush(glow);
            p.drawEllipse(QPointF(x + 0.5, y + 0.5), 4, 4);
            p.setPen(colour);
            p.drawLine(x - 2, y, x + 2, y);
            p.drawLine(x, y - 2, x, y + 2);
        } else {
            p.setPen(colour);
            p.drawPoint(x, y);
        }
    }
}

} // namespace

QPixmap listStarField(QSize size)
{
    if (size.isEmpty())
        return {};
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(kSeed);
    drawSky(p, size);
    drawNebulae(p, size, random);
    drawStars(p, size, random);
    return pixmap;
}

} // namespace velmora
