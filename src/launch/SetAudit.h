#pragma once
// The all-sets audits: Verify All ROMs and Verify All Samples ask MAME to check every set it
// knows ("mame * -verifyroms") into reports/roms.txt or reports/samples.txt, which are kept and
// shown again by Last ROMs Report and Last Samples Report.
#include "app/ProgramPaths.h"
#include "launch/GameAudit.h"
#include "launch/MoveSummary.h"

#include <QString>
#include <optional>

namespace velmora {

enum class SetKind
{
    Roms,
    Samples
};

// What differs between the ROM and the sample audit.
struct SetAuditKind
{
    QString verifyCaption; // the panel caption of a fresh report: "Verify All ROMs"
    QString lastCaption;   // the caption of a saved report: "Last ROMs Report"
    QString reportFile;    // "roms.txt"
    QString missingReport; // the message when the saved report does not exist
    SummaryMode summary;
};
const SetAuditKind& setAuditKind(SetKind kind);

// "This could take a long time.  Do you want to continue?" (Confirm Continue): true on Yes.
bool confirmSetAudit();

// Runs the audit of every set (MAME's window shown normally, so the user sees it work) and returns
// the report as MAME wrote it, with CR LF line ends; empty when MAME wrote nothing.
QString runSetAudit(SetKind kind, const ProgramPaths& paths, const CommandRunner& exec);

// The saved report, or nothing after telling the user that there is none yet.
std::optional<QString> lastSetReport(SetKind kind, const ProgramPaths& paths);

} // namespace velmora
