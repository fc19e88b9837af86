// The play history at today's scale: 40,000 games in the lists, 5,000 of them played.
//
// Measures, and prints against their targets:
//   - what the play history adds to start-up: reading playstats.ini, handing it to the three
//     lists and finding the widest texts of the three play columns (target < 30 ms);
//   - a sort of the All list by each play column, in both orders (target < 150 ms each, the
//     lists' sort budget);
//   - recording one play: the whole file written again (reported only).
// Best of 5 runs each. The games and the file are generated in a temporary folder.
#include "launch/PlayHistory.h"
#include "lists/ColumnContent.h"
#include "lists/GameListModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <numeric>

using namespace velmora;

namespace {

constexpr int kGames = 40000;
constexpr int kPlayed = 5000;
constexpr int kRuns = 5;
constexpr double kStartUpTargetMs = 30;
constexpr double kSortTargetMs = 150;

QByteArray romName(int i)
{
    return "set" + QByteArray::number(i * 7919 % 100003);
}

std::shared_ptr<GameTable> makeTable()
{
    auto table = std::make_shared<GameTable>();
    table->reserve(kGames);
    for (int i = 0; i < kGames; ++i) {
        GameRecord record;
        record.resetToDefaults();
        record[GameRecord::Rom] = romName(i);
        record[GameRecord::Game] = "Game " + QByteArray::number(i);
        table->add(ListedGame{record, {}, {}});
    }
    return table;
}

// Every eighth game played, with counts, times and dates spread out.
QByteArray makeFile()
{
    PlayHistory history;
    const QDateTime first(QDate(2020, 1, 1), QTime(0, 0));
    for (int i = 0; i < kPlayed; ++i) {
        const QString rom = QString::fromLatin1(romName(i * (kGames / kPlayed)));
        for (int play = 0; play <= i % 5; ++play)
            history.addPlay(rom, (i * 37) % 9000, first.addSecs(qint64(i) * 11117));
    }
    return history.toText();
}

double bestOf(const std::function<void()>& run)
{
    double best = 1e9;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

bool report(const char* what, double ms, double target)
{
    const bool ok = target <= 0 || ms < target;
    if (target > 0)
        std::printf("%-44s %8.1f ms  (target < %.0f ms)%s\n", what, ms, target,
                    ok ? "" : "  MISSED");
    else
        std::printf("%-44s %8.1f ms\n", what, ms);
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("settings/") + kPlayHistoryFile);
    if (!PlayHistory::fromText(makeFile()).save(file))
        return 2;
    const std::shared_ptr<GameTable> table = makeTable();
    std::vector<int> rows(kGames);
    std::iota(rows.begin(), rows.end(), 0);
    std::array<GameListModel, 3> lists;
    for (GameListModel& list : lists)
        list.setGames(table, rows);
    const std::vector<int> playColumns = {GameListModel::Played, GameListModel::TimePlayed,
                                          GameListModel::LastPlayed};

    std::shared_ptr<PlayHistory> history;
    const double startUp = bestOf([&] {
        history = std::make_shared<PlayHistory>(PlayHistory::fromFile(file));
        for (GameListModel& list : lists)
            list.setPlayHistory(history);
        widestTexts(lists[0], playColumns);
    });
    std::printf("%d games, %d played (%lld bytes of playstats.ini)\n", kGames,
                history->playedCount(), QFileInfo(file).size());
    bool ok = report("start-up: read, show, size the play columns", startUp, kStartUpTargetMs);
    for (int column : playColumns) {
        for (const Qt::SortOrder order : {Qt::DescendingOrder, Qt::AscendingOrder}) {
            const QByteArray what =
                "sort by " + GameListModel::header(column).toLatin1() +
                (order == Qt::DescendingOrder ? ", most first" : ", least first");
            double best = 1e9;
            for (int run = 0; run < kRuns; ++run) {
                lists[0].sort(GameListModel::Game); // from another order each time
                QElapsedTimer timer;
                timer.start();
                lists[0].sort(column, order);
                best = std::min(best, timer.nsecsElapsed() / 1e6);
            }
            ok &= report(what.constData(), best, kSortTargetMs);
        }
    }
    report("record one play (file written whole)", bestOf([&] {
               history->addPlay(QStringLiteral("set1"), 60, QDateTime::currentDateTime());
               history->save(file);
           }),
           0);
    return ok ? 0 : 1;
}
