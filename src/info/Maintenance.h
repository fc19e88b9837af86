#pragma once
// The Maintenance screen's work: deleting MAME's per-game files (cfg, nvram, recordings, high
// scores, snapshots) for the current game or for all games, deleting Velmora's reports and
// exported lists, and comparing the ROM folders with the All Games list to offer the files that
// belong to no game for deletion. Every deletion is confirmed first; an answer of No leaves the
// file where it was.
#include "app/Preferences.h"
#include "app/ProgramPaths.h"
#include "info/MachineNames.h"

#include <QSet>
#include <QString>

#include <array>
#include <functional>

namespace velmora {

// The five boxes of "M.A.M.E. Directories" (chkFolder), in index order.
struct GameFileKind
{
    const char* caption;
    DataFolder folder;
    const char* extension;
};
inline constexpr std::array<GameFileKind, 5> kGameFileKinds = {{
    {"Cfg", DataFolder::Cfg, ".cfg"},
    {"Nvram", DataFolder::Nvram, ".nv"},
    {"Inp", DataFolder::Input, ".inp"},
    {"Hi", DataFolder::Hiscore, ".hi"},
    {"Snap", DataFolder::Snapshots, ".png"},
}};

enum class FileScope
{
    AllFiles,   // optAll: every file of the kind in its folder
    CurrentGame // optCurrent: the current game's file
};

// One checked box of "M.A.M.E. Directories": asks, then deletes (or says there is nothing).
// Only files named after a machine of `machines` count ("<game><ext>"): a folder set to a home
// folder or to the MAME folder keeps everything else. Today's MAME keeps a game's non-volatile
// memory in a folder named after the game; that folder goes with the game's .nv file, and all of
// them go with "All Files", each holding only what MAME wrote there (GameEntries.h).
void deleteGameFiles(const Preferences& prefs, const GameFileKind& kind, FileScope scope,
                     const QString& rom, const MachineNames& machines);

// The nine boxes of "Reports && Lists", in the order they are processed.
struct ReportFile
{
    const char* checkBox;
    const char* caption;
    const char* file;
    const char* name; // as the messages name it
    bool anyCase;     // the exported lists are found whatever the letter case of their names
};
inline constexpr std::array<ReportFile, 9> kReportFiles = {{
    {"chkDeleteROMs", "ROMs Report", "roms.txt", "ROMs report", false},
    {"chkDeleteSamples", "Samples Report", "samples.txt", "Samples report", false},
    {"chkDeleteRebuilt", "Rebuild Settings", "rebuilt.txt", "Rebuilt Settings report", false},
    {"chkDeleteAll", "All Games List", "allgames.txt", "All Games list", true},
    {"chkDeleteInstalled", "Installed Games List", "installedgames.txt", "Installed Games list",
     true},
    {"chkDeleteUninstalled", "Uninstalled Games List", "uninstalledgames.txt",
     "Uninstalled Games list", true},
    {"chkDeleteChanges", "Favorite List Changes", "changes.txt", "Favorite List Changes report",
     false},
    {"chkDeleteWhatsChangedROMs", "Whats Changed (ROMs Info)", "newroms.txt",
     "What's Changed (ROMs Info) report", false},
    {"chkDeleteWhatsChanged", "Whats Changed (All Info)", "whatsnew.txt",
     "What's Changed (All Info) report", false},
}};

// One checked box of "Reports && Lists": asks, then deletes (or says there is none).
void deleteReport(const ProgramPaths& paths, const ReportFile& report);

// The two "You must first select" messages.
void noDirectorySelected();
void noReportSelected();

// The ROM compare. The All Games list's archive names: "<rom>.zip" in lower case.
using ArchiveNames = QSet<QString>;

struct RomCompareHooks
{
    // lblFolder: "ROMs Folder", "Additional ROMs Folder", or empty with one folder.
    std::function<void(const QString& label)> folderStarted;
    // The compare of a folder of `count` files begins (progress range, wait pointer, lblText).
    std::function<void(int count)> compareStarted;
    // `done` files of the folder are compared; the window may repaint.
    std::function<void(int done)> advanced;
};

enum class RomCompareResult
{
    NoOrphans,
    OrphansFound,
    Cancelled
};

// Compares the ROMs folder, and the AdditionalROMs folder when it is set and differs from it,
// with the list: every file that is not a listed game's archive is offered for deletion
// (Yes/No/Cancel; Cancel ends the compare at once).
RomCompareResult compareRomFolders(const Preferences& prefs, const ArchiveNames& archives,
                                   const RomCompareHooks& hooks);

// The completion text of lblText; empty after Cancel.
QString romCompareText(RomCompareResult result);

// "pacman.ZIP" -> "Pacman.zip": the first letter of each blank-separated word capitalised, the
// rest small.
QString properCaseWords(const QString& text);

} // namespace velmora
