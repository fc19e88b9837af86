// The main window over a small database: the three views with their counts, commands and status
// panels, sorting by header clicks, double-click and right-click, the menu rules as the menus
// open, the report panel and Exit/Cancel, Refresh and the favourites view, the screenshot, icon
// and banner, and the commands that are not available yet.
#include "platform/Seams.h"
#include "platform/qt/TableMessageDialog.h"
#include "support/ScriptedMessageBox.h"
#include "ui/BannerFrame.h"
#include "ui/GradientBackground.h"
#include "ui/InfoCommands.h"
#include "ui/ListWindowFixture.h"
#include "ui/ReadableText.h"

#include <QtTest>
#include <QtWidgets>

using namespace velmora;
using namespace velmora::testing;
using platform::MessageAnswer;
using enum ListKind;

namespace {

struct Window : ListWindow
{
    using ListWindow::ListWindow;
    QCheckBox* box(const char* name) const { return child<QCheckBox>(name); }
    bool visible(const char* name) const { return child<QWidget>(name)->isVisibleTo(&window); }
    void trigger(const char* name) const { action(name)->trigger(); }
    void press(const char* name) const { QTest::mouseClick(window.button(name), Qt::LeftButton); }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    // A header click sorts and the selection stays on its game; then the views, their counts,
    // commands and status panels, as the user switches and selects.
    void headerClicksViewsAndTheSelection()
    {
        Window w;
        QVERIFY(w.load());
        w.select(All, "zaxxon");
        w.clickHeader(All, GameListModel::Year);
        // The selected game stays selected; its new place is stored.
        QCOMPARE(w.state.prefs.all.sortKey * 10 + w.state.prefs.all.sortOrder, 10);
        QCOMPARE(w.view(All)->selectedRow() * 10 + w.state.prefs.all.index, 56);

        w.select(All, "pacman");
        QCOMPARE(w.panel(1) + '/' + w.panel(6), QString("Total Games: 6/Custom Settings"));
        w.box("chkAutoRun")->setChecked(true);
        w.trigger("mnuViewUninstalled");
        QVERIFY(!w.window.button("cmdPlay")->isDefault() && !w.box("chkAutoRun")->isEnabled() &&
                !w.box("chkAutoRun")->isChecked());
        // A double click in the uninstalled list says so instead of playing.
        int plays = 0;
        w.window.commands().play = [&plays] { ++plays; };
        ScriptedMessageBox boxes;
        boxes.expect("This game is not installed.", MessageAnswer::Ok, "Play Game");
        w.clickRow(Uninstalled, 0, Qt::LeftButton, true);
        QVERIFY(boxes.shown().first().icon == platform::MessageIcon::Information);
        w.trigger("mnuViewInstalled");
        w.clickRow(Installed, 1, Qt::LeftButton, true);
        QTest::keyClick(w.view(Installed), Qt::Key_Return); // presses Play, the default
        QCOMPARE(plays, 2);
    }

