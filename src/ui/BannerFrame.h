#pragma once
// The scrolling manufacturer banner (fraScroll, "Game Manufacturer"): the label lblList on the
// moving picture picScroll inside the fixed picture picBox. The window's banner timer calls step();
// a click on the frame asks the window to pause or resume it.
#include <QGroupBox>

class QLabel;

namespace velmora {

class BannerFrame : public QGroupBox
{
    Q_OBJECT
public:
    explicit BannerFrame(QWidget* parent = nullptr);

    // The text in capitals is the caller's choice; the moving picture takes the label's width.
    void setText(const QString& text);
    QString text() const;

    // Where the moving picture starts: at the right edge of the box while scrolling, centred
    // while paused.
    void startAtRightEdge();
    void centre();
    // One step of 15 twips (one pixel) to the left; past the left edge it enters again from the
    // right.
    void step();

    int scrollLeft() const;
    QWidget* box() const { return m_picBox; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QWidget* m_picBox = nullptr;
    QWidget* m_picScroll = nullptr;
    QLabel* m_lblList = nullptr;
};

} // namespace velmora
