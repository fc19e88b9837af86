// The start-up's detection of a new MAME and its first build, with the database routines wired
// into the load sequence as the program wires them and a fake mame whose size changes: one
// program started again and again.
#include "changes/WhatsChanged.h"
#include "gamedb/ChecksumList.h"
#include "gamedb/DatabaseUpdate.h"
#include "platform/Seams.h"
#include "support/DatabaseProgram.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"
#include "ui/MainWindow.h"
#include "ui/StartUp.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

const QStringList kAllLists = {"-listcrc", "-listxml", "-showconfig", "-showusage"};

struct RecordingMonitor : CompareMonitor
{
    void setStatus(const QString& text) override { statuses << text; }
    QStringList statuses;
};

struct Program : DatabaseProgram
{
    using DatabaseProgram::DatabaseProgram;
    int favoritesChecks = 0;
    int games = 0;                     // rows of the All list after the last start
    ChecksumList* checksums = nullptr; // the program's, when the checksum list goes on behind

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
                                 [this] { ++favoritesChecks; }, checksums};
        };
        StartUp::Hooks& hooks = startUp.hooks();
        // As in the program, a fatal error ends the start; ending the process itself would stop
        // every later event loop of this test program.
        hooks.endProcess = [] {};
        platform::seams().endProgram = [&startUp] { startUp.endWithoutSaving(); };
        hooks.mameSize = currentMameSize;
        hooks.rebuildAfterChange = [setup](ProgressSink& p) {
            return rebuildAfterChange(setup(), p).succeeded();
        };
        hooks.firstBuild = [setup](ProgressSink& p) { return firstBuild(setup(), p).succeeded(); };
        hooks.checkMameReports = [setup] { checkMameReports(setup()); };
        window.commands().offerDatabaseRebuild = [setup](const QString& error, ProgressSink& p) {
            return offerDatabaseRebuild(setup(), error, p);
        };
        const bool started = startUp.runLoadSequence();
        platform::seams().endProgram = nullptr;
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
        // A stored size of 0 is unknown: only MAME's reports, missing from an earlier version's
        // reports folder, are asked for.
        QVERIFY(p.start());
        QCOMPARE(p.sortedCalls(), QStringList({"-showconfig", "-showusage"}));
        p.writeOptions(p.mameSize());
        p.growMame();
        p.mame.clearRecord();
        QVERIFY(p.start());
        QCOMPARE(p.sortedCalls(), kAllLists);
        QVERIFY(p.favoritesChecks == 1 && p.storedSize() == QString::number(p.mameSize()));

        // A missing database file makes the next start build it all, without old copies and
        // keeping the reports.
        QFile::remove(p.paths.report("resource.txt"));
        QVERIFY(TempProgram::writeFile(p.paths.report("whatsnew.txt"), "report"));
        p.mame.clearRecord();
        QVERIFY(p.start());
        QCOMPARE(p.sortedCalls(), kAllLists);
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

    // A new MAME: the lists are shown once the machine list is in, while MAME still makes the
    // checksum list; the previous version's is kept with its machine list and the stale one is
    // gone. What's Changed (ROMs Info) waits for the new one, which is MAME's own output.
    void checksumListIsFinishedBehindTheWindow()
    {
        Program p;
        ChecksumList checksums;
        p.checksums = &checksums;
        p.writeOptions(p.mameSize());
        p.growMame();
        p.mame.setDelay(3, "-listcrc");
        QElapsedTimer shown;
        shown.start();
        QVERIFY(p.start());
        QVERIFY2(shown.elapsed() < 2500, qPrintable(QString::number(shown.elapsed())));
        QVERIFY(p.games == 11 && checksums.isRunning() && !p.exists("crcinfo.txt"));
        QCOMPARE(p.read("oldcrcinfo.txt"), QByteArray("previous crcinfo.txt"));
        QCOMPARE(p.storedSize(), QString::number(p.mameSize()));

        RecordingMonitor monitor;
        const ChangeRun run =
            runChangeCompare(ChangeReport::RomsInfo, p.paths, monitor, &checksums);
        QCOMPARE(monitor.statuses.first(), "Waiting for M.A.M.E. to finish crcinfo.txt...");
        QCOMPARE(run.outcome, CompareResult::Outcome::Changed);
        QCOMPARE(p.read("crcinfo.txt"), TempProgram::readFile(fixturePath("listcrc.txt")));

        // Killed while MAME wrote it: the next start makes only the checksum list, and a new
        // MAME before that keeps the previous pair of old lists together.
        QFile::rename(p.paths.report("crcinfo.txt"), p.paths.report("crcinfo.txt.part"));
        p.mame.clearRecord();
        QVERIFY(p.start());
        QTRY_VERIFY(checksums.isRunning() && p.mame.calls() == QStringList({"-listcrc"}));
        checksums.stop();
        QVERIFY(!QFile::exists(p.paths.report("crcinfo.txt.part")));
        p.growMame();
        p.mame.setDelay(0, "-listcrc");
        QVERIFY(p.start());
        QCOMPARE(p.read("oldlistxml.txt"), QByteArray("previous listxml.txt"));
        QCOMPARE(p.read("oldcrcinfo.txt"), QByteArray("previous crcinfo.txt"));
    }

    // A first start whose machine list comes out incomplete says so and ends: there is no
    // database to show and nothing more to say.
    void firstStartWithoutAMachineListEndsAfterItsMessage()
    {
        Program p(false);
        p.writeOptions(p.mameSize());
        p.mame.setSilentExit(0);
        ScriptedMessageBox boxes;
        boxes.allowAny(true);
        QVERIFY(!p.start());
        QVERIFY(boxes.shown().size() == 1 && boxes.lastText().contains("listxml.txt"));
        QVERIFY(boxes.lastText().endsWith("Velmora will ask M.A.M.E. again at the next start."));
    }
};

QTEST_MAIN(TestStartupDetection)
#include "test_startupdetection.moc"
