#pragma once
// MAME's own lists under reports/ and the files that tell when MAME has changed.
//
// listxml.txt (the machine list) and crcinfo.txt (the ROM checksums) are made by MAME; each is
// taken only when MAME's output is complete: MAME writes into "<name>.part", which replaces the
// list once it is complete (the machine list ends with its closing </mame>, the checksum list is
// not empty). An incomplete output leaves the list missing, so the next start asks MAME again.
// The "old" copies keep the previous lists for the What's Changed reports.
#include "app/ProgramPaths.h"
#include "app/Progress.h"

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
