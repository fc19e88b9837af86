#include "launch/GameAudit.h"

#include "gamedb/MameCommands.h"
#include "launch/ReportText.h"

#include <QDir>
#include <QFile>

namespace velmora {
namespace {

const QLatin1String kCrLf("\r\n");

void appendLines(QString& text, const QStringList& lines)
{
    for (const QString& line : lines)
        text += line + kCrLf;
}

// Runs one audit command into `file` and returns the file's lines; the file is removed.
QStringList auditLines(const QString& command, const QString& file, const CommandRunner& exec)
{
    QFile::remove(file);
    if (exec)
        exec(command, WindowStyle::Minimised);
    const QStringList lines = readReportLines(file);
    QFile::remove(file);
    return lines;
}

} // namespace

GameAuditReport gameAuditReport(const QStringList& verifyRoms, const QStringList& listRoms,
                                const QStringList& verifySamples, const QStringList& listSamples)
{
    GameAuditReport report;
    report.romsHeading = 0;
    report.text = kRomsHeading + kCrLf + kCrLf;
    appendLines(report.text, verifyRoms);
    appendLines(report.text, listRoms);
    report.text += kCrLf + kCrLf;
    report.samplesHeading = report.text.size();
    report.text += kSamplesHeading + kCrLf + kCrLf;
    appendLines(report.text, verifySamples);
    appendLines(report.text, listSamples);
    return report;
}

QStringList runRomVerify(const QString& rom, const ProgramPaths& paths, const CommandRunner& exec)
{
    QDir().mkpath(paths.reportsFolder());
    const QString temp1 = paths.report(QStringLiteral("temp1.txt"));
    return auditLines(MameCommands::verifyRoms(rom, temp1), temp1, exec);
}

GameAuditReport runGameAudit(const QString& rom, const ProgramPaths& paths,
                             const CommandRunner& exec)
{
    QDir().mkpath(paths.reportsFolder());
    const QString temp1 = paths.report(QStringLiteral("temp1.txt"));
    const QString temp2 = paths.report(QStringLiteral("temp2.txt"));
    const QString temp3 = paths.report(QStringLiteral("temp3.txt"));
    const QString temp4 = paths.report(QStringLiteral("temp4.txt"));
    // MAME runs in this order; the report shows the ROM texts first.
    const QStringList verifyRoms = auditLines(MameCommands::verifyRoms(rom, temp1), temp1, exec);
    const QStringList verifySamples =
        auditLines(MameCommands::verifySamples(rom, temp2), temp2, exec);
    const QStringList listRoms = auditLines(MameCommands::listRoms(rom, temp3), temp3, exec);
    const QStringList listSamples = auditLines(MameCommands::listSamples(rom, temp4), temp4, exec);
    return gameAuditReport(verifyRoms, listRoms, verifySamples, listSamples);
}

} // namespace velmora
