#include "gamedb/GameDatabaseBuilder.h"

#include "gamedb/DatabaseOutput.h"
#include "gamedb/GameListReader.h"
#include "gamedb/LineReader.h"
#include "gamedb/MachineListReader.h"
#include "gamedb/ReplacedFile.h"
#include "platform/MessageBox.h"

#include <QFile>

namespace velmora {
namespace {

GameInfoResult failure(GameInfoResult result, const QString& description, qint64 lineNumber)
{
    result.ok = false;
    result.error = QStringLiteral("Error In CreateGameInfo: ") + description +
                   QStringLiteral("\rLine Number: ") + QString::number(lineNumber);
    return result;
}

ListReadResult readList(ListLayout layout, LineReader& lines, DatabaseOutput& out)
{
    if (layout == ListLayout::MachineElements)
        return MachineListReader().read(lines, out);
    return GameListReader().read(lines, out);
}

GameInfoResult buildDatabase(const ProgramPaths& paths, ProgressSink& progress)
{
    GameInfoResult result;
    const QString listXml = paths.report(QStringLiteral("listxml.txt"));
    LineReader lines;
    QString error;
    if (!lines.open(listXml, &error))
        return failure(result, error, 0);
    result.layout = detectListLayout(lines);

    ReplacedFile gameInfo(paths.report(QStringLiteral("gameinfo.txt")));
    ReplacedFile resource(paths.report(QStringLiteral("resource.txt")));
    if (!gameInfo.open())
        return failure(result, gameInfo.errorString(), 0);
    if (!resource.open())
        return failure(result, resource.errorString(), 0);

    DatabaseOutput out{gameInfo, resource, progress};
    const ListReadResult read = readList(result.layout, lines, out);
    result.games = out.games;
    result.refused = out.refused;
    // A list at fault, or one without a single game, leaves the previous database in place.
    if (lines.failed() || read || out.games == 0) {
        gameInfo.discard();
        resource.discard();
        if (lines.failed())
            return failure(result, lines.errorString(), lines.lineNumber() + 1);
        if (read)
            return failure(result, read->description, read->lineNumber);
        result.ok = true;
        return result;
    }
    if (!gameInfo.commit())
        return failure(result, gameInfo.errorString(), lines.lineNumber());
    if (!resource.commit())
        return failure(result, resource.errorString(), lines.lineNumber());
    result.ok = true;
    return result;
}

} // namespace

GameInfoResult CreateGameInfo(const ProgramPaths& paths, ProgressSink& progress)
{
    progress.setMessage(QStringLiteral("Creating gameinfo.txt..."));
    progress.repaint();
    const QString resource = paths.report(QStringLiteral("resource.txt"));
    if (QFile::exists(resource))
        copyFileOver(resource, paths.report(QStringLiteral("oldresource.txt")));
    const GameInfoResult result = buildDatabase(paths, progress);
    progress.setMessage(QString());
    progress.repaint();
    return result;
}

QString refusedMachinesMessage(int refused)
{
    if (refused == 1)
        return QStringLiteral("1 machine of M.A.M.E.'s machine list was left out of the game "
                              "database: its short name cannot be used as a file name or on "
                              "M.A.M.E.'s command line.");
    return QStringLiteral("%1 machines of M.A.M.E.'s machine list were left out of the game "
                          "database: their short names cannot be used as file names or on "
                          "M.A.M.E.'s command line.")
        .arg(refused);
}

GameInfoResult createGameInfoReportingErrors(const ProgramPaths& paths, ProgressSink& progress)
{
    const GameInfoResult result = CreateGameInfo(paths, progress);
    if (!result.ok)
        platform::showMessage(result.error, QStringLiteral("Velmora"),
                              platform::MessageIcon::Critical);
    return result;
}

} // namespace velmora
