// The game-end plugin's request: a name of its own for every launch, whatever stood at that name
// removed first (a folder there once ended every game), and a launch that says why it cannot
// start when that fails. The plugin watches this very process.
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
        QVERIFY(first);
        QVERIFY(!QFileInfo::exists(first->request));
        const QString script =
            TempProgram::readFile(tp.paths().setting("mameplugins/velmoraend/init.lua"));
        const WatchedProcess self = WatchedProcess::self();
        QCOMPARE(self.statFile, QString("/proc/%1/stat").arg(QCoreApplication::applicationPid()));
        QVERIFY(!self.startTime.isEmpty() && script.contains("\"" + self.startTime + "\""));

        // The next launches' names follow the count: a file, a link and an empty folder standing
        // there go; a folder with something in it stops the launch.
        const QString prefix = first->request.chopped(QString("1.request").size());
        const auto next = [&](int n) { return prefix + QString::number(n) + ".request"; };
        QVERIFY(TempProgram::writeFile(next(2), "end\n") && QFile::link("/nowhere", next(3)) &&
                QDir().mkdir(next(4)) && TempProgram::writeFile(next(5) + "/x", "x"));
        for (int n = 2; n <= 4; ++n) {
            const std::optional<GameEndPlugin> later = writeGameEndPlugin(tp.paths(), {});
            QVERIFY(later && later->request == next(n) && !QFileInfo::exists(next(n)) &&
                    !QFileInfo(next(n)).isSymLink());
        }
        QString blocked;
        QVERIFY(!writeGameEndPlugin(tp.paths(), {}, &blocked));
        QCOMPARE(blocked, next(5) + " is in the way of the game and cannot be removed.");
    }
};

QTEST_GUILESS_MAIN(TestGameEndPlugin)
#include "test_gameendplugin.moc"
