// The first build, the rebuild after a new MAME and the database steps of Refresh, with a fake
// mame whose size changes.
#include "gamedb/DatabaseUpdate.h"
#include "platform/Seams.h"
#include "support/DatabaseProgram.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

class RecordingProgress : public ProgressSink
{
public:
    void setMessage(const QString& message) override { messages << message; }
    void setText(const QString& text) override { texts << text; }
    void setCount(const QString&) override {}
    QStringList messages;
    QStringList texts;
};

// A program whose database was built from an earlier MAME, with reports of the last change.
struct BuiltProgram : DatabaseProgram
{
    QStringList favoritesChecks; // gameinfo.txt's line count at each favourites check
    DatabaseSetup setup{paths, tp.mameFolder(), [this] {
                            favoritesChecks << QString::number(read("gameinfo.txt").count("\r\n"));
                        }};

    BuiltProgram() { tp.writeOptionsIni(); }
    // mame answers `option` with `output`.
    void answer(const char* option, const QByteArray& output)
    {
        const QString file = tp.root() + "/answer" + option;
        QVERIFY(TempProgram::writeFile(file, output));
        mame.answer(option, file);
    }
    void verifyPreviousDatabase() const
    {
        QCOMPARE(read("gameinfo.txt"), previous("gameinfo.txt"));
        QCOMPARE(read("resource.txt"), previous("resource.txt"));
    }
};

const QByteArray kMachines = TempProgram::readFile(fixturePath("gamedb/machines-0251.xml"));

} // namespace

class TestDatabaseUpdate : public QObject
{
    Q_OBJECT
private slots:
    void rebuildAfterChangeKeepsOldListsAndDeletesStaleReports()
    {
        BuiltProgram p;
        RecordingProgress progress;
        const RebuildResult result = rebuildAfterChange(p.setup, progress);
        QVERIFY(result.commandsRan && result.database.ok);
        QCOMPARE(p.sortedCalls(), QStringList({"-listcrc", "-listxml", "-showusage"}));
        QCOMPARE(p.read("oldlistxml.txt"), QByteArray("previous listxml.txt"));
        QCOMPARE(p.read("oldcrcinfo.txt"), QByteArray("previous crcinfo.txt"));
        QCOMPARE(p.read("listxml.txt"), kMachines);
        QVERIFY(!p.exists("newroms.txt") && !p.exists("whatsnew.txt"));
        // The favourites were checked once, against the new database.
        QCOMPARE(p.favoritesChecks, QStringList({"11"}));
        QCOMPARE(progress.messages.first(), QString("Creating listxml.txt..."));

        // A first build makes no old copies and keeps the reports.
        BuiltProgram first;
        QVERIFY(firstBuild(first.setup, progress).database.ok);
        QVERIFY(!first.exists("oldlistxml.txt") && !first.exists("oldcrcinfo.txt"));
        QVERIFY(first.exists("newroms.txt") && first.exists("whatsnew.txt"));
        QCOMPARE(first.favoritesChecks, QStringList({"11"}));
    }

    // An upgrade cut short after the new machine list was taken (here the checksum list came
    // out empty; a kill does the same) resumes at the next try without copying the new lists
    // over the old copies, which stay the previous version's until the next new MAME.
    void interruptedUpgradeKeepsThePreviousVersionsLists()
    {
        BuiltProgram p;
        p.growMame();
        p.answer("-listcrc", "");
        ScriptedMessageBox box;
        box.allowAny(true);
        NullProgress progress;
        QVERIFY(!rebuildAfterChange(p.setup, progress).succeeded());
        QVERIFY(box.lastText().contains("crcinfo.txt could not be made"));
        QCOMPARE(p.read("listxml.txt"), kMachines);
        QVERIFY(p.exists("whatsnew.txt"));

        p.mame.answer("-listcrc", fixturePath("listcrc.txt"));
        QVERIFY(rebuildAfterChange(p.setup, progress).succeeded());
        QCOMPARE(p.read("oldlistxml.txt"), QByteArray("previous listxml.txt"));
        QVERIFY(!p.exists("whatsnew.txt"));

        // The next new MAME makes this version's lists the old ones.
        p.growMame();
        QVERIFY(rebuildAfterChange(p.setup, progress).succeeded());
        QCOMPARE(p.read("oldcrcinfo.txt"), TempProgram::readFile(fixturePath("listcrc.txt")));
    }

