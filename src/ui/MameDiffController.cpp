#include "ui/MameDiffController.h"

#include "gamedb/ExecCmd.h"
#include "ui/CommandLock.h"
#include "ui/MainWindow.h"
#include "ui/ReportPanel.h"

#include <QApplication>

namespace velmora {
namespace {

// The blank lines between the credit and the report.
const QString kAfterCredit = QStringLiteral("\r\r\r\r");

template <typename F, typename... Args> void call(const F& hook, Args&&... args)
{
    if (hook)
        hook(std::forward<Args>(args)...);
}

} // namespace

MameDiffController::MameDiffController(QMainWindow& window, AppState& state,
                                       MameDiffWindowHooks hooks, CommandRunner exec,
                                       QObject* parent)
    : QObject(parent), m_window(window), m_state(state), m_hooks(std::move(hooks)),
      m_exec(std::move(exec)), m_panel(std::make_unique<ReportPanel>(&window))
{
}

MameDiffController::~MameDiffController() = default;

void MameDiffController::MAMEDiff(MameDiffReport report)
{
    if (!mameDiffListsPresent(m_state.paths))
        return;
    // The window steps aside while the tool works and comes back as it was.
    const bool wasMaximised = m_window.isMaximized();
    m_window.showMinimized();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ran = [&] {
        const CommandLock lock(m_window);
        return runMameDiff(report, m_state.paths, m_exec);
    }();
    QApplication::restoreOverrideCursor();
    if (wasMaximised)
        m_window.showMaximized();
    else
        m_window.showNormal();
    if (!ran)
        return;

    const MameDiffText log = takeMameDiffLog(m_state.prefs.folder(DataFolder::MAME));
    if (log.outcome == MameDiffOutcome::Report)
        showReport(mameDiffKind(report).caption, log.text);
}

void MameDiffController::showReport(const QString& caption, const QString& log)
{
    call(m_hooks.showReportStatusBar, true);
    call(m_hooks.hideGameArt);
    m_panel->bringToFront(caption);
    m_panel->setLeaveButtonsEnabled(false);
    m_state.panelBusy = 1;

    const QString credit = mameDiffCredit();
    m_panel->setText(credit + kAfterCredit + log);
    m_panel->setBold(0, credit.size());

    call(m_hooks.disableFormButtons);
    m_panel->setLeaveButtonsEnabled(true);
    m_panel->focusGameList();
}

void wireMameDiff(MainWindow& window, AppState& state)
{
    MameDiffWindowHooks hooks;
    hooks.disableFormButtons = [&window] { window.DisableFormButtons(); };
    hooks.showReportStatusBar = [&window](bool shown) { window.showReportStatusBar(shown); };
    hooks.hideGameArt = [&window] { window.hideGameArt(); };
    const CommandRunner exec = [&state](const QString& command, WindowStyle style) {
        return ExecCmd(command, style, state.prefs.folder(DataFolder::MAME));
    };
    auto* diff = new MameDiffController(window, state, std::move(hooks), exec, &window);
    MainWindow::Commands& c = window.commands();
    c.mameDiffSummary = [diff] { diff->mnuMAMEDiffSummary_Click(); };
    c.mameDiffMergedSplit = [diff] { diff->mnuMAMEDiffMSplit_Click(); };
    c.mameDiffFullSplit = [diff] { diff->mnuMAMEDiffFSplit_Click(); };
}

} // namespace velmora
