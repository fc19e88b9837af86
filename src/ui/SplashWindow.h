#pragma once
// frmSplash: shown while the program loads; reports the current step, the count of games loaded
// and, while MAME lists its machines, how far it is.
#include "app/Progress.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace velmora {

class SplashWindow : public QWidget, public ProgressSink
{
    Q_OBJECT
public:
    // `splashPicture` is used when the file exists; otherwise the window draws its own picture.
    explicit SplashWindow(const QString& splashPicture, QWidget* parent = nullptr);

    void setMessage(const QString& message) override;
    void setCount(const QString& count) override;
    void setProgress(qint64 value, qint64 maximum) override;
    void repaint() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    QLabel* m_lblVersion = nullptr;
    QLabel* m_lblMessage = nullptr;
    QLabel* m_lblCount = nullptr;
    QProgressBar* m_progress = nullptr;
    QElapsedTimer m_sinceRepaint;
};

} // namespace velmora
