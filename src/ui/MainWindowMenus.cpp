// The main window's menu bar and right-click menu: every item with its name and caption, and the
// enabling rules evaluated each time a menu opens.
#include "ui/MainWindow.h"

#include "ui/GameListView.h"
#include "ui/GamePictures.h"
#include "ui/MenuRules.h"
#include "ui/StatusPanels.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>

namespace velmora {
namespace {

// The command's name as a user reads it: the caption without its access-key mark and dots.
QString commandTitle(const char* caption)
{
    QString title = QString::fromUtf8(caption);
    title.remove(u'&');
    if (title.endsWith(QLatin1String("...")))
        title.chop(3);
    return title;
}

QMenu* addMenu(QMenu* parent, const char* name, const char* caption)
{
    QMenu* menu = parent->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

void addSeparator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

QAction* item(QMenu* menu, const char* name)
{
    return menu->findChild<QAction*>(QLatin1String(name));
}

void setItemEnabled(QMenu* menu, const char* name, bool enabled)
{
    if (QAction* action = item(menu, name))
        action->setEnabled(enabled);
}

} // namespace

QAction* MainWindow::addCommand(QMenu* menu, const char* name, const char* caption,
                                const std::function<void()>* handler, const QString& title)
{
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QLatin1String(name));
    if (handler) {
        const QString shown = title.isEmpty() ? commandTitle(caption) : title;
        connect(action, &QAction::triggered, this,
                [this, handler, shown] { run(*handler, shown); });
    }
    return action;
}

void MainWindow::buildMenus()
{
    buildFileMenu();
    buildViewMenu();
    buildToolsMenu();
    buildReportsMenu();
    buildHelpMenu();
    buildRightClickMenu();
}

void MainWindow::buildFileMenu()
{
    m_mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    m_mnuFile->setObjectName(QStringLiteral("mnuFile"));
    connect(addCommand(m_mnuFile, "mnuFilePlay", "&Play Game", nullptr, {}), &QAction::triggered,
            this, &MainWindow::onPlay);
    connect(addCommand(m_mnuFile, "mnuFileVerify", "Game &Audit", nullptr, {}), &QAction::triggered,
            this, &MainWindow::onVerify);
    connect(addCommand(m_mnuFile, "mnuFileInfo", "Game &Information", nullptr, {}),
            &QAction::triggered, this, &MainWindow::onInfo);
    addSeparator(m_mnuFile, "mnuFileHyphen1");
    connect(addCommand(m_mnuFile, "mnuFileExport", "&Export List", nullptr, {}),
            &QAction::triggered, this, &MainWindow::onExport);
    addSeparator(m_mnuFile, "mnuFileHyphen2");
    connect(addCommand(m_mnuFile, "mnuFileExit", "E&xit", nullptr, {}), &QAction::triggered, this,
            &MainWindow::onExit);
    connect(m_mnuFile, &QMenu::aboutToShow, this, &MainWindow::enableFileMenu);
}

void MainWindow::buildViewMenu()
{
    m_mnuView = menuBar()->addMenu(QStringLiteral("&View"));
    m_mnuView->setObjectName(QStringLiteral("mnuView"));
    const std::array<std::pair<const char*, const char*>, 3> views = {{
        {"mnuViewAll", "&All Games"},
        {"mnuViewInstalled", "&Installed Games"},
        {"mnuViewUninstalled", "&Uninstalled Games"},
    }};
    for (const auto& [name, caption] : views)
        addCommand(m_mnuView, name, caption, nullptr, {})->setCheckable(true);
    connect(item(m_mnuView, "mnuViewAll"), &QAction::triggered, this, &MainWindow::onViewAll);
    connect(item(m_mnuView, "mnuViewInstalled"), &QAction::triggered, this,
            &MainWindow::onViewInstalled);
    connect(item(m_mnuView, "mnuViewUninstalled"), &QAction::triggered, this,
            &MainWindow::onViewUninstalled);
    connect(addCommand(m_mnuView, "mnuViewRecent", "&Recently Played", nullptr, {}),
            &QAction::triggered, this, &MainWindow::onViewRecentlyPlayed);
    addSeparator(m_mnuView, "mnuViewHyphen1");
    m_mnuViewFavorites = addCommand(m_mnuView, "mnuViewFavorites", "&Favorite Games", nullptr, {});
    m_mnuViewFavorites->setCheckable(true);
    connect(m_mnuViewFavorites, &QAction::triggered, this, &MainWindow::onViewFavorites);
    addSeparator(m_mnuView, "mnuViewHyphen2");
    connect(addCommand(m_mnuView, "mnuViewRefresh", "&Refresh", nullptr, {}), &QAction::triggered,
            this, &MainWindow::onViewRefresh);
    addSeparator(m_mnuView, "mnuViewHyphen3");
    m_mnuViewShots = addCommand(m_mnuView, "mnuViewShots", "&Screen Shots", nullptr, {});
    m_mnuViewShots->setCheckable(true);
    connect(m_mnuViewShots, &QAction::triggered, this, &MainWindow::onViewShots);
    m_pictures = new GamePictures(this);
    m_mnuView->addMenu(m_pictures->menu());
    connect(m_pictures, &GamePictures::kindChosen, this, &MainWindow::onPictureKindChosen);
    // The kinds matter only while the picture is on show.
    connect(m_mnuView, &QMenu::aboutToShow, this, [this] {
        m_pictures->setKind(m_state.prefs.picture);
        m_pictures->menu()->menuAction()->setEnabled(m_mnuViewShots->isChecked());
    });
    m_mnuViewHideBadRoms =
        addCommand(m_mnuView, "mnuViewHideBadRoms", "Hide Games With &Bad ROMs", nullptr, {});
    m_mnuViewHideBadRoms->setCheckable(true);
    connect(m_mnuViewHideBadRoms, &QAction::triggered, this, &MainWindow::onViewHideBadRoms);
    connect(m_mnuView, &QMenu::aboutToShow, this, &MainWindow::enableViewMenu);
}

void MainWindow::buildToolsMenu()
{
    m_mnuTools = menuBar()->addMenu(QStringLiteral("&Tools"));
    m_mnuTools->setObjectName(QStringLiteral("mnuTools"));
    connect(addCommand(m_mnuTools, "mnuToolsRaster", "&Raster Settings...", nullptr, {}),
            &QAction::triggered, this, &MainWindow::onRaster);
    connect(addCommand(m_mnuTools, "mnuToolsVector", "&Vector Settings...", nullptr, {}),
            &QAction::triggered, this, &MainWindow::onVector);
    connect(addCommand(m_mnuTools, "mnuToolsCustom", "&Custom Settings...", nullptr, {}),
            &QAction::triggered, this, &MainWindow::onCustom);
    addSeparator(m_mnuTools, "mnuToolsHyphen1");
    connect(addCommand(m_mnuTools, "mnuToolsRebuildSettings", "Rebuild &Settings", nullptr, {}),
            &QAction::triggered, this, &MainWindow::onRebuildSettings);
    addSeparator(m_mnuTools, "mnuToolsHyphen2");
    connect(addCommand(m_mnuTools, "mnuToolsMaintenance", "&Maintenance...", nullptr, {}),
            &QAction::triggered, this, &MainWindow::onMaintenance);
    addSeparator(m_mnuTools, "mnuToolsHyphen3");
    connect(addCommand(m_mnuTools, "mnuToolsOptions", "&Options...", nullptr, {}),
            &QAction::triggered, this, &MainWindow::onOptions);
    connect(m_mnuTools, &QMenu::aboutToShow, this, &MainWindow::enableToolsMenu);
}

void MainWindow::buildReportsMenu()
{
    Commands& c = m_commands;
    m_mnuReports = menuBar()->addMenu(QStringLiteral("Rep&orts"));
    m_mnuReports->setObjectName(QStringLiteral("mnuReports"));
    QMenu* roms = addMenu(m_mnuReports, "mnuReportsROMs", "&ROMs");
    addCommand(roms, "mnuReportsVerifyRoms", "&Verify All ROMs", &c.verifyAllRoms, {});
    addCommand(roms, "mnuReportsLastRom", "&Last ROMs Report", &c.lastRomsReport, {});
    addCommand(roms, "mnuReportsVerifyFavoriteRoms", "Verify &Favorite ROMs", &c.verifyFavoriteRoms,
               {});
    QMenu* samples = addMenu(m_mnuReports, "mnuReportsSamples", "&Samples");
    addCommand(samples, "mnuReportsVerifySamples", "&Verify All Samples", &c.verifyAllSamples, {});
    addCommand(samples, "mnuReportsLastSample", "&Last Samples Report", &c.lastSamplesReport, {});
    QMenu* sets = addMenu(m_mnuReports, "mnuReportsSets", "S&ets");
    // The two Sets items carry no command: choosing them does nothing.
    addCommand(sets, "mnuReportsVerifySets", "&Verify All Sets", nullptr, {});
    addCommand(sets, "mnuReportsLastSets", "&Last Sets Report", nullptr, {});
    addSeparator(m_mnuReports, "mnuReportsHyphen1");
    QMenu* changed = addMenu(m_mnuReports, "mnuReportsWhatsChanged", "&What's Changed");
    QMenu* changedRoms = addMenu(changed, "mnuReportsChangedROMs", "&ROMs Info");
    addCommand(changedRoms, "mnuReportsWhatsNewROMs", "&What's Changed", &c.whatsChangedRoms,
               QStringLiteral("What's Changed (ROMs Info)"));
    addCommand(changedRoms, "mnuReportsWhatsChangedROMs", "&Last What's Changed Report",
               &c.lastWhatsChangedRoms, QStringLiteral("Last What's Changed Report (ROMs Info)"));
    QMenu* changedAll = addMenu(changed, "mnuReportsChangedAll", "&All Info");
    addCommand(changedAll, "mnuReportsWhatsNewAll", "&What's Changed", &c.whatsChangedAll,
               QStringLiteral("What's Changed (All Info)"));
    addCommand(changedAll, "mnuReportsWhatsChangedAll", "&Last What's Changed Report",
               &c.lastWhatsChangedAll, QStringLiteral("Last What's Changed Report (All Info)"));
    QMenu* diff = addMenu(m_mnuReports, "mnuReportsMAMEDiff", "&MAMEDiff");
    addCommand(diff, "mnuMAMEDiffSummary", "&General Summary", &c.mameDiffSummary, {});
    addCommand(diff, "mnuMAMEDiffMSplit", "Changed &Merged-Split ROMs", &c.mameDiffMergedSplit, {});
    addCommand(diff, "mnuMAMEDiffFSplit", "Changed &Full-Split ROMs", &c.mameDiffFullSplit, {});
    addSeparator(m_mnuReports, "mnuReportsHyphen2");
    addCommand(m_mnuReports, "mnuReportsRebuildSettings", "Re&build Settings Report",
               &c.rebuildSettingsReport, {});
    addCommand(m_mnuReports, "mnuReportsChanges", "&Favorite List Changes", &c.favoriteListChanges,
               {});
    addSeparator(m_mnuReports, "mnuReportsHyphen3");
    connect(addCommand(m_mnuReports, "mnuReportsFind", "&Mame.Ini", nullptr, {}),
            &QAction::triggered, this, &MainWindow::onFind);
    connect(m_mnuReports, &QMenu::aboutToShow, this, &MainWindow::enableReportsMenu);
}

void MainWindow::buildHelpMenu()
{
    Commands& c = m_commands;
    m_mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    m_mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    addCommand(m_mnuHelp, "mnuHelpVelmora", "&Velmora's Velmora.txt", &c.helpVelmora, {});
    addCommand(m_mnuHelp, "mnuHelpNewvideo", "M.A.M.E.'s New&video.txt", &c.helpNewvideo, {});
    addCommand(m_mnuHelp, "mnuHelpWindows", "M.A.M.E.'s &Windows.txt", &c.helpWindows, {});
    addSeparator(m_mnuHelp, "mnuHelpHyphen1");
    addCommand(m_mnuHelp, "mnuHelpNews", "Velmora &News", &c.news, {});
    addSeparator(m_mnuHelp, "mnuHelpHyphen2");
    addCommand(m_mnuHelp, "mnuHelpCheck", "Check For &Updates", &c.checkForUpdates, {});
    addSeparator(m_mnuHelp, "mnuHelpHyphen3");
    addCommand(m_mnuHelp, "mnuHelpAbout", "&About Velmora", &c.about, {});
    connect(m_mnuHelp, &QMenu::aboutToShow, this, &MainWindow::enableHelpMenu);
}

void MainWindow::buildRightClickMenu()
{
    Commands& c = m_commands;
    m_mnuRightClick = new QMenu(QStringLiteral("Right Click"), this);
    m_mnuRightClick->setObjectName(QStringLiteral("mnuRightClick"));
    addCommand(m_mnuRightClick, "mnuAddFavorite", "&Add To Favorites", &c.addFavorite, {});
    addCommand(m_mnuRightClick, "mnuRemoveFavorite", "&Remove From Favorites", &c.removeFavorite,
               {});
    addSeparator(m_mnuRightClick, "mnuRightClickHyphen1");
    addCommand(m_mnuRightClick, "mnuDeleteROM", "&Delete ROM", &c.deleteRom, {});
    addCommand(m_mnuRightClick, "mnuDeleteSamples", "Delete &Samples", &c.deleteSamples, {});
    addSeparator(m_mnuRightClick, "mnuRightClickHyphen2");
    addCommand(m_mnuRightClick, "mnuResetPlayHistory", "Reset &Play History", &c.resetPlayHistory,
               {});
}

MenuContext MainWindow::menuContext() const
{
    MenuContext context;
    context.busy = m_state.panelBusy != 0;
    context.listCaption = listCaption();
    context.installedCount = gameCount(ListKind::Installed);
    context.uninstalledCount = gameCount(ListKind::Uninstalled);
    context.settingsPanel = statusPanel(6);
    context.reportCaption = m_fraVerify->title();
    const QString mameFolder = m_state.prefs.folder(DataFolder::MAME);
    context.mameDiffPresent =
        !mameFolder.isEmpty() && QFileInfo(mameFolder + QStringLiteral("/mamediff")).isFile();
    context.networkBusy = m_networkBusy;
    context.gameShown = selectedGame().has_value();
    return context;
}

void MainWindow::enableFileMenu()
{
    const FileMenuState s = fileMenuState(menuContext());
    setItemEnabled(m_mnuFile, "mnuFilePlay", s.play);
    setItemEnabled(m_mnuFile, "mnuFileVerify", s.verify);
    setItemEnabled(m_mnuFile, "mnuFileInfo", s.info);
    setItemEnabled(m_mnuFile, "mnuFileExport", s.exportList);
}

void MainWindow::enableViewMenu()
{
    const bool on = viewMenuEnabled(menuContext());
    for (const char* name :
         {"mnuViewAll", "mnuViewInstalled", "mnuViewUninstalled", "mnuViewRecent",
          "mnuViewRefresh", "mnuViewFavorites", "mnuViewShots", "mnuViewHideBadRoms"})
        setItemEnabled(m_mnuView, name, on);
}

void MainWindow::enableToolsMenu()
{
    const ToolsMenuState s = toolsMenuState(menuContext());
    setItemEnabled(m_mnuTools, "mnuToolsRaster", s.raster);
    setItemEnabled(m_mnuTools, "mnuToolsVector", s.vector);
    setItemEnabled(m_mnuTools, "mnuToolsCustom", s.custom);
    setItemEnabled(m_mnuTools, "mnuToolsRebuildSettings", s.rebuildSettings);
    setItemEnabled(m_mnuTools, "mnuToolsMaintenance", s.maintenance);
    setItemEnabled(m_mnuTools, "mnuToolsOptions", s.options);
}

void MainWindow::enableReportsMenu()
{
    const ReportsMenuState s = reportsMenuState(menuContext());
    for (QAction* action : m_mnuReports->findChildren<QAction*>()) {
        if (action->isSeparator() || action->objectName().isEmpty())
            continue;
        action->setEnabled(s.reports);
    }
    setItemEnabled(m_mnuReports, "mnuReportsMAMEDiff", s.mameDiff);
}

void MainWindow::enableHelpMenu()
{
    const HelpMenuState s = helpMenuState(menuContext());
    setItemEnabled(m_mnuHelp, "mnuHelpVelmora", s.velmora);
    setItemEnabled(m_mnuHelp, "mnuHelpNewvideo", s.newvideo);
    setItemEnabled(m_mnuHelp, "mnuHelpWindows", s.windows);
    setItemEnabled(m_mnuHelp, "mnuHelpNews", s.news);
    setItemEnabled(m_mnuHelp, "mnuHelpCheck", s.checkForUpdates);
}

void MainWindow::showRightClickMenu(ListKind kind, const QPoint& globalPos)
{
    if (kind == ListKind::Uninstalled)
        return;
    const bool favorites = m_mnuViewFavorites->isChecked();
    setItemEnabled(m_mnuRightClick, "mnuAddFavorite", !favorites);
    setItemEnabled(m_mnuRightClick, "mnuRemoveFavorite", favorites);
    setItemEnabled(m_mnuRightClick, "mnuDeleteROM",
                   kind == ListKind::Installed || statusPanel(6) != QLatin1String("Not Installed"));
    const QString samples = m_state.prefs.folder(DataFolder::Samples);
    setItemEnabled(
        m_mnuRightClick, "mnuDeleteSamples",
        !samples.isEmpty() &&
            QFileInfo(samples + u'/' + statusPanel(3) + QStringLiteral(".zip")).isFile());
    // Only a game that was played has a history to forget.
    const std::optional<ListedGame> game = selectedGame();
    const PlayHistory* history = listModel(kind)->playHistory();
    setItemEnabled(m_mnuRightClick, "mnuResetPlayHistory",
                   game && history && history->find(game->record[GameRecord::Rom]));
    m_mnuRightClick->popup(globalPos);
}

} // namespace velmora
