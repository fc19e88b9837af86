// Rebuilding the database after a new MAME and the database steps of Refresh, with a fake mame
// whose size changes.
#include "gamedb/DatabaseUpdate.h"
#include "support/DatabaseProgram.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"

#include <QFile>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

struct RecordingProgress : NullProgress
{
    void setText(const QString& text) override { texts << text; }
    QStringList texts;
};

// A program whose database was built from an earlier MAME, with reports of the last change.
struct BuiltProgram : DatabaseProgram
{
    int favoritesChecks = 0;
    DatabaseSetup setup{paths, tp.mameFolder(), [this] { ++favoritesChecks; }};

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
    // A checksum list that comes out empty (a kill does the same) costs neither the new
    // database nor the previous version's old lists: crcinfo.txt stays missing until it is
    // made, and a new MAME before that keeps the previous pair of old lists together.
    void unfinishedChecksumListKeepsTheOldListsTogether()
    {
        BuiltProgram p;
        p.growMame();
        ScriptedMessageBox box;
        box.allowAny(true);
        NullProgress progress;
        p.answer("-listcrc", "");
        QVERIFY(rebuildAfterChange(p.setup, progress).succeeded());
        QCOMPARE(box.lastText(), "M.A.M.E.'s output was incomplete: crcinfo.txt could not be "
                                 "made.\rVelmora will ask M.A.M.E. again at the next start.");
        QVERIFY(p.read("listxml.txt") == kMachines && !p.exists("crcinfo.txt"));
        QVERIFY(onlyChecksumListMissing(p.paths) && !p.exists("whatsnew.txt"));

        p.growMame();
        p.mame.answer("-listcrc", fixturePath("listcrc.txt"));
        QVERIFY(rebuildAfterChange(p.setup, progress).succeeded());
        QCOMPARE(p.read("oldlistxml.txt"), QByteArray("previous listxml.txt"));
        QCOMPARE(p.read("oldcrcinfo.txt"), QByteArray("previous crcinfo.txt"));
        QCOMPARE(p.favoritesChecks, 2);

        // The next new MAME makes this version's lists the old ones.
        p.growMame();
        QVERIFY(rebuildAfterChange(p.setup, progress).succeeded());
        QCOMPARE(p.read("oldcrcinfo.txt"), TempProgram::readFile(fixturePath("listcrc.txt")));
        QCOMPARE(p.read("oldlistxml.txt"), kMachines);
    }

    // A list cut short (MAME died half-way), one that looks complete but gives no game, or one
    // the builder cannot read, keeps the previous database and the stored size, says so once,
    // and the next Refresh tries again. A list cut short is not taken, so the next start builds.
    void unusableListKeepsDatabaseAndStoredSize()
    {
        for (const QByteArray& list :
             {kMachines.left(kMachines.size() / 2),
              QByteArray("<?xml version=\"1.0\"?>\n<mame build=\"0.251\">\n</mame>\n"),
              QByteArray("\x01\x02 not a list at all\n</mame>\n"),
              // A machine with no driver line is no game: the list reads but holds none.
              QByteArray(
                  "<?xml version=\"1.0\"?>\n<mame build=\"0.251\">\n\t<machine name=\"puckman\" "
                  "sourcefile=\"pacman/pacman.cpp\">\n\t\t<description>Puck "
                  "Man</description>\n</mame>\n")}) {
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
            QVERIFY(stored == oldSize && p.favoritesChecks == 0);
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

    // Machines whose short names cannot be file names stay out of the database, and the user is
    // told how many.
    void unsafeNamesAreLeftOutAndCounted()
    {
        BuiltProgram p;
        const QByteArray bad = "\t<machine name=\"../x\">\n\t\t<description>Victim</description>\n"
                               "\t\t<driver status=\"good\"/>\n\t</machine>\n";
        const qsizetype first = kMachines.indexOf("\t<machine ");
        p.answer("-listxml",
                 QByteArray(kMachines).insert(first, bad + QByteArray(bad).replace("../", "-")));
        qint32 stored = p.mameSize();
        p.growMame();
        ScriptedMessageBox box;
        box.expect("2 machines of M.A.M.E.'s machine list were left out of the game database: "
                   "their short names cannot be used as file names or on M.A.M.E.'s command line.",
                   platform::MessageAnswer::Ok, "Velmora");
        NullProgress wait;
        QVERIFY(refreshDatabase(p.setup, &stored, wait) == RefreshOutcome::Rebuilt &&
                box.allExpectedShown() && !p.read("gameinfo.txt").contains("Victim"));
    }

    void refreshRebuildsOnlyAfterANewMame()
    {
        BuiltProgram p;
        qint32 stored = p.mameSize();
        RecordingProgress wait;
        QCOMPARE(refreshDatabase(p.setup, &stored, wait), RefreshOutcome::Unchanged);
        QCOMPARE(wait.texts, QStringList({"Please wait while Velmora refreshes the game list."}));
        QVERIFY(p.mame.callCount() == 0 && p.favoritesChecks == 0);

        p.growMame();
        wait.texts.clear();
        QCOMPARE(refreshDatabase(p.setup, &stored, wait), RefreshOutcome::Rebuilt);
        QVERIFY(stored == p.mameSize() && p.storedSize() == QString::number(stored));
        QCOMPARE(wait.texts, QStringList({"A new version of M.A.M.E. was detected.",
                                          "Please wait while Velmora refreshes the game list."}));
        QCOMPARE(refreshDatabase(p.setup, &stored, wait), RefreshOutcome::Unchanged);
        QVERIFY(p.mame.callCount() == 4 && p.favoritesChecks == 1);

        // Without mame Refresh says so and keeps the database it has.
        QFile::remove(p.mame.scriptPath());
        ScriptedMessageBox box;
        box.expect("Cannot find mame!", platform::MessageAnswer::Ok, "Refresh");
        QCOMPARE(refreshDatabase(p.setup, &stored, wait), RefreshOutcome::MameMissing);
        QVERIFY(box.allExpectedShown() && stored != 0); // the size stored stays
        QCOMPARE(box.shown().first().icon, platform::MessageIcon::Exclamation);
    }
};

QTEST_GUILESS_MAIN(TestDatabaseUpdate)
#include "test_databaseupdate.moc"
