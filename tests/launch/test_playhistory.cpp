// The play history's file: read as far as it makes sense, written whole.
#include "launch/PlayHistory.h"
#include "support/TempProgram.h"

#include <QTest>

using namespace velmora;
using namespace velmora::testing;

class TestPlayHistory : public QObject
{
    Q_OBJECT
private slots:
    // Junk, cut lines, bad numbers and dates, repeated sections: each game keeps what can be read,
    // a game without a play count is never played, and the written file is whole again.
    void readsADamagedFileAsFarAsItCanAndWritesItWhole()
    {
        const PlayHistory h = PlayHistory::fromText(
            "garbage\n[pong]\r\nPlayCount=2\r\nPlayTime=125\r\nLastPlayed=2026-12-06T17:04:00\r\n"
            "[galaga]\nplaycount = 3\nPlayTime=-5\nLastPlayed=2026-02-30T10:00:00\n"
            "[ dkong ]\nPlayCount=x\nPlayTime=60\n[pacman\nPlayCount=9\n"
            "[1942]\nPlayCount=1\nLastPlayed=2025-01-02 03:04\n[1942]\nPlayTime=30\n[qix]\nPlayC");
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
};

QTEST_GUILESS_MAIN(TestPlayHistory)
#include "test_playhistory.moc"
