#pragma once
// MAME's own lists under reports/ and the files that tell when MAME has changed.
//
// listxml.txt (the machine list) and crcinfo.txt (the ROM checksums) are made by MAME; each is
// taken only when MAME's output is complete: MAME writes into "<name>.part", which replaces the
// list once it is complete (the machine list ends with its closing </mame>, the checksum list is
// not empty). An incomplete output leaves the list missing, so the next start asks MAME again.
// The "old" copies keep the previous lists for the What's Changed reports.
//
// showusage.txt is MAME's own account of the options it accepts (`mame -showusage`), asked for
// with the lists and read by the settings to learn what the installed MAME knows; showconfig.txt
// is its running configuration (`mame -showconfig`), asked for at the same time, where the game
// launch finds MAME's own plugin search path.
#include "app/ProgramPaths.h"
#include "app/Progress.h"
#include "gamedb/ExecCmd.h"

#include <QString>

namespace velmora {

class ChecksumList;

inline const QString kShowConfigFile = QStringLiteral("showconfig.txt");
// MAME shows its configuration in a moment; one that has not within this time is stopped.
inline constexpr int kShowConfigTimeLimitMs = 10000;

enum class ListOutcome
{
    Taken,      // MAME's output was complete and is now the list
    Incomplete, // MAME's output was cut short or empty; the list is now missing
    NotRun      // the command could not be run (ExecCmd showed why); the list is as it was
};

// "Creating listxml.txt...", then `mame -listxml` into reports/listxml.txt.
ListOutcome CreateListXml(const ProgramPaths& paths, const QString& mameFolder,
                          ProgressSink& progress);
// "Creating crcinfo.txt...", then `mame -listcrc` into reports/crcinfo.txt.
ListOutcome CreateCrcInfo(const ProgramPaths& paths, const QString& mameFolder,
                          ProgressSink& progress);

// MAME's lists of one round: the machine list, the checksum list and the two reports, asked for
// side by side (each into its own temporary file) so the wait is the slowest of them.
struct MameListsResult
{
    ExecOutcome exec = ExecOutcome::Ran;
    ListOutcome listXml = ListOutcome::NotRun;
    // NotRun while the checksum list is still being made behind the window.
    ListOutcome crcInfo = ListOutcome::NotRun;
    ListOutcome usage = ListOutcome::NotRun;
    ListOutcome config = ListOutcome::NotRun;
    // When a list was incomplete for want of room: the system's text for it ("No space left on
    // device"); otherwise empty.
    QString diskProblem;

    bool listsTaken() const
    {
        return listXml == ListOutcome::Taken && crcInfo == ListOutcome::Taken;
    }
    // Which of listxml.txt and crcinfo.txt MAME did not finish, joined by " and ".
    QString incompleteLists() const;
};

// "Creating listxml.txt...", then -listxml, -listcrc, -showusage and -showconfig at once. Returns
// when the machine list and the reports are done, the machines listed so far counted on
// `progress` meanwhile; the checksum list goes on in `checksums`. Once the machine list is taken
// while the checksum list is still being made, the earlier crcinfo.txt is removed: it no longer
// goes with the machine list. A command that could not run, or the program's end, stops them all
// and leaves every list as it was.
MameListsResult CreateMameLists(const ProgramPaths& paths, const QString& mameFolder,
                                ProgressSink& progress, ChecksumList& checksums);
// The same, waiting for the checksum list as well ("Creating crcinfo.txt...").
MameListsResult CreateMameLists(const ProgramPaths& paths, const QString& mameFolder,
                                ProgressSink& progress);

// MAME's reports missing from reports/ (showusage.txt, showconfig.txt), asked for side by side
// (quick commands).
void CreateMissingReports(const ProgramPaths& paths, const QString& mameFolder);

// Removes the temporary files of a MAME command that was ended together with a killed Velmora.
void removeUnfinishedLists(const ProgramPaths& paths);

// The temporary file MAME writes a list into: "<list>.part".
QString partialListFile(const QString& list);
// Puts MAME's output (the list's temporary file) in place of the list when `isComplete` says it
// is complete; otherwise removes both, so the list is missing.
ListOutcome takeListOutput(const QString& list, bool (*isComplete)(const QString&));
// "No space left on device" when the reports folder's disk is full; otherwise empty.
QString fullDiskProblem(const ProgramPaths& paths);

// Copy listxml.txt over oldlistxml.txt (crcinfo.txt over oldcrcinfo.txt) when it exists. False
// when a list exists and could not be copied.
bool KeepOldListXml(const ProgramPaths& paths);
bool KeepOldCrcInfo(const ProgramPaths& paths);
// The old copies after a new MAME, always as a pair of one version: listxml.txt and crcinfo.txt
// are copied together; when crcinfo.txt is missing (its making was cut short) the old copies
// stay as they are. False when a copy could not be made.
bool KeepOldLists(const ProgramPaths& paths);

// Deletes newroms.txt and whatsnew.txt: after a change they describe the previous one.
void deleteStaleChangeReports(const ProgramPaths& paths);

bool isCompleteMachineList(const QString& file);
bool isCompleteChecksumList(const QString& file);

// Size in bytes of `mame` in the MAME folder; a link (Debian's MAME folder holds a link to
// /usr/games/mame) gives its target's size. 0 when there is no such file.
qint32 currentMameSize(const QString& mameFolder);

// MAME has changed when its size differs from the stored one; a stored size of 0 means unknown
// and never counts as a change.
bool isMameChanged(qint32 storedSize, qint32 currentSize);

// Whether any of listxml.txt, gameinfo.txt, crcinfo.txt and resource.txt is missing.
bool derivedFilesMissing(const ProgramPaths& paths);
// Whether crcinfo.txt is the only one missing: the database is whole, the checksum list was not
// finished.
bool onlyChecksumListMissing(const ProgramPaths& paths);

} // namespace velmora
