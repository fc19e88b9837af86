// The main window over a small database: the three views with their counts, commands and status
// panels, sorting by header clicks, double-click and right-click, the menu rules as the menus
// open, the report panel and Exit/Cancel, Refresh and the favourites view, the screenshot, icon
// and banner, and the commands that are not available yet.
#include "platform/Seams.h"
#include "support/ScriptedMessageBox.h"
#include "ui/BannerFrame.h"
#include "ui/ListWindowFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <QTimer>

using namespace velmora;
using namespace velmora::testing;
using platform::MessageAnswer;
using enum ListKind;

namespace {

struct Window : ListWindow
{
    using ListWindow::ListWindow;
    QPushButton* button(const char* name) const { return window.button(name); }
    QCheckBox* box(const char* name) const { return child<QCheckBox>(name); }
    bool visible(const char* name) const { return child<QWidget>(name)->isVisibleTo(&window); }
    void trigger(const char* name) const { action(name)->trigger(); }
    void press(const char* name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    // Header clicks sort and flip the arrow; then the views, their counts, commands and status
    // panels, as the user switches and selects.
    void headerClicksViewsAndTheSelection()
    {
        Window w;
        QVERIFY(w.load());
        QHeaderView* header = w.view(All)->header();
        w.select(All, "zaxxon");
        w.clickHeader(All, GameListModel::Year);
        // The selected game stays selected; its new place is stored.
        QCOMPARE(w.state.prefs.all.sortKey * 10 + w.state.prefs.all.sortOrder, 10);
        QCOMPARE(w.view(All)->selectedRow() * 10 + w.state.prefs.all.index, 56);
        w.clickHeader(All, GameListModel::Year);
        QCOMPARE(w.state.prefs.all.sortOrder, 1);
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        QCOMPARE(w.roms(All).first() + QString::number(w.state.prefs.all.index),
                 QString("zaxxon1"));
        // A new column sorts ascending again; the other lists keep their own sort.
        w.clickHeader(All, GameListModel::Game);
        QCOMPARE(w.state.prefs.all.sortKey * 10 + w.state.prefs.all.sortOrder, 0);
        QCOMPARE(w.state.prefs.installed.sortKey, 0);

        QCOMPARE(w.panel(1), QString("Total Games: 6"));
        // Lists not shown yet are in database order.
        QCOMPARE(w.roms(Installed), QStringList({"pacman", "mspacman", "asteroid"}));
        w.select(All, "pacman");
        QCOMPARE(QStringList({w.panel(2), w.panel(3), w.panel(4), w.panel(5), w.panel(6)}),
                 QStringList({"Pac-Man", "pacman", "Original", "Vertical", "Custom Settings"}));
        QVERIFY(w.button("cmdPlay")->isEnabled() && w.state.prefs.all.index == 5);
        w.box("chkAutoRun")->setChecked(true);
        w.select(All, "galaga");
        QCOMPARE(w.panel(6), QString("Not Installed"));
        QVERIFY(!w.button("cmdPlay")->isEnabled() && !w.box("chkAutoRun")->isChecked());
        w.box("chkAutoRun")->setChecked(true);
        w.trigger("mnuViewUninstalled");
        QVERIFY(!w.button("cmdPlay")->isEnabled() && !w.button("cmdPlay")->isDefault());
        for (const char* name : {"chkAutoRun", "chkRecord", "chkPlayback"})
            QVERIFY2(!w.box(name)->isEnabled() && !w.box(name)->isChecked(), name);
        // A double click in the uninstalled list says so instead of playing.
        int plays = 0;
        w.window.commands().play = [&plays] { ++plays; };
        ScriptedMessageBox boxes;
        boxes.expect("This game is not installed.", MessageAnswer::Ok, "Play Game");
        w.clickRow(Uninstalled, 0, Qt::LeftButton, true);
        QVERIFY(boxes.allExpectedShown() &&
                boxes.shown().first().icon == platform::MessageIcon::Information);
        w.trigger("mnuViewInstalled");
        QVERIFY(w.button("cmdPlay")->isDefault() && w.box("chkRecord")->isEnabled());
        w.clickRow(Installed, 1, Qt::LeftButton, true);
        QTest::keyClick(w.view(Installed), Qt::Key_Return); // presses Play, the default
        QCOMPARE(plays, 2);
        // The launch boxes hand their state on; the list keeps its stored selection.
        QList<bool> recorded;
        w.window.commands().recordChanged = [&recorded](bool on) { recorded << on; };
        w.state.prefs.installed.index = 2;
        QTest::mouseClick(w.box("chkRecord"), Qt::LeftButton);
        QCOMPARE(recorded, QList<bool>({true}));
        QCOMPARE(w.view(Installed)->selectedRow(), 1);

        // A one-game list ignores header clicks; an empty one has nothing selected.
        Window one({game("pacman", "Pac-Man")});
        QVERIFY(one.load(Installed));
        one.clickHeader(Installed, GameListModel::Year);
        QCOMPARE(one.state.prefs.installed.sortKey, 0);
        QCOMPARE(one.view(Installed)->header()->sortIndicatorSection(), 0);
        one.window.showView(Uninstalled);
        QCOMPARE(one.panel(1) + one.panel(2), QString("Total Games: 0"));
        QVERIFY(!one.button("cmdVerify")->isEnabled() && !one.window.selectedGame());
    }

    // The window feeds the menu rules its list, busy flag, mamediff and web request as the menus
    // open, and the right-click menu follows the row clicked. Commands without handlers say so;
    // the report panel takes the window and gives it back; the filters label and the information
    // boxes; Exit reads Cancel during a long job.
    void menusCommandsReportPanelAndExit()
    {
        Window w;
        QVERIFY(w.load());
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        w.select(All, "galaga");
        w.openMenu("mnuFile");
        w.openMenu("mnuTools");
        QVERIFY(!w.enabled("mnuFilePlay") && !w.enabled("mnuToolsCustom") &&
                w.enabled("mnuFileVerify"));
        w.select(All, "pacman");
        w.openMenu("mnuFile");
        QVERIFY(w.enabled("mnuFilePlay"));
        w.openMenu("mnuReports");
        QVERIFY(!w.enabled("mnuReportsMAMEDiff"));
        writeFile(w.folder(DataFolder::MAME) + "/mamediff", "#!/bin/sh\n");
        w.openMenu("mnuReports");
        QVERIFY(w.enabled("mnuReportsMAMEDiff"));

        w.window.setNetworkRequestRunning(true);
        w.openMenu("mnuHelp");
        QVERIFY(!w.enabled("mnuHelpNews") && w.enabled("mnuHelpWindows"));

        auto* menu = w.child<QMenu>("mnuRightClick");
        w.clickRow(All, w.rowOf(All, "galaga"), Qt::RightButton);
        QVERIFY(menu->isVisible() && w.panel(3) == "galaga");
        QVERIFY(w.enabled("mnuAddFavorite") && !w.enabled("mnuRemoveFavorite"));
        QVERIFY(!w.enabled("mnuDeleteROM") && !w.enabled("mnuDeleteSamples"));
        menu->hide();
        writeFile(w.folder(DataFolder::Samples) + "/pacman.zip", "PK");
        w.window.setFavoritesChecked(true);
        w.clickRow(All, w.rowOf(All, "pacman"), Qt::RightButton);
        QVERIFY(!w.enabled("mnuAddFavorite") && w.enabled("mnuRemoveFavorite"));
        QVERIFY(w.enabled("mnuDeleteROM") && w.enabled("mnuDeleteSamples"));
        menu->hide();
        w.window.showView(Uninstalled);
        w.clickRow(Uninstalled, 0, Qt::RightButton);
        QVERIFY(!menu->isVisible());
        w.window.setNetworkRequestRunning(false);

        ScriptedMessageBox boxes;
        boxes.expect("Game Audit is not available in this version of Velmora yet.",
                     MessageAnswer::Ok, "Game Audit");
        boxes.expect("Verify All ROMs is not available in this version of Velmora yet.",
                     MessageAnswer::Ok, "Verify All ROMs");
        boxes.expect("Mame.Ini is not available in this version of Velmora yet.");
        w.press("cmdVerify");
        w.trigger("mnuReportsVerifyRoms");
        w.press("cmdFind");
        // The two Sets items carry no command at all: they say nothing.
        w.trigger("mnuReportsVerifySets");
        w.trigger("mnuReportsLastSets");
        QVERIFY(boxes.allExpectedShown() && boxes.shown().size() == 3);
        int audits = 0, leaving = 0, badSets = 0;
        w.window.commands().verify = [&audits] { ++audits; };
        w.trigger("mnuFileVerify");
        QCOMPARE(audits, 1);

        w.window.commands().leavingReportPanel = [&leaving] { ++leaving; };
        w.window.commands().listBadSets = [&badSets] { ++badSets; };
        w.window.showReportPanel(QStringLiteral("Verify All ROMs"));
        QVERIFY(w.state.panelBusy == 1 && !w.window.fraList()->isEnabled() &&
                !w.button("cmdRaster")->isEnabled());
        for (const char* menu : {"mnuFile", "mnuView", "mnuTools", "mnuReports", "mnuHelp"})
            w.openMenu(menu);
        for (const char* item : {"mnuFileVerify", "mnuViewRefresh", "mnuToolsOptions",
                                 "mnuReportsFind", "mnuHelpWindows", "mnuHelpCheck"})
            QVERIFY2(!w.enabled(item), item);
        w.window.txtVerify()->setPlainText("romset galaga is bad");
        w.window.setFindButton("&List Bad Sets", "Lists The Bad Sets", true);
        w.press("cmdFind");
        QCOMPARE(badSets, 1);
        w.press("cmdGameList");
        QVERIFY(leaving == 1 && w.state.panelBusy == 0 && w.button("cmdRaster")->isEnabled());
        QVERIFY(w.window.fraList()->isEnabled() && w.window.txtVerify()->toPlainText().isEmpty());

        w.window.updateFiltersLabel();
        const bool shownUnfiltered = w.visible("lblFiltersApp");
        w.state.prefs.setHidden(HideFlag::Clones, true);
        w.window.CheckFilters();
        QVERIFY(!shownUnfiltered && w.visible("lblFiltersApp"));

        w.state.startTime = 100.2;
        w.state.endTime = 102.9;
        w.window.setOptionsDialogPaths("/old/mame", "/old/roms", "");
        boxes.expect("3 Second(s)", MessageAnswer::Ok, "Start Up Time");
        w.window.onStartUpTime();
        QVERIFY(boxes.allExpectedShown());
        boxes.allowAny(true);
        w.window.onPathInformation();
        const QStringList lines = boxes.shown().last().text.split('\r');
        QCOMPARE(boxes.shown().last().title, QString("Path Information"));
        QCOMPARE(lines.size(), 11);
        QCOMPARE(lines[2] + '|' + lines[4] + '|' + lines[10],
                 "M.A.M.E. Path:\t" + w.folder(DataFolder::MAME) +
                     "|Temp M.A.M.E. Path:\t/old/mame|Temp Additional ROMs Path:\t");

        QSignalSpy closing(&w.window, &MainWindow::closing);
        w.window.setExitCancels(true);
        QCOMPARE(w.button("cmdExit")->text(), QString("&Cancel"));
        w.press("cmdExit");
        QVERIFY(w.state.cancelRequested && closing.isEmpty());
        w.window.setExitCancels(false);
        w.trigger("mnuFileExit");
        QCOMPARE(closing.count(), 1);
    }

    // Refresh, a new ROM and the favourites view change the lists.
    void listsChange()
    {
        Window w;
        QVERIFY(w.load(Installed));
        w.select(Installed, "pacman");
        QCOMPARE(w.state.prefs.installed.index, 3);
        QList<GameRecord> games = sixGames();
        games << game("1942", "1942", {{GameRecord::Manufacturer, "Capcom"}});
        writeFile(w.program.paths().report("gameinfo.txt"), database(games));
        writeFile(w.folder(DataFolder::ROMs) + "/1942.zip", "PK");
        bool asked = false;
        w.window.commands().refreshDatabase = [&asked](ProgressSink&) { asked = true; };
        w.trigger("mnuViewRefresh");
        QVERIFY(asked && w.state.prefs.installed.index == 1 && w.state.prefs.all.index == 1);
        QCOMPARE(w.panel(1) + '/' + w.panel(3), QString("Total Games: 4/1942"));

        w.window.showView(Uninstalled);
        w.select(Uninstalled, "galaga");
        QCOMPARE(w.window.takeSelectedUninstalledRow(), std::optional<int>(2));
        QVERIFY(!w.roms(Uninstalled).contains("galaga"));
        w.window.addNewRomToInstalled();
        w.window.addNewRomToInstalled(); // only once
        QCOMPARE(w.roms(Installed).count("galaga"), 1);
        QCOMPARE(w.window.gameCount(Installed), 5);

        ScriptedMessageBox boxes;
        boxes.expect("You do not have a favorites list.  ", MessageAnswer::Ok, "Favorite Games");
        w.trigger("mnuViewFavorites");
        QVERIFY(boxes.allExpectedShown() && !w.window.favoritesChecked());
        writeFile(w.program.paths().report("favorite.txt"), database({game("galaga", "Galaga")}));
        w.trigger("mnuViewFavorites");
        QVERIFY(w.window.favoritesChecked() && w.state.prefs.favorites);
        QCOMPARE(w.panel(1), QString("Total Games: 1"));
    }

    void aDatabaseThatCannotBeReadEndsTheProgram()
    {
        Window w;
        QFile::remove(w.program.paths().report("gameinfo.txt"));
        int ended = 0;
        platform::seams().endProgram = [&ended] { ++ended; };
        ScriptedMessageBox boxes;
        boxes.expect("Error In LoadLists: File not found\rROM: \r\rThis might mean you are not "
                     "using the correct version of M.A.M.E..");
        QVERIFY(!w.load());
        QVERIFY(ended == 1 && boxes.shown().first().icon == platform::MessageIcon::Critical);
        platform::seams().endProgram = nullptr;
    }

    // The screenshot, icon, artwork and banner of the selected game.
    void theSelectedGamesPictures()
    {
        Window w;
        w.state.prefs.cloneShots = true;
        w.window.setScreenShotsChecked(true);
        QVERIFY(w.load());
        w.window.resize(900, 426);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        auto* img = w.child<QLabel>("imgShots");
        writeFile(w.folder(DataFolder::Snapshots) + "/mspacman.png", QByteArray());
        w.select(All, "mspacman");
        // A clone without its parent's picture has no screenshot, even with its own file.
        QVERIFY(w.visible("lblShots") && !w.visible("imgShots"));
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QVERIFY(picture.save(w.folder(DataFolder::Snapshots) + "/pacman.png"));
        w.select(All, "galaga");
        w.select(All, "mspacman");
        QVERIFY(w.visible("imgShots") && !w.visible("lblShots"));
        QCOMPARE(img->width(), img->height()); // stretched into a square

        writeFile(w.program.paths().setting("nostretch.ini"),
                  "[Position]\r\nLeft=1500\r\nTop=450\r\n[Size]\r\nHeight=1200\r\nWidth=1800\r\n");
        w.window.resize(901, 426);
        QCoreApplication::processEvents();
        QVERIFY(img->geometry() == QRect(100, 30, 120, 80) && !img->hasScaledContents());
        w.trigger("mnuViewShots");
        QVERIFY(!w.visible("imgShots") && !w.visible("lblShots"));

        // The icon, artwork and banner follow the last selection.
        QImage icon(32, 32, QImage::Format_ARGB32);
        icon.fill(Qt::red);
        QDir().mkpath(w.folder(DataFolder::MAME) + "/Icons");
        QVERIFY(icon.save(w.folder(DataFolder::MAME) + "/Icons/asteroid.ico", "ICO"));
        writeFile(w.folder(DataFolder::Artwork) + "/asteroid.zip", "PK");
        auto* banner = w.child<BannerFrame>("fraScroll");
        auto* iconTimer = w.child<QTimer>("Tmr[1]");
        w.select(All, "galaga");
        QTest::qWait(250);
        w.select(All, "asteroid");
        QTest::qWait(300);
        // The first selection's tick was put off by the second.
        QVERIFY(!w.visible("IconScreen") && banner->text().isEmpty());
        QTRY_VERIFY(w.visible("IconScreen"));
        QVERIFY(w.visible("lblArtwork") && !iconTimer->isActive());
        QCOMPARE(banner->text(), QString("ATARI"));
        w.select(All, "dkong");
        QTRY_COMPARE(banner->text(), QString("NINTENDO"));
        QVERIFY(!w.visible("IconScreen") && !w.visible("lblArtwork"));
        // A click on the row already selected shows it again.
        w.select(All, "asteroid");
        QTRY_VERIFY(w.visible("IconScreen"));
        w.window.hideGameArt();
        w.window.setStatusPanel(3, QString());
        w.select(All, "asteroid");
        QVERIFY(iconTimer->isActive() && w.panel(3) == "asteroid");
        QTRY_COMPARE(banner->text(), QString("ATARI"));
        QVERIFY(w.visible("IconScreen") && w.visible("lblArtwork"));

        // The banner scrolls, and a click pauses and resumes it.
        w.window.setBannerRunning(true);
        const int start = banner->scrollLeft();
        QTest::qWait(200);
        QVERIFY(banner->scrollLeft() < start);
        QTest::mouseClick(banner, Qt::LeftButton);
        const int paused = banner->scrollLeft();
        QTest::qWait(120);
        QVERIFY(!w.window.bannerRunning() && banner->scrollLeft() == paused);
        QTest::mouseClick(banner, Qt::LeftButton);
        QVERIFY(w.window.bannerRunning());
        w.window.stopTimers();
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
