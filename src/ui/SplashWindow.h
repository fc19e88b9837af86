#pragma once
// frmSplash: shown while the program loads; reports the current step and the count of games loaded.
#include "app/Progress.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;

namespace velmora {

class SplashWindow : public QWidget, public ProgressSink
{
    Q_OBJECT
public:
    // `splashPicture` is used when the file exists; otherwise the window draws its own picture.
    explicit SplashWindow(const QString& splashPicture, QWidget* parent = nullptr);

    void setMessage(const QString& message) override;
    void setCount(const QString& count) override;
    void repaint() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    QLabel* m_lblVersion = nullptr;
    QLabel* m_lblMessage = nullptr;
    QLabel* m_lblCount = nullptr;
    QElapsedTimer m_sinceRepaint;
};

} // namespace velmora
