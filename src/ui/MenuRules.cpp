#include "ui/MenuRules.h"

#include "app/ListKind.h"
#include "lists/SelectionStatus.h"

namespace velmora {

FileMenuState fileMenuState(const MenuContext& context)
{
    if (context.busy)
        return {};
    FileMenuState state{context.settingsPanel != kNotInstalled, true, true, true};
    switch (listKindFromCaption(context.listCaption)) {
    case ListKind::Installed: {
        const bool any = context.installedCount > 0;
        state = {any, any, any, any};
        break;
    }
    case ListKind::Uninstalled: {
        const bool any = context.uninstalledCount != 0;
        state = {false, any, any, any};
        break;
    }
    case ListKind::All:
        break;
    }
    if (!context.gameShown)
        state.play = state.verify = state.info = false;
    return state;
}

bool viewMenuEnabled(const MenuContext& context)
{
    return !context.busy;
}

ToolsMenuState toolsMenuState(const MenuContext& context)
{
    if (context.busy)
        return {};
    ToolsMenuState state{true, true, false, true, true, true};
    switch (listKindFromCaption(context.listCaption)) {
    case ListKind::All:
        state.custom = context.settingsPanel != kNotInstalled;
        break;
    case ListKind::Installed:
        state.custom = context.installedCount != 0;
        break;
    case ListKind::Uninstalled:
        state.custom = false;
        break;
    }
    state.custom = state.custom && context.gameShown;
    return state;
}

ReportsMenuState reportsMenuState(const MenuContext& context)
{
    if (context.busy)
        return {};
    return {true, context.mameDiffPresent};
}

HelpMenuState helpMenuState(const MenuContext& context)
{
    HelpMenuState state;
    if (!context.busy) {
        state = {true, true, true, true, true};
    } else {
        // While one of the documents is on show, the other two can replace it.
        const QString& shown = context.reportCaption;
        const bool document =
            shown == kVelmoraDocument || shown == kNewvideoDocument || shown == kWindowsDocument;
        if (document) {
            state.velmora = shown != kVelmoraDocument;
            state.newvideo = shown != kNewvideoDocument;
            state.windows = shown != kWindowsDocument;
        }
    }
    if (context.networkBusy) {
        state.news = false;
        state.checkForUpdates = false;
    }
    return state;
}

} // namespace velmora