    // A list cut short (MAME died half-way), one that looks complete but gives no game, or one
    // the builder cannot read, keeps the previous database and the stored size, says so once,
    // and the next Refresh tries again. A list cut short is not taken, so the next start builds.
    void unusableListKeepsDatabaseAndStoredSize()
    {
        for (const QByteArray& list : QByteArrayList{
                 kMachines.left(kMachines.size() / 2),
                 "<?xml version=\"1.0\"?>\n<mame build=\"0.251\">\n</mame>\n",
                 "\x01\x02 not a list at all\n</mame>\n",
                 "<?xml version=\"1.0\"?>\n<mame build=\"0.251\">\n\t<machine name=\"puckman\" "
                 "sourcefile=\"pacman/pacman.cpp\">\n\t\t<description>Puck "
                 "Man</description>\n</mame>\n"}) {
            BuiltProgram p;
            p.answer("-listxml", list);
            const qint32 oldSize = p.mameSize();
            qint32 stored = oldSize;
            p.growMame();
            ScriptedMessageBox box;
            box.allowAny(true);
            NullProgress wait;
            QCOMPARE(refreshDatabase(p.setup, &stored, wait), RefreshOutcome::RebuildFailed);
            QVERIFY(box.shown().size() == 1 && box.lastText().endsWith("at the next start."));
            QVERIFY(stored == oldSize && p.favoritesChecks.isEmpty());
            p.verifyPreviousDatabase();
            if (list.size() > 1000) {
                QCOMPARE(box.lastText(), "M.A.M.E.'s output was incomplete: listxml.txt could not "
                                         "be made.\rThe game database was not changed. Velmora "
                                         "will ask M.A.M.E. again at the next start.");
                QVERIFY(!p.exists("listxml.txt") && derivedFilesMissing(p.paths));
            }

            p.mame.answer("-listxml", fixturePath("gamedb/machines-0251.xml"));
            QCOMPARE(refreshDatabase(p.setup, &stored, wait), RefreshOutcome::Rebuilt);
        }
    }

    void refreshRebuildsOnlyAfterANewMame()
    {
        BuiltProgram p;
        const qint32 oldSize = p.mameSize();
        qint32 stored = oldSize;
        RecordingProgress wait;
        QCOMPARE(refreshDatabase(p.setup, &stored, wait), RefreshOutcome::Unchanged);
        QCOMPARE(p.mame.callCount(), 0);
        QCOMPARE(wait.texts, QStringList({"Please wait while Velmora refreshes the game list."}));
        QVERIFY(p.favoritesChecks.isEmpty());

        p.growMame();
        wait.texts.clear();
        QCOMPARE(refreshDatabase(p.setup, &stored, wait), RefreshOutcome::Rebuilt);
        QVERIFY(stored == p.mameSize() && p.storedSize() == QString::number(stored));
        QCOMPARE(wait.texts, QStringList({"A new version of M.A.M.E. was detected.",
                                          "Please wait while Velmora refreshes the game list."}));
        QCOMPARE(refreshDatabase(p.setup, &stored, wait), RefreshOutcome::Unchanged);
        QCOMPARE(p.mame.callCount(), 3);

        // A stored size of 0 is unknown: a grown MAME is no change either, and 0 stays stored.
        const QString before = p.storedSize();
        stored = 0;
        p.growMame();
        QCOMPARE(refreshDatabase(p.setup, &stored, wait), RefreshOutcome::Unchanged);
        QVERIFY(p.mame.callCount() == 3 && stored == 0 && p.storedSize() == before);
    }

    // Without mame Refresh says so and still reloads the lists from the database it has.
    void refreshWithoutMameReportsItAndGoesOn()
    {
        BuiltProgram p;
        qint32 stored = 1234;
        QFile::remove(p.mame.scriptPath());
        ScriptedMessageBox box;
        box.expect("Cannot find mame!", platform::MessageAnswer::Ok, "Refresh");
        QStringList steps;
        auto step = [&steps](const char* name) { return [&steps, name] { steps << name; }; };
        const RefreshWindowSteps window{
            step("prepare"),        step("showWait"),
            step("clearStatusBar"), [&steps] { return (steps << "loadLists", true); },
            step("showView"),       step("closeWait"),
            step("enableCommands")};
        NullProgress wait;
        QCOMPARE(runRefresh(p.setup, &stored, wait, window), RefreshOutcome::MameMissing);
        QVERIFY(box.allExpectedShown());
        QCOMPARE(box.shown().first().icon, platform::MessageIcon::Exclamation);
        QCOMPARE(steps, QStringList({"prepare", "showWait", "clearStatusBar", "loadLists",
                                     "showView", "closeWait", "enableCommands"}));
        QCOMPARE(stored, 1234);
        p.verifyPreviousDatabase();
    }

    // A MAME folder that cannot be entered: ExecCmd reports it and the program ends; the rebuild
    // stops at once, before the database and the favourites.
    void rebuildStopsWhenMameCannotRun()
    {
        BuiltProgram p;
        int endRequests = 0;
        platform::seams().endProgram = [&endRequests] { ++endRequests; };
        ScriptedMessageBox box;
        box.allowAny(true);
        DatabaseSetup setup = p.setup;
        setup.mameFolder = p.tp.root() + "/no such folder";
        NullProgress progress;
        const RebuildResult result = rebuildAfterChange(setup, progress);
        platform::seams().endProgram = nullptr;
        QVERIFY(!result.commandsRan && result.listXml == ListOutcome::NotRun && endRequests == 1);
        QVERIFY(box.shown().size() == 1 && box.lastText().startsWith("Error In ExecCmd: "));
        QCOMPARE(p.read("listxml.txt"), QByteArray("previous listxml.txt"));
        p.verifyPreviousDatabase();
        QVERIFY(p.exists("whatsnew.txt") && p.favoritesChecks.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDatabaseUpdate)
#include "test_databaseupdate.moc"
