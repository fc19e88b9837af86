#pragma once
// One status bar of the main window with its six panels: the count of the list, the selected
// game's description, ROM name, original or clone, orientation and settings. The window has two:
// element 0, shown with the game list, and element 1, shown with the settings editor and long
// reports; their tips differ in panels 2 and 5.
#include <QStatusBar>
#include <array>

class QLabel;

namespace velmora {

class StatusPanels : public QStatusBar
{
    Q_OBJECT
public:
    static constexpr int kPanelCount = 6;

    // `element` is 0 for the main status bar, 1 for the report status bar.
    explicit StatusPanels(int element, QWidget* parent = nullptr);

    // Panels are numbered 1 to 6.
    QString text(int panel) const;
    void setText(int panel, const QString& text);
    // A note shown after a panel's text ("Default Settings  |  ROMs good, 2026-12-06"); text()
    // still gives the text alone, which the menus read. Emptied with the panel by clearFrom().
    void setNote(int panel, const QString& note);
    QLabel* panel(int panel) const { return m_panels[size_t(panel - 1)]; }
    // Empties panels `from` to 6.
    void clearFrom(int from);

private:
    void showPanel(int panel);

    std::array<QLabel*, kPanelCount> m_panels{};
    std::array<QString, kPanelCount> m_texts;
    std::array<QString, kPanelCount> m_notes;
};

} // namespace velmora
