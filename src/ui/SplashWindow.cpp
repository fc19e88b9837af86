#include "ui/SplashWindow.h"

#include "app/Preferences.h"
#include "platform/OptionalFile.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace velmora {
namespace {
constexpr int kRepaintIntervalMs = 33; // about 30 repaints a second
const QSize kSplashSize(420, 240);
constexpr int kProgressSteps = 1000;
} // namespace

SplashWindow::SplashWindow(const QString& splashPicture, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Velmora"));
    if (const std::optional<QByteArray> picture = platform::readOptionalFile(splashPicture))
        m_picture.loadFromData(*picture);
    setFixedSize(m_picture.isNull() ? kSplashSize : m_picture.size());

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    auto makeLabel = [this, layout](const char* name) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
        layout->addWidget(label);
        return label;
    };
    m_lblVersion = makeLabel("lblVersion");
    m_lblMessage = makeLabel("lblMessage");
    m_lblCount = makeLabel("lblCount");
    m_lblVersion->setText(programVersion());
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("barProgress"));
    m_progress->setRange(0, kProgressSteps);
    m_progress->setTextVisible(false);
    m_progress->setFixedHeight(8);
    m_progress->hide();
    layout->addWidget(m_progress);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_sinceRepaint.start();
}

void SplashWindow::setMessage(const QString& message)
{
    m_lblMessage->setText(message);
    m_lblMessage->repaint();
}

void SplashWindow::setCount(const QString& count)
{
    m_lblCount->setText(count);
    if (m_sinceRepaint.elapsed() >= kRepaintIntervalMs || count.isEmpty())
        repaint();
}

void SplashWindow::setProgress(qint64 value, qint64 maximum)
{
    m_progress->setVisible(maximum > 0);
    if (maximum > 0)
        m_progress->setValue(int(kProgressSteps * std::clamp<qint64>(value, 0, maximum) / maximum));
}

void SplashWindow::repaint()
{
    m_sinceRepaint.restart();
    QWidget::repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void SplashWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!m_picture.isNull()) {
        p.drawPixmap(0, 0, m_picture);
        return;
    }
    // Our own picture: a night sky over a deep blue horizon with the program's name.
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(5, 5, 20));
    sky.setColorAt(1, QColor(20, 30, 90));
    p.fillRect(rect(), sky);
    QRandomGenerator stars(1977);
    for (int i = 0; i < 160; ++i) {
        const int shade = 120 + stars.bounded(136);
        p.setPen(QColor(shade, shade, shade));
        p.drawPoint(stars.bounded(width()), stars.bounded(height()));
    }
    QFont title = font();
    title.setPointSize(30);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(255, 200, 40));
    p.drawText(QRect(0, 20, width(), 70), Qt::AlignCenter, QStringLiteral("Velmora"));
}

} // namespace velmora
