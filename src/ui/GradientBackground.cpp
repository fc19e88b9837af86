#include "ui/GradientBackground.h"

#include <QLinearGradient>
#include <QPainter>

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
