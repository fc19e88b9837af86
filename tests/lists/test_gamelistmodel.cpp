// The list model: sorting by the text of the key column in both orders, and the
// selection staying on its game while the rows move.
#include "lists/GameFieldReader.h"
#include "lists/GameListModel.h"
#include "lists/ListFixtures.h"

#include <QItemSelectionModel>
#include <QTest>

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
        std::vector<int> rows;
        for (int i = 0; i < table->size(); ++i)
            rows.push_back(i);
        model.setGames(table, rows);
    }
    QStringList column(int c) const
    {
        QStringList out;
        for (int r = 0; r < model.count(); ++r)
            out << model.text(r, c);
        return out;
    }
};

} // namespace

class TestGameListModel : public QObject
{
    Q_OBJECT
private slots:
    void sortsByTheTextOfTheKeyColumn()
    {
        Fixture f;
        // ROM, description, year, palette, category.
        for (const auto& g : std::initializer_list<std::array<const char*, 5>>{
                 {"b", "galaga", "1981", " 4096", "Sports"},
                 {"a", "Asteroids", "19??", "   32", "maze"},
                 {"c", "Galaxian", "1979", "  256", "Not Found"},
                 {"d", "asteroids", "198?", "65536", "Shooter"}})
            f.add(game(g[0], g[1], {{GameRecord::Year, g[2]}, {GameRecord::Palette, g[3]}}), g[4]);
        f.load();
        f.model.sort(GameListModel::Game, Qt::AscendingOrder);
        // Letter case does not count; equal texts keep database order.
        QCOMPARE(f.column(GameListModel::Rom), QStringList({"a", "d", "b", "c"}));
        f.model.sort(GameListModel::Game, Qt::DescendingOrder);
        QCOMPARE(f.column(GameListModel::Rom), QStringList({"c", "b", "a", "d"}));

        f.model.sort(GameListModel::Year, Qt::AscendingOrder);
        QCOMPARE(f.column(GameListModel::Year), QStringList({"1979", "1981", "198?", "19??"}));
        // Right-aligned numbers sort in numeric order as text.
        f.model.sort(GameListModel::Palette, Qt::AscendingOrder);
        QCOMPARE(f.column(GameListModel::Rom), QStringList({"a", "c", "b", "d"}));
        // The Category column, which is not a database field, sorts too.
        f.model.sort(GameListModel::Category, Qt::AscendingOrder);
        QCOMPARE(f.column(GameListModel::Rom), QStringList({"a", "c", "d", "b"}));
    }

    void longTextsSortPastTheirFirstLetters()
    {
        Fixture f;
        for (const char* title : {"Street Fighter II", "street fighter", "Street Fighter Alpha",
                                  "Street Fighter II", "Street", "Street Fighter IIb", "Streeq"})
            f.add(game(title, title));
        f.load();
        f.model.sort(GameListModel::Game, Qt::AscendingOrder);
        QCOMPARE(f.column(GameListModel::Game),
                 QStringList({"Streeq", "Street", "street fighter", "Street Fighter Alpha",
                              "Street Fighter II", "Street Fighter II", "Street Fighter IIb"}));
        f.model.sort(GameListModel::Game, Qt::DescendingOrder);
        // Equal texts stay in database order in both directions.
        QCOMPARE(f.column(GameListModel::Game).first(), QString("Street Fighter IIb"));
        QVERIFY(f.model.gameIndexAt(1) == 0 && f.model.gameIndexAt(2) == 3);
    }

    void aGameTakenFromTheListOutlivesTheLoad()
    {
        ListedGame kept;
        {
            QByteArray text = database({game("pacman", "Pac-Man")});
            auto table = std::make_shared<GameTable>(text);
            GameRecord record;
            QCOMPARE(GameFieldReader(table->source()).readRecord(&record),
                     GameFieldReader::Outcome::Record);
            table->add(ListedGame{record, QByteArray("Maze"), QByteArray()});
            GameListModel model;
            model.setGames(table, {0});
            kept = model.gameAt(0);
            text.fill('x');
        }
        QVERIFY(kept.record[GameRecord::Game] == "Pac-Man" && kept.category == "Maze");
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
        QCOMPARE(selection.currentIndex().row(), 3);
        QCOMPARE(selection.selectedRows(), QModelIndexList({f.model.index(3, 0)}));
        QCOMPARE(f.model.rowOfGame(0), 4);
        f.model.removeGameAt(0);
        QCOMPARE(f.column(GameListModel::Rom), QStringList({"b", "c", "d", "e"}));
        f.model.appendGame(4);
        QCOMPARE(f.model.data(f.model.index(4, GameListModel::Rom)).toString(), QString("a"));
        f.load();
        QCOMPARE(f.model.sortColumn(), -1);
        f.model.clear();
        f.model.sort(GameListModel::Game); // nothing to sort: no table at all
    }
};

QTEST_GUILESS_MAIN(TestGameListModel)
#include "test_gamelistmodel.moc"
