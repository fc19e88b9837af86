#include "ui/WaitWindow.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace velmora {
namespace {
constexpr int kRepaintIntervalMs = 33; // about 30 repaints a second
} // namespace

WaitWindow::WaitWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmWait"));
    setWindowTitle(QStringLiteral("Please Wait"));
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    auto makeLabel = [this, layout](const char* name) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        layout->addWidget(label);
        return label;
    };
    m_lblMessage = makeLabel("lblMessage");
    m_lblText = makeLabel("lblText");
    m_lblCount = makeLabel("lblCount");
    QFont big = m_lblCount->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    m_lblCount->setFont(big);
    setMinimumWidth(360);
    m_sinceRepaint.start();
}

void WaitWindow::setMessage(const QString& message)
{
    m_lblMessage->setText(message);
    repaint();
}

void WaitWindow::setText(const QString& text)
{
    m_lblText->setText(text);
    repaint();
}

void WaitWindow::setCount(const QString& count)
{
    m_lblCount->setText(count);
    if (m_sinceRepaint.elapsed() >= kRepaintIntervalMs || count.isEmpty())
        repaint();
}

void WaitWindow::repaint()
{
    m_sinceRepaint.restart();
    QWidget::repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QString WaitWindow::message() const
{
    return m_lblMessage->text();
}

QString WaitWindow::text() const
{
    return m_lblText->text();
}

QString WaitWindow::count() const
{
    return m_lblCount->text();
}

} // namespace velmora
