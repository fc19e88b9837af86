#pragma once
// The program-wide state of one run: where the program lives, the preferences read at start, and
// the flags the windows share (start-up in progress, start aborted, panel busy, cancel requested).
#include "app/Preferences.h"
#include "app/ProgramPaths.h"

#include <memory>

namespace velmora {

class ChecksumList;
class RomStatus;
class PlayHistory;

struct AppState
{
    ProgramPaths paths;
    Preferences prefs;

    bool startupInProgress = false;
    // Set when the first-run Options dialog is cancelled or the folder step of the load fails:
    // the program then ends without writing its view state.
    bool startAborted = false;
    // 1 while a panel other than the game list is in front or a long job runs.
    int panelBusy = 0;
    bool cancelRequested = false;

    // Whether catver.ini and nplayers.ini exist (program folder, then the installed folders;
    // checked once at start).
    bool categoriesPresent = true;
    bool playersPresent = true;

    // The size of mame in the MAME folder, read at start and by Refresh.
    qint32 currentMameSize = 0;

    // MAME's checksum list, made behind the window after a build of the database (owned by the
    // main window; none where nothing is built).
    ChecksumList* checksumList = nullptr;
    // What the audits found for each ROM set (owned by the main window; none in a test that
    // records nothing).
    RomStatus* romStatus = nullptr;

    // How often, how long and when each game was played: read once at start, added to by every
    // game that ends, shown by the lists.
    std::shared_ptr<PlayHistory> playHistory;

    // Seconds since midnight at process start and once the main window was shown.
    double startTime = 0;
    double endTime = 0;
};

} // namespace velmora
