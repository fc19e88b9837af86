// The favourites commands in the main window: Add and Remove on the selected game of each list,
// the empty list that ends the favourites view, and a Refresh after a MAME upgrade that drops
// every favourite.
#include "lists/ListFixtures.h"
#include "support/FakeMame.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"
#include "ui/CommandWiring.h"
#include "ui/FavoritesCommands.h"
#include "ui/ListWindowFixture.h"
#include "ui/StartUp.h"

#include <QtTest>

using namespace velmora;
using namespace velmora::testing;

class TestFavoritesCommands : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QGuiApplication::setQuitOnLastWindowClosed(false); }

    void addAndRemoveTheSelectedGame()
    {
        ListWindow w;
        wireFavorites(w.window, w.state);
        QVERIFY(w.load(ListKind::Uninstalled));
        const QString list = w.program.paths().report("favorite.txt");
        ScriptedMessageBox boxes;
        const auto run = [&](ListKind kind, const char* game, const char* command) {
            w.window.showView(kind);
            w.select(kind, game);
            w.action(command)->trigger();
        };
        run(ListKind::Uninstalled, "galaga", "mnuAddFavorite");
        QVERIFY(!QFile::exists(list)); // the Uninstalled list has no favourites commands
        run(ListKind::All, "galaga", "mnuAddFavorite");
        run(ListKind::Installed, "pacman", "mnuAddFavorite");
        boxes.expect("Game already on list.", platform::MessageAnswer::Ok, "Add To Favorites");
        w.action("mnuAddFavorite")->trigger();
        QVERIFY(boxes.allExpectedShown());
        // The very lines of the database, so that a MAME upgrade can compare them.
        QCOMPARE(TempProgram::readFile(list), database({sixGames()[2], sixGames()[0]}));

        w.action("mnuViewFavorites")->trigger();
        QCOMPARE(w.window.gameCount(ListKind::All), 2);
        run(ListKind::Installed, "pacman", "mnuRemoveFavorite");
        QVERIFY(w.window.gameCount(ListKind::All) == 1 && w.window.favoritesChecked());

        boxes.expect("Your favorites list is empty.  Velmora will now return to the default list.",
                     platform::MessageAnswer::Ok, "Remove Favorite");
        run(ListKind::All, "galaga", "mnuRemoveFavorite");
        QVERIFY(boxes.allExpectedShown() && !QFile::exists(list));
        QVERIFY(!w.window.favoritesChecked() && !w.state.prefs.favorites);
        QCOMPARE(w.window.gameCount(ListKind::All), 6);
    }

    // The program as wired: a Refresh finds a new MAME, the rebuilt database no longer has the
    // only favourite, and the lists come back from the whole database with the view off.
    void refreshAfterAnUpgradeDropsFavorites()
    {
        TempProgram program;
        FakeMame mame(program.mameFolder());
        mame.answer("-listxml", fixturePath("gamedb/machines-0251.xml"));
        mame.answer("-listcrc", fixturePath("listcrc.txt"));
        Preferences prefs = program.standardPreferences();
        prefs.favorites = true;
        prefs.mameSize = qint32(QFileInfo(mame.scriptPath()).size());
        program.writeOptionsIni(prefs);
        const ProgramPaths paths = program.paths();
        TempProgram::writeFile(paths.report("gameinfo.txt"), database(sixGames()));
        TempProgram::writeFile(paths.report("favorite.txt"), database({sixGames()[2]}));
        for (const char* name : {"listxml.txt", "crcinfo.txt", "resource.txt"})
            TempProgram::writeFile(paths.report(QLatin1String(name)), "\r\n");

        AppState state{.paths = paths};
        MainWindow window(state);
        StartUp startUp(state, window);
        startUp.hooks().endProcess = [] {};
        wireCommands(window, state, startUp);
        QVERIFY(startUp.runLoadSequence());
        QCOMPARE(window.gameCount(ListKind::All), 1);

        QFile script(mame.scriptPath());
        QVERIFY(script.open(QIODevice::Append) && script.write("# a newer build\n") > 0);
        script.close();
        ScriptedMessageBox boxes; // the messages are pinned by the favourites check's own tests
        boxes.allowAny(true);
        window.onViewRefresh();
        QVERIFY(boxes.shown().size() == 2 && !window.favoritesChecked() && !state.prefs.favorites);
        QCOMPARE(window.gameCount(ListKind::All), 11);
        QCOMPARE(TempProgram::readFile(paths.report("changes.txt")), QByteArray("Galaga\r\n"));
    }
};

QTEST_MAIN(TestFavoritesCommands)
#include "test_favoritescommands.moc"
