#pragma once
// The Maintenance screen (fraMaintenance, Tools > Maintenance...): the groups "M.A.M.E.
// Directories", "Reports && Lists" and "ROM Directories" on a scrollable picture (picMaintenance
// with picBox2 inside, moved by the scroll bar VScroll[1]), over the maintenance routines of the
// core. The window's fraMaintenance frame and its cmdGameList2 button stay the window's; this
// class fills the frame and runs its buttons:
//
//     cmdFolders -> cmdFolders_Click()      cmdSelectAll[0], [1] -> cmdSelectAll_Click(index)
//     cmdReports -> cmdReports_Click()      cmdROMs -> cmdROMs_Click()
#include "app/AppState.h"

#include <QObject>
#include <QString>

#include <array>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QWidget;

namespace velmora {

class MainWindow;

class MaintenancePanel : public QObject
{
    Q_OBJECT
public:
    MaintenancePanel(MainWindow& window, AppState& state);

    // Tools > Maintenance...: takes the current game from the active list and puts the screen in
    // front with every box cleared.
    void open();

    void cmdFolders_Click();
    void cmdReports_Click();
    void cmdSelectAll_Click(int index);
    void cmdROMs_Click();

    // The current game taken when the screen opened (empty with an empty list).
    const QString& currentGame() const { return m_currentGame; }

private:
    QWidget* buildContent();
    QWidget* buildFolderGroup();
    QWidget* buildReportGroup();
    QWidget* buildRomGroup();
    void focusGameList();

    MainWindow& m_window;
    AppState& m_state;
    QString m_currentGame;
    QScrollArea* m_picMaintenance = nullptr;
    std::array<QCheckBox*, 5> m_chkFolder{};
    std::array<QCheckBox*, 9> m_chkReport{};
    std::array<QPushButton*, 2> m_cmdSelectAll{};
    QRadioButton* m_optAll = nullptr;
    QRadioButton* m_optCurrent = nullptr;
    QPushButton* m_cmdFolders = nullptr;
    QPushButton* m_cmdReports = nullptr;
    QPushButton* m_cmdROMs = nullptr;
    QLabel* m_lblFolder = nullptr;
    QLabel* m_lblText = nullptr;
    QProgressBar* m_progress = nullptr;
};

} // namespace velmora
