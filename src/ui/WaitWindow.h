#pragma once
// frmWait: the small window that tells what a long job is doing once the program is up (Refresh,
// a rebuild of the game database, loading the lists). lblMessage names the current step, lblText
// explains, lblCount counts the games loaded (or the machines MAME has listed), and a bar shows
// how far a step is when that can be told. The job runs on the window's own thread, so the
// window paints only when asked: at once when a step or explanation changes, otherwise at most
// about 30 times a second.
#include "app/Progress.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace velmora {

class WaitWindow : public QWidget, public ProgressSink
{
    Q_OBJECT
public:
    explicit WaitWindow(QWidget* parent = nullptr);

    // Shows the window in front of its parent and paints it before returning.
    void showAndPaint();
    // Closes the window once its job is done; until then a close request is refused.
    void finish();

    void setMessage(const QString& message) override;
    void setText(const QString& text) override;
    void setCount(const QString& count) override;
    void setProgress(qint64 value, qint64 maximum) override;
    void repaint() override;

protected:
    // The window goes away when its job is done (finish()), not when the user closes it.
    void closeEvent(QCloseEvent* event) override;

private:
    void paintNow();

    QLabel* m_lblMessage = nullptr;
    QLabel* m_lblText = nullptr;
    QLabel* m_lblCount = nullptr;
    QProgressBar* m_progress = nullptr;
    QElapsedTimer m_sincePaint;
    bool m_changed = false; // a step or explanation not painted yet
    bool m_finished = false;
};

} // namespace velmora
