// The game-end plugin's request: a name of its own for every launch, whatever stood at that name
// removed first (a folder there once ended every game), and a launch that says why it cannot
// start when that fails. (That the plugin ends a game whose Velmora is gone is tried with
// Debian's MAME in gamedb/test_commandend_realmame.)
#include "launch/GameEndPlugin.h"
#include "support/TempProgram.h"

#include <QtTest>

using namespace velmora;
using velmora::testing::TempProgram;

class TestGameEndPlugin : public QObject
{
    Q_OBJECT
private slots:
    void eachLaunchHasItsOwnRequest()
    {
        TempProgram tp;
        const std::optional<GameEndPlugin> first = writeGameEndPlugin(tp.paths(), {});
        QVERIFY(first && !QFileInfo::exists(first->request));
        // The next launches' names follow the count: a file, a link and an empty folder standing
        // there go; a folder with something in it stops the launch.
        const auto next = [&](int n) {
            return first->request.chopped(9) + QString::number(n) + ".request";
        };
        QVERIFY(TempProgram::writeFile(next(2), "end\n") && QFile::link("/nowhere", next(3)) &&
                QDir().mkdir(next(4)) && TempProgram::writeFile(next(5) + "/x", "x"));
        for (int n = 2; n <= 4; ++n) {
            const std::optional<GameEndPlugin> later = writeGameEndPlugin(tp.paths(), {});
            QVERIFY(later && later->request == next(n) && !QFileInfo(next(n)).isSymLink() &&
                    !QFileInfo::exists(next(n)));
        }
        QString blocked;
        QVERIFY(!writeGameEndPlugin(tp.paths(), {}, &blocked));
        QCOMPARE(blocked, next(5) + " is in the way of the game and cannot be removed.");
    }
};

QTEST_GUILESS_MAIN(TestGameEndPlugin)
#include "test_gameendplugin.moc"
