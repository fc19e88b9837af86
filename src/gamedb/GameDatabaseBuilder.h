#pragma once
// The game database builder: turns reports/listxml.txt, MAME's machine list, into
// reports/gameinfo.txt (one 17-field record per game) and reports/resource.txt (the lines of the
// resource sets, for the BIOS choices of the settings panel). Both layouts of the list are read;
// the layout is taken from the list itself.
#include "app/ProgramPaths.h"
#include "app/Progress.h"
#include "gamedb/ListLayout.h"

#include <QString>

namespace velmora {

struct GameInfoResult
{
    bool ok = false;
    // When the build failed: "Error In CreateGameInfo: <description>" CR "Line Number: <n>", where
    // n is the line of listxml.txt at which it stopped (0 before the first line was read).
    QString error;
    int games = 0;   // records written to gameinfo.txt
    int refused = 0; // machines left out because their short name is not safe (RomSetName.h)
    ListLayout layout = ListLayout::GameElements;
};

// Builds the database. Progress goes to `progress` ("Creating gameinfo.txt...", then
// "Creating resource.txt...", emptied at the end). Copies the previous resource.txt to
// oldresource.txt first. gameinfo.txt and resource.txt are replaced only by complete files of a
// list that was read to its end and gave at least one game; a list at fault (no resource sets, a
// value not where the layout puts it, a list cut short) or without a game (ok, games 0) leaves
// the previous database in place. A machine whose short name is not safe as a file name and a
// command-line word is left out and counted.
GameInfoResult CreateGameInfo(const ProgramPaths& paths, ProgressSink& progress);

// What the user is told when a build left machines out (`refused` above 0).
QString refusedMachinesMessage(int refused);

// CreateGameInfo for the program's callers: a failure is shown as a message box (title "Velmora",
// critical icon) and the program goes on.
GameInfoResult createGameInfoReportingErrors(const ProgramPaths& paths, ProgressSink& progress);

} // namespace velmora
