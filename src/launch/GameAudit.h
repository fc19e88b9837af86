#pragma once
// Game Audit: MAME checks the selected game's ROM and sample files. Four one-game commands write
// reports/temp1.txt to temp4.txt (-verifyroms, -verifysamples, -listroms, -listsamples); their
// lines become one text under the headings "ROMs" and "Samples", and the files are removed.
#include "app/ProgramPaths.h"
#include "gamedb/ExecCmd.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace velmora {

using CommandRunner = std::function<ExecOutcome(const QString& command, WindowStyle style)>;

struct GameAuditReport
{
    QString text; // CR LF line ends
    // Where the two headings stand in the text, so the panel can make them bold.
    qsizetype romsHeading = 0;
    qsizetype samplesHeading = 0;
};

inline const QString kRomsHeading = QStringLiteral("ROMs");
inline const QString kSamplesHeading = QStringLiteral("Samples");

// "ROMs", a blank line, the lines of the ROM audit and of the ROM list; two blank lines, "Samples",
// a blank line, the lines of the sample audit and of the sample list. Every line ends in CR LF.
GameAuditReport gameAuditReport(const QStringList& verifyRoms, const QStringList& listRoms,
                                const QStringList& verifySamples, const QStringList& listSamples);

// The ROM part of Game Audit alone: MAME's -verifyroms lines for `rom` (through temp1.txt, which
// is removed), for audits of many sets one by one.
QStringList runRomVerify(const QString& rom, const ProgramPaths& paths, const CommandRunner& exec);

// Runs the four commands for `rom` (minimised, one after another) and builds the report.
GameAuditReport runGameAudit(const QString& rom, const ProgramPaths& paths,
                             const CommandRunner& exec);

} // namespace velmora
