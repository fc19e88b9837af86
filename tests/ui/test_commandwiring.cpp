// The started program's commands reach their subsystems: the settings editor takes the window and
// gives it back, Refresh with an unchanged MAME runs no MAME command and after an upgrade drops
// the favourites, Play runs the selected game in MAME with mame.ini back to its path layer
// afterwards, a search that shows no game turns the game's commands off, Delete ROM ends at its
// error, and Auto Run follows its box.
#include "app/IniFile.h"
#include "emulator_settings/MameIni.h"
#include "launch/PlayHistory.h"
#include "support/DatabaseProgram.h"
#include "support/ScriptedMessageBox.h"
#include "ui/CommandWiring.h"
#include "ui/ListWindowFixture.h"
#include "ui/StartUp.h"

#include <QtWidgets>

using namespace velmora;
using namespace velmora::testing;
using enum ListKind;

namespace {

// The program started over the six games, only pacman installed, with every command wired.
struct StartedProgram : DatabaseProgram
{
    Preferences prefs = tp.standardPreferences();
    AppState state{.paths = paths};
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<StartUp> startUp;

    StartedProgram() : DatabaseProgram(false)
    {
        prefs.mameSize = mameSize();
        TempProgram::writeFile(paths.report("gameinfo.txt"), database(sixGames()));
        for (const char* name :
             {"listxml.txt", "crcinfo.txt", "resource.txt", "showusage.txt", "showconfig.txt"})
            TempProgram::writeFile(paths.report(name), "\r\n");
        TempProgram::writeFile(prefs.folder(DataFolder::ROMs) + "/pacman.zip", "PK");
    }

    // Writes options.ini from prefs and runs the load sequence, then shows the window.
    bool start()
    {
        tp.writeOptionsIni(prefs);
        window = std::make_unique<MainWindow>(state);
        startUp = std::make_unique<StartUp>(state, *window);
        startUp->hooks().endProcess = [] {};
        startUp->hooks().createMameIni = [this] { CreateMAMEIni(state.prefs); };
        wireCommands(*window, state, *startUp);
        if (!startUp->runLoadSequence())
            return false;
        window->show();
        return true;
    }
};

} // namespace

