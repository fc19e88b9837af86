// The start-up's detection of a new MAME and its first build, with the database routines wired
// into the load sequence as the program wires them and a fake mame whose size changes.
#include "app/IniFile.h"
#include "gamedb/DatabaseUpdate.h"
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
            return rebuildAfterChange(setup(), p).commandsRan;
        };
        hooks.firstBuild = [setup](ProgressSink& p) { firstBuild(setup(), p); };
        return startUp.runLoadSequence();
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
        QCOMPARE(p.mame.calls(), QStringList({"-listxml", "-listcrc"}));
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
        QVERIFY(p.start());
        QCOMPARE(p.mame.callCount(), 0);
        QCOMPARE(p.read("gameinfo.txt"), Program::previous("gameinfo.txt"));

        // A missing database file makes the next start build it all, without old copies.
        QFile::remove(p.paths.report("resource.txt"));
        QVERIFY(p.start());
        QCOMPARE(p.mame.calls(), QStringList({"-listxml", "-listcrc"}));
        QCOMPARE(p.read("gameinfo.txt").count("\r\n"), 11);
        QVERIFY(!p.exists("oldlistxml.txt"));
        QVERIFY(p.exists("whatsnew.txt"));
        QCOMPARE(p.favoritesChecks, 1);
    }
};

QTEST_MAIN(TestStartupDetection)
#include "test_startupdetection.moc"
