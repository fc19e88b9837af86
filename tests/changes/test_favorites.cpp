// The favourites list: adding and removing by description, the check against a newly built
// database, and rewrites that fail half-way.
#include "app/IniFile.h"
#include "changes/FavoriteListChanges.h"
#include "changes/FavoritesList.h"
#include "changes/VerifyFavorites.h"
#include "lists/ListFixtures.h"
#include "support/ScriptedMessageBox.h"

#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

const char* const kDroppedMessage =
    "At least one game was removed from your favorites list because\r"
    "there were changes to it with this version of M.A.M.E.  You can\r"
    "see a list of the games removed by selecting Favorite List Changes\r"
    "from the Reports pull-down menu.";

} // namespace

class TestFavorites : public QObject
{
    Q_OBJECT
private slots:
    // A description is on the list once: another game of the same description is refused; a
    // description differing in letter case is another favourite. Removing drops every game of the
    // description, from a list an older program left with LF line ends and a blank line.
    void addAndRemove()
    {
        TempProgram tp;
        const FavoritesFiles files = FavoritesFiles::under(tp.paths());
        const GameRecord pacman = game("pacman", "Pac-Man"), galaga = game("galaga", "Galaga");
        const std::pair<GameRecord, AddOutcome> steps[] = {
            {pacman, AddOutcome::Added},
            {galaga, AddOutcome::Added},
            {game("pacmanf", "Pac-Man", {{GameRecord::Year, "1981"}}), AddOutcome::AlreadyOnList},
            {game("pacmanu", "PAC-MAN"), AddOutcome::Added}};
        for (const auto& [record, outcome] : steps)
            QCOMPARE(addFavorite(files, record).outcome, outcome);
        QCOMPARE(TempProgram::readFile(files.list),
                 database({pacman, galaga, game("pacmanu", "PAC-MAN")}));

        const QByteArray old = QByteArray(database({pacman, galaga})).replace("\r\n", "\n") + "\n" +
                               database({game("pacmanf", "Pac-Man")});
        const QByteArray three = database({pacman, galaga, game("pacmanf", "Pac-Man")});
        const std::tuple<const char*, QByteArray, int> removals[] = {
            {"Pac-Man", database({galaga}), 1},
            {"pac", three, 3}}; // the whole first field, letter case counting
        for (const auto& [description, left, gamesLeft] : removals) {
            QVERIFY(TempProgram::writeFile(files.list, old));
            const RemoveResult result = removeFavorite(files, description);
            QVERIFY2(result.ok && result.gamesLeft == gamesLeft, description);
            QCOMPARE(TempProgram::readFile(files.list), left);
        }
    }

    // The check drops a changed record and a game the database no longer has, logging them after
    // the earlier entries (keeping the others is proven with the real MAME); the list left empty
    // ends the favourites view, and so does a list that was empty to begin with.
    void checkDropsChangedFavorites()
    {
        TempProgram tp;
        const FavoritesFiles files = FavoritesFiles::under(tp.paths());
        QVERIFY(TempProgram::writeFile(files.database, database({game("pacman", "Pac-Man")})));
        QVERIFY(TempProgram::writeFile(
            files.list, database({game("pacman", "Pac-Man", {{GameRecord::Year, "1899"}}),
                                  game("gone", "Gone &amp; Game")})));
        QVERIFY(TempProgram::writeFile(files.changes, "Earlier Game\r\n"));
        ScriptedMessageBox boxes;
        boxes.expect(kDroppedMessage, platform::MessageAnswer::Ok, "Favorites Verify");
        boxes.expect("Your favorites list is now empty.  Velmora will now load\rthe default game "
                     "list.",
                     platform::MessageAnswer::Ok, "Favorites Verify");
        NullProgress progress;
        int viewSwitchedOff = 0;
        VerifyFavorites(tp.paths(), progress, [&viewSwitchedOff] { ++viewSwitchedOff; });
        QVERIFY(boxes.allExpectedShown() && !QFile::exists(files.list) &&
                !QFile::exists(files.next) && viewSwitchedOff == 1);
        QCOMPARE(ReadIniValue(tp.optionsIni(), "View", "Favorites", ""), QString("False"));
        QCOMPARE(TempProgram::readFile(files.changes),
                 QByteArray("Earlier Game\r\nPac-Man\r\nGone &amp; Game\r\n"));
        // The report shows the log as the user reads the names.
        QVERIFY(favoriteListChangesText(files.changes)->endsWith("Pac-Man\rGone & Game\r"));

        QVERIFY(TempProgram::writeFile(files.list, ""));
        boxes.expect(boxes.shown().last().text, platform::MessageAnswer::Ok, "Favorites Verify");
        VerifyFavorites(tp.paths(), progress, [&viewSwitchedOff] { ++viewSwitchedOff; });
        QVERIFY(boxes.allExpectedShown() && !QFile::exists(files.list) && viewSwitchedOff == 2);
    }

    // Up to the rename the old list is in place (a kill there leaves it whole); when newfav.txt
    // cannot take its place, the list stays as it was, nothing is logged and newfav.txt does not
    // stay behind. Adding, removing and the check against the database each fail so in turn.
    void failedRenameLeavesTheWholeList()
    {
        TempProgram tp;
        FavoritesFiles files = FavoritesFiles::under(tp.paths());
        const QByteArray list = database({game("pacman", "Pac-Man"), game("galaga", "Galaga")});
        QByteArray listAtRename;
        files.rename = [&listAtRename](const QString&, const QString& to) {
            listAtRename = TempProgram::readFile(to);
            return false;
        };
        QVERIFY(TempProgram::writeFile(files.list, list));
        QVERIFY(TempProgram::writeFile(files.database, database({game("galaga", "Galaga")})));
        const auto leftWhole = [&](bool failed, const QString& error) {
            const bool whole = failed && error.contains("newfav.txt") && listAtRename == list &&
                               TempProgram::readFile(files.list) == list &&
                               !QFile::exists(files.changes) && !QFile::exists(files.next);
            listAtRename.clear();
            return whole;
        };
        const AddResult added = addFavorite(files, game("zaxxon", "Zaxxon"));
        QVERIFY2(leftWhole(added.outcome == AddOutcome::Failed, added.error),
                 qPrintable(added.error));
        const RemoveResult removed = removeFavorite(files, "Pac-Man");
        QVERIFY2(leftWhole(!removed.ok, removed.error), qPrintable(removed.error));
        const FavoritesCheck c = checkFavoritesAgainstDatabase(files);
        QVERIFY2(
            leftWhole(c.outcome == FavoritesCheck::Outcome::Failed && c.dropped.isEmpty(), c.error),
            qPrintable(c.error));
    }
};

QTEST_GUILESS_MAIN(TestFavorites)
#include "test_favorites.moc"
