#include "ui/CommandLock.h"

#include <QAction>
#include <QMenuBar>

namespace velmora {
namespace {

// The window's controls that start work: the commands under the lists and on the right, the
// game boxes, the return buttons of the panels, the search box and the three clickable pictures
// (gradient window, path information, start-up time).
constexpr const char* kCommandControls[] = {
    "cmdPlay",      "cmdVerify",  "cmdInfo",     "cmdRaster",   "cmdVector",
    "cmdFind",      "chkAutoRun", "chkRecord",   "chkPlayback", "cmdGameList",
    "cmdGameList2", "txtSearch",  "lblGradient", "imgMachine",  "lblDownload"};

int g_locksHeld = 0;

} // namespace

CommandLock::CommandLock(QWidget& window)
{
    ++g_locksHeld;
    for (const char* name : kCommandControls) {
        if (auto* widget = window.findChild<QWidget*>(QLatin1String(name))) {
            // The control's own state, not the one its panel gives it.
            m_widgets.emplace_back(widget, !widget->testAttribute(Qt::WA_ForceDisabled));
            widget->setEnabled(false);
        }
    }
    if (auto* bar = window.findChild<QMenuBar*>()) {
        for (QAction* menu : bar->actions()) {
            m_menus.emplace_back(menu, menu->isEnabled());
            menu->setEnabled(false);
        }
    }
}

CommandLock::~CommandLock()
{
    for (const auto& [widget, enabled] : m_widgets) {
        if (widget)
            widget->setEnabled(enabled);
    }
    for (const auto& [menu, enabled] : m_menus) {
        if (menu)
            menu->setEnabled(enabled);
    }
    --g_locksHeld;
}

bool CommandLock::held()
{
    return g_locksHeld > 0;
}

} // namespace velmora
