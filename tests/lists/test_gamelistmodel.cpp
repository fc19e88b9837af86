// The list model: sorting by the text of the key column in both orders, the selection staying
// on its game while the rows move, and find as you type narrowing the view, not the list.
#include "gamedb/XmlText.h"
#include "lists/ColumnContent.h"
#include "lists/GameListModel.h"
#include "lists/GameSearch.h"
#include "lists/ListFixtures.h"
#include "lists/RomStateFilter.h"

#include <QItemSelectionModel>
#include <QLocale>
#include <QTest>

#include <numeric>

using namespace velmora;
using namespace velmora::testing;

namespace {

struct Fixture
{
    std::shared_ptr<GameTable> table = std::make_shared<GameTable>();
    GameListModel model;

    void add(const GameRecord& record, const char* category = "")
    {
        table->add(ListedGame{record, QByteArray(category), QByteArray()});
    }
    void load()
    {
        std::vector<int> rows(size_t(table->size()));
        std::iota(rows.begin(), rows.end(), 0);
        model.setGames(table, rows);
    }
};

QString columnText(const QAbstractItemModel& m, int c = GameListModel::Rom)
{
    QStringList out;
    for (int r = 0; r < m.rowCount(); ++r)
        out << m.index(r, c).data().toString();
    return out.join(u',');
}

} // namespace

class TestGameListModel : public QObject
{
    Q_OBJECT
private slots:
    // Letter case does not count, equal texts keep database order in both directions, and
    // texts that share their first letters sort on past them.
    void sortsByTheTextOfTheKeyColumn()
    {
        Fixture f;
        for (const auto& [rom, title, category] :
             std::initializer_list<std::array<const char*, 3>>{{"b", "galaga", "Sports"},
                                                               {"a", "Asteroids", "maze"},
                                                               {"c", "Galaxian", "Not Found"},
                                                               {"d", "asteroids", "Shooter"}})
            f.add(game(rom, title), category);
        f.load();
        f.model.sort(GameListModel::Game, Qt::AscendingOrder);
        QCOMPARE(columnText(f.model), "a,d,b,c");
        f.model.sort(GameListModel::Game, Qt::DescendingOrder);
        QCOMPARE(columnText(f.model), "c,b,a,d");
        // The Category column, which is not a database field, sorts too.
        f.model.sort(GameListModel::Category, Qt::AscendingOrder);
        QCOMPARE(columnText(f.model), "a,c,d,b");

        Fixture titles;
        for (const char* title : {"Street Fighter II", "street fighter", "Street Fighter Alpha",
                                  "Street Fighter II", "Street", "Street Fighter IIb", "Streeq"})
            titles.add(game(title, title));
        titles.load();
        titles.model.sort(GameListModel::Game, Qt::AscendingOrder);
        QCOMPARE(columnText(titles.model, GameListModel::Game),
                 "Streeq,Street,street fighter,Street Fighter Alpha,Street Fighter II,"
                 "Street Fighter II,Street Fighter IIb");
        titles.model.sort(GameListModel::Game, Qt::DescendingOrder);
        QVERIFY(titles.model.gameIndexAt(0) == 5 && titles.model.gameIndexAt(1) == 0 &&
                titles.model.gameIndexAt(2) == 3);
    }

