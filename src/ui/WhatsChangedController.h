#pragma once
// The Reports > What's Changed commands: the ROMs Info and All Info compares on the report panel
// and the two Last What's Changed Report commands. While a compare runs, the Exit button is the
// Cancel button, the report status bar shows the progress and the window keeps answering; at the
// end the panel shows the report (saved to newroms.txt or whatsnew.txt), the no-change text or
// the cancel text, and the report status bar the elapsed time. Closing the window while a compare
// runs cancels it.
//
// Controls are found by their object names under the window (cmdExit, cmdGameList, mnuFileExit,
// fraList, fraVerify, txtVerify); what only the window knows comes in as hooks.
#include "app/AppState.h"
#include "changes/WhatsChanged.h"

#include <QObject>
#include <functional>
#include <memory>

class QMainWindow;
class QProgressBar;
class QStatusBar;

namespace velmora {

class MainWindow;
class ReportPanel;

struct WhatsChangedHooks
{
    // Shows the report status bar in place of the main one.
    std::function<void()> showReportStatusBar;
    // The report status bar (the progress bar sits in it) and its panels, 1 to 6.
    std::function<QStatusBar*()> reportStatusBar;
    std::function<void(int panel, const QString& text)> setReportStatus;
    // Stops the icon timer and hides the game's icon and artwork mark.
    std::function<void()> hideGameArt;
    std::function<void()> disableFormButtons;
};

class WhatsChangedController : public QObject
{
    Q_OBJECT
public:
    WhatsChangedController(QMainWindow& window, AppState& state, WhatsChangedHooks hooks,
                           QObject* parent = nullptr);
    ~WhatsChangedController() override;

    void mnuReportsWhatsNewROMs_Click() { compare(ChangeReport::RomsInfo); }
    void mnuReportsWhatsChangedROMs_Click() { showLastReport(ChangeReport::RomsInfo); }
    void mnuReportsWhatsNewAll_Click() { compare(ChangeReport::AllInfo); }
    void mnuReportsWhatsChangedAll_Click() { showLastReport(ChangeReport::AllInfo); }

    bool comparing() const { return m_comparing; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void compare(ChangeReport report);
    void showLastReport(ChangeReport report);
    void preparePanel(const QString& caption);
    void setCompareRunning(bool running);
    void showReport(const QString& text, const ChangeReportTexts& texts);
    QProgressBar* progressBar();

    QMainWindow& m_window;
    AppState& m_state;
    WhatsChangedHooks m_hooks;
    std::unique_ptr<ReportPanel> m_panel;
    QProgressBar* m_progress = nullptr;
    bool m_comparing = false;
};

// Connects the four What's Changed commands of the window's Reports menu.
void wireWhatsChanged(MainWindow& window, AppState& state);

} // namespace velmora
