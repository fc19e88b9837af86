// The favourites list: adding and removing by description, the check against the database a new
// MAME builds (through the rebuild, with a fake mame), and rewrites that fail half-way.
#include "app/IniFile.h"
#include "changes/FavoritesList.h"
#include "changes/VerifyFavorites.h"
#include "gamedb/DatabaseUpdate.h"
#include "lists/ListFixtures.h"
#include "support/FakeMame.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"

#include <QFile>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

const char* const kDroppedMessage =
    "At least one game was removed from your favorites list because\r"
    "there were changes to it with this version of M.A.M.E.  You can\r"
    "see a list of the games removed by selecting Favorite List Changes\r"
    "from the Reports pull-down menu.";
const char* const kEmptiedMessage =
    "Your favorites list is now empty.  Velmora will now load\rthe default game list.";

QByteArray lines(const QList<QByteArray>& list)
{
    QByteArray out;
    for (const QByteArray& line : list)
        out += line + "\r\n";
    return out;
}

class RecordingProgress : public ProgressSink
{
public:
    void setMessage(const QString& message) override { messages << message; }
    void setCount(const QString&) override {}
    QStringList messages;
};

// A program whose database the fake mame builds from the 0.251 fixture.
struct Program
{
    TempProgram tp;
    FakeMame mame{tp.mameFolder()};
    ProgramPaths paths = tp.paths();
    FavoritesFiles files = FavoritesFiles::under(paths);
    RecordingProgress progress;
    int viewSwitchedOff = 0;
    QStringList reportsAtCheck; // whatsnew.txt present when the favourites were checked

    Program()
    {
        Preferences prefs = tp.standardPreferences();
        prefs.favorites = true;
        tp.writeOptionsIni(prefs);
        mame.answer("-listxml", fixturePath("gamedb/machines-0251.xml"));
        mame.answer("-listcrc", fixturePath("listcrc.txt"));
    }
    DatabaseSetup setup()
    {
        return DatabaseSetup{paths, tp.mameFolder(), [this] {
                                 reportsAtCheck << (exists("whatsnew.txt") ? "whatsnew" : "none");
                                 VerifyFavorites(paths, progress, [this] { ++viewSwitchedOff; });
                             }};
    }
    // The new MAME's build, with the change reports of the previous one still there.
    bool upgrade()
    {
        TempProgram::writeFile(paths.report("whatsnew.txt"), "last time");
        return rebuildAfterChange(setup(), progress).database.ok;
    }
    QByteArray read(const char* name) const { return TempProgram::readFile(paths.report(name)); }
    bool exists(const char* name) const { return QFile::exists(paths.report(name)); }
    QList<QByteArray> databaseLines() const { return read("gameinfo.txt").split('\n'); }
    QByteArray databaseLine(const char* description) const
    {
        for (QByteArray line : databaseLines())
            if (favoriteIdentity(line) == description)
                return line.chopped(1); // without the CR
        return {};
    }
};

} // namespace

class TestFavorites : public QObject
{
    Q_OBJECT
private slots:
    // A description is on the list once: the same game and another game of the same
    // description are refused; a description differing in letter case is another favourite.
    void addRefusesADescriptionAlreadyOnTheList()
    {
        TempProgram tp;
        const FavoritesFiles files = FavoritesFiles::under(tp.paths());
        const GameRecord pacman = game("pacman", "Pac-Man");
        const GameRecord galaga = game("galaga", "Galaga");
        const struct
        {
            GameRecord record;
            AddOutcome outcome;
        } steps[] = {
            {pacman, AddOutcome::Added},
            {pacman, AddOutcome::AlreadyOnList},
            {galaga, AddOutcome::Added},
            {game("pacmanf", "Pac-Man", {{GameRecord::Year, "1981"}}), AddOutcome::AlreadyOnList},
            {game("pacmanu", "PAC-MAN"), AddOutcome::Added}};
        for (const auto& step : steps)
            QCOMPARE(addFavorite(files, step.record).outcome, step.outcome);
        QCOMPARE(TempProgram::readFile(files.list),
                 database({pacman, galaga, game("pacmanu", "PAC-MAN")}));
        QVERIFY(!QFile::exists(files.next));
    }

    void removeDropsEveryFavoriteOfTheDescription_data()
    {
        QTest::addColumn<QByteArray>("description");
        QTest::addColumn<QByteArray>("left");
        QTest::addColumn<int>("gamesLeft");
        const QByteArray galaga = database({game("galaga", "Galaga")});
        const QByteArray both = database(
            {game("pacman", "Pac-Man"), game("galaga", "Galaga"), game("pacmanf", "Pac-Man")});
        QTest::newRow("two games share the description") << QByteArray("Pac-Man") << galaga << 1;
        QTest::newRow("not a favourite") << QByteArray("Zaxxon") << both << 3;
        QTest::newRow("the whole first field, case counting") << QByteArray("pac") << both << 3;
    }
    void removeDropsEveryFavoriteOfTheDescription()
    {
        QFETCH(QByteArray, description);
        TempProgram tp;
        const FavoritesFiles files = FavoritesFiles::under(tp.paths());
        // The list as an older program left it: LF line ends and a blank line.
        QByteArray list = database({game("pacman", "Pac-Man"), game("galaga", "Galaga")});
        list.replace("\r\n", "\n");
        list += "\n" + database({game("pacmanf", "Pac-Man")});
        QVERIFY(TempProgram::writeFile(files.list, list));
        const RemoveResult result = removeFavorite(files, description);
        QVERIFY(result.ok);
        QTEST(result.gamesLeft, "gamesLeft");
        QTEST(TempProgram::readFile(files.list), "left");
        QVERIFY(!QFile::exists(files.next));
    }

