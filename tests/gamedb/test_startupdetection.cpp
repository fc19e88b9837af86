// The start-up's detection of a new MAME and its first build, with the database routines wired
// into the load sequence as the program wires them and a fake mame whose size changes.
#include "app/IniFile.h"
#include "gamedb/DatabaseUpdate.h"
#include "lists/LoadLists.h"
#include "platform/Seams.h"
#include "support/FakeMame.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"
#include "ui/MainWindow.h"
#include "ui/StartUp.h"

#include <QFile>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

struct Program
{
    TempProgram tp;
    FakeMame mame{tp.mameFolder()};
    ProgramPaths paths = tp.paths();
    int favoritesChecks = 0;
    int games = 0; // rows of the All list after the last start

    // What a previous build left: the game database holds one game, so the lists load from it.
    static QByteArray previous(const char* name)
    {
        if (qstrcmp(name, "gameinfo.txt") == 0)
            return "\"Previous Game\",\"1980\",\"Good\",\"Good\",\"Good\",\"Good\",\"\","
                   "\"Namco\",\"Raster\",\" 224x288\",\"Vertical\",\"60\",\"Original\","
                   "\"previous\",\"namco/pacman.cpp\",\"N/A\",\"No\"\r\n";
        return QByteArray("previous ") + name;
    }

    explicit Program(bool builtBefore)
    {
        mame.answer("-listxml", fixturePath("gamedb/machines-0251.xml"));
        mame.answer("-listcrc", fixturePath("listcrc.txt"));
        mame.answer("-showusage", fixturePath("help.txt"));
        if (!builtBefore)
            return;
        for (const char* name : {"listxml.txt", "crcinfo.txt", "gameinfo.txt", "resource.txt",
                                 "newroms.txt", "whatsnew.txt"})
            TempProgram::writeFile(paths.report(name), previous(name));
    }

    void writeOptions(qint32 storedSize) const
    {
        Preferences prefs = tp.standardPreferences();
        prefs.mameSize = storedSize;
        tp.writeOptionsIni(prefs);
    }

    qint32 mameSize() const { return currentMameSize(tp.mameFolder()); }
    void growMame() const
    {
        QFile script(mame.scriptPath());
        script.open(QIODevice::Append);
        script.write("# a newer build\n");
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

    QStringList sortedCalls() const
    {
        QStringList calls = mame.calls();
        calls.sort();
        return calls;
    }

    QByteArray read(const char* name) const { return TempProgram::readFile(paths.report(name)); }
    bool exists(const char* name) const { return QFile::exists(paths.report(name)); }
    QString storedSize() const
    {
        return ReadIniValue(tp.optionsIni(), "Miscellaneous", "MAMESize", "");
    }
};

} // namespace

class TestStartupDetection : public QObject
{
    Q_OBJECT
private slots:
    void newMameIsDetectedAndTheDatabaseRebuilt()
    {
        Program p(true);
        p.writeOptions(p.mameSize());
        p.growMame();
        ScriptedMessageBox boxes;
        QVERIFY(p.start());
        QCOMPARE(p.sortedCalls(), QStringList({"-listcrc", "-listxml", "-showusage"}));
        QCOMPARE(p.read("oldlistxml.txt"), QByteArray("previous listxml.txt"));
        QVERIFY(!p.exists("whatsnew.txt"));
        QCOMPARE(p.favoritesChecks, 1);
        QCOMPARE(p.storedSize(), QString::number(p.mameSize()));

        // The next start finds the same MAME and runs nothing.
        p.mame.clearRecord();
        QVERIFY(p.start());
        QCOMPARE(p.mame.callCount(), 0);
    }

