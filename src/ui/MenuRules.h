#pragma once
// The enabling rules of the main window's menus, evaluated each time a menu opens: what the
// panel-busy flag, the list on show, its counts, the selected game's settings panel and the
// report on show allow.
#include <QString>

namespace velmora {

struct MenuContext
{
    bool busy = false;   // the panel-busy flag is 1
    QString listCaption; // "All Games", "Installed Games" or "Uninstalled Games"
    int installedCount = 0;
    int uninstalledCount = 0;
    QString settingsPanel;        // status panel 6 ("Not Installed", ...)
    QString reportCaption;        // the report panel's caption while it is on show
    bool mameDiffPresent = false; // mamediff exists in the MAME folder
    bool networkBusy = false;     // an update or news request is still running
    // A game is selected in the list on show. A search that finds nothing shows none, whatever
    // the counts say; the commands on the selected game are then off, as their buttons are.
    bool gameShown = true;
};

struct FileMenuState
{
    bool play = false;
    bool verify = false;
    bool info = false;
    bool exportList = false;
};

struct ToolsMenuState
{
    bool raster = false;
    bool vector = false;
    bool custom = false;
    bool rebuildSettings = false;
    bool maintenance = false;
    bool options = false;
};

struct ReportsMenuState
{
    bool reports = false; // every item but MAMEDiff
    bool mameDiff = false;
};

struct HelpMenuState
{
    bool velmora = false;
    bool newvideo = false;
    bool windows = false;
    bool news = false;
    bool checkForUpdates = false;
};

// The captions of the three documents the Help menu shows on the report panel.
inline const QString kVelmoraDocument = QStringLiteral("Velmora's Velmora.txt");
inline const QString kNewvideoDocument = QStringLiteral("M.A.M.E.'s Newvideo.txt");
inline const QString kWindowsDocument = QStringLiteral("M.A.M.E.'s Windows.txt");

FileMenuState fileMenuState(const MenuContext& context);
// All, Installed, Uninstalled, Refresh, Favorites and Screen Shots alike.
bool viewMenuEnabled(const MenuContext& context);
ToolsMenuState toolsMenuState(const MenuContext& context);
ReportsMenuState reportsMenuState(const MenuContext& context);
HelpMenuState helpMenuState(const MenuContext& context);

} // namespace velmora
