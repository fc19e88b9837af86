// The favourites commands in the main window: Add and Remove on the selected game of each list,
// and the empty list that ends the favourites view.
#include "support/ScriptedMessageBox.h"
#include "ui/FavoritesCommands.h"
#include "ui/ListWindowFixture.h"

#include <QtTest>

using namespace velmora;
using namespace velmora::testing;
using enum ListKind;

class TestFavoritesCommands : public QObject
{
    Q_OBJECT
private slots:
    void addAndRemoveTheSelectedGame()
    {
        ListWindow w;
        wireFavorites(w.window, w.state);
        QVERIFY(w.load(Uninstalled));
        const QString list = w.program.paths().report("favorite.txt");
        ScriptedMessageBox boxes;
        const auto run = [&](ListKind kind, const char* game, const char* command) {
            w.window.showView(kind);
            w.select(kind, game);
            w.action(command)->trigger();
        };
        run(All, "galaga", "mnuAddFavorite");
        run(Installed, "pacman", "mnuAddFavorite");
        boxes.expect("Game already on list.", platform::MessageAnswer::Ok, "Add To Favorites");
        w.action("mnuAddFavorite")->trigger();
        // The very lines of the database, so that a MAME upgrade can compare them.
        QCOMPARE(TempProgram::readFile(list), database({sixGames()[2], sixGames()[0]}));

        w.action("mnuViewFavorites")->trigger();
        run(Installed, "pacman", "mnuRemoveFavorite");
        QVERIFY(w.window.gameCount(All) == 1 && w.window.favoritesChecked());
        boxes.expect("Your favorites list is empty.  Velmora will now return to the default list.",
                     platform::MessageAnswer::Ok, "Remove Favorite");
        run(All, "galaga", "mnuRemoveFavorite");
        QVERIFY(boxes.allExpectedShown() && !QFile::exists(list) && !w.state.prefs.favorites);
        QVERIFY(!w.window.favoritesChecked() && w.window.gameCount(All) == 6);
    }
};

QTEST_MAIN(TestFavoritesCommands)
#include "test_favoritescommands.moc"