    // The selection stays on its game while the rows move; games move between lists and a new
    // load clears the sort.
    void selectionAndRowsFollowTheGames()
    {
        Fixture f;
        for (const char* rom : {"e", "d", "c", "b", "a"})
            f.add(game(rom, rom));
        f.load();
        QItemSelectionModel selection(&f.model);
        selection.setCurrentIndex(f.model.index(1, 0),
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        f.model.sort(GameListModel::Rom, Qt::AscendingOrder);
        QCOMPARE(selection.selectedRows(), QModelIndexList({f.model.index(3, 0)}));
        QCOMPARE(f.model.rowOfGame(0), 4);
        f.model.removeGameAt(0);
        f.model.appendGame(4);
        QCOMPARE(columnText(f.model), "b,c,d,e,a");
        f.load();
        QCOMPARE(f.model.sortColumn(), -1);
        f.model.clear();
        f.model.sort(GameListModel::Game); // nothing to sort: no table at all
    }

    // A query finds the games whose description, ROM, manufacturer, year, source file or
    // category hold every word, without regard to case or accents. The filter shows the matches
    // in the model's order, follows a sort and hides nothing once the search ends; the model
    // keeps every game throughout.
    void searchFindsGamesByEveryWord()
    {
        Fixture f;
        f.add(game("pacman", "Pac-Man", {{GameRecord::Year, "1980"}}), "Maze / Collect");
        f.add(game("mspacman", "Ms. Pac-Man", {{GameRecord::Manufacturer, "Midway"}}));
        f.add(game("sf2", "Street Fighter II: The World Warrior",
                   {{GameRecord::Manufacturer, "Capcom"}, {GameRecord::Source, "capcom/cps1.cpp"}}),
              "Fighter / Versus");
        f.add(game("cafe", "Caf\xc3\xa9 Rally", {{GameRecord::Manufacturer, "\xc3\x89xidy"}}));
        const GameSearchIndex index(f.table);
        const auto found = [&index](const QString& query) {
            const std::vector<char> matches = index.match(searchWords(query));
            QStringList roms;
            for (int i = 0; i < index.table()->size(); ++i)
                if (matches[size_t(i)])
                    roms << QString::fromUtf8(index.table()->at(i).record[GameRecord::Rom]);
            return roms.join(u',');
        };
        // "query|games found"; a word is never found across two fields.
        for (const QString row :
             {"  |pacman,mspacman,sf2,cafe", "PAC|pacman,mspacman", "pac 1980|pacman",
              "namco pac|pacman,mspacman", "midway pac|mspacman", "capcom ii fighter street|sf2",
              "cps1|sf2", "mspac|mspacman", "versus|sf2", "CAFÉ|cafe", "cafe exidy|cafe",
              "pac capcom|", "man1980|"})
            QVERIFY2(found(row.section('|', 0, 0)) == row.section('|', 1), qPrintable(row));

        f.load();
        GameSearchFilter filter(&f.model);
        filter.setMatches(
            std::make_shared<const std::vector<char>>(index.match(searchWords("pac"))));
        QCOMPARE(columnText(filter), "pacman,mspacman");
        QCOMPARE(f.model.count(), 4);
        f.model.sort(GameListModel::Game, Qt::AscendingOrder);
        QCOMPARE(columnText(filter), "mspacman,pacman");
        f.model.appendGame(0);
        QCOMPARE(filter.rowCount(), 3);
        filter.setMatches(nullptr);
        QVERIFY(filter.rowCount() == 5 && !filter.searching());
    }

    // The machine list's XML references reach the user decoded: in the cells, the sort, the
    // search and the widest texts that size the columns; anything short of a reference stays.
    void xmlTextIsShownSortedAndFoundDecoded()
    {
        for (const char* row :
             {"AT&amp;T|AT&T", "&lt;unknown&gt;|<unknown>", "R&D &nbsp;|R&D &nbsp;",
              "&quot;10&quot; &apos;|\"10\" '", "&#38;&#x263A;&#0;&#xD800;|&\u263A&#0;&#xD800;",
              "&amp;lt; &#x110000; &amp|&lt; &#x110000; &amp"})
            QCOMPARE(decodeXmlText(QString::fromUtf8(row).section('|', 0, 0)),
                     QString::fromUtf8(row).section('|', 1));
        Fixture f;
        f.add(game("att", "AT&amp;T 3B1", {{GameRecord::Manufacturer, "AT&amp;T"}}));
        f.add(game("unk", "&lt;Board&gt;", {{GameRecord::Manufacturer, "&lt;unknown&gt;"}}));
        f.add(game("g1942", "1942", {{GameRecord::Status, "Preliminary"}}));
        f.load();
        QCOMPARE(f.model.text(0, GameListModel::Game) + '|' +
                     f.model.text(1, GameListModel::Manufacturer),
                 "AT&T 3B1|<unknown>");
        f.model.sort(GameListModel::Game, Qt::AscendingOrder); // "1" < "<" < "A", '&' aside
        QCOMPARE(columnText(f.model), "g1942,unk,att");
        const GameSearchIndex index(f.table);
        QCOMPARE(index.match(searchWords("at&t")), std::vector<char>({1, 0, 0}));
        QCOMPARE(index.match(searchWords("<UNKNOWN>")), std::vector<char>({0, 1, 0}));
        const std::vector<QStringList> widest =
            widestTexts(f.model, {GameListModel::Status, GameListModel::Manufacturer}, 2);
        QCOMPARE(widest[GameListModel::Status], QStringList({"Preliminary", "Good"}));
        QCOMPARE(widest[GameListModel::Manufacturer], QStringList({"<unknown>", "Namco"}));
        QVERIFY(widest[GameListModel::Game].isEmpty());
    }

    // Counts as numbers, times as h:mm or m:ss, the last play as a date or, today, a time; most
    // first on the first click, games never played last either way; a new play sorts again.
    void playColumnsShowAndSortMostFirstUnplayedLast()
    {
        Fixture f;
        for (const char* rom : {"a", "b", "c", "d", "e"})
            f.add(game(rom, rom));
        f.load();
        const QDateTime now = QDateTime::currentDateTime();
        auto history = std::make_shared<PlayHistory>(PlayHistory::fromText(
            "[b]\nPlayCount=3\nPlayTime=59\n[d]\nPlayCount=12\nPlayTime=3725\nLastPlayed=2001-11-"
            "30T22:00:00\n[e]\nPlayCount=3\nPlayTime=600\nLastPlayed=2001-12-01T08:00:00\n"));
        history->addPlay("b", 0, now);
        f.model.setPlayHistory(history);
        const QLocale l;
        QCOMPARE(columnText(f.model, GameListModel::Played), ",4,,12,3");
        QCOMPARE(columnText(f.model, GameListModel::TimePlayed), ",0:59,,1:02,10:00");
        QCOMPARE(columnText(f.model, GameListModel::LastPlayed),
                 QStringList({"", l.toString(now.time(), QLocale::ShortFormat), "",
                              l.toString(QDate(2001, 11, 30), QLocale::ShortFormat),
                              l.toString(QDate(2001, 12, 1), QLocale::ShortFormat)})
                     .join(u','));
        for (const auto& [c, order] : {std::pair{GameListModel::Played, "d,b,e,a,c"},
                                       {GameListModel::TimePlayed, "d,e,b,a,c"},
                                       {GameListModel::LastPlayed, "b,e,d,a,c"}}) {
            f.model.sort(c, GameListModel::firstSortOrder(c));
            QCOMPARE(columnText(f.model), order);
        }
        f.model.sort(GameListModel::Played, Qt::AscendingOrder);
        QCOMPARE(columnText(f.model), "e,b,d,a,c");
        f.model.sort(GameListModel::LastPlayed, Qt::DescendingOrder);
        history->addPlay("a", 5, now);
        f.model.playHistoryChanged();
        QCOMPARE(columnText(f.model), "a,b,e,d,c");
    }

    // The Roms column shows each set's recorded state (empty when never audited), sorts by its
    // word, tells the view the state and an older MAME's mark, and is told again after an audit;
    // hiding bad ROMs keeps the games MAME can run, in order.
    void romsColumnShowsTheRecordedStates()
    {
        Fixture f;
        for (const char* rom : {"pong", "galaga", "puckman", "qix"})
            f.add(game(rom, rom));
        f.load();
        QCOMPARE(columnText(f.model, GameListModel::Roms), ",,,");
        RomStatus status;
        const QDate day(2026, 12, 6);
        status.record({{"pong", RomState::BestAvailable},
                       {"galaga", RomState::NotFound},
                       {"puckman", RomState::Bad}},
                      day);
        int changed = 0;
        connect(&f.model, &QAbstractItemModel::dataChanged, this,
                [&](const QModelIndex& from) { changed += from.column() == GameListModel::Roms; });
        f.model.setRomStatus(&status);
        QCOMPARE(changed, 1);
        QCOMPARE(columnText(f.model, GameListModel::Roms), "best available,not found,bad,");
        f.model.sort(GameListModel::Roms, Qt::DescendingOrder);
        QCOMPARE(columnText(f.model), "galaga,pong,puckman,qix");
        const QModelIndex galaga = f.model.index(0, GameListModel::Roms);
        QCOMPARE(galaga.data(GameListModel::RomStateRole).toInt(), int(RomState::NotFound));
        QCOMPARE(galaga.data(GameListModel::RomStateOlderRole).toBool(), false);
        QCOMPARE(withoutBadRoms(*f.table, {0, 1, 2, 3}, status), std::vector<int>({0, 3}));
        QCOMPARE(romStateNote(f.model.romEntry(0)), "ROMs not found, 2026-12-06");
        QCOMPARE(romStateNote(f.model.romEntry(3)), QString());
    }
};

QTEST_GUILESS_MAIN(TestGameListModel)
#include "test_gamelistmodel.moc"
