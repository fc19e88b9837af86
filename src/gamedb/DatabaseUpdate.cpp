#include "gamedb/DatabaseUpdate.h"

#include "launch/RomStatus.h"

#include "app/IniFile.h"
#include "app/Preferences.h"
#include "gamedb/ChecksumList.h"
#include "gamedb/ReplacedFile.h"
#include "platform/MessageBox.h"

#include <QFile>

namespace velmora {
namespace {

using platform::MessageIcon;

const QString kTryAgain =
    QStringLiteral("The game database was not changed. Velmora will ask M.A.M.E. again at the "
                   "next start.");

QString rotationMarker(const ProgramPaths& paths)
{
    return paths.report(QStringLiteral("rotation.txt"));
}

void warn(const QString& text, MessageIcon icon = MessageIcon::Exclamation)
{
    platform::showMessage(text, QStringLiteral("Velmora"), icon);
}

QString incompleteOutputText(const QString& lists, const QString& diskProblem)
{
    QString text = QStringLiteral("M.A.M.E.'s output was incomplete: ") + lists +
                   QStringLiteral(" could not be made.");
    if (!diskProblem.isEmpty())
        text += QStringLiteral("\rThe disk is full (") + diskProblem + QStringLiteral(").");
    return text;
}

void reportIncompleteLists(const MameListsResult& lists)
{
    warn(incompleteOutputText(lists.incompleteLists(), lists.diskProblem) + u'\r' + kTryAgain);
}

// The database is built: the checksum list goes on behind the window when the program keeps
// one, otherwise the build waits for it here. Either way an incomplete one is said once.
void finishChecksumList(const DatabaseSetup& setup, ChecksumList& checksums, ProgressSink& progress)
{
    const auto report = [](const ChecksumList& list) {
        reportChecksumListEnd(list.outcome(), list.diskProblem());
    };
    if (setup.checksums)
        checksums.continueBehind(report);
    else if (checksums.waitForEnd(progress) != ListOutcome::NotRun)
        report(checksums);
}

// Builds the database from listxml.txt and says what went wrong. A build that fails or gives no
// game leaves the previous database in place; its machine list is dropped, so the next start
// asks MAME again.
GameInfoResult buildDatabase(const DatabaseSetup& setup, ProgressSink& progress)
{
    const GameInfoResult database = CreateGameInfo(setup.paths, progress);
    if (!database.ok)
        warn(database.error + QStringLiteral("\r\r") + kTryAgain, MessageIcon::Critical);
    else if (database.games == 0)
        warn(QStringLiteral("M.A.M.E.'s machine list holds no game.\r") + kTryAgain);
    if (database.ok && database.games > 0 && database.refused > 0)
        warn(refusedMachinesMessage(database.refused));
    if (!database.ok || database.games == 0)
        QFile::remove(setup.paths.report(QStringLiteral("listxml.txt")));
    return database;
}

RebuildResult makeListsAndDatabase(const DatabaseSetup& setup, ProgressSink& progress)
{
    RebuildResult result;
    ChecksumList own;
    ChecksumList& checksums = setup.checksums ? *setup.checksums : own;
    MameListsResult lists = CreateMameLists(setup.paths, setup.mameFolder, progress, checksums);
    result.listXml = lists.listXml;
    if (lists.exec != ExecOutcome::Ran)
        return result;
    result.commandsRan = true;
    if (lists.listXml != ListOutcome::Taken) {
        // Nothing is built from this round, so its checksum list is not waited for.
        checksums.stop();
        progress.setMessage(QString());
        progress.repaint();
        reportIncompleteLists(lists);
        return result;
    }
    result.database = buildDatabase(setup, progress);
    if (!result.succeeded()) {
        checksums.stop();
        return result;
    }
    if (setup.checkFavorites)
        setup.checkFavorites();
    finishChecksumList(setup, checksums, progress);
    return result;
}

// The database is whole but crcinfo.txt is missing (the program ended while MAME made it): only
// the checksum list is made, with the reports that are missing as well.
RebuildResult makeChecksumList(const DatabaseSetup& setup, ProgressSink& progress)
{
    RebuildResult result;
    result.commandsRan = true;
    result.checksumsOnly = true;
    removeUnfinishedLists(setup.paths);
    ChecksumList own;
    ChecksumList& checksums = setup.checksums ? *setup.checksums : own;
    checksums.start(setup.paths, setup.mameFolder);
    CreateMissingReports(setup.paths, setup.mameFolder);
    finishChecksumList(setup, checksums, progress);
    return result;
}

qint32 markedMameSize(const ProgramPaths& paths)
{
    QFile marker(rotationMarker(paths));
    if (!marker.open(QIODevice::ReadOnly))
        return 0;
    return marker.readAll().trimmed().toInt();
}

// Keeps the previous lists as the old copies, once for each new MAME.
void keepOldListsOnce(const DatabaseSetup& setup)
{
    const qint32 size = currentMameSize(setup.mameFolder);
    if (size != 0 && markedMameSize(setup.paths) == size)
        return; // an interrupted rebuild: the old copies are the previous version's already
    if (!KeepOldLists(setup.paths))
        return;
    QString error;
    // The ROM states stay, marked as from the older MAME: the new one may need new files.
    RomStatus states = RomStatus::under(setup.paths);
    if (!states.keepAsOlderMame(&error))
        reportNotSaved(setup.paths.report(kOldRomStatusFile), error);
    const QString marker = rotationMarker(setup.paths);
    if (!writeFileReplacing(marker, QByteArray::number(size) + "\r\n", &error))
        reportNotSaved(marker, error);
}

void run(const std::function<void()>& step)
{
    if (step)
        step();
}

} // namespace

RebuildResult firstBuild(const DatabaseSetup& setup, ProgressSink& progress)
{
    if (onlyChecksumListMissing(setup.paths))
        return makeChecksumList(setup, progress);
    return makeListsAndDatabase(setup, progress);
}

RebuildResult rebuildAfterChange(const DatabaseSetup& setup, ProgressSink& progress)
{
    keepOldListsOnce(setup);
    const RebuildResult result = makeListsAndDatabase(setup, progress);
    if (result.succeeded())
        deleteStaleChangeReports(setup.paths);
    return result;
}

void checkMameReports(const DatabaseSetup& setup)
{
    removeUnfinishedLists(setup.paths);
    CreateMissingReports(setup.paths, setup.mameFolder);
}

void reportChecksumListEnd(ListOutcome outcome, const QString& diskProblem)
{
    if (outcome != ListOutcome::Incomplete)
        return;
    warn(incompleteOutputText(QStringLiteral("crcinfo.txt"), diskProblem) +
         QStringLiteral("\rVelmora will ask M.A.M.E. again at the next start."));
}

bool offerDatabaseRebuild(const DatabaseSetup& setup, const QString& loadError,
                          ProgressSink& progress)
{
    const QString gameInfo = setup.paths.report(QStringLiteral("gameinfo.txt"));
    if (!QFile::exists(gameInfo))
        return false;
    const platform::MessageAnswer answer = platform::showMessage(
        loadError + QStringLiteral("\r\rThe game database cannot be read. Rebuild it now?"),
        QStringLiteral("Velmora"), MessageIcon::Exclamation, platform::MessageButtons::YesNo,
        platform::MessageAnswer::Yes);
    if (answer != platform::MessageAnswer::Yes)
        return false;
    if (!isCompleteMachineList(setup.paths.report(QStringLiteral("listxml.txt"))))
        return firstBuild(setup, progress).succeeded();
    const GameInfoResult database = buildDatabase(setup, progress);
    const bool rebuilt = database.ok && database.games > 0;
    if (rebuilt && setup.checkFavorites)
        setup.checkFavorites();
    return rebuilt;
}

RefreshOutcome refreshDatabase(const DatabaseSetup& setup, qint32* storedSize, ProgressSink& wait)
{
    RefreshOutcome outcome = RefreshOutcome::Unchanged;
    const qint32 currentSize = currentMameSize(setup.mameFolder);
    if (currentSize == 0) {
        platform::showMessage(QStringLiteral("Cannot find mame!"), QStringLiteral("Refresh"),
                              platform::MessageIcon::Exclamation);
        outcome = RefreshOutcome::MameMissing;
    } else if (isMameChanged(*storedSize, currentSize)) {
        wait.setText(QStringLiteral("A new version of M.A.M.E. was detected."));
        wait.repaint();
        outcome = RefreshOutcome::RebuildFailed;
        if (rebuildAfterChange(setup, wait).succeeded()) {
            *storedSize = currentSize;
            const QString optionsIni = setup.paths.optionsIni();
            writeMameSize(optionsIni, currentSize);
            FlushIni(optionsIni);
            outcome = RefreshOutcome::Rebuilt;
        }
    }
    wait.setText(QStringLiteral("Please wait while Velmora refreshes the game list."));
    wait.repaint();
    return outcome;
}

RefreshOutcome runRefresh(const DatabaseSetup& setup, qint32* storedSize, ProgressSink& wait,
                          const RefreshWindowSteps& window)
{
    run(window.prepare);
    run(window.showWait);
    run(window.clearStatusBar);
    const RefreshOutcome outcome = refreshDatabase(setup, storedSize, wait);
    if (window.loadLists && !window.loadLists())
        return outcome; // the program is ending
    run(window.showView);
    run(window.closeWait);
    run(window.enableCommands);
    return outcome;
}

} // namespace velmora