    // The window feeds the menu rules its list, busy flag, mamediff and web request as the menus
    // open, and the right-click menu follows the row clicked. Commands without handlers say so;
    // the report panel takes the window and gives it back; the information boxes; the selected
    // game's pictures and banner; Exit reads Cancel during a long job.
    void menusCommandsReportPanelPicturesAndExit()
    {
        Window w;
        w.window.setScreenShotsChecked(true);
        QVERIFY(w.load());
        w.window.resize(900, 426);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        // The screenshot, icon, artwork and banner of the selected game.
        auto* img = w.child<QLabel>("imgShots");
        QVERIFY(QImage(64, 48, QImage::Format_RGB32)
                    .save(w.folder(DataFolder::Snapshots) + "/mspacman.png"));
        w.select(All, "mspacman");
        QVERIFY(w.visible("imgShots") && !w.visible("lblShots"));
        // Scaled with its aspect kept, never wider than 40% of the list frame.
        QVERIFY(qAbs(img->width() * 3 - img->height() * 4) <= 4 &&
                img->width() <= w.window.fraList()->width() * 2 / 5);

        // The icon, artwork and banner follow the selection a moment later.
        QDir().mkpath(w.folder(DataFolder::MAME) + "/Icons");
        QVERIFY(QImage(32, 32, QImage::Format_ARGB32)
                    .save(w.folder(DataFolder::MAME) + "/Icons/asteroid.ico", "ICO"));
        writeFile(w.folder(DataFolder::Artwork) + "/asteroid.zip", "PK");
        auto* banner = w.child<BannerFrame>("fraScroll");
        w.select(All, "asteroid");
        QTRY_VERIFY(w.visible("IconScreen") && w.visible("lblArtwork") &&
                    banner->text() == "ATARI");

        // The banner scrolls.
        w.window.setBannerRunning(true);
        const int start = banner->scrollLeft();
        QTest::qWait(200);
        QVERIFY(banner->scrollLeft() < start);
        w.window.stopTimers();

        w.select(All, "galaga");
        writeFile(w.folder(DataFolder::MAME) + "/mamediff", "#!/bin/sh\n");
        w.window.setNetworkRequestRunning(true);
        for (const char* menu : {"mnuFile", "mnuReports", "mnuHelp"})
            w.openMenu(menu);
        QVERIFY(!w.enabled("mnuFilePlay") && w.enabled("mnuReportsMAMEDiff") &&
                !w.enabled("mnuHelpNews"));

        auto* menu = w.child<QMenu>("mnuRightClick");
        writeFile(w.folder(DataFolder::Samples) + "/pacman.zip", "PK");
        w.window.setFavoritesChecked(true);
        w.clickRow(All, w.rowOf(All, "pacman"), Qt::RightButton);
        QVERIFY(menu->isVisible() && w.panel(3) == "pacman" && !w.enabled("mnuAddFavorite") &&
                w.enabled("mnuRemoveFavorite") && w.enabled("mnuDeleteSamples"));
        menu->hide();
        w.window.showView(Uninstalled);
        w.clickRow(Uninstalled, 1, Qt::RightButton);
        QVERIFY(!menu->isVisible() && w.view(Uninstalled)->selectedRow() == 0);

        // The two Sets items carry no command at all: they say nothing.
        ScriptedMessageBox boxes;
        boxes.expect("Mame.Ini is not available in this version of Velmora yet.");
        for (const char* item : {"mnuReportsVerifySets", "mnuReportsLastSets"})
            w.trigger(item);
        w.press("cmdFind");
        QVERIFY(boxes.allExpectedShown() && boxes.shown().size() == 1);

        int leaving = 0;
        w.window.commands().leavingReportPanel = [&leaving] { ++leaving; };
        w.window.showReportPanel(QStringLiteral("Verify All ROMs"));
        w.openMenu("mnuFile");
        QVERIFY(w.state.panelBusy == 1 && !w.enabled("mnuFileVerify"));
        w.window.txtVerify()->setPlainText("romset galaga is bad");
        w.press("cmdGameList");
        QVERIFY(leaving == 1 && w.state.panelBusy == 0 &&
                w.window.txtVerify()->toPlainText() == "");

        w.state.startTime = 100.2;
        w.state.endTime = 102.9;
        w.window.setOptionsDialogPaths("/old/mame", "/old/roms", "");
        boxes.expect("3 Second(s)", MessageAnswer::Ok, "Start Up Time");
        w.window.onStartUpTime();
        boxes.allowAny(true);
        w.window.onPathInformation();
        const QStringList lines = boxes.shown().last().text.split('\r');
        QVERIFY(boxes.allExpectedShown() && lines.size() == 11 && boxes.shown().last().tabular);
        QCOMPARE(lines[2] + '|' + lines[4], "M.A.M.E. Path:\t" + w.folder(DataFolder::MAME) +
                                                "|Temp M.A.M.E. Path:\t/old/mame");
        // Shown, the values line up and a long one is cut in its middle, whole in its tip.
        platform::MessageRequest request = boxes.shown().last();
        request.text.replace("/old/mame", "/old/" + QString(300, 'x') + "/mame");
        platform::TableMessageDialog table(request);
        table.show();
        QLabel* cut = nullptr;
        int valueColumn = -1;
        for (QLabel* value : table.findChildren<QLabel*>()) {
            if (value->toolTip().isEmpty())
                continue; // a label, or the icon
            valueColumn = valueColumn < 0 ? value->x() : valueColumn;
            QCOMPARE(value->x(), valueColumn);
            cut = value->toolTip().contains("xxx") ? value : cut;
        }
        QVERIFY(cut && cut->text().startsWith("/old/x") && cut->text().endsWith("x/mame") &&
                cut->text().contains(QChar(0x2026)) && cut->toolTip().size() == 310);

        QSignalSpy closing(&w.window, &MainWindow::closing);
        w.window.setExitCancels(true);
        w.press("cmdExit");
        QVERIFY(w.window.button("cmdExit")->text() == "&Cancel" && w.state.cancelRequested &&
                closing.isEmpty());
        w.window.setExitCancels(false);
        w.trigger("mnuFileExit");
        QCOMPARE(closing.count(), 1);
    }

