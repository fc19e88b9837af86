#pragma once
// Keeping the game database in step with MAME: the first build when a database file is missing,
// the rebuild after a new MAME (old lists kept for the What's Changed reports, stale change
// reports deleted) and the database part of Refresh.
#include "app/ProgramPaths.h"
#include "app/Progress.h"
#include "gamedb/GameDatabaseBuilder.h"
#include "gamedb/ListFiles.h"

#include <QString>

#include <functional>

namespace velmora {

// What the database routines need from the program.
struct DatabaseSetup
{
    ProgramPaths paths;
    QString mameFolder;
    // Checks the favourites against the new database; runs after every build that succeeded.
    std::function<void()> checkFavorites;
};

struct RebuildResult
{
    // False when a MAME command could not be run (ExecCmd showed why): the build stopped there
    // and the stored MAME size must stay as it was, so the next start tries again.
    bool commandsRan = false;
    ListOutcome listXml = ListOutcome::NotRun;
    ListOutcome crcInfo = ListOutcome::NotRun;
    GameInfoResult database;
};

// The first build (a database file is missing): listxml.txt, crcinfo.txt, the database (its
// failure shown as a message), the favourites check. No old copies, no reports deleted.
RebuildResult firstBuild(const DatabaseSetup& setup, ProgressSink& progress);

// After a new MAME: the old lists are kept as oldlistxml.txt and oldcrcinfo.txt, then the first
// build's steps run, then newroms.txt and whatsnew.txt are deleted. The caller stores the new
// size of mame once commandsRan is true.
RebuildResult rebuildAfterChange(const DatabaseSetup& setup, ProgressSink& progress);

enum class RefreshOutcome
{
    Unchanged,     // MAME is as it was: no MAME command ran
    Rebuilt,       // a new MAME was found and the database rebuilt; MAMESize written
    RebuildFailed, // a new MAME was found but its commands could not run; MAMESize kept
    MameMissing    // there is no mame in the MAME folder; reported, the database kept
};

// The database steps of Refresh, on the wait window: compares the size of mame with the stored
// one (*storedSize, from options.ini's MAMESize); after a change shows "A new version of M.A.M.E.
// was detected." in lblText, rebuilds, and writes the new size to *storedSize and options.ini.
// A missing mame is reported ("Cannot find mame!") and the program goes on. Ends with
// "Please wait while Velmora refreshes the game list." in lblText.
RefreshOutcome refreshDatabase(const DatabaseSetup& setup, qint32* storedSize, ProgressSink& wait);

// The window's steps of Refresh, in the order they run around the database steps. Each may be
// left empty.
struct RefreshWindowSteps
{
    // Empties the banner, shows the hourglass, clears the icon, disables Play, Audit,
    // Information, Exit and the other list-side commands; sets the game counters to 0, empties
    // the three lists and sets their stored indexes to 1.
    std::function<void()> prepare;
    // Shows frmWait and repaints it.
    std::function<void()> showWait;
    // Empties status bar panels 1 to 6.
    std::function<void()> clearStatusBar;
    // LoadLists; false when the load failed and the program is ending.
    std::function<bool()> loadLists;
    // Shows the view named by the list frame's caption.
    std::function<void()> showView;
    // Closes and releases frmWait.
    std::function<void()> closeWait;
    // Enables the list-side commands for the view and cmdExit; the normal pointer again.
    std::function<void()> enableCommands;
};

// View > Refresh from beginning to end: the window's steps and the database steps in order.
RefreshOutcome runRefresh(const DatabaseSetup& setup, qint32* storedSize, ProgressSink& wait,
                          const RefreshWindowSteps& window);

} // namespace velmora