class TestCommandWiring : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QGuiApplication::setQuitOnLastWindowClosed(false); }

    void commandsReachTheirSubsystems()
    {
        StartedProgram p;
        p.prefs.gameView = QStringLiteral("Installed Games");
        ScriptedMessageBox boxes;
        QVERIFY(p.start());
        MainWindow& window = *p.window;
        const QByteArray pathLayer = TempProgram::readFile(mameIniPath(p.state.prefs));
        QVERIFY(pathLayer.startsWith("#\r\n# PATH AND DIRECTORY OPTIONS #"));

        // The settings editor takes the window and Cancel gives it back.
        window.onCustom();
        QVERIFY(p.state.panelBusy == 1 && window.fraDefaults()->isEnabled());
        window.fraDefaults()->findChild<QPushButton*>("cmdCancel")->click();
        QCOMPARE(p.state.panelBusy, 0);

        // Refresh: MAME unchanged, so only the lists reload.
        window.onViewRefresh();
        QVERIFY(p.mame.callCount() == 0 && window.gameCount(Installed) == 1);

        // Play the one installed game: MAME gets it, mame.ini ends in its path layer.
        window.showView(Installed);
        window.listView(Installed)->setCurrentIndex(window.listModel(Installed)->index(0, 0));
        window.onPlay();
        QVERIFY(p.mame.callCount() == 1 && p.mame.arguments().value(0) == "pacman");
        QCOMPARE(TempProgram::readFile(mameIniPath(p.state.prefs)), pathLayer);

        // A search that finds nothing shows no game, whatever panel 1 reads: the menus turn the
        // game's commands off as the buttons do, and Mame.Ini asks for a game.
        QTest::keyClicks(window.findChild<QLineEdit*>("txtSearch"), "zzqxjw");
        QVERIFY(QTest::qWaitFor([&] { return window.statusPanel(1).contains(" of "); }));
        emit window.findChild<QMenu*>("mnuFile")->aboutToShow();
        boxes.expect("An installed game must first be selected!", platform::MessageAnswer::Ok,
                     "Mame.Ini");
        window.onFind();
        QVERIFY(boxes.allExpectedShown() &&
                !window.findChild<QAction*>("mnuFileInfo")->isEnabled());

        // Delete ROM ends at its error: no refresh finds the galaga.zip copied in meanwhile.
        TempProgram::writeFile(p.prefs.folder(DataFolder::ROMs) + "/galaga.zip", "PK");
        window.setStatusPanel(3, "../nosuch");
        boxes.expect("Error in mnuDeleteROM_Click: Bad file name or number",
                     platform::MessageAnswer::Ok, "Delete ROM");
        window.commands().deleteRom();
        QVERIFY(boxes.allExpectedShown() && window.gameCount(Installed) == 1);
        window.close();
    }

    // A game played shows in the lists at once; Recently Played sorts the All list by it, newest
    // first; Reset Play History forgets it after a yes, in the lists and in playstats.ini.
    void playHistoryReachesTheLists()
    {
        StartedProgram p;
        const QString stats = p.state.paths.setting(kPlayHistoryFile);
        TempProgram::writeFile(stats, "[dkong]\nPlayCount=4\nLastPlayed=2020-05-01T10:00:00\n");
        ScriptedMessageBox boxes;
        QVERIFY(p.start());
        MainWindow& window = *p.window;
        const GameListModel* all = window.listModel(All);
        // Pac-Man is the database's first game.
        const auto pacmanPlays = [all] {
            return all->text(all->rowOfGame(0), GameListModel::Played);
        };
        window.showView(Installed);
        window.listView(Installed)->setCurrentIndex(window.listModel(Installed)->index(0, 0));
        window.onPlay();
        QCOMPARE(pacmanPlays(), QStringLiteral("1"));

        window.findChild<QAction*>("mnuViewRecent")->trigger();
        QCOMPARE(window.currentList(), All);
        QVERIFY(all->text(0, GameListModel::Rom) == "pacman" &&
                all->text(1, GameListModel::Rom) == "dkong");
        QCOMPARE(window.listView(All)->selectedRow(), 0);

        boxes.expect("Are you sure you want to reset the play history of Pac-Man?\rHow often, how "
                     "long and when it was played will be forgotten.",
                     platform::MessageAnswer::Yes, "Reset Play History");
        window.findChild<QAction*>("mnuResetPlayHistory")->trigger();
        QVERIFY(boxes.allExpectedShown() && pacmanPlays().isEmpty());
        QCOMPARE(all->text(0, GameListModel::Rom), QStringLiteral("dkong"));
        QVERIFY(!TempProgram::readFile(stats).contains("pacman"));
        window.close();
    }

    // A remembered game that cannot be started clears the box and the preference instead of
    // greeting the user with a message; selecting a game that is not installed clears the box
    // the user ticked, and the file.
    void autoRunFollowsTheBox()
    {
        // The Uninstalled view, Asteroids (not installed), Pac-Man.
        for (const auto& [view, index] :
             {std::pair{"Uninstalled Games", 1}, {"All Games", 1}, {"All Games", 5}}) {
            const bool plays = index == 5;
            StartedProgram p;
            p.prefs.autoRun = true;
            p.prefs.gameView = view;
            p.prefs.all.index = index;
            ScriptedMessageBox boxes;
            QVERIFY(p.start());
            p.startUp->afterShown();
            auto* box = p.window->findChild<QCheckBox*>("chkAutoRun");
            QVERIFY2(p.mame.callCount() == plays && box->isChecked() == plays, view);
            if (plays)
                clickRow(p.window->listView(All), 0);
            QVERIFY(!box->isChecked() && !p.state.prefs.autoRun);
            QCOMPARE(ReadIniValue(p.tp.optionsIni(), "Miscellaneous", "AutoRun", ""),
                     QString("False"));
            p.window->close();
        }
    }

    // A Refresh finds a new MAME, the rebuilt database no longer has the only favourite, and the
    // lists come back from the whole database with the view off.
    void refreshAfterAnUpgradeDropsFavorites()
    {
        StartedProgram p;
        p.prefs.favorites = true;
        TempProgram::writeFile(p.state.paths.report("favorite.txt"), database({sixGames()[2]}));
        QVERIFY(p.start());
        QCOMPARE(p.window->gameCount(All), 1);

        p.growMame();
        ScriptedMessageBox boxes; // the messages are pinned by the favourites check's own tests
        boxes.allowAny(true);
        p.window->onViewRefresh();
        QVERIFY(boxes.shown().size() == 2 && !p.window->favoritesChecked() &&
                !p.state.prefs.favorites);
        QCOMPARE(p.window->gameCount(All), 11);
        QCOMPARE(TempProgram::readFile(p.state.paths.report("changes.txt")),
                 QByteArray("Galaga\r\n"));
    }
};

QTEST_MAIN(TestCommandWiring)
#include "test_commandwiring.moc"
