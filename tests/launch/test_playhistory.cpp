// The play history: playstats.ini read as far as it makes sense and written whole; which game
// ends count as plays; and the three play columns of the lists, shown and sorted.
#include "launch/GameLaunch.h"
#include "launch/PlayHistory.h"
#include "lists/GameListModel.h"
#include "lists/ListFixtures.h"
#include "platform/Seams.h"
#include "support/FakeMame.h"
#include "support/TempProgram.h"

#include <QLocale>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

// A clock the test moves: MAME "runs" as long as the test says.
struct FakeClock : platform::Clock
{
    QDateTime time{QDate(2026, 12, 6), QTime(17, 4)};
    QDateTime now() const override { return time; }
};

} // namespace

class TestPlayHistory : public QObject
{
    Q_OBJECT
private:
    FakeClock m_clock;
private slots:
    void init() { platform::seams().clock = &m_clock; }
    void cleanup() { platform::seams().clock = nullptr; }

    // Junk, cut lines, bad numbers and dates, repeated sections: each game keeps what can be read,
    // a game without a play count is never played, and the written file is whole again.
    void readsADamagedFileAsFarAsItCanAndWritesItWhole()
    {
        const PlayHistory h = PlayHistory::fromText(
            "garbage\n[pong]\r\nPlayCount=2\r\nPlayTime=125\r\nLastPlayed=2026-12-06T17:04:00\r\n"
            "[galaga]\nplaycount = 3\nPlayTime=-5\nLastPlayed=2026-02-30T10:00:00\n"
            "[ dkong ]\nPlayCount=x\nPlayTime=60\n[pacman\nPlayCount=9\n"
            "[1942]\nPlayCount=1\nLastPlayed=2025-01-02 03:04\n[1942]\nPlayTime=30\n[qix]\nPlayC");
        QCOMPARE(h.playedCount(), 3);
        const auto check = [&](const char* rom, int count, qint64 seconds, qint64 last) {
            const PlayRecord r = h.record(QLatin1String(rom));
            QCOMPARE(r.count, count);
            QCOMPARE(r.seconds, seconds);
            QCOMPARE(r.lastPlayed, last);
        };
        check("pong", 2, 125, 20261206170400);
        check("galaga", 3, 0, 0);
        check("1942", 1, 30, 20250102030400);
        QVERIFY(!h.find("dkong") && !h.find("pacman") && !h.find("qix"));

        TempProgram tp;
        const QString file = tp.paths().setting(kPlayHistoryFile);
        QVERIFY(h.save(file));
        QCOMPARE(
            TempProgram::readFile(file),
            QByteArray("[1942]\r\nPlayCount=1\r\nPlayTime=30\r\nLastPlayed=2025-01-02T03:04:00"
                       "\r\n\r\n[galaga]\r\nPlayCount=3\r\nPlayTime=0\r\n\r\n[pong]\r\n"
                       "PlayCount=2\r\nPlayTime=125\r\nLastPlayed=2026-12-06T17:04:00\r\n\r\n"));
        QCOMPARE(PlayHistory::fromFile(file).toText(), h.toText());
        QCOMPARE(PlayHistory::fromFile(file + "x").playedCount(), 0);
    }

