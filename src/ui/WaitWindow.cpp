#include "ui/WaitWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace velmora {
namespace {
constexpr int kRepaintIntervalMs = 33; // about 30 paints a second
const QSize kWaitSize(380, 150);
constexpr int kProgressSteps = 1000;
} // namespace

WaitWindow::WaitWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmWait"));
    setWindowTitle(QStringLiteral("Velmora"));
    setWindowModality(Qt::NonModal);
    setFixedSize(kWaitSize);

    auto* layout = new QVBoxLayout(this);
    auto makeLabel = [this, layout](const char* name) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        layout->addWidget(label);
        return label;
    };
    m_lblMessage = makeLabel("lblMessage");
    QFont bold = m_lblMessage->font();
    bold.setBold(true);
    m_lblMessage->setFont(bold);
    m_lblText = makeLabel("lblText");
    m_lblCount = makeLabel("lblCount");
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("barProgress"));
    m_progress->setRange(0, kProgressSteps);
    m_progress->setTextVisible(false);
    m_progress->hide();
    layout->addWidget(m_progress);
    m_sincePaint.start();
}

void WaitWindow::showAndPaint()
{
    const QWidget* over = parentWidget();
    const QRect area = over && over->isVisible() ? over->frameGeometry()
                       : QGuiApplication::primaryScreen()
                           ? QGuiApplication::primaryScreen()->availableGeometry()
                           : QRect();
    if (area.isValid())
        move(area.center() - rect().center());
    m_finished = false;
    show();
    raise();
    paintNow();
}

void WaitWindow::finish()
{
    m_finished = true;
    close();
}

void WaitWindow::setMessage(const QString& message)
{
    m_lblMessage->setText(message);
    m_changed = true;
}

void WaitWindow::setText(const QString& text)
{
    m_lblText->setText(text);
    m_changed = true;
}

void WaitWindow::setCount(const QString& count)
{
    m_lblCount->setText(count);
    if (count.isEmpty())
        m_changed = true;
    repaint();
}

void WaitWindow::setProgress(qint64 value, qint64 maximum)
{
    m_progress->setVisible(maximum > 0);
    if (maximum > 0)
        m_progress->setValue(int(kProgressSteps * std::clamp<qint64>(value, 0, maximum) / maximum));
}

void WaitWindow::repaint()
{
    if (m_changed || m_sincePaint.elapsed() >= kRepaintIntervalMs)
        paintNow();
}

void WaitWindow::paintNow()
{
    m_changed = false;
    m_sincePaint.restart();
    if (!isVisible())
        return;
    QWidget::repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void WaitWindow::closeEvent(QCloseEvent* event)
{
    if (m_finished)
        QWidget::closeEvent(event);
    else
        event->ignore();
}

} // namespace velmora
