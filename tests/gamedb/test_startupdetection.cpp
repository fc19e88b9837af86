// The start-up's detection of a new MAME and its first build, with the database routines wired
// into the load sequence as the program wires them and a fake mame whose size changes: one
// program started again and again.
#include "gamedb/DatabaseUpdate.h"
#include "support/DatabaseProgram.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"
#include "ui/MainWindow.h"
#include "ui/StartUp.h"

#include <QFile>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

struct Program : DatabaseProgram
{
    int favoritesChecks = 0;
    int games = 0; // rows of the All list after the last start

    void writeOptions(qint32 storedSize) const
    {
        Preferences prefs = tp.standardPreferences();
        prefs.mameSize = storedSize;
        tp.writeOptionsIni(prefs);
    }

    // Runs the load sequence with the database routines as its hooks.
    bool start()
    {
        AppState state;
        state.paths = paths;
        MainWindow window(state);
        StartUp startUp(state, window);
        auto setup = [&state, this] {
            return DatabaseSetup{state.paths, state.prefs.folder(DataFolder::MAME),
                                 [this] { ++favoritesChecks; }};
        };
        StartUp::Hooks& hooks = startUp.hooks();
        hooks.mameSize = currentMameSize;
        hooks.rebuildAfterChange = [setup](ProgressSink& p) {
            return rebuildAfterChange(setup(), p).succeeded();
        };
        hooks.firstBuild = [setup](ProgressSink& p) { firstBuild(setup(), p); };
        hooks.checkMameReports = [setup] { checkMameReports(setup()); };
        window.commands().offerDatabaseRebuild = [setup](const QString& error, ProgressSink& p) {
            return offerDatabaseRebuild(setup(), error, p);
        };
        const bool started = startUp.runLoadSequence();
        games = window.gameCount(ListKind::All);
        return started;
    }
};

} // namespace

class TestStartupDetection : public QObject
{
    Q_OBJECT
private slots:
    void newMameIsDetectedAndTheDatabaseRebuilt()
    {
        Program p;
        p.writeOptions(0);
        p.growMame();
        ScriptedMessageBox boxes;
        // A stored size of 0 is unknown: only MAME's usage report, missing from an earlier
        // version's reports, is asked for.
        QVERIFY(p.start());
        QCOMPARE(p.mame.calls(), QStringList({"-showusage"}));
        p.writeOptions(p.mameSize());
        p.growMame();
        p.mame.clearRecord();
        QVERIFY(p.start());
        QCOMPARE(p.sortedCalls(), QStringList({"-listcrc", "-listxml", "-showusage"}));
        QVERIFY(p.favoritesChecks == 1 && p.storedSize() == QString::number(p.mameSize()));

        // A missing database file makes the next start build it all, without old copies and
        // keeping the reports.
        QFile::remove(p.paths.report("resource.txt"));
        QVERIFY(TempProgram::writeFile(p.paths.report("whatsnew.txt"), "report"));
        p.mame.clearRecord();
        QVERIFY(p.start());
        QCOMPARE(p.sortedCalls(), QStringList({"-listcrc", "-listxml", "-showusage"}));
        QVERIFY(p.games == 11 && p.favoritesChecks == 2 && p.exists("whatsnew.txt"));
        QCOMPARE(p.read("oldlistxml.txt"), QByteArray("previous listxml.txt"));

        // MAME's output cut short after a new MAME: asked once in the start, said once, the
        // database at hand loads, and the next start asks again.
        const QString oldSize = p.storedSize();
        p.growMame();
        const QString half = p.tp.root() + "/half.xml";
        QVERIFY(TempProgram::writeFile(half, p.read("listxml.txt").first(5000)));
        p.mame.answer("-listxml", half);
        p.mame.clearRecord();
        boxes.allowAny(true);
        QVERIFY(p.start());
        QVERIFY(boxes.shown().size() == 1 && boxes.lastText().contains("listxml.txt could not"));
        QVERIFY(p.mame.calls().count("-listxml") == 1 && p.games == 11);
        QCOMPARE(p.storedSize(), oldSize);
        p.mame.answer("-listxml", fixturePath("gamedb/machines-0251.xml"));
        QVERIFY(p.start());
        QVERIFY(boxes.shown().size() == 1 && p.storedSize() == QString::number(p.mameSize()));
        QCOMPARE(p.favoritesChecks, 3);

        // A database line the loader cannot read (an earlier writer let a raw quote through)
        // leads to an offer to rebuild, not to an end at every start. Yes, the offer's default,
        // rebuilds it from the machine list at hand; No ends with the loader's message, as before.
        QByteArray damaged = p.read("gameinfo.txt");
        damaged.replace("\"Namco\"", "\"Atari\",\"1999\"");
        QVERIFY(TempProgram::writeFile(p.paths.report("gameinfo.txt"), damaged));
        p.mame.clearRecord();
        QVERIFY(p.start());
        QVERIFY(boxes.shown().size() == 2 && p.games == 11 && p.favoritesChecks == 4);
        QVERIFY(p.mame.calls().isEmpty() || p.mame.calls() == QStringList({"-showusage"}));
        const QString offer = boxes.lastText();
        const QString question = "\r\rThe game database cannot be read. Rebuild it now?";
        QVERIFY2(offer.endsWith(question), qPrintable(offer));

        QVERIFY(TempProgram::writeFile(p.paths.report("gameinfo.txt"), damaged));
        boxes.allowAny(false);
        boxes.expect(offer, platform::MessageAnswer::No);
        boxes.expect(offer.chopped(question.size()));
        QVERIFY(!p.start());
        QVERIFY(boxes.allExpectedShown());
    }
};

QTEST_MAIN(TestStartupDetection)
#include "test_startupdetection.moc"
