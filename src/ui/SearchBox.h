#pragma once
// txtSearch, the find-as-you-type box above the game list. Typing is passed on once it pauses
// (a tenth of a second), so fast typing never waits for the lists; Esc empties the box at once
// and hands the keyboard back to the list.
#include <QLineEdit>
#include <QTimer>

namespace velmora {

class SearchBox : public QLineEdit
{
    Q_OBJECT
public:
    static constexpr int kPauseMs = 100;

    explicit SearchBox(QWidget* parent = nullptr);

signals:
    // The text to search for, after a pause in typing (or at once when Esc empties the box).
    void searchChanged(const QString& text);
    void escapePressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTimer m_pause;
};

} // namespace velmora
