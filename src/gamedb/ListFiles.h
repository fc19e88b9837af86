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
// with the lists and read by the settings to learn what the installed MAME knows.
#include "app/ProgramPaths.h"
#include "app/Progress.h"
#include "gamedb/ExecCmd.h"

#include <QString>

namespace velmora {

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

// MAME's lists of one round: the machine list, the checksum list and the usage report, asked
// for side by side (each into its own temporary file) so the wait is the slowest of them.
struct MameListsResult
{
    ExecOutcome exec = ExecOutcome::Ran;
    ListOutcome listXml = ListOutcome::NotRun;
    ListOutcome crcInfo = ListOutcome::NotRun;
    ListOutcome usage = ListOutcome::NotRun;
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

// "Creating listxml.txt...", then -listxml, -listcrc and -showusage at once; when the machine
// list is done while the checksum list is still being made, "Creating crcinfo.txt...".
MameListsResult CreateMameLists(const ProgramPaths& paths, const QString& mameFolder,
                                ProgressSink& progress);

// `mame -showusage` alone into reports/showusage.txt (a quick command).
ListOutcome CreateUsageReport(const ProgramPaths& paths, const QString& mameFolder);

// Removes the temporary files of a MAME command that was ended together with a killed Velmora.
void removeUnfinishedLists(const ProgramPaths& paths);

// Copy listxml.txt over oldlistxml.txt (crcinfo.txt over oldcrcinfo.txt) when it exists. False
// when a list exists and could not be copied.
bool KeepOldListXml(const ProgramPaths& paths);
bool KeepOldCrcInfo(const ProgramPaths& paths);

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

} // namespace velmora
