// LoadLists: the hide filters with their exact comparisons, the installed test in both ROM
// folders, the category and player columns, the favourites source and the load errors.
#include "app/Progress.h"
#include "lists/GameFieldReader.h"
#include "lists/ListFixtures.h"
#include "lists/LoadLists.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace velmora;
using namespace velmora::testing;

namespace {

class CountingProgress : public ProgressSink
{
public:
    void setMessage(const QString&) override {}
    void setCount(const QString& count) override { last = count, ++updates; }
    QString last;
    int updates = 0;
};

// A program folder whose lists are loaded with `prefs`.
struct Folder
{
    QTemporaryDir dir;
    Preferences prefs;
    LoadedLists lists;
    QString path(const QString& name) const { return dir.path() + u'/' + name; }
    LoadListsResult load(bool favorites, bool categories, bool players, ProgressSink* progress)
    {
        NullProgress none;
        return LoadLists(ListLoadRequest::forProgram(ProgramPaths{dir.path()}, prefs, favorites,
                                                     categories, players),
                         progress ? *progress : none, &lists);
    }
    const ListedGame& at(int index) const { return lists.table->at(index); }
};

// Loads `games` with the given hide flags; returns the ROMs of the All list.
QStringList listedRoms(const QList<GameRecord>& games, const HideRules& rules)
{
    Folder folder;
    writeFile(folder.path("gameinfo.txt"), database(games));
    ListLoadRequest request;
    request.sourceFile = folder.path("gameinfo.txt");
    request.rules = rules;
    NullProgress progress;
    QStringList roms;
    if (!LoadLists(request, progress, &folder.lists).ok)
        return {QStringLiteral("<error>")};
    for (int index : folder.lists.all)
        roms << QString::fromUtf8(folder.at(index).record[GameRecord::Rom]);
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
    // The lists of a program folder: every game in All and in exactly one of Installed and
    // Uninstalled (an archive in either ROM folder, or a folder of loose files, is installed),
    // the category and player columns, the favourites view and the load errors.
    void loadsTheProgramsLists()
    {
        Folder folder;
        writeFile(folder.path("reports/gameinfo.txt"),
                  database({game("pacman", "Pac-Man"), game("galaga", "Galaga"),
                            game("dkong", "Donkey Kong"), game("mspacman", "Ms. Pac-Man")}));
        writeFile(folder.path("roms/pacman.zip"), "PK");
        writeFile(folder.path("extra/dkong.zip"), "PK");
        writeFile(folder.path("roms/galaga/readme.txt"), "a folder of loose files");
        QDir().mkpath(folder.path("roms/mspacman.zip")); // a folder, not an archive
        folder.prefs.setFolder(DataFolder::ROMs, folder.path("roms"));
        folder.prefs.setFolder(DataFolder::AdditionalROMs, folder.path("extra"));
        CountingProgress progress;
        QVERIFY(folder.load(false, false, false, &progress).ok);
        QCOMPARE(folder.lists.all.size(), size_t(4));
        QCOMPARE(folder.lists.installed, std::vector<int>({0, 2}));
        QCOMPARE(folder.lists.uninstalled, std::vector<int>({1, 3}));
        QVERIFY(progress.last == "4" && progress.updates == 4);
        // Without the two files the extra columns stay empty.
        QVERIFY(folder.at(0).category.isEmpty() && folder.at(0).players.isEmpty());

        writeFile(folder.path("catver.ini"),
                  ";; catver.ini\r\n[Category]\r\nPACMAN = Maze / Collect\r\ngalaga=Shooter\r\n"
                  "galaga=Second entry\r\n;dkong=commented out\r\n\r\n[VerAdded]\r\n"
                  "dkong=.37b\r\n[Category]\r\ndkong=In a second section\r\n");
        writeFile(folder.path("nplayers.ini"), "[NPlayers]\npacman=2P alt\ngalaga=2P alt\n");
        QVERIFY(folder.load(false, true, true, nullptr).ok);
        const auto columns = [&folder](int index) {
            return folder.at(index).category + '|' + folder.at(index).players;
        };
        QCOMPARE(columns(0), QByteArray("Maze / Collect|2P alt"));
        QCOMPARE(columns(1), QByteArray("Shooter|2P alt"));
        QCOMPARE(columns(2), QByteArray("Not Found|Not Found"));
        // A file recorded as present but gone by the time of the load lists nothing.
        QFile::remove(folder.path("nplayers.ini"));
        QVERIFY(folder.load(false, true, true, nullptr).ok);
        QCOMPARE(columns(0), QByteArray("Maze / Collect|Not Found"));
        // Line ends of an old Mac editor (CR alone) are line ends too; a FIFO in a file's place
        // is never opened: the load does not wait for a writer.
        writeFile(folder.path("nplayers.ini"), "[NPlayers]\rpacman=2P alt\rgalaga=1P\r");
        QFile::remove(folder.path("catver.ini"));
        QCOMPARE(mkfifo(QFile::encodeName(folder.path("catver.ini")).constData(), 0600), 0);
        QVERIFY(folder.load(false, true, true, nullptr).ok);
        QCOMPARE(columns(1), QByteArray("Not Found|1P"));

        // The Favorites view reads the favourites file; a missing file, or a record cut short
        // by the end of the file, fails with the game it had reached (the ROM field not reached
        // still holds the previous game's).
        writeFile(folder.path("reports/favorite.txt"), database({game("galaga", "Galaga")}));
        QVERIFY(folder.load(true, false, false, nullptr).ok);
        QCOMPARE(folder.lists.all.size(), size_t(1));
        const QString advice = "\r\rThis might mean you are not using the correct version of "
                               "M.A.M.E..";
        QFile::remove(folder.path("reports/favorite.txt"));
        QCOMPARE(folder.load(true, false, false, nullptr).message(),
                 "Error In LoadLists: File not found\rROM: " + advice);
        writeFile(folder.path("reports/favorite.txt"),
                  database({game("pacman", "Pac-Man")}) + "\"Galaga\",\"1981\",\"Good\"\r\n");
        QCOMPARE(folder.load(true, false, false, nullptr).message(),
                 "Error In LoadLists: Input past end of file\rROM: pacman" + advice);
    }

    // Each filter compares its field exactly: other letter case, longer names and other places
    // in the text do not hide a game.
    void hideFiltersCompareExactly()
    {
        QList<GameRecord> records;
        QStringList all;
        // Pairs of ROM name and the field's value.
        const auto add = [&](GameRecord::Field field, std::initializer_list<const char*> pairs) {
            for (auto it = pairs.begin(); it != pairs.end(); it += 2)
                records << game(it[0], "Game", {{field, it[1]}}), all << it[0];
        };
        add(GameRecord::Source, {"n1", "neogeo.c", "n2", "NeoGeo.c", "n3", "neogeo/neogeo.cpp",
                                 "n4", "neogeo/NeoGeo.cpp", "n5", "neogeo.cpp", "n6", "neogeo2.c",
                                 "n7", "neogeo", "n8", "snk/neoprint.cpp", "n9", "?"});
        add(GameRecord::Origin, {"clone1", "Clone of pacman", "clone2", "clone of pacman"});
        add(GameRecord::Status, {"pre", "Preliminary", "imp", "Imperfect"});
        add(GameRecord::Game, {"a", "VS. Tennis", "b", "Vs. Castlevania", "c", "vs Something", "d",
                               "Versus", "e", "Galaxian vs", "f", "Vs", "g", "V"});
        add(GameRecord::Manufacturer,
            {"boot", "bootleg", "boot2", "Bootleg", "boot3", "bootleg (Sega)"});
        add(GameRecord::Chd, {"sentetst", "No", "ctsttape", "No", "Sentetst", "No", "disk", "Yes"});
        QCOMPARE(listedRoms(records, rulesWith({})), all);
        const auto hides = [&](HideFlag flag, const QString& roms) {
            QStringList expected = all;
            for (const QString& rom : roms.split(u' '))
                expected.removeOne(rom);
            QCOMPARE(listedRoms(records, rulesWith({flag})), expected);
        };
        hides(HideFlag::NeoGeo, "n1 n3 n5");
        hides(HideFlag::Clones, "clone1");
        hides(HideFlag::Preliminary, "pre");
        hides(HideFlag::Imperfect, "imp");
        hides(HideFlag::Vs, "a b c f");
        hides(HideFlag::Bootleg, "boot");
        hides(HideFlag::Test, "sentetst ctsttape");
        hides(HideFlag::CHD, "disk");
        // Hiding the standard games keeps only the games of the listed driver files.
        QCOMPARE(listedRoms(records, rulesWith({HideFlag::Standard})),
                 QStringList({"n1", "n3", "n5"}));
    }

    void everyDriverFlagHidesItsOwnFileOnly()
    {
        for (const DriverFileRule& rule : kDriverFileRules) {
            const QByteArray today = "folder/" + QByteArray(rule.file).chopped(2) + ".cpp";
            const QList<GameRecord> games = {
                game("one", "One", {{GameRecord::Source, rule.file}}),
                game("two", "Two", {{GameRecord::Source, today.constData()}}),
                game("std", "Standard")};
            QCOMPARE(listedRoms(games, rulesWith({rule.flag})), QStringList({"std"}));
        }
        QCOMPARE(listedRoms({game("zn", "ZN", {{GameRecord::Source, "sony/zn.cpp"}})},
                            rulesWith({HideFlag::ZN})),
                 QStringList());
    }

    void yearIsComparedAsTextAndTheFirstApplyingFilterIsReported()
    {
        QList<GameRecord> games; // each game's ROM name is its year
        for (const char* year : {"1984", "1985", "1986", "198?", "19??", "2000"})
            games << game(year, year, {{GameRecord::Year, year}});
        QCOMPARE(listedRoms(games, rulesWith({HideFlag::Year}, "1985")),
                 QStringList({"1984", "1985", "19??"}));
        QCOMPARE(listedRoms(games, rulesWith({HideFlag::Year}, "")), QStringList({"19??"}));
        QCOMPARE(listedRoms(games, rulesWith({}, "1985")).size(), games.size());

        // The first filter that applies is the one reported.
        const GameRecord g = game("vsboot", "Vs. Bootleg",
                                  {{GameRecord::Origin, "Clone of vs"},
                                   {GameRecord::Manufacturer, "bootleg"},
                                   {GameRecord::Source, "neogeo.c"}});
        QCOMPARE(hidingFilter(g, rulesWith({HideFlag::Bootleg, HideFlag::Vs, HideFlag::Clones})),
                 std::optional<HideFlag>(HideFlag::Clones));
        QCOMPARE(hidingFilter(g, rulesWith({HideFlag::Bootleg, HideFlag::NeoGeo})),
                 std::optional<HideFlag>(HideFlag::NeoGeo));
        QVERIFY(!hidingFilter(g, rulesWith({HideFlag::Standard})));

        Preferences prefs;
        QVERIFY(!anyFilterApplied(prefs));
        prefs.setHidden(HideFlag::Imperfect, true);
        QVERIFY(anyFilterApplied(prefs));
    }

    void fieldsAreReadOneAfterAnother()
    {
        // The first record is split over two lines (the line end separates the fields); blank
        // lines and unquoted fields are read as the lists always read them.
        GameRecord first = game("pacman", "Pac-Man, Midway");
        QByteArray line = first.toLine();
        const qsizetype cut = line.indexOf("\"Namco\"");
        QByteArray text = line.left(cut - 1) + "\r\n" + line.mid(cut) + "\r\n\r\n";
        text += "  plain , \"1982\",\"Good\",,\"\",\"\",\"   8\",\"Atari\",\"Raster\",\"256x224\","
                "\"Horizontal\",\"60\",\"Original\",\"plain\",\"atari.cpp\",\"N/A\",\"No\"\n";
        GameFieldReader reader(text);
        GameRecord record;
        QCOMPARE(reader.readRecord(&record), GameFieldReader::Outcome::Record);
        QCOMPARE(record.toLine(), first.toLine());
        QCOMPARE(reader.readRecord(&record), GameFieldReader::Outcome::Record);
        QCOMPARE(record.toLine(),
                 QByteArray("\"plain\",\"1982\",\"Good\",\"\",\"\",\"\",\"   "
                            "8\",\"Atari\",\"Raster\",\"256x224\",\"Horizontal\",\"60\","
                            "\"Original\",\"plain\",\"atari.cpp\",\"N/A\",\"No\""));
        QCOMPARE(reader.readRecord(&record), GameFieldReader::Outcome::End);
    }
};

QTEST_GUILESS_MAIN(TestLoadLists)
#include "test_loadlists.moc"
