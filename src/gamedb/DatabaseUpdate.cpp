#include "gamedb/DatabaseUpdate.h"

#include "app/IniFile.h"
#include "app/Preferences.h"
#include "platform/MessageBox.h"

namespace velmora {
namespace {

RebuildResult makeListsAndDatabase(const DatabaseSetup& setup, ProgressSink& progress)
{
    RebuildResult result;
    result.listXml = CreateListXml(setup.paths, setup.mameFolder, progress);
    if (result.listXml == ListOutcome::NotRun)
        return result;
    result.crcInfo = CreateCrcInfo(setup.paths, setup.mameFolder, progress);
    if (result.crcInfo == ListOutcome::NotRun)
        return result;
    result.commandsRan = true;
    result.database = createGameInfoReportingErrors(setup.paths, progress);
    // A database cut short would drop every favourite it does not reach.
    if (setup.checkFavorites && result.database.ok)
        setup.checkFavorites();
    return result;
}

void run(const std::function<void()>& step)
{
    if (step)
        step();
}

} // namespace

RebuildResult firstBuild(const DatabaseSetup& setup, ProgressSink& progress)
{
    return makeListsAndDatabase(setup, progress);
}

RebuildResult rebuildAfterChange(const DatabaseSetup& setup, ProgressSink& progress)
{
    KeepOldListXml(setup.paths);
    KeepOldCrcInfo(setup.paths);
    const RebuildResult result = makeListsAndDatabase(setup, progress);
    if (result.commandsRan)
        deleteStaleChangeReports(setup.paths);
    return result;
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
        if (rebuildAfterChange(setup, wait).commandsRan) {
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
