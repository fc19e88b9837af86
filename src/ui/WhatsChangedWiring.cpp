// The What's Changed commands of the main window's Reports menu, connected to their controller.
#include "ui/MainWindow.h"
#include "ui/StatusPanels.h"
#include "ui/WhatsChangedController.h"

namespace velmora {

void wireWhatsChanged(MainWindow& window, AppState& state)
{
    WhatsChangedHooks hooks;
    hooks.showReportStatusBar = [&window] { window.showStatusBar(1); };
    hooks.reportStatusBar = [&window]() -> QStatusBar* { return window.statusBarElement(1); };
    hooks.setReportStatus = [&window](int panel, const QString& text) {
        window.statusBarElement(1)->setText(panel, text);
    };
    hooks.hideGameArt = [&window] { window.hideGameArt(); };
    hooks.disableFormButtons = [&window] { window.DisableFormButtons(); };
    auto* changes = new WhatsChangedController(window, state, std::move(hooks), &window);
    MainWindow::Commands& c = window.commands();
    c.whatsChangedRoms = [changes] { changes->mnuReportsWhatsNewROMs_Click(); };
    c.lastWhatsChangedRoms = [changes] { changes->mnuReportsWhatsChangedROMs_Click(); };
    c.whatsChangedAll = [changes] { changes->mnuReportsWhatsNewAll_Click(); };
    c.lastWhatsChangedAll = [changes] { changes->mnuReportsWhatsChangedAll_Click(); };
}

} // namespace velmora
