#pragma once
// frmWait: the small window that tells the user to wait while a long job runs after start-up
// (Refresh, rebuilding the database): lblMessage for the step, lblText for the explanation,
// lblCount for the running count of games.
#include "app/Progress.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;

namespace velmora {

class WaitWindow : public QWidget, public ProgressSink
{
    Q_OBJECT
public:
    explicit WaitWindow(QWidget* parent = nullptr);

    void setMessage(const QString& message) override;
    void setText(const QString& text) override;
    void setCount(const QString& count) override;
    void repaint() override;

    QString message() const;
    QString text() const;
    QString count() const;

private:
    QLabel* m_lblMessage = nullptr;
    QLabel* m_lblText = nullptr;
    QLabel* m_lblCount = nullptr;
    QElapsedTimer m_sinceRepaint;
};

} // namespace velmora