    // Two MAME upgrades: the first keeps the unchanged favourite and the one that differs only in
    // letter case, and drops a changed record and a game MAME no longer has; the second drops
    // everything, which ends the favourites view. A build cut short checks nothing.
    void upgradesDropChangedFavorites()
    {
        Program p;
        QVERIFY(firstBuild(p.setup(), p.progress).database.ok);
        const QByteArray puckman = p.databaseLine("Puck Man (Japan set 1)");
        const QByteArray pacman = p.databaseLine("Pac-Man (Midway)");
        const QByteArray kuzmich = p.databaseLine("Kuzmich-Egorych");
        QVERIFY(!puckman.isEmpty() && !pacman.isEmpty() && !kuzmich.isEmpty());
        GameRecord changed = GameRecord::fromLine(kuzmich);
        changed[GameRecord::Year] = "1899";
        const QByteArray changedYear = changed.toLine();
        const QByteArray gone = game("gone", "Gone Game").toLine();
        const QByteArray favorites = lines({puckman, pacman.toUpper(), changedYear, gone});
        QVERIFY(TempProgram::writeFile(p.files.list, favorites));
        QVERIFY(TempProgram::writeFile(p.files.changes, "Earlier Game\r\n"));

        ScriptedMessageBox boxes;
        boxes.expect(kDroppedMessage, platform::MessageAnswer::Ok, "Favorites Verify");
        p.progress.messages.clear();
        QVERIFY(p.upgrade());
        QVERIFY(boxes.allExpectedShown());
        QCOMPARE(p.read("favorite.txt"), lines({puckman, pacman.toUpper()}));
        QCOMPARE(p.read("changes.txt"),
                 QByteArray("Earlier Game\r\nKuzmich-Egorych\r\nGone Game\r\n"));
        QVERIFY(p.progress.messages.contains("Verifying favorites list..."));
        QCOMPARE(p.progress.messages.last(), QString());
        QCOMPARE(p.reportsAtCheck.last(), QString("whatsnew")); // checked before the reports went
        QVERIFY(!p.exists("whatsnew.txt") && !p.exists("newfav.txt"));
        QCOMPARE(p.viewSwitchedOff, 0);

        // Nothing on the list survives the next upgrade.
        QVERIFY(TempProgram::writeFile(p.files.list, lines({gone})));
        boxes.expect(kDroppedMessage, platform::MessageAnswer::Ok, "Favorites Verify");
        boxes.expect(kEmptiedMessage, platform::MessageAnswer::Ok, "Favorites Verify");
        QVERIFY(p.upgrade());
        QVERIFY(boxes.allExpectedShown());
        QVERIFY(!p.exists("favorite.txt") && !p.exists("newfav.txt"));
        QCOMPARE(p.viewSwitchedOff, 1);
        QCOMPARE(ReadIniValue(p.tp.optionsIni(), "View", "Favorites", ""), QString("False"));
        QCOMPARE(p.read("changes.txt"),
                 QByteArray("Earlier Game\r\nKuzmich-Egorych\r\nGone Game\r\nGone Game\r\n"));

        // MAME dies half-way through its list: the database is not rebuilt, so the favourites
        // are not checked against it.
        QVERIFY(TempProgram::writeFile(p.files.list, lines({gone})));
        const QByteArray full = TempProgram::readFile(fixturePath("gamedb/machines-0251.xml"));
        QVERIFY(TempProgram::writeFile(p.tp.root() + "/half.xml", full.left(full.size() / 2)));
        p.mame.answer("-listxml", p.tp.root() + "/half.xml");
        boxes.allowAny(true);
        QVERIFY(!p.upgrade());
        QCOMPARE(p.read("favorite.txt"), lines({gone}));
    }

    // Up to the rename the old list is in place (a kill there leaves it whole); when newfav.txt
    // cannot take its place, the list stays as it was, nothing is logged and newfav.txt does not
    // stay behind.
    void failedRenameLeavesTheWholeList_data()
    {
        QTest::addColumn<int>("operation");
        QTest::newRow("add") << 0;
        QTest::newRow("remove") << 1;
        QTest::newRow("check") << 2;
    }
    void failedRenameLeavesTheWholeList()
    {
        QFETCH(int, operation);
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
        QString error;
        if (operation == 0) {
            const AddResult result = addFavorite(files, game("zaxxon", "Zaxxon"));
            QCOMPARE(result.outcome, AddOutcome::Failed);
            error = result.error;
        } else if (operation == 1) {
            const RemoveResult result = removeFavorite(files, "Pac-Man");
            QVERIFY(!result.ok);
            error = result.error;
        } else {
            const FavoritesCheck check = checkFavoritesAgainstDatabase(files);
            QCOMPARE(check.outcome, FavoritesCheck::Outcome::Failed);
            QVERIFY(check.dropped.isEmpty());
            error = check.error;
        }
        QVERIFY(error.contains("newfav.txt"));
        QCOMPARE(listAtRename, list);
        QCOMPARE(TempProgram::readFile(files.list), list);
        QVERIFY(!QFile::exists(files.changes) && !QFile::exists(files.next));
    }
};

QTEST_GUILESS_MAIN(TestFavorites)
#include "test_favorites.moc"
