#include "ui/CommandWiring.h"

#include "emulator_settings/DefineCombos.h"
#include "emulator_settings/InstalledOptions.h"
#include "emulator_settings/MameIni.h"
#include "emulator_settings/RebuildSettings.h"
#include "gamedb/ChecksumList.h"
#include "gamedb/DatabaseUpdate.h"
#include "launch/LaunchServices.h"
#include "launch/ResetPlayHistory.h"
#include "platform/Seams.h"
#include "ui/FavoritesCommands.h"
#include "ui/HelpController.h"
#include "ui/InfoCommands.h"
#include "ui/LaunchController.h"
#include "ui/MainWindow.h"
#include "ui/MameDiffController.h"
#include "ui/OptionsDialog.h"
#include "ui/RebuildReportView.h"
#include "ui/SettingsPanel.h"
#include "ui/StartUp.h"
#include "ui/StatusPanels.h"
#include "ui/WhatsChangedController.h"

#include <QAction>
#include <QPushButton>
#include <QTextEdit>
#include <memory>

namespace velmora {
namespace {

// The favourites check reports on the same window as the build it follows.
DatabaseSetup databaseSetup(MainWindow& window, AppState& state, ProgressSink& progress)
{
    return DatabaseSetup{state.paths, state.prefs.folder(DataFolder::MAME),
                         favoritesCheck(window, state, progress), state.checksumList};
}

LaunchWindowHooks launchHooks(MainWindow& window)
{
    LaunchWindowHooks hooks;
    hooks.selectedGame = [&window] { return window.currentGame(); };
    hooks.getSelectedIndex = [&window] { window.GetSelectedIndex(); };
    hooks.loadShot = [&window] { window.LoadShot(); };
    hooks.disableFormButtons = [&window] { window.DisableFormButtons(); };
    hooks.hideGameArt = [&window] { window.hideGameArt(); };
    hooks.statusText = [&window](int panel) { return window.statusPanel(panel); };
    hooks.setStatusText = [&window](int panel, const QString& text) {
        window.setStatusPanel(panel, text);
    };
    hooks.showReportStatusBar = [&window](bool shown) { window.showReportStatusBar(shown); };
    hooks.takeSelectedUninstalledRow = [&window] { return window.takeSelectedUninstalledRow(); };
    hooks.addNewRomToInstalled = [&window] { window.addNewRomToInstalled(); };
    hooks.playHistoryChanged = [&window] { window.playHistoryChanged(); };
    hooks.romStatesChanged = [&window] { window.romStatesChanged(); };
    hooks.knownSets = [&window] { return window.loadedSetNames(); };
    return hooks;
}

void wireLaunch(MainWindow& window, AppState& state)
{
    auto* launch = new LaunchController(
        window, state, launchHooks(window),
        launchServicesFor(state.prefs, state.paths, state.playHistory), &window);
    MainWindow::Commands& c = window.commands();
    c.play = [launch] { launch->cmdPlay_Click(); };
    c.verify = [launch] { launch->cmdVerify_Click(); };
    c.mameIni = [launch] { launch->showMameIni(); };
    c.listBadSets = [launch] { launch->listBadSets(); };
    c.printReport = [launch] { launch->printReport(); };
    c.verifyAllRoms = [launch] { launch->mnuReportsVerifyRoms_Click(); };
    c.verifyAllSamples = [launch] { launch->mnuReportsVerifySamples_Click(); };
    c.lastRomsReport = [launch] { launch->mnuReportsLastRom_Click(); };
    c.verifyFavoriteRoms = [launch] { launch->mnuReportsVerifyFavoriteRoms_Click(); };
    c.lastSamplesReport = [launch] { launch->mnuReportsLastSample_Click(); };
    c.autoRunChanged = [launch](bool) { launch->chkAutoRun_Click(); };
    c.recordChanged = [launch](bool) { launch->chkRecord_Click(); };
    c.playbackChanged = [launch](bool) { launch->chkPlayback_Click(); };
    c.leavingReportPanel = [launch] { launch->returnToGameList(); };
    c.resetPlayHistory = [&window, &state] {
        const SelectedGame game = window.currentGame();
        if (!game.rom.isEmpty() &&
            resetPlayHistory(*state.playHistory, state.paths.setting(kPlayHistoryFile), game.rom,
                             game.description))
            window.playHistoryChanged();
    };
}

// The settings editor takes the window: the report status bar, no game art, the list frame off.
void openSettingsPanel(MainWindow& window, SettingsPanel* panel)
{
    window.showStatusBar(1);
    window.hideGameArt();
    window.DisableFormButtons();
    window.bringPanelToFront(panel);
}

// OK and Cancel give the window back: the selected game is shown again (its art, its settings
// and the boxes it allows), and the report status bar loses the game it showed.
void closeSettingsPanel(MainWindow& window)
{
    window.statusBarElement(1)->setText(2, QString());
    window.statusBarElement(1)->setText(3, QString());
    window.showStatusBar(0);
    window.showListPanel();
    window.enableGameButtons();
    window.GetSelectedIndex();
    window.showSelectedGameAgain();
}

void wireSettings(MainWindow& window, AppState& state, StartUp& startUp,
                  std::shared_ptr<OptionLists> lists)
{
    auto* panel = new SettingsPanel(state.paths, &window);
    window.setSettingsPanel(panel);
    startUp.hooks().defineCombos = [&state, panel, lists] {
        if (!DefineCombos(state.paths.report(QStringLiteral("resource.txt")),
                          state.prefs.folder(DataFolder::Artwork), lists.get())
                 .ok)
            return;
        const std::optional<MameUsage> usage =
            MameUsage::fromFile(state.paths.report(kShowUsageFile));
        const MameUsage* mame = usage ? &*usage : nullptr;
        adaptListsToMame(lists.get(), mame, state.prefs.folder(DataFolder::Ctrlr));
        panel->setLists(*lists);
        panel->setKnownOptions(knownOptions(mame));
    };
    MainWindow::Commands& c = window.commands();
    c.raster = [&window, panel] {
        openSettingsPanel(window, panel);
        panel->openRaster();
    };
    c.vector = [&window, panel] {
        openSettingsPanel(window, panel);
        panel->openVector();
    };
    c.custom = [&window, panel] {
        const SelectedGame game = window.currentGame();
        if (game.rom.isEmpty())
            return;
        openSettingsPanel(window, panel);
        window.statusBarElement(1)->setText(2, game.description);
        window.statusBarElement(1)->setText(3, game.rom);
        panel->openCustom(game);
    };
    QObject::connect(panel, &SettingsPanel::closed, &window,
                     [&window](bool) { closeSettingsPanel(window); });
    QObject::connect(panel, &SettingsPanel::settingsStatusChanged, &window,
                     [&window](const QString& text) { window.setStatusPanel(6, text); });

    c.rebuildSettings = [&window, &state, lists] {
        if (confirmRebuildSettings(state.paths) != RebuildStart::Confirmed)
            return;
        window.showReportPanel(QStringLiteral("Rebuild Settings"));
        window.hideGameArt();
        QPushButton* back = window.button(QStringLiteral("cmdGameList"));
        if (back)
            back->setEnabled(false);
        ProgressBarRebuildProgress progress(window.progressBar(), [&window](const QString& text) {
            window.statusBarElement(1)->setText(1, text);
        });
        window.showStatusBar(1);
        const RebuildReport report = RebuildSettings(state.paths, *lists, progress);
        showRebuildReport(window.txtVerify(), report.text);
        if (back) {
            back->setEnabled(true);
            back->setFocus();
        }
    };
    c.rebuildSettingsReport = [&window, &state] {
        if (const auto text = loadRebuildSettingsReport(state.paths)) {
            window.showReportPanel(QStringLiteral("Rebuilt Settings Report"));
            window.hideGameArt();
            window.showStatusBar(1);
            showRebuildReport(window.txtVerify(), *text);
            if (QPushButton* back = window.button(QStringLiteral("cmdGameList")))
                back->setFocus();
        }
    };
}

void wireOptions(MainWindow& window, AppState& state)
{
    window.commands().options = [&window, &state] {
        const Preferences before = state.prefs;
        window.setOptionsDialogPaths(before.folder(DataFolder::MAME),
                                     before.folder(DataFolder::ROMs),
                                     before.folder(DataFolder::AdditionalROMs));
        OptionsDialog dialog(before, state.paths.optionsIni(), OptionsDialog::Occasion::Tools,
                             &window);
        dialog.exec();
        if (dialog.cancelled())
            return;
        state.prefs = dialog.preferences();
        const OptionsApplyDecision decision = dialog.applyDecision();
        window.applyListAppearance(state.prefs);
        if (decision.refreshLists)
            window.onViewRefresh();
        else if (decision.reloadScreenshot)
            window.LoadShot();
        window.CheckFilters();
    };
}

} // namespace

void wireCommands(MainWindow& window, AppState& state, StartUp& startUp)
{
    // Read once; the launch adds to it and the lists show it.
    state.playHistory =
        std::make_shared<PlayHistory>(PlayHistory::fromFile(state.paths.setting(kPlayHistoryFile)));
    // The checksum list a build leaves running ends with the window, at the latest.
    state.checksumList = new ChecksumList(&window);
    StartUp::Hooks& hooks = startUp.hooks();
    hooks.mameSize = currentMameSize;
    hooks.rebuildAfterChange = [&window, &state](ProgressSink& progress) {
        return rebuildAfterChange(databaseSetup(window, state, progress), progress).succeeded();
    };
    hooks.firstBuild = [&window, &state](ProgressSink& progress) {
        return firstBuild(databaseSetup(window, state, progress), progress).succeeded();
    };
    // Only MAME's option list is asked for here; no database is built, so no favourites check.
    hooks.checkMameReports = [&state] {
        checkMameReports(DatabaseSetup{state.paths, state.prefs.folder(DataFolder::MAME), {}});
    };
    window.commands().refreshDatabase = [&window, &state](ProgressSink& wait) {
        refreshDatabase(databaseSetup(window, state, wait), &state.prefs.mameSize, wait);
    };
    window.commands().offerDatabaseRebuild = [&window, &state](const QString& error,
                                                               ProgressSink& progress) {
        return offerDatabaseRebuild(databaseSetup(window, state, progress), error, progress);
    };
    wireLaunch(window, state);
    wireSettings(window, state, startUp, std::make_shared<OptionLists>());
    wireOptions(window, state);
    wireWhatsChanged(window, state);
    wireInfo(window, state);
    wireMameDiff(window, state);
    wireHelp(window, state, startUp);
    wireFavorites(window, state);
}

} // namespace velmora
