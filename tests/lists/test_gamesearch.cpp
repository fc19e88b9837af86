// Find as you type: which games a query finds, and the filter that narrows a list's view while
// the list itself keeps every game.
#include "lists/GameSearch.h"
#include "lists/ListFixtures.h"

#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

std::shared_ptr<GameTable> tableOf(const QList<ListedGame>& games)
{
    auto table = std::make_shared<GameTable>();
    for (const ListedGame& g : games)
        table->add(g);
    return table;
}

std::shared_ptr<GameTable> sampleTable()
{
    return tableOf({
        {game("pacman", "Pac-Man", {{GameRecord::Year, "1980"}}), "Maze / Collect", "1P"},
        {game("mspacman", "Ms. Pac-Man", {{GameRecord::Manufacturer, "Midway"}}), "Maze", "2P"},
        {game("sf2", "Street Fighter II: The World Warrior",
              {{GameRecord::Manufacturer, "Capcom"}, {GameRecord::Source, "capcom/cps1.cpp"}}),
         "Fighter / Versus", "2P"},
        {game("cafe", "Caf\xc3\xa9 Rally", {{GameRecord::Manufacturer, "\xc3\x89xidy"}}), "", ""},
    });
}

QStringList found(const GameSearchIndex& index, const QString& query)
{
    const std::vector<char> matches = index.match(searchWords(query));
    QStringList roms;
    for (int i = 0; i < index.table()->size(); ++i)
        if (matches[size_t(i)])
            roms << QString::fromUtf8(index.table()->at(i).record[GameRecord::Rom]);
    return roms;
}

} // namespace

class TestGameSearch : public QObject
{
    Q_OBJECT
private slots:
    void queriesFindGamesByEveryWord_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("roms");
        const QStringList all{"pacman", "mspacman", "sf2", "cafe"};
        QTest::newRow("no words") << "  " << all;
        QTest::newRow("any case") << "PAC" << QStringList{"pacman", "mspacman"};
        QTest::newRow("year") << "pac 1980" << QStringList{"pacman"};
        QTest::newRow("source file folder") << "namco pac" << QStringList{"pacman", "mspacman"};
        QTest::newRow("manufacturer") << "midway pac" << QStringList{"mspacman"};
        QTest::newRow("words in any order") << "capcom ii fighter street" << QStringList{"sf2"};
        QTest::newRow("source file") << "cps1" << QStringList{"sf2"};
        QTest::newRow("rom set") << "mspac" << QStringList{"mspacman"};
        QTest::newRow("category") << "versus" << QStringList{"sf2"};
        QTest::newRow("accents typed") << "CAFÉ" << QStringList{"cafe"};
        QTest::newRow("accents stored") << "cafe exidy" << QStringList{"cafe"};
        QTest::newRow("one word missing") << "pac capcom" << QStringList{};
        QTest::newRow("not across fields") << "man1980" << QStringList{};
    }
    void queriesFindGamesByEveryWord()
    {
        QFETCH(QString, query);
        QFETCH(QStringList, roms);
        QCOMPARE(found(GameSearchIndex(sampleTable()), query), roms);
    }

    // The filter shows the matches in the model's own order, follows a sort, and hides nothing
    // once the search ends; the model keeps every game throughout.
    void filterNarrowsTheViewNotTheList()
    {
        const auto table = sampleTable();
        GameListModel model;
        model.setGames(table, {0, 1, 2, 3});
        GameSearchFilter filter(&model);
        const GameSearchIndex index(table);
        auto shownRoms = [&] {
            QStringList roms;
            for (int r = 0; r < filter.rowCount(); ++r)
                roms << filter.index(r, GameListModel::Rom).data().toString();
            return roms;
        };
        filter.setMatches(
            std::make_shared<const std::vector<char>>(index.match(searchWords("pac"))));
        QCOMPARE(shownRoms(), (QStringList{"pacman", "mspacman"}));
        QCOMPARE(model.count(), 4);
        model.sort(GameListModel::Game, Qt::AscendingOrder);
        QCOMPARE(shownRoms(), (QStringList{"mspacman", "pacman"}));
        model.appendGame(0);
        QCOMPARE(filter.rowCount(), 3);
        filter.setMatches(nullptr);
        QCOMPARE(filter.rowCount(), 5);
        QVERIFY(!filter.searching());
    }
};

QTEST_GUILESS_MAIN(TestGameSearch)
#include "test_gamesearch.moc"
