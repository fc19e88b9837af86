#pragma once
// The MAMEDiff reports: the MAME folder's mamediff compares the machine list of the MAME before the
// last upgrade (reports/oldlistxml.txt) with today's (reports/listxml.txt) and leaves its report
// in mamediff.log in the MAME folder. These routines check the lists, run the tool, and turn its
// log into the text of the report panel; no file of the tool (mamediff.log, mamediff.out,
// mamediff.tmp) is left in the MAME folder afterwards.
#include "app/ProgramPaths.h"
#include "launch/GameAudit.h"

#include <QByteArray>
#include <QString>

namespace velmora {

enum class MameDiffReport
{
    Summary,
    MergedSplit,
    FullSplit
};

struct MameDiffKind
{
    QString caption; // the report panel's caption: "General Summary"
    QString options; // what the tool is given before the lists: "", "-s " or "-n "
};
const MameDiffKind& mameDiffKind(MameDiffReport report);

// The bold first line of every report: who made the tool.
QString mameDiffCredit();

// Both lists must be there; otherwise the user is told which is missing (title "MAMEDiff").
bool mameDiffListsPresent(const ProgramPaths& paths);

// Runs the tool on the two lists in the MAME folder (its window shown normally). False when the
// command runner failed (it has told the user).
bool runMameDiff(MameDiffReport report, const ProgramPaths& paths, const CommandRunner& exec);

enum class MameDiffOutcome
{
    Report,    // the text is the report
    NoChanges, // the log was empty; the user was told "No changes were found."
    Failed     // the log could not be read; the user was told and the program is ending
};

struct MameDiffText
{
    MameDiffOutcome outcome = MameDiffOutcome::Failed;
    QString text; // CR LF line ends, the tidying done, without the credit line
};

// Reads the log the tool left in `mameFolder`, tidies it through mamediff.tmp, and removes the
// tool's files.
MameDiffText takeMameDiffLog(const QString& mameFolder);

// The tidying of the log's lines: each line trimmed of blanks at both ends, and an empty line
// after every line that starts with "---" (its separators); CR LF line ends.
QByteArray tidyMameDiffLines(const QByteArray& log);
// The separators' runs of twelve hyphens taken out of the text (what is left of a longer run
// stays).
QString removeHyphenRuns(QString text);

} // namespace velmora