    // A game that runs counts, however it ends, save an error within 3 seconds (MAME refused
    // it), a playback, and a MAME that could not be started.
    void countsEveryGameMameRanExceptRefusalsAndPlaybacks()
    {
        TempProgram tp;
        Preferences prefs = tp.standardPreferences();
        QVERIFY(TempProgram::writeFile(tp.root() + "/roms/pong.zip", QByteArray()));
        FakeMame mame(tp.mameFolder()); // present, never run
        prefs.setFolder(DataFolder::Input, tp.makeFolder("inp"));
        QVERIFY(TempProgram::writeFile(tp.root() + "/inp/pong.inp", QByteArray()));
        struct Row
        {
            ExecStatus status;
            int msecs;
            bool playback;
            bool counted;
        } rows[] = {{{ExecOutcome::Ran, 0, false, false}, 1200, false, true},
                    {{ExecOutcome::Ran, 1, false, false}, 2900, false, false},
                    {{ExecOutcome::Ran, -1, true, false}, 500, false, false},
                    {{ExecOutcome::Ran, 1, false, false}, 3000, false, true},
                    {{ExecOutcome::Ran, 143, false, true}, 800, false, true},
                    {{ExecOutcome::Interrupted, 0, false, true}, 800, false, true},
                    {{ExecOutcome::Failed, 0, false, false}, 0, false, false},
                    {{ExecOutcome::Ran, 0, false, false}, 60000, true, false}};
        for (const Row& row : rows) {
            LaunchServices services;
            QString played;
            services.play = [&](const QString&, WindowStyle) {
                m_clock.time = m_clock.time.addMSecs(row.msecs);
                return row.status;
            };
            services.gamePlayed = [&](const QString& rom, qint64 seconds, const QDateTime& at) {
                played = QStringLiteral("%1 %2 %3").arg(rom).arg(seconds).arg(at.toString());
            };
            const QDateTime start = m_clock.time;
            const LaunchResult r =
                launchGame({{"pong", {}, "Raster", ListKind::All}, {false, row.playback}}, prefs,
                           services, {});
            QCOMPARE(r.playCounted, row.counted);
            QCOMPARE(played, row.counted ? QStringLiteral("pong %1 %2")
                                               .arg((row.msecs + 500) / 1000)
                                               .arg(start.toString())
                                         : QString());
        }
    }

    // Counts and times as numbers, times as h:mm or m:ss, the last play as a date or, today, a
    // time; most first on the first click, games never played last either way.
    void playColumnsShowAndSortMostFirstUnplayedLast()
    {
        auto table = std::make_shared<GameTable>();
        for (const char* rom : {"a", "b", "c", "d", "e"})
            table->add(ListedGame{game(rom, rom), {}, {}});
        auto history = std::make_shared<PlayHistory>(PlayHistory::fromText(
            "[b]\nPlayCount=3\nPlayTime=59\nLastPlayed=2026-12-06T09:30:00\n"
            "[d]\nPlayCount=12\nPlayTime=3725\nLastPlayed=2026-11-30T22:00:00\n"
            "[e]\nPlayCount=3\nPlayTime=600\nLastPlayed=2026-12-01T08:00:00\n"));
        GameListModel model;
        model.setGames(table, {0, 1, 2, 3, 4});
        model.setPlayHistory(history);
        const auto column = [&](int c) {
            QStringList out;
            for (int r = 0; r < model.rowCount(); ++r)
                out << model.text(r, c);
            return out.join(u',');
        };
        QCOMPARE(column(GameListModel::Played), QStringLiteral(",3,,12,3"));
        QCOMPARE(column(GameListModel::TimePlayed), QStringLiteral(",0:59,,1:02,10:00"));
        const QLocale locale;
        QCOMPARE(model.text(1, GameListModel::LastPlayed),
                 locale.toString(QTime(9, 30), QLocale::ShortFormat));
        QCOMPARE(model.text(3, GameListModel::LastPlayed),
                 locale.toString(QDate(2026, 11, 30), QLocale::ShortFormat));

        QCOMPARE(GameListModel::firstSortOrder(GameListModel::Played), Qt::DescendingOrder);
        const std::pair<int, const char*> sorts[] = {{GameListModel::Played, "d,b,e,a,c"},
                                                     {GameListModel::TimePlayed, "d,e,b,a,c"},
                                                     {GameListModel::LastPlayed, "b,e,d,a,c"}};
        for (const auto& [c, order] : sorts) {
            model.sort(c, Qt::DescendingOrder);
            QCOMPARE(column(GameListModel::Rom), QLatin1String(order));
        }
        model.sort(GameListModel::Played, Qt::AscendingOrder);
        QCOMPARE(column(GameListModel::Rom), QStringLiteral("b,e,d,a,c"));
        // A new play sorts the list again: "a" becomes the latest.
        model.sort(GameListModel::LastPlayed, Qt::DescendingOrder);
        history->addPlay("a", 5, m_clock.time);
        model.playHistoryChanged();
        QCOMPARE(column(GameListModel::Rom), QStringLiteral("a,b,e,d,c"));
    }
};

QTEST_GUILESS_MAIN(TestPlayHistory)
#include "test_playhistory.moc"
