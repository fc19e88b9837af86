#include "ui/GradientBackground.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

namespace velmora {
namespace {
constexpr int kGradientTop = 15;
} // namespace

GradientBackground::GradientBackground(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMainBackground"));
    m_top = palette().color(QPalette::Button);
    m_bottom = palette().color(QPalette::Dark);
}

void GradientBackground::setColors(const QColor& top, const QColor& bottom)
{
    m_top = top;
    m_bottom = bottom;
    update();
}

QColor GradientBackground::colorAt(int y) const
{
    if (y <= kGradientTop || height() <= kGradientTop)
        return m_top;
    const double share = std::min(1.0, double(y - kGradientTop) / (height() - kGradientTop));
    return QColor::fromRgbF(float(m_top.redF() + (m_bottom.redF() - m_top.redF()) * share),
                            float(m_top.greenF() + (m_bottom.greenF() - m_top.greenF()) * share),
                            float(m_top.blueF() + (m_bottom.blueF() - m_top.blueF()) * share));
}

QList<QColor> GradientBackground::colorsBehind(const QWidget* widget, int top, int height) const
{
    const int y = widget->mapTo(this, QPoint(0, top)).y();
    return {colorAt(y), colorAt(y + std::max(0, height - 1))};
}

// The layouts place the children before the background hears of its new size.
void GradientBackground::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    emit resized();
}

void GradientBackground::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(QRect(0, 0, width(), kGradientTop), m_top);
    QLinearGradient gradient(0, kGradientTop, 0, height());
    gradient.setColorAt(0, m_top);
    gradient.setColorAt(1, m_bottom);
    p.fillRect(QRect(0, kGradientTop, width(), height() - kGradientTop), gradient);
}

} // namespace velmora