    // What a user reads: MAME's XML text decoded in the list, the status bar, the banner and an
    // exported list; columns as wide as their texts, Game taking the rest and a width the user
    // sets kept for all three lists; captions readable on a dark gradient, enabled or not; and
    // a return from a report shows the selected game as a fresh selection does.
    void whatTheUserReads()
    {
        Window w({game("att", "AT&amp;T 3B1",
                       {{GameRecord::Manufacturer, "&lt;unknown&gt;"},
                        {GameRecord::Status, "Preliminary"},
                        {GameRecord::Sound, "Unemulated"}}),
                  game("pacman", "Pac-Man"), game("zaxxon", "Zaxxon")});
        w.state.prefs.gradientColor = 0x400000; // navy
        QVERIFY(w.load());
        w.window.resize(1900, 600);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        w.select(All, "att");
        const GameListView* list = w.view(All);
        QTRY_COMPARE(w.child<BannerFrame>("fraScroll")->text(), QString("<UNKNOWN>"));
        QCOMPARE(w.panel(2) + '|' + list->model()->index(0, 0).data().toString(),
                 "AT&T 3B1|AT&T 3B1");
        ScriptedMessageBox boxes;
        boxes.allowAny(true);
        boxes.expect("Do you want to export this list of ROMs and Games to a text file in your "
                     "Velmora\\Reports directory?",
                     MessageAnswer::Yes);
        wireInfo(w.window, w.state);
        w.trigger("mnuFileExport");
        QVERIFY(TempProgram::readFile(w.program.paths().report("allgames.txt"))
                    .contains("att           AT&T 3B1\r\n"));

        for (const auto& [column, text] : {std::pair(GameListModel::Status, "Preliminary"),
                                           std::pair(GameListModel::Sound, "Unemulated"),
                                           std::pair(GameListModel::Manufacturer, "<unknown>")})
            QVERIFY2(list->fontMetrics().horizontalAdvance(text) < list->columnWidth(column), text);
        const auto shownWidth = [list] {
            int sum = 0;
            for (int c = 0; c < GameListModel::ColumnCount; ++c)
                sum += list->isColumnHidden(c) ? 0 : list->columnWidth(c);
            return sum;
        };
        QCOMPARE(shownWidth(), list->viewport()->width());
        w.view(Installed)->header()->resizeSection(GameListModel::Year, 77); // the user's drag
        QVERIFY(w.state.prefs.columnWidths == ColumnWidths({{"Year", 77}}) &&
                list->columnWidth(GameListModel::Year) == 77 &&
                shownWidth() == list->viewport()->width());

        w.window.showView(Uninstalled);
        for (const char* name : {"chkRecord", "fraList"}) {
            auto* caption = w.child<QWidget>(name);
            const QList<QColor> behind =
                w.child<GradientBackground>("frmMainBackground")
                    ->colorsBehind(caption, 0, caption->fontMetrics().height());
            const auto contrast = [&](QPalette::ColorGroup group) {
                return contrastRatio(caption->palette().color(group, QPalette::WindowText),
                                     behind.last());
            };
            // Both read; the disabled caption still looks fainter.
            QVERIFY2(contrast(QPalette::Disabled) >= 3 &&
                         contrast(QPalette::Active) > contrast(QPalette::Disabled),
                     name);
        }

        w.window.showView(All); // AT&T is not installed
        w.window.hideGameArt();
        w.window.showReportPanel("Game Information");
        w.press("cmdGameList");
        QVERIFY(!w.box("chkAutoRun")->isEnabled() && !w.box("chkRecord")->isEnabled() &&
                w.panel(6) == "Not Installed");
        QTRY_COMPARE(w.child<BannerFrame>("fraScroll")->text(), QString("<UNKNOWN>"));
    }

