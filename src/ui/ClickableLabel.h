#pragma once
// A label that reports a left click: the gradient swatch, the cabinet picture, the start-up clock
// and the banner frame act on a click like a button.
#include <QLabel>

namespace velmora {

class ClickableLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace velmora
