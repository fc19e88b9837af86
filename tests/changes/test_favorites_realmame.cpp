// Favourites kept across a rebuild with Debian's MAME: games taken from the database that MAME's
// full machine list gives (one with a description beyond ASCII, one written in capitals) are all
// still favourites after the database is built again, and a game MAME does not have is dropped.
#include "changes/VerifyFavorites.h"
#include "gamedb/DatabaseUpdate.h"
#include "gamedb/GameDatabaseBuilder.h"
#include "support/RealMame.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"

#include <QFile>
#include <QTest>
#include <algorithm>

using namespace velmora;
using namespace velmora::testing;

class TestFavoritesRealMame : public QObject
{
    Q_OBJECT
private slots:
    void favoritesSurviveARebuild()
    {
        TempProgram tp;
        USE_REAL_MAME(tp);
        tp.writeOptionsIni();
        const ProgramPaths paths = tp.paths();
        const DatabaseSetup setup{paths, tp.mameFolder(), [&paths] {
                                      NullProgress progress;
                                      VerifyFavorites(paths, progress, {});
                                  }};
        NullProgress progress;
        QVERIFY(firstBuild(setup, progress).database.ok);

        // Lines keep their CR: they are written back as they are.
        QByteArray favorites;
        bool wide = false;
        const QByteArray database = TempProgram::readFile(paths.report("gameinfo.txt"));
        for (const QByteArray& line : database.split('\n')) {
            const QByteArray rom = GameRecord::fromLine(line)[GameRecord::Rom];
            const bool beyondAscii =
                std::any_of(line.begin(), line.end(), [](char c) { return c & 0x80; });
            if (rom == "puckman" || rom == "pacman" || (beyondAscii && !wide)) {
                wide = wide || beyondAscii;
                favorites += (rom == "pacman" ? line.toUpper() : line) + "\n";
            }
        }
        QCOMPARE(favorites.count('\n'), 3);
        const QByteArray gone = "\"Gone Game\",\"1980\"\r\n";
        QVERIFY(TempProgram::writeFile(paths.report("favorite.txt"), favorites + gone));

        ScriptedMessageBox boxes;
        boxes.allowAny(true);
        // The database built again from the same machine list (asking MAME a second time would
        // give the same list at twice the cost).
        QVERIFY(createGameInfoReportingErrors(paths, progress).ok);
        setup.checkFavorites();
        QCOMPARE(TempProgram::readFile(paths.report("favorite.txt")), favorites);
        QCOMPARE(TempProgram::readFile(paths.report("changes.txt")), QByteArray("Gone Game\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestFavoritesRealMame)
#include "test_favorites_realmame.moc"
