#include "launch/SetAudit.h"

#include "gamedb/MameCommands.h"
#include "launch/ReportText.h"
#include "platform/Seams.h"

#include <QDir>
#include <QFileInfo>

namespace velmora {

const SetAuditKind& setAuditKind(SetKind kind)
{
    static const SetAuditKind roms{
        QStringLiteral("Verify All ROMs"), QStringLiteral("Last ROMs Report"),
        QStringLiteral("roms.txt"),
        QStringLiteral("Cannot find ROMs report.  You can create one from the Reports pull-down "
                       "menu above."),
        SummaryMode::Roms};
    static const SetAuditKind samples{
        QStringLiteral("Verify All Samples"), QStringLiteral("Last Samples Report"),
        QStringLiteral("samples.txt"),
        QStringLiteral("Cannot find Samples report.  You can create one from the Reports "
                       "pull-down menu above."),
        SummaryMode::Samples};
    return kind == SetKind::Roms ? roms : samples;
}

bool confirmSetAudit()
{
    using namespace platform;
    return showMessage(QStringLiteral("This could take a long time.  Do you want to continue?"),
                       QStringLiteral("Confirm Continue"), MessageIcon::Question,
                       MessageButtons::YesNo, MessageAnswer::Yes) == MessageAnswer::Yes;
}

QString runSetAudit(SetKind kind, const ProgramPaths& paths, const CommandRunner& exec)
{
    QDir().mkpath(paths.reportsFolder());
    const QString report = paths.report(setAuditKind(kind).reportFile);
    const QString command = kind == SetKind::Roms ? MameCommands::verifyAllRoms(report)
                                                  : MameCommands::verifyAllSamples(report);
    if (exec)
        exec(command, WindowStyle::Normal);
    return readReportText(report);
}

std::optional<QString> lastSetReport(SetKind kind, const ProgramPaths& paths)
{
    const SetAuditKind& k = setAuditKind(kind);
    const QString report = paths.report(k.reportFile);
    if (!QFileInfo(report).isFile()) {
        platform::showMessage(k.missingReport, k.lastCaption, platform::MessageIcon::Information);
        return std::nullopt;
    }
    return readReportText(report);
}

} // namespace velmora
