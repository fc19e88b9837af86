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
    // The colour painted at row `y` of the background.
    QColor colorAt(int y) const;
    // The colours under a widget drawn on the background, from its top row to its bottom row.
    QList<QColor> colorsBehind(const QWidget* widget, int top, int height) const;

signals:
    // The background took a new size, and what is drawn on it its new place.
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QColor m_top;
    QColor m_bottom;
};

} // namespace velmora