    // Refresh, a new ROM and the favourites view change the lists; a database that cannot be
    // read ends the program.
    void listsChange()
    {
        Window w;
        QVERIFY(w.load(Installed));
        w.select(Installed, "pacman");
        writeFile(w.program.paths().report("gameinfo.txt"),
                  database(sixGames() << game("1942", "1942")));
        writeFile(w.folder(DataFolder::ROMs) + "/1942.zip", "PK");
        bool asked = false;
        w.window.commands().refreshDatabase = [&asked](ProgressSink&) { asked = true; };
        w.trigger("mnuViewRefresh");
        QVERIFY(asked && w.state.prefs.installed.index == 1 && w.state.prefs.all.index == 1);
        QCOMPARE(w.panel(1) + '/' + w.panel(3), QString("Total Games: 4/1942"));

        w.window.showView(Uninstalled);
        w.select(Uninstalled, "galaga");
        QCOMPARE(w.window.takeSelectedUninstalledRow(), std::optional<int>(2));
        w.window.addNewRomToInstalled();
        w.window.addNewRomToInstalled(); // only once
        QVERIFY(w.roms(Uninstalled).size() == 2 && w.roms(Installed).count("galaga") == 1);

        ScriptedMessageBox boxes;
        boxes.expect("You do not have a favorites list.  ", MessageAnswer::Ok, "Favorite Games");
        w.trigger("mnuViewFavorites");
        QVERIFY(boxes.allExpectedShown() && !w.window.favoritesChecked());

        // The load's own message is pinned by the list loading tests.
        QFile::remove(w.program.paths().report("gameinfo.txt"));
        int ended = 0;
        platform::seams().endProgram = [&ended] { ++ended; };
        boxes.allowAny(true);
        QVERIFY(!w.load() && ended == 1 &&
                boxes.shown().last().icon == platform::MessageIcon::Critical);
        platform::seams().endProgram = nullptr;
    }

    // The audits' states show in the lists and the status bar; hiding bad ROMs narrows the
    // loaded lists (the database is not read again), keeps the selected game, follows a new
    // audit and comes undone.
    void badRomsShowAndHide()
    {
        Window w;
        writeFile(w.program.paths().report("romstatus.txt"),
                  "galaga\tbad\t2026-12-01\r\npacman\tgood\t2026-12-02\r\n");
        writeFile(w.program.paths().report("oldromstatus.txt"), "zaxxon\tnot found\t2025-01-01\n");
        QVERIFY(w.load(All));
        w.select(All, "pacman");
        QCOMPARE(w.panel(6), "Custom Settings");
        QCOMPARE(w.child<QLabel>("Panel6")->text(), "Custom Settings  |  ROMs good, 2026-12-02");
        const GameListModel* all = w.window.listModel(All);
        QVERIFY(all->index(w.rowOf(All, "zaxxon"), GameListModel::Roms)
                    .data(GameListModel::RomStateOlderRole)
                    .toBool());

        QFile::remove(w.program.paths().report("gameinfo.txt"));
        QVERIFY(!w.child<QLabel>("lblFiltersApp")->isVisibleTo(&w.window));
        w.trigger("mnuViewHideBadRoms");
        QCOMPARE(w.roms(All), QStringList({"asteroid", "dkong", "mspacman", "pacman"}));
        QVERIFY(w.state.prefs.hideBadRoms &&
                w.child<QLabel>("lblFiltersApp")->isVisibleTo(&w.window));
        QCOMPARE(w.panel(1) + '/' + w.panel(3), "Total Games: 4/pacman");

        w.state.romStatus->record("pacman", RomState::Bad, QDate(2026, 12, 6));
        w.window.romStatesChanged();
        QCOMPARE(w.roms(Installed), QStringList({"asteroid", "mspacman"}));
        w.trigger("mnuViewHideBadRoms");
        QVERIFY(w.roms(All).size() == 6 && !w.state.prefs.hideBadRoms);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
