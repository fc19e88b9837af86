#pragma once
// The main window's background: a vertical two-colour gradient from the button-face colour at the
// top (below a 15-pixel band of it) to the gradient colour at the bottom.
#include <QWidget>

namespace velmora {

class GradientBackground : public QWidget
{
    Q_OBJECT
public:
    explicit GradientBackground(QWidget* parent = nullptr);

    void setColors(const QColor& top, const QColor& bottom);
    QColor topColor() const { return m_top; }
    QColor bottomColor() const { return m_bottom; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_top;
    QColor m_bottom;
};

} // namespace velmora
