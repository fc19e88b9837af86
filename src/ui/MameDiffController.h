#pragma once
// The Reports > MAMEDiff commands: General Summary, Changed Merged-Split ROMs and Changed
// Full-Split ROMs. The MAME folder's mamediff compares the old and the new machine list while the
// main window waits minimised; its tidied log is shown on the report panel under a bold credit
// line. The core routines (changes/MameDiffReport.h) check the lists, run the tool and tidy the
// log; this class drives the window.
//
// Controls are found by their object names under the window (fraList, fraVerify, txtVerify,
// cmdGameList, cmdExit); what only the main window does comes in as hooks.
#include "app/AppState.h"
#include "changes/MameDiffReport.h"

#include <QObject>
#include <functional>
#include <memory>

class QMainWindow;

namespace velmora {

class MainWindow;
class ReportPanel;

struct MameDiffWindowHooks
{
    std::function<void()> disableFormButtons;
    // Shows the report status bar in place of the main one.
    std::function<void(bool shown)> showReportStatusBar;
    // The selected game's icon and artwork mark go away while the report is on show.
    std::function<void()> hideGameArt;
};

class MameDiffController : public QObject
{
    Q_OBJECT
public:
    MameDiffController(QMainWindow& window, AppState& state, MameDiffWindowHooks hooks,
                       CommandRunner exec, QObject* parent = nullptr);
    ~MameDiffController() override;

    // Runs the tool for one report and shows what it found.
    void MAMEDiff(MameDiffReport report);
    void mnuMAMEDiffSummary_Click() { MAMEDiff(MameDiffReport::Summary); }
    void mnuMAMEDiffMSplit_Click() { MAMEDiff(MameDiffReport::MergedSplit); }
    void mnuMAMEDiffFSplit_Click() { MAMEDiff(MameDiffReport::FullSplit); }

private:
    void showReport(const QString& caption, const QString& log);

    QMainWindow& m_window;
    AppState& m_state;
    MameDiffWindowHooks m_hooks;
    CommandRunner m_exec;
    std::unique_ptr<ReportPanel> m_panel;
};

// Sets the three MAMEDiff commands of the main window.
void wireMameDiff(MainWindow& window, AppState& state);

} // namespace velmora
