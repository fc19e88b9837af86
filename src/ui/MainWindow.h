#pragma once
// frmMain, the program's only top-level window: menus, the panels that take turns in the main
// area (game lists, settings, maintenance, reports), the always-visible buttons and status bars.
// The load sequence and the orderly end drive it through the operations below.
#include "app/AppState.h"
#include "app/ListKind.h"

#include <QMainWindow>
#include <array>

class QAction;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QStackedWidget;
class QTextEdit;
class QTimer;
class QTreeView;

namespace velmora {

class ProgressSink;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(AppState& state, QWidget* parent = nullptr);
    ~MainWindow() override;

    AppState& state() { return m_state; }

    // Load-sequence steps that belong to the window.
    void prepareReportPanel();
    void setOptionalColumnsPresent(bool categories, bool players);
    void setScreenShotsChecked(bool checked);
    bool screenShotsChecked() const;
    void setFavoritesChecked(bool checked);
    bool favoritesChecked() const;
    void setAutoRunChecked(bool checked);
    // Empties the three lists (and their counters); used before a reload and by the preferences
    // problem path.
    void clearLists();
    // Loads the three game lists from the database under the hide filters. False when the load
    // failed and the program is ending.
    bool loadLists(ProgressSink& progress);
    // Brings the game list to the front, disables the other panels, clears the panel-busy flag.
    void showListPanel();
    void applyListAppearance(const Preferences& prefs);
    // Shows the list named by the caption ("All Games", "Installed Games", "Uninstalled Games").
    void showView(ListKind kind);
    void updateFiltersLabel();
    void setBannerRunning(bool running);
    void stopTimers();

    // View state, as the orderly end writes it.
    QString listCaption() const;
    ListViewState listState(ListKind kind) const;
    int windowStateValue() const;
    void applyWindowStateValue(int value);

    // Starts the selected game as the Play command does (Auto Run at start-up).
    void playSelectedGame();

signals:
    // The window is closing (the user closed it, Exit, or the session ends).
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildPanels();

    AppState& m_state;
    QStackedWidget* m_panels = nullptr;
    QGroupBox* m_fraList = nullptr;
    QWidget* m_fraDefaults = nullptr;
    QWidget* m_fraMaintenance = nullptr;
    QGroupBox* m_fraVerify = nullptr;
    QWidget* m_fraBlank = nullptr;
    QStackedWidget* m_listStack = nullptr;
    std::array<QTreeView*, 3> m_lists{};
    QTextEdit* m_txtVerify = nullptr;
    QAction* m_mnuViewShots = nullptr;
    QAction* m_mnuViewFavorites = nullptr;
    QCheckBox* m_chkAutoRun = nullptr;
    QPushButton* m_cmdExit = nullptr;
    std::array<QTimer*, 2> m_tmr{};
    bool m_closing = false;
};

} // namespace velmora
