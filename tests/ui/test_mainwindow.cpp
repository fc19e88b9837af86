// The main window over a small database: the three views with their counts, commands and status
// panels, sorting by header clicks, double-click and right-click, the menu rules as the menus
// open, the report panel and Exit/Cancel, Refresh and the favourites view, the screenshot, icon
// and banner, and the commands that are not available yet.
#include "platform/Seams.h"
#include "support/ScriptedMessageBox.h"
#include "ui/BannerFrame.h"
#include "ui/ListWindowFixture.h"
#include "ui/StatusPanels.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTextEdit>
#include <QTimer>

using namespace velmora;
using namespace velmora::testing;

namespace {

QPushButton* button(const ListWindow& w, const char* name)
{
    return w.child<QPushButton>(name);
}

QCheckBox* box(const ListWindow& w, const char* name)
{
    return w.child<QCheckBox>(name);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void viewsShowTheirCountsAndCommands()
    {
        ListWindow w;
        QVERIFY(w.load());
        QCOMPARE(w.window.listCaption(), QString("All Games"));
        QCOMPARE(w.panel(1), QString("Total Games: 6"));
        QVERIFY(w.action("mnuViewAll")->isChecked());
        // Lists not shown yet are in database order.
        QCOMPARE(w.roms(ListKind::Installed), QStringList({"pacman", "mspacman", "asteroid"}));

        box(w, "chkAutoRun")->setChecked(true);
        w.action("mnuViewUninstalled")->trigger();
        QCOMPARE(w.window.listCaption(), QString("Uninstalled Games"));
        QCOMPARE(w.panel(1), QString("Total Games: 3"));
        QVERIFY(w.action("mnuViewUninstalled")->isChecked() &&
                !w.action("mnuViewAll")->isChecked());
        QVERIFY(!button(w, "cmdPlay")->isEnabled() && !button(w, "cmdPlay")->isDefault());
        QVERIFY(!box(w, "chkAutoRun")->isChecked());
        for (const char* name : {"chkAutoRun", "chkRecord", "chkPlayback"})
            QVERIFY(!box(w, name)->isEnabled());
        QVERIFY(button(w, "cmdVerify")->isEnabled());

        w.action("mnuViewInstalled")->trigger();
        QCOMPARE(w.panel(1), QString("Total Games: 3"));
        QVERIFY(button(w, "cmdPlay")->isDefault() && box(w, "chkRecord")->isEnabled());
        QCOMPARE(w.child<QStackedWidget>("listStack")->currentWidget(),
                 w.view(ListKind::Installed));

        // The launch boxes hand their state on; the list keeps its stored selection.
        QList<bool> recorded;
        w.window.commands().recordChanged = [&recorded](bool on) { recorded << on; };
        w.state.prefs.installed.index = 2;
        QTest::mouseClick(box(w, "chkRecord"), Qt::LeftButton);
        QCOMPARE(recorded, QList<bool>({true}));
        QCOMPARE(w.view(ListKind::Installed)->selectedRow(), 1);
    }

    void statusPanelsFollowTheSelection()
    {
        ListWindow w;
        QVERIFY(w.load());
        QCOMPARE(w.roms(ListKind::All),
                 QStringList({"asteroid", "dkong", "galaga", "mspacman", "pacman", "zaxxon"}));
        w.select(ListKind::All, "pacman");
        QCOMPARE(QStringList({w.panel(2), w.panel(3), w.panel(4), w.panel(5), w.panel(6)}),
                 QStringList({"Pac-Man", "pacman", "Original", "Vertical", "Custom Settings"}));
        QVERIFY(button(w, "cmdPlay")->isEnabled());
        QCOMPARE(w.state.prefs.all.index, 5);

        box(w, "chkAutoRun")->setChecked(true);
        w.select(ListKind::All, "galaga");
        QCOMPARE(w.panel(6), QString("Not Installed"));
        QVERIFY(!button(w, "cmdPlay")->isEnabled() && !box(w, "chkAutoRun")->isChecked());

        // Installed only through the additional folder, without settings of its own.
        w.select(ListKind::All, "mspacman");
        QCOMPARE(w.panel(4), QString("Clone"));
        QCOMPARE(w.panel(6), QString("Default Settings"));
        QVERIFY(button(w, "cmdPlay")->isEnabled());
    }

    void headerClicksSortAndFlipTheArrow()
    {
        ListWindow w;
        QVERIFY(w.load());
        QHeaderView* header = w.view(ListKind::All)->header();
        w.select(ListKind::All, "zaxxon");

        w.clickHeader(ListKind::All, GameListModel::Year);
        QCOMPARE(w.state.prefs.all.sortKey, 1);
        QCOMPARE(w.state.prefs.all.sortOrder, 0);
        QCOMPARE(header->sortIndicatorSection(), 1);
        QCOMPARE(w.roms(ListKind::All).first(), QString("asteroid"));
        // The selected game stays selected; its new place is stored.
        QCOMPARE(w.view(ListKind::All)->selectedRow(), 5);
        QCOMPARE(w.state.prefs.all.index, 6);

        w.clickHeader(ListKind::All, GameListModel::Year);
        QCOMPARE(w.state.prefs.all.sortOrder, 1);
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        QCOMPARE(w.roms(ListKind::All).first(), QString("zaxxon"));
        QCOMPARE(w.state.prefs.all.index, 1);
        // A new column sorts ascending again; the other lists keep their own sort.
        w.clickHeader(ListKind::All, GameListModel::Game);
        QCOMPARE(w.state.prefs.all.sortKey, 0);
        QCOMPARE(w.state.prefs.all.sortOrder, 0);
        QCOMPARE(w.state.prefs.installed.sortKey, 0);
    }

    void aOneGameListIgnoresHeaderClicks()
    {
        ListWindow w({game("pacman", "Pac-Man")});
        QVERIFY(w.load(ListKind::Installed));
        w.clickHeader(ListKind::Installed, GameListModel::Year);
        QCOMPARE(w.state.prefs.installed.sortKey, 0);
        QCOMPARE(w.view(ListKind::Installed)->header()->sortIndicatorSection(), 0);
        // An empty list shows nothing selected and the game commands off.
        w.window.showView(ListKind::Uninstalled);
        QCOMPARE(w.panel(1), QString("Total Games: 0"));
        QCOMPARE(w.panel(2), QString());
        QVERIFY(!button(w, "cmdVerify")->isEnabled());
        QVERIFY(!w.window.selectedGame());
    }

    void doubleClickPlaysExceptInTheUninstalledList()
    {
        ListWindow w;
        QVERIFY(w.load(ListKind::Uninstalled));
        int plays = 0;
        w.window.commands().play = [&plays] { ++plays; };
        ScriptedMessageBox boxes;
        boxes.expect("This game is not installed.", platform::MessageAnswer::Ok, "Play Game");
        w.doubleClickRow(ListKind::Uninstalled, 0);
        QVERIFY(boxes.allExpectedShown());
        QCOMPARE(boxes.shown().first().icon, platform::MessageIcon::Information);
        QCOMPARE(plays, 0);

        w.window.showView(ListKind::Installed);
        w.doubleClickRow(ListKind::Installed, 1);
        QCOMPARE(plays, 1);
        // Enter in the list presses the default button, Play.
        QTest::keyClick(w.view(ListKind::Installed), Qt::Key_Return);
        QCOMPARE(plays, 2);
    }

    // The rules themselves are MenuRules'; here the window must feed them its list, busy flag,
    // mamediff and web request as the menus open.
    void menusFollowTheWindowsState()
    {
        ListWindow w;
        QVERIFY(w.load());
        w.select(ListKind::All, "galaga");
        w.openMenu("mnuFile");
        w.openMenu("mnuTools");
        QVERIFY(!w.enabled("mnuFilePlay") && !w.enabled("mnuToolsCustom"));
        QVERIFY(w.enabled("mnuFileVerify"));
        w.select(ListKind::All, "pacman");
        w.openMenu("mnuFile");
        QVERIFY(w.enabled("mnuFilePlay"));

        w.openMenu("mnuReports");
        QVERIFY(!w.enabled("mnuReportsMAMEDiff"));
        writeFile(w.folder(DataFolder::MAME) + "/mamediff", "#!/bin/sh\n");
        w.openMenu("mnuReports");
        QVERIFY(w.enabled("mnuReportsMAMEDiff"));

        w.window.showReportPanel(QStringLiteral("M.A.M.E.'s Windows.txt"));
        QCOMPARE(w.state.panelBusy, 1);
        for (const char* menu : {"mnuFile", "mnuView", "mnuTools", "mnuReports", "mnuHelp"})
            w.openMenu(menu);
        for (const char* item : {"mnuFileVerify", "mnuViewRefresh", "mnuToolsOptions",
                                 "mnuReportsFind", "mnuHelpWindows", "mnuHelpCheck"})
            QVERIFY2(!w.enabled(item), item);
        QVERIFY(w.enabled("mnuHelpVelmora") && w.enabled("mnuHelpAbout"));

        w.window.returnFromReport();
        w.window.setNetworkRequestRunning(true);
        w.openMenu("mnuHelp");
        QVERIFY(!w.enabled("mnuHelpNews") && w.enabled("mnuHelpWindows"));
    }

    void rightClickMenuFollowsTheRow()
    {
        ListWindow w;
        QVERIFY(w.load());
        auto* menu = w.child<QMenu>("mnuRightClick");
        w.clickRow(ListKind::All, w.rowOf(ListKind::All, "galaga"), Qt::RightButton);
        QCOMPARE(w.panel(3), QString("galaga"));
        QVERIFY(menu->isVisible());
        QVERIFY(w.enabled("mnuAddFavorite") && !w.enabled("mnuRemoveFavorite"));
        QVERIFY(!w.enabled("mnuDeleteROM") && !w.enabled("mnuDeleteSamples"));
        menu->hide();

        writeFile(w.folder(DataFolder::Samples) + "/pacman.zip", "PK");
        w.window.setFavoritesChecked(true);
        w.clickRow(ListKind::All, w.rowOf(ListKind::All, "pacman"), Qt::RightButton);
        QVERIFY(!w.enabled("mnuAddFavorite") && w.enabled("mnuRemoveFavorite"));
        QVERIFY(w.enabled("mnuDeleteROM") && w.enabled("mnuDeleteSamples"));
        menu->hide();

        w.window.showView(ListKind::Uninstalled);
        w.clickRow(ListKind::Uninstalled, 0, Qt::RightButton);
        QVERIFY(!menu->isVisible());
    }

    void commandsWithoutHandlersSayTheyAreNotAvailable()
    {
        ListWindow w;
        QVERIFY(w.load());
        ScriptedMessageBox boxes;
        boxes.expect("Game Audit is not available in this version of Velmora yet.",
                     platform::MessageAnswer::Ok, "Game Audit");
        boxes.expect("Verify All ROMs is not available in this version of Velmora yet.",
                     platform::MessageAnswer::Ok, "Verify All ROMs");
        boxes.expect("Mame.Ini is not available in this version of Velmora yet.");
        QTest::mouseClick(button(w, "cmdVerify"), Qt::LeftButton);
        w.action("mnuReportsVerifyRoms")->trigger();
        QTest::mouseClick(button(w, "cmdFind"), Qt::LeftButton);
        QVERIFY(boxes.allExpectedShown());
        // The two Sets items carry no command at all: they say nothing.
        w.action("mnuReportsVerifySets")->trigger();
        w.action("mnuReportsLastSets")->trigger();
        QCOMPARE(boxes.shown().size(), 3);

        int audits = 0;
        w.window.commands().verify = [&audits] { ++audits; };
        w.action("mnuFileVerify")->trigger();
        QCOMPARE(audits, 1);
    }

    void reportPanelComesAndGoes()
    {
        ListWindow w;
        QVERIFY(w.load());
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        int leaving = 0;
        int badSets = 0;
        w.window.commands().leavingReportPanel = [&leaving] { ++leaving; };
        w.window.commands().listBadSets = [&badSets] { ++badSets; };
        w.window.showReportPanel(QStringLiteral("Verify All ROMs"));
        QCOMPARE(w.state.panelBusy, 1);
        QCOMPARE(w.child<QStackedWidget>("panels")->currentWidget(), w.window.fraVerify());
        QVERIFY(!w.window.fraList()->isEnabled() && !button(w, "cmdRaster")->isEnabled());
        w.window.txtVerify()->setPlainText("romset galaga is bad");
        w.window.setFindButton("&List Bad Sets", "Lists The Bad Sets", true);
        w.window.setExitCancels(false);
        QTest::mouseClick(button(w, "cmdFind"), Qt::LeftButton);
        QCOMPARE(badSets, 1);

        QTest::mouseClick(button(w, "cmdGameList"), Qt::LeftButton);
        QCOMPARE(leaving, 1);
        QCOMPARE(w.state.panelBusy, 0);
        QCOMPARE(w.child<QStackedWidget>("panels")->currentWidget(), w.window.fraList());
        QVERIFY(w.window.txtVerify()->toPlainText().isEmpty());
        QCOMPARE(button(w, "cmdFind")->text(), QString("&Mame.Ini"));
        QVERIFY(button(w, "cmdRaster")->isEnabled());
    }

    void aNewRomMovesFromUninstalledToInstalled()
    {
        ListWindow w;
        QVERIFY(w.load(ListKind::Uninstalled));
        w.select(ListKind::Uninstalled, "galaga");
        const SelectedGame game = w.window.currentGame();
        QCOMPARE(game.description, QString("Galaga"));
        QCOMPARE(w.window.takeSelectedUninstalledRow(), std::optional<int>(2));
        QVERIFY(!w.roms(ListKind::Uninstalled).contains("galaga"));
        w.window.addNewRomToInstalled();
        QVERIFY(w.roms(ListKind::Installed).contains("galaga"));
        QCOMPARE(w.window.gameCount(ListKind::Installed), 4);
        w.window.addNewRomToInstalled(); // only once
        QCOMPARE(w.window.gameCount(ListKind::Installed), 4);
    }

    void exitReadsCancelDuringALongJob()
    {
        ListWindow w;
        QVERIFY(w.load());
        QSignalSpy closing(&w.window, &MainWindow::closing);
        w.window.setExitCancels(true);
        QCOMPARE(button(w, "cmdExit")->text(), QString("&Cancel"));
        QTest::mouseClick(button(w, "cmdExit"), Qt::LeftButton);
        QVERIFY(w.state.cancelRequested);
        QCOMPARE(closing.count(), 0);
        w.window.setExitCancels(false);
        QCOMPARE(button(w, "cmdExit")->toolTip(), QString("Closes Velmora"));
        w.action("mnuFileExit")->trigger();
        QCOMPARE(closing.count(), 1);
    }

    void refreshReloadsTheListsAndSelectsTheFirstRows()
    {
        ListWindow w;
        QVERIFY(w.load(ListKind::Installed));
        w.select(ListKind::Installed, "pacman");
        QCOMPARE(w.state.prefs.installed.index, 3);
        QList<GameRecord> games = sixGames();
        games << game("1942", "1942", {{GameRecord::Manufacturer, "Capcom"}});
        writeFile(w.program.paths().report("gameinfo.txt"), database(games));
        writeFile(w.folder(DataFolder::ROMs) + "/1942.zip", "PK");

        QString waitText;
        w.window.commands().refreshDatabase = [&waitText](ProgressSink& wait) {
            wait.setText("A new version of M.A.M.E. was detected.");
            waitText = "asked";
        };
        w.action("mnuViewRefresh")->trigger();
        QCOMPARE(waitText, QString("asked"));
        QCOMPARE(w.window.listCaption(), QString("Installed Games"));
        QCOMPARE(w.panel(1), QString("Total Games: 4"));
        QCOMPARE(w.state.prefs.installed.index, 1);
        QCOMPARE(w.state.prefs.all.index, 1);
        QCOMPARE(w.panel(3), QString("1942"));
        QVERIFY(button(w, "cmdExit")->isEnabled() && button(w, "cmdRaster")->isEnabled());
    }

    void favouritesViewNeedsAFavouritesList()
    {
        ListWindow w;
        QVERIFY(w.load());
        ScriptedMessageBox boxes;
        boxes.expect("You do not have a favorites list.  ", platform::MessageAnswer::Ok,
                     "Favorite Games");
        w.action("mnuViewFavorites")->trigger();
        QVERIFY(boxes.allExpectedShown());
        QVERIFY(!w.window.favoritesChecked());
        QCOMPARE(w.panel(1), QString("Total Games: 6"));

        writeFile(w.program.paths().report("favorite.txt"), database({game("galaga", "Galaga")}));
        w.action("mnuViewFavorites")->trigger();
        QVERIFY(w.window.favoritesChecked());
        QCOMPARE(w.panel(1), QString("Total Games: 1"));
        QVERIFY(w.state.prefs.favorites);
    }

    void aDatabaseThatCannotBeReadEndsTheProgram()
    {
        ListWindow w;
        QFile::remove(w.program.paths().report("gameinfo.txt"));
        int ended = 0;
        platform::seams().endProgram = [&ended] { ++ended; };
        ScriptedMessageBox boxes;
        boxes.expect("Error In LoadLists: File not found\rROM: \r\rThis might mean you are not "
                     "using the correct version of M.A.M.E..");
        QVERIFY(!w.load());
        QCOMPARE(ended, 1);
        QCOMPARE(boxes.shown().first().icon, platform::MessageIcon::Critical);
        platform::seams().endProgram = nullptr;
    }

    void screenshotsFollowCloneShotsAndNostretch()
    {
        ListWindow w;
        w.state.prefs.cloneShots = true;
        w.window.setScreenShotsChecked(true);
        QVERIFY(w.load());
        w.window.resize(900, 426);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        auto* img = w.child<QLabel>("imgShots");
        auto* none = w.child<QLabel>("lblShots");
        writeFile(w.folder(DataFolder::Snapshots) + "/mspacman.png", QByteArray());
        w.select(ListKind::All, "mspacman");
        // A clone without its parent's picture has no screenshot, even with its own file.
        QVERIFY(none->isVisibleTo(&w.window) && !img->isVisibleTo(&w.window));

        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QVERIFY(picture.save(w.folder(DataFolder::Snapshots) + "/pacman.png"));
        w.select(ListKind::All, "galaga");
        w.select(ListKind::All, "mspacman");
        QVERIFY(img->isVisibleTo(&w.window) && !none->isVisibleTo(&w.window));
        QVERIFY(img->width() > 100);
        QCOMPARE(img->width(), img->height()); // stretched into a square
        QVERIFY(img->hasScaledContents());

        writeFile(w.program.paths().setting("nostretch.ini"),
                  "[Position]\r\nLeft=1500\r\nTop=450\r\n[Size]\r\nHeight=1200\r\nWidth=1800\r\n");
        w.window.resize(901, 426);
        QCoreApplication::processEvents();
        QCOMPARE(img->geometry(), QRect(100, 30, 120, 80));
        QVERIFY(!img->hasScaledContents());

        w.action("mnuViewShots")->trigger();
        QVERIFY(!img->isVisibleTo(&w.window) && !none->isVisibleTo(&w.window));
    }

    void iconAndBannerFollowTheLastSelection()
    {
        ListWindow w;
        QVERIFY(w.load());
        QImage icon(32, 32, QImage::Format_ARGB32);
        icon.fill(Qt::red);
        QDir().mkpath(w.folder(DataFolder::MAME) + "/Icons");
        QVERIFY(icon.save(w.folder(DataFolder::MAME) + "/Icons/asteroid.ico", "ICO"));
        writeFile(w.folder(DataFolder::Artwork) + "/asteroid.zip", "PK");
        auto* iconScreen = w.child<QLabel>("IconScreen");
        auto* artwork = w.child<QLabel>("lblArtwork");
        auto* banner = w.child<BannerFrame>("fraScroll");
        auto* iconTimer = w.child<QTimer>("Tmr[1]");

        w.select(ListKind::All, "galaga");
        QTest::qWait(250);
        w.select(ListKind::All, "asteroid");
        QTest::qWait(300);
        // The first selection's tick was put off by the second.
        QVERIFY(!iconScreen->isVisibleTo(&w.window));
        QCOMPARE(banner->text(), QString());
        QTRY_VERIFY(iconScreen->isVisibleTo(&w.window));
        QVERIFY(artwork->isVisibleTo(&w.window));
        QCOMPARE(banner->text(), QString("ATARI"));
        QVERIFY(!iconTimer->isActive());

        w.select(ListKind::All, "dkong");
        QTRY_COMPARE(banner->text(), QString("NINTENDO"));
        QVERIFY(!iconScreen->isVisibleTo(&w.window) && !artwork->isVisibleTo(&w.window));

        // A click on the row already selected shows it again.
        w.select(ListKind::All, "asteroid");
        QTRY_VERIFY(iconScreen->isVisibleTo(&w.window));
        w.window.hideGameArt();
        w.window.setStatusPanel(3, QString());
        w.select(ListKind::All, "asteroid");
        QCOMPARE(w.panel(3), QString("asteroid"));
        QVERIFY(iconTimer->isActive());
        QTRY_COMPARE(banner->text(), QString("ATARI"));
        QVERIFY(iconScreen->isVisibleTo(&w.window) && artwork->isVisibleTo(&w.window));
    }

    void bannerScrollsAndPausesOnAClick()
    {
        ListWindow w;
        QVERIFY(w.load());
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        auto* banner = w.child<BannerFrame>("fraScroll");
        w.window.setBannerRunning(true);
        w.select(ListKind::All, "pacman");
        QTRY_COMPARE(banner->text(), QString("NAMCO"));
        const int start = banner->scrollLeft();
        QTest::qWait(200);
        QVERIFY(banner->scrollLeft() < start);

        QTest::mouseClick(banner, Qt::LeftButton);
        QVERIFY(!w.window.bannerRunning());
        const int paused = banner->scrollLeft();
        QTest::qWait(120);
        QCOMPARE(banner->scrollLeft(), paused);
        QTest::mouseClick(banner, Qt::LeftButton);
        QVERIFY(w.window.bannerRunning());
        w.window.stopTimers();
    }

    void filtersLabelAndInformationBoxes()
    {
        ListWindow w;
        QVERIFY(w.load());
        auto* filters = w.child<QLabel>("lblFiltersApp");
        w.window.updateFiltersLabel();
        QVERIFY(!filters->isVisibleTo(&w.window));
        w.state.prefs.setHidden(HideFlag::Clones, true);
        w.window.CheckFilters();
        QVERIFY(filters->isVisibleTo(&w.window));
        QCOMPARE(filters->text(), QString("Filters Applied"));

        w.state.startTime = 100.2;
        w.state.endTime = 102.9;
        w.window.setOptionsDialogPaths("/old/mame", "/old/roms", "");
        ScriptedMessageBox boxes;
        boxes.expect("3 Second(s)", platform::MessageAnswer::Ok, "Start Up Time");
        w.window.onStartUpTime();
        QVERIFY(boxes.allExpectedShown());
        boxes.allowAny(true);
        w.window.onPathInformation();
        const QStringList lines = boxes.shown().last().text.split('\r');
        QCOMPARE(boxes.shown().last().title, QString("Path Information"));
        QCOMPARE(lines.size(), 11);
        QCOMPARE(lines[2], "M.A.M.E. Path:\t" + w.folder(DataFolder::MAME));
        QCOMPARE(lines[4], QString("Temp M.A.M.E. Path:\t/old/mame"));
        QCOMPARE(lines[10], QString("Temp Additional ROMs Path:\t"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
