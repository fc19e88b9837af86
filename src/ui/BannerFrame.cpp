#include "ui/BannerFrame.h"

#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace velmora {
namespace {
constexpr int kBoxHeight = 26;
} // namespace

BannerFrame::BannerFrame(QWidget* parent) : QGroupBox(QStringLiteral("Game Manufacturer"), parent)
{
    setObjectName(QStringLiteral("fraScroll"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    m_picBox = new QWidget(this);
    m_picBox->setObjectName(QStringLiteral("picBox"));
    m_picBox->setFixedHeight(kBoxHeight);
    m_picBox->setAutoFillBackground(true);
    QPalette dark = m_picBox->palette();
    dark.setColor(QPalette::Window, QColor(12, 12, 24));
    m_picBox->setPalette(dark);
    layout->addWidget(m_picBox);

    m_picScroll = new QWidget(m_picBox);
    m_picScroll->setObjectName(QStringLiteral("picScroll"));
    m_lblList = new QLabel(m_picScroll);
    m_lblList->setObjectName(QStringLiteral("lblList"));
    QFont font = m_lblList->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    m_lblList->setFont(font);
    m_lblList->setStyleSheet(QStringLiteral("color: #ffc832; background: transparent;"));
    setText(QString());
    setToolTip(QStringLiteral("Click To Pause Or Resume The Scrolling"));
}

void BannerFrame::setText(const QString& text)
{
    m_lblList->setText(text);
    m_lblList->adjustSize();
    const int height = m_picBox->height() > 0 ? m_picBox->height() : kBoxHeight;
    m_lblList->move(0, (height - m_lblList->height()) / 2);
    m_picScroll->resize(text.isEmpty() ? 0 : m_lblList->width(), height);
}

QString BannerFrame::text() const
{
    return m_lblList->text();
}

void BannerFrame::startAtRightEdge()
{
    m_picScroll->move(m_picBox->width(), 0);
}

void BannerFrame::centre()
{
    m_picScroll->move((m_picBox->width() - m_picScroll->width()) / 2, 0);
}

void BannerFrame::step()
{
    const int left = m_picScroll->x() - 1;
    m_picScroll->move(left + m_picScroll->width() <= 0 ? m_picBox->width() : left, 0);
}

int BannerFrame::scrollLeft() const
{
    return m_picScroll->x();
}

void BannerFrame::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void BannerFrame::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace velmora
