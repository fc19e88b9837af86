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

class ChecksumList;

// What the database routines need from the program.
struct DatabaseSetup
{
    ProgramPaths paths;
    QString mameFolder;
    // Checks the favourites against the new database; runs after every build that succeeded.
    std::function<void()> checkFavorites;
    // The program's checksum list: once the database is built it goes on behind the window, and
    // an incomplete one is reported when it ends. Without it the build waits for the checksum
    // list before it returns.
    ChecksumList* checksums = nullptr;
};

struct RebuildResult
{
    // False when a MAME command could not be run (ExecCmd showed why) or the program began to
    // end while it ran: the build stopped there.
    bool commandsRan = false;
    ListOutcome listXml = ListOutcome::NotRun;
    GameInfoResult database;
    // The database was whole: only crcinfo.txt was missing, and only it is being made.
    bool checksumsOnly = false;
    // The new database is in place: MAME's machine list was complete and the build gave at least
    // one game. Only then may the stored MAME size become the current one; otherwise the
    // previous database stays and the next start tries again. (The checksum list may still be
    // on its way: a missing crcinfo.txt is made at the next start.)
    bool succeeded() const
    {
        return commandsRan && (checksumsOnly || (database.ok && database.games > 0));
    }
};

// The first build (a database file is missing): MAME's lists (listxml.txt, crcinfo.txt,
// showusage.txt and showconfig.txt, side by side), the database, the favourites check. No old
// copies, no reports deleted. What went wrong is said in one message: MAME's output incomplete
// (and the disk full, when it is), the build failed, or the list held no game; the previous
// database is kept. When crcinfo.txt is the only file missing (the program ended while it was
// being made), only the checksum list is made.
RebuildResult firstBuild(const DatabaseSetup& setup, ProgressSink& progress);

// After a new MAME: the old lists are kept as oldlistxml.txt and oldcrcinfo.txt (and the ROM
// states of the audits as oldromstatus.txt, see RomStatus), then the first
// build's steps run, then newroms.txt and whatsnew.txt are deleted. The caller stores the new
// size of mame once the result succeeded().
//
// The old copies are made once per new MAME, and only of a whole pair: reports/rotation.txt
// records the size of the mame they were made for, so a rebuild that was interrupted (Velmora
// killed, the lists incomplete) resumes without copying the new MAME's lists over the previous
// version's, and a crcinfo.txt that was never finished leaves the previous pair in place.
RebuildResult rebuildAfterChange(const DatabaseSetup& setup, ProgressSink& progress);

// At start-up with a database in place: removes what a command ended with a killed Velmora left
// behind and, when reports/showusage.txt or showconfig.txt is missing, asks MAME for it (quick
// commands).
void checkMameReports(const DatabaseSetup& setup);

// Says that MAME's checksum list came out incomplete (and the disk full, when it is), when it
// did; nothing otherwise.
void reportChecksumListEnd(ListOutcome outcome, const QString& diskProblem);

// The database could not be loaded (`loadError` is the loader's message). When gameinfo.txt
// exists, asks "Rebuild it now?" and on Yes builds it again: from listxml.txt when that list is
// complete, else from new lists of MAME. True when a new database is in place, so the lists may
// be loaded again; false when the user declined or the rebuild failed.
bool offerDatabaseRebuild(const DatabaseSetup& setup, const QString& loadError,
                          ProgressSink& progress);

enum class RefreshOutcome
{
    Unchanged,     // MAME is as it was: no MAME command ran
    Rebuilt,       // a new MAME was found and the database rebuilt; MAMESize written
    RebuildFailed, // a new MAME was found but no new database came of it; MAMESize kept
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
