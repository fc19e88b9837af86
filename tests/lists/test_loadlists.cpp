// LoadLists: the hide filters with their exact comparisons, the installed test in both ROM
// folders, the category and player columns, the favourites source and the load errors.
#include "app/Progress.h"
#include "lists/ListFixtures.h"
#include "lists/LoadLists.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace velmora;
using namespace velmora::testing;

namespace {

struct CountingProgress : ProgressSink
{
    void setMessage(const QString&) override {}
    void setCount(const QString& count) override { last = count, ++updates; }
    QString last;
    int updates = 0;
};

// The ROMs of `games` that no filter of `rules` hides.
QStringList listed(const QList<GameRecord>& games, const HideRules& rules)
{
    QStringList roms;
    for (const GameRecord& g : games)
        if (!hidingFilter(g, rules))
            roms << QString::fromUtf8(g[GameRecord::Rom]);
    return roms;
}

HideRules rulesWith(std::initializer_list<HideFlag> flags, const char* year = "")
{
    HideRules rules;
    for (HideFlag f : flags)
        rules.hide[static_cast<int>(f)] = true;
    rules.year = year;
    return rules;
}

} // namespace

class TestLoadLists : public QObject
{
    Q_OBJECT
private slots:
    // The lists of a program folder under its hide filters: every shown game in All and in
    // exactly one of Installed (an archive in either ROM folder) and Uninstalled, the category
    // and player columns, the favourites view and the load errors; then the filters themselves.
    void loadsTheListsUnderTheHideFilters()
    {
        QTemporaryDir dir;
        const auto path = [&dir](const QString& name) { return dir.path() + u'/' + name; };
        Preferences prefs;
        LoadedLists lists;
        const auto load = [&](bool favorites, bool columns, ProgressSink& progress) {
            return LoadLists(ListLoadRequest::forProgram(ProgramPaths{dir.path()}, prefs, favorites,
                                                         columns, columns),
                             progress, &lists);
        };
        NullProgress none;
        // The first record is split over two lines (the line end separates the fields); blank
        // lines and unquoted fields are read as the lists always read them.
        const QByteArray pacman = game("pacman", "Pac-Man, Midway").toLine();
        const QByteArray galaga =
            game("galaga", "Galaga", {{GameRecord::Palette, "   8"}}).toLine();
        const qsizetype cut = pacman.indexOf("\"Namco\"");
        writeFile(
            path("reports/gameinfo.txt"),
            pacman.left(cut - 1) + "\r\n" + pacman.mid(cut) + "\r\n\r\n  " +
                QByteArray(galaga).replace("\"\"", "").replace("\"Galaga\"", "Galaga ") + "\n" +
                database({game("dkong", "Donkey Kong"), game("mspacman", "Ms. Pac-Man"),
                          game("puckman", "Puck", {{GameRecord::Origin, "Clone of pacman"}})}));
        writeFile(path("roms/pacman.zip"), "PK");
        writeFile(path("extra/dkong.zip"), "PK");
        writeFile(path("roms/galaga/readme.txt"), "a folder of loose files is no archive");
        QDir().mkpath(path("roms/mspacman.zip")); // a folder, not an archive
        prefs.setFolder(DataFolder::ROMs, path("roms"));
        prefs.setFolder(DataFolder::AdditionalROMs, path("extra"));
        prefs.setHidden(HideFlag::Clones, true);
        CountingProgress progress;
        QVERIFY(load(false, false, progress).ok);
        QCOMPARE(lists.all.size(), size_t(4));
        QCOMPARE(lists.installed, std::vector<int>({0, 2}));
        QCOMPARE(lists.uninstalled, std::vector<int>({1, 3}));
        QVERIFY(progress.last == "4" && progress.updates == 4);
        QCOMPARE(lists.table->at(0).record.toLine() + lists.table->at(1).record.toLine(),
                 pacman + galaga);
        const auto columns = [&lists](int index) {
            return lists.table->at(index).category + '|' + lists.table->at(index).players;
        };
        QCOMPARE(columns(0), QByteArray("|")); // without the two files the columns stay empty

        writeFile(path("catver.ini"), "[Category]\r\npacman=Maze\r\ngalaga=Shooter\r\n");
        writeFile(path("nplayers.ini"), "[NPlayers]\npacman=2P alt\ngalaga=2P alt\n");
        QVERIFY(load(false, true, none).ok);
        QCOMPARE(columns(1), QByteArray("Shooter|2P alt"));
        // Line ends of an old Mac editor (CR alone) are line ends too; a FIFO in a file's place
        // is never opened: the load does not wait for a writer.
        writeFile(path("nplayers.ini"), "[NPlayers]\rpacman=2P alt\rgalaga=1P\r");
        QFile::remove(path("catver.ini"));
        QCOMPARE(mkfifo(QFile::encodeName(path("catver.ini")).constData(), 0600), 0);
        QVERIFY(load(false, true, none).ok);
        QCOMPARE(columns(1), QByteArray("Not Found|1P"));

        // The Favorites view reads the favourites file; a missing file, or a record cut short
        // by the end of the file, fails with the game it had reached (the ROM field not reached
        // still holds the previous game's).
        writeFile(path("reports/favorite.txt"), database({game("galaga", "Galaga")}));
        QVERIFY(load(true, false, none).ok && lists.all.size() == 1);
        const QString advice = "\r\rThis might mean you are not using the correct version of "
                               "M.A.M.E..";
        QFile::remove(path("reports/favorite.txt"));
        QVERIFY(!load(true, false, none).ok);
        writeFile(path("reports/favorite.txt"),
                  database({game("pacman", "Pac-Man")}) + "\"Galaga\",\"1981\",\"Good\"\r\n");
        QCOMPARE(load(true, false, none).message(),
                 "Error In LoadLists: Input past end of file\rROM: pacman" + advice);

        // Each filter compares its field exactly: other letter case, longer names and other
        // places in the text do not hide a game.
        QList<GameRecord> records;
        QStringList all;
        // Pairs of ROM name and the field's value.
        const auto add = [&](GameRecord::Field field, std::initializer_list<const char*> pairs) {
            for (auto it = pairs.begin(); it != pairs.end(); it += 2)
                records << game(it[0], "Game", {{field, it[1]}}), all << it[0];
        };
        add(GameRecord::Source, {"n1", "neogeo.c", "n2", "NeoGeo.c", "n3", "neogeo/neogeo.cpp",
                                 "n4", "neogeo/NeoGeo.cpp", "n5", "neogeo.cpp", "n6", "neogeo"});
        add(GameRecord::Origin, {"clone1", "Clone of pacman", "clone2", "clone of pacman"});
        add(GameRecord::Status, {"pre", "Preliminary", "imp", "Imperfect"});
        add(GameRecord::Game, {"a", "VS. Tennis", "b", "Vs. Castlevania", "c", "vs Something", "d",
                               "Versus", "e", "Galaxian vs", "f", "Vs", "g", "V"});
        add(GameRecord::Manufacturer,
            {"boot", "bootleg", "boot2", "Bootleg", "boot3", "bootleg (Sega)"});
        add(GameRecord::Chd, {"sentetst", "No", "ctsttape", "No", "Sentetst", "No", "disk", "Yes"});
        // Each filter with the games it hides.
        const std::pair<HideFlag, const char*> hidden[] = {{HideFlag::NeoGeo, "n1 n3 n5"},
                                                           {HideFlag::Clones, "clone1"},
                                                           {HideFlag::Preliminary, "pre"},
                                                           {HideFlag::Imperfect, "imp"},
                                                           {HideFlag::Vs, "a b c f"},
                                                           {HideFlag::Bootleg, "boot"},
                                                           {HideFlag::Test, "sentetst ctsttape"},
                                                           {HideFlag::CHD, "disk"}};
        for (const auto& [flag, roms] : hidden) {
            QStringList expected = all;
            for (const QString& rom : QString(roms).split(u' '))
                expected.removeOne(rom);
            QCOMPARE(listed(records, rulesWith({flag})), expected);
        }
        // Hiding the standard games keeps only the games of the listed driver files.
        QCOMPARE(listed(records, rulesWith({HideFlag::Standard})), QStringList({"n1", "n3", "n5"}));

        // The year is compared as text (an unknown year is never hidden), and of several
        // filters that apply the first in the filter order is the one reported.
        QList<GameRecord> games; // each game's ROM name is its year
        for (const char* year : {"1984", "1985", "1986", "198?", "19??", "2000"})
            games << game(year, year, {{GameRecord::Year, year}});
        QCOMPARE(listed(games, rulesWith({HideFlag::Year}, "1985")),
                 QStringList({"1984", "1985", "19??"}));

        const GameRecord g = game("vsboot", "Vs. Bootleg",
                                  {{GameRecord::Origin, "Clone of vs"},
                                   {GameRecord::Manufacturer, "bootleg"},
                                   {GameRecord::Source, "neogeo.c"}});
        QVERIFY(hidingFilter(g, rulesWith({HideFlag::Bootleg, HideFlag::Vs, HideFlag::Clones})) ==
                    HideFlag::Clones &&
                hidingFilter(g, rulesWith({HideFlag::Bootleg, HideFlag::NeoGeo})) ==
                    HideFlag::NeoGeo);
    }
};

QTEST_GUILESS_MAIN(TestLoadLists)
#include "test_loadlists.moc"
