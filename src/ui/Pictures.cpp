#include "ui/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace velmora {
namespace {

// The cabinet is drawn on a 60 by 100 grid and scaled to the height asked for.
constexpr qreal kGridWidth = 60;
constexpr qreal kGridHeight = 100;

void drawBody(QPainter& p)
{
    QPainterPath side;
    side.moveTo(8, 4);
    side.lineTo(52, 4);
    side.lineTo(50, 14);
    side.lineTo(54, 52);
    side.lineTo(52, 62);
    side.lineTo(48, 96);
    side.lineTo(12, 96);
    side.lineTo(8, 62);
    side.lineTo(6, 52);
    side.lineTo(10, 14);
    side.closeSubpath();
    QLinearGradient wood(0, 0, kGridWidth, 0);
    wood.setColorAt(0, QColor(30, 30, 70));
    wood.setColorAt(0.5, QColor(60, 60, 140));
    wood.setColorAt(1, QColor(25, 25, 60));
    p.setPen(QPen(QColor(10, 10, 25), 1.2));
    p.setBrush(wood);
    p.drawPath(side);
}

void drawMarquee(QPainter& p)
{
    QLinearGradient light(0, 6, 0, 14);
    light.setColorAt(0, QColor(255, 230, 120));
    light.setColorAt(1, QColor(240, 140, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawRoundedRect(QRectF(12, 6, 36, 8), 1.5, 1.5);
    p.setBrush(QColor(200, 30, 40));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(16 + i * 8, 9, 4, 2));
}

void drawScreen(QPainter& p)
{
    p.setPen(QPen(QColor(10, 10, 10), 2));
    p.setBrush(QColor(5, 12, 20));
    p.drawRoundedRect(QRectF(13, 18, 34, 30), 3, 3);
    // A tiny game on the screen: stars, an invader and a ship.
    p.setPen(QColor(200, 220, 255));
    for (const QPointF pt : {QPointF(18, 22), QPointF(40, 24), QPointF(30, 21), QPointF(22, 40)})
        p.drawPoint(pt);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 255, 120));
    p.drawRect(QRectF(26, 26, 8, 4));
    p.drawRect(QRectF(24, 28, 2, 3));
    p.drawRect(QRectF(34, 28, 2, 3));
    p.setBrush(QColor(255, 240, 80));
    QPainterPath ship;
    ship.moveTo(30, 38);
    ship.lineTo(34, 45);
    ship.lineTo(26, 45);
    ship.closeSubpath();
    p.drawPath(ship);
}

void drawControls(QPainter& p)
{
    p.setPen(QPen(QColor(15, 15, 30), 1));
    p.setBrush(QColor(45, 45, 60));
    p.drawRect(QRectF(8, 52, 44, 10));
    p.setPen(QPen(QColor(20, 20, 20), 1.5));
    p.drawLine(QPointF(18, 57), QPointF(17, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 30, 40));
    p.drawEllipse(QPointF(17, 50), 2.2, 2.2);
    p.setBrush(QColor(40, 140, 255));
    p.drawEllipse(QPointF(34, 57), 2, 2);
    p.setBrush(QColor(255, 210, 40));
    p.drawEllipse(QPointF(41, 57), 2, 2);
}

void drawCoinDoor(QPainter& p)
{
    p.setPen(QPen(QColor(15, 15, 30), 1));
    p.setBrush(QColor(35, 35, 50));
    p.drawRect(QRectF(22, 70, 16, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 70, 40));
    p.drawRect(QRectF(26, 74, 2, 5));
    p.drawRect(QRectF(32, 74, 2, 5));
}

// A transparent picture of `size` units in the screen's pixels; a painter on it draws in units.
QPixmap canvas(QSize size, qreal pixelRatio)
{
    QPixmap pixmap(size * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap cabinetPicture(int height, qreal pixelRatio)
{
    const int width = qRound(height * kGridWidth / kGridHeight);
    QPixmap pixmap = canvas(QSize(width, height), pixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(width / kGridWidth, height / kGridHeight);
    drawBody(p);
    drawMarquee(p);
    drawScreen(p);
    drawControls(p);
    drawCoinDoor(p);
    return pixmap;
}

// A small painter's palette whose wells show the two colours of the gradient and a blend.
QPixmap gradientSwatch(int side, const QColor& top, const QColor& bottom, qreal pixelRatio)
{
    QPixmap pixmap = canvas(QSize(side, side), pixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;
    QPainterPath board;
    board.addEllipse(QRectF(0.5, 1.5, s - 1, s - 3));
    QPainterPath thumb;
    thumb.addEllipse(QRectF(s * 0.52, s * 0.52, s * 0.26, s * 0.22));
    p.setPen(QPen(QColor(90, 60, 30), 1));
    p.setBrush(QColor(222, 184, 135));
    p.drawPath(board.subtracted(thumb));
    p.setPen(Qt::NoPen);
    const QColor blend((top.red() + bottom.red()) / 2, (top.green() + bottom.green()) / 2,
                       (top.blue() + bottom.blue()) / 2);
    const qreal r = s * 0.13;
    p.setBrush(top);
    p.drawEllipse(QPointF(s * 0.30, s * 0.33), r, r);
    p.setBrush(blend);
    p.drawEllipse(QPointF(s * 0.58, s * 0.27), r, r);
    p.setBrush(bottom);
    p.drawEllipse(QPointF(s * 0.28, s * 0.66), r, r);
    return pixmap;
}

QPixmap clockPicture(int side, qreal pixelRatio)
{
    QPixmap pixmap = canvas(QSize(side, side), pixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal r = side / 2.0 - 1;
    const QPointF c(side / 2.0, side / 2.0);
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(QColor(250, 250, 235));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(20, 20, 20), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(0, -r * 0.7));
    p.drawLine(c, c + QPointF(r * 0.5, 0));
    return pixmap;
}

} // namespace velmora
