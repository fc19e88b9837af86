#include "app/MameVersion.h"

#include "gamedb/ExecCmd.h"
#include "gamedb/MameCommands.h"

#include <QFile>

namespace velmora {

std::optional<QString> mameVersionFromLine(const QString& line)
{
    if (!line.startsWith(QLatin1String("M.A.M.E.")) && !line.startsWith(QLatin1String("MAME ")))
        return std::nullopt;
    QString shown = line.left(line.indexOf(u'('));
    shown.replace(u'v', QLatin1String("Version "));
    return shown.trimmed();
}

std::optional<QString> mameVersionFromFile(const QString& helpFile)
{
    QFile in(helpFile);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    while (!in.atEnd()) {
        const QString line = QString::fromUtf8(in.readLine()).trimmed();
        if (auto shown = mameVersionFromLine(line))
            return shown;
    }
    return std::nullopt;
}

std::optional<QString> askMameVersion(const ProgramPaths& paths, const QString& mameFolder)
{
    const QString versionFile = paths.report(QStringLiteral("version.txt"));
    if (ExecCmd(MameCommands::help(versionFile), WindowStyle::Minimised, mameFolder) !=
        ExecOutcome::Ran)
        return std::nullopt;
    auto shown = mameVersionFromFile(versionFile);
    QFile::remove(versionFile);
    return shown;
}

} // namespace velmora