    void storedSizeZeroOnlyBuildsWhatIsMissing()
    {
        Program p(true);
        p.writeOptions(0);
        p.growMame();
        ScriptedMessageBox boxes;
        // Only MAME's usage report, missing from an earlier version's reports, is asked for.
        QVERIFY(p.start());
        QCOMPARE(p.mame.calls(), QStringList({"-showusage"}));
        QCOMPARE(p.read("gameinfo.txt"), Program::previous("gameinfo.txt"));

        // A missing database file makes the next start build it all, without old copies.
        p.mame.clearRecord();
        QFile::remove(p.paths.report("resource.txt"));
        QVERIFY(p.start());
        QCOMPARE(p.sortedCalls(), QStringList({"-listcrc", "-listxml", "-showusage"}));
        QCOMPARE(p.read("gameinfo.txt").count("\r\n"), 11);
        QVERIFY(!p.exists("oldlistxml.txt"));
        QVERIFY(p.exists("whatsnew.txt"));
        QCOMPARE(p.favoritesChecks, 1);
    }

    // MAME's output cut short after a new MAME: asked once in the start, said once, the previous
    // database loads, and the next start asks again.
    void incompleteOutputIsAskedForOncePerStart()
    {
        Program p(true);
        const qint32 oldSize = p.mameSize();
        p.writeOptions(oldSize);
        p.growMame();
        const QByteArray full = TempProgram::readFile(fixturePath("gamedb/machines-0251.xml"));
        const QString half = p.tp.root() + "/half.xml";
        QVERIFY(TempProgram::writeFile(half, full.left(full.size() / 2)));
        p.mame.answer("-listxml", half);
        ScriptedMessageBox boxes;
        boxes.allowAny(true);
        QVERIFY(p.start());
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY(boxes.lastText().startsWith("M.A.M.E.'s output was incomplete: listxml.txt"));
        QCOMPARE(p.mame.calls().count("-listxml"), 1);
        QCOMPARE(p.games, 1);
        QCOMPARE(p.storedSize(), QString::number(oldSize));

        p.mame.answer("-listxml", fixturePath("gamedb/machines-0251.xml"));
        QVERIFY(p.start());
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(p.storedSize(), QString::number(p.mameSize()));
        QCOMPARE(p.read("oldlistxml.txt"), QByteArray("previous listxml.txt"));
    }

    // A database line the loader cannot read (an earlier writer let a raw quote through) leads
    // to an offer to rebuild, not to an end at every start. Yes rebuilds it from the machine
    // list at hand; No ends with the loader's message, as before.
    void unreadableDatabaseOffersARebuild()
    {
        Program p(true);
        p.writeOptions(p.mameSize());
        QVERIFY(QFile::remove(p.paths.report("listxml.txt")));
        QVERIFY(
            QFile::copy(fixturePath("gamedb/machines-0251.xml"), p.paths.report("listxml.txt")));
        QByteArray damaged = Program::previous("gameinfo.txt");
        damaged.replace("\"Namco\"", "\"Atari\",\"1999\"");
        QVERIFY(TempProgram::writeFile(p.paths.report("gameinfo.txt"), damaged));
        LoadedLists unused;
        NullProgress progress;
        const LoadListsResult failure =
            LoadLists(ListLoadRequest::forProgram(p.paths, Preferences(), false, false, false),
                      progress, &unused);
        QVERIFY(!failure.ok);
        const QString offer =
            failure.message() + "\r\rThe game database cannot be read. Rebuild it now?";

        ScriptedMessageBox boxes;
        boxes.expect(offer, platform::MessageAnswer::No);
        boxes.expect(failure.message());
        QVERIFY(!p.start());
        QVERIFY(boxes.allExpectedShown());

        boxes.expect(offer, platform::MessageAnswer::Yes);
        p.mame.clearRecord();
        QVERIFY(p.start());
        QVERIFY(boxes.allExpectedShown());
        QCOMPARE(p.games, 11);
        QVERIFY(p.mame.calls().isEmpty() || p.mame.calls() == QStringList({"-showusage"}));
        QCOMPARE(p.favoritesChecks, 1);
    }
};

QTEST_MAIN(TestStartupDetection)
#include "test_startupdetection.moc"
