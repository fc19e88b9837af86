// Debian's MAME asked for its lists by a Velmora that ends while they are made: an orderly end
// (the path of SIGTERM and a log-out) and a kill -9, also once the lists are shown and only the
// checksum list is still being made. MAME must not outlive Velmora, and no temporary list may
// stay behind. A game outlives a killed Velmora only for a moment: it ends itself, saving what
// MAME saves. The Velmora here is this test program started again in a child mode that asks for
// the lists; every process it starts carries a marker in its environment, so the test can see
// whether any of them is still alive.
#include "app/IniFile.h"
#include "emulator_settings/MameUsage.h"
#include "gamedb/ChecksumList.h"
#include "gamedb/DatabaseUpdate.h"
#include "gamedb/ListFiles.h"
#include "gamedb/MameCommands.h"
#include "launch/GameLaunch.h"
#include "launch/PlayHistory.h"
#include "lists/GameListModel.h"
#include "lists/ListFixtures.h"
#include "support/RealMame.h"
#include "support/TempProgram.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QUuid>

#include <csignal>

using namespace velmora;
using namespace velmora::testing;

namespace {

const char* const kChildProgram = "VELMORA_TEST_CHILD_PROGRAM";
const char* const kChildMame = "VELMORA_TEST_CHILD_MAME";
const char* const kChildEndAfter = "VELMORA_TEST_CHILD_END_AFTER_MS";
const char* const kChildBehind = "VELMORA_TEST_CHILD_LISTS_BEHIND";
const char* const kMarker = "VELMORA_TEST_MARKER";
const char* const kChildPlays = "VELMORA_TEST_CHILD_PLAYS";
constexpr int kInterruptedExit = 3;

// The child in kChildBehind mode: a first start that builds the database and leaves the checksum
// list to MAME behind the window, then says so with a file and waits to be killed.
int runChildWithListsShown(const ProgramPaths& paths)
{
    ChecksumList checksums;
    NullProgress progress;
    const DatabaseSetup setup{paths, qEnvironmentVariable(kChildMame), {}, &checksums};
    if (!firstBuild(setup, progress).succeeded() || !checksums.isRunning())
        return 1;
    TempProgram::writeFile(paths.file("lists-shown"), "");
    return QCoreApplication::exec();
}

// The child: asks MAME for its lists as a first start does, and with kChildEndAfter begins the
// program's orderly end after that many milliseconds.
int runChild()
{
    const ProgramPaths paths{qEnvironmentVariable(kChildProgram)};
    if (qEnvironmentVariableIsSet(kChildBehind))
        return runChildWithListsShown(paths);
    if (qEnvironmentVariableIsSet(kChildEndAfter))
        QTimer::singleShot(qEnvironmentVariableIntValue(kChildEndAfter),
                           [] { QCoreApplication::exit(0); });
    NullProgress progress;
    const MameListsResult result =
        CreateMameLists(paths, qEnvironmentVariable(kChildMame), progress);
    return result.exec == ExecOutcome::Interrupted ? kInterruptedExit : 0;
}

// The child as a Velmora that plays pong with the preferences of its options.ini.
int runGameChild()
{
    const ProgramPaths paths{qEnvironmentVariable(kChildProgram)};
    Preferences prefs;
    if (!readPreferences(paths.optionsIni(), &prefs, nullptr))
        return 1;
    const SelectedGame game{"pong", {}, "Raster", ListKind::All};
    launchGame(LaunchRequest{game, {}, LaunchMode::Play}, prefs, launchServicesFor(prefs, paths),
               {});
    return 0;
}

// Processes (zombies aside) whose environment holds `marker`.
QStringList markedProcesses(const QByteArray& marker)
{
    QStringList found;
    const QByteArray entry = QByteArray(kMarker) + '=' + marker;
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        QFile environ("/proc/" + pid + "/environ");
        QFile stat("/proc/" + pid + "/stat");
        if (!environ.open(QIODevice::ReadOnly) || !stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray state = stat.readAll();
        if (environ.readAll().split('\0').contains(entry) &&
            state.mid(state.lastIndexOf(')') + 2, 1) != "Z")
            found << pid;
    }
    return found;
}

bool noneLeftWithin(const QByteArray& marker, int ms)
{
    QElapsedTimer waited;
    waited.start();
    while (!markedProcesses(marker).isEmpty()) {
        if (waited.elapsed() > ms)
            return false;
        QTest::qWait(50);
    }
    return true;
}

} // namespace

class TestCommandEndRealMame : public QObject
{
    Q_OBJECT
private:
    TempProgram m_tp{"velmora end", "program folder", "mame folder"};
    QByteArray m_marker;

    enum class ChildMode { Lists, Plays, ListsBehind };

    QProcess* startChild(int endAfterMs, ChildMode mode = ChildMode::Lists)
    {
        auto* child = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kChildProgram, m_tp.programFolder());
        env.insert(kChildMame, m_tp.mameFolder());
        if (mode == ChildMode::Plays)
            env.insert(kChildPlays, "1");
        m_marker = QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
        env.insert(kMarker, m_marker);
        if (endAfterMs > 0)
            env.insert(kChildEndAfter, QString::number(endAfterMs));
        if (mode == ChildMode::ListsBehind)
            env.insert(kChildBehind, "1");
        child->setProcessEnvironment(env);
        child->setProcessChannelMode(QProcess::ForwardedChannels);
        child->start(QCoreApplication::applicationFilePath(), {});
        return child;
    }

    QByteArray report(const char* name) const
    {
        return TempProgram::readFile(m_tp.paths().report(name));
    }

    void writePreviousLists() const
    {
        for (const char* name : {"listxml.txt", "crcinfo.txt", "showusage.txt"})
            TempProgram::writeFile(m_tp.paths().report(name), QByteArray("previous ") + name);
    }

private slots:
    void initTestCase() { USE_REAL_MAME(m_tp); }

    // SIGTERM or a log-out while MAME makes its lists: MAME ends with Velmora at once, the lists
    // are as they were and no temporary list is left.
    void orderlyEndEndsMameAndKeepsTheLists()
    {
        writePreviousLists();
        QProcess* child = startChild(1500);
        QVERIFY(child->waitForFinished(15000));
        QCOMPARE(child->exitCode(), kInterruptedExit);
        QVERIFY(noneLeftWithin(m_marker, 1000));
        QCOMPARE(report("listxml.txt"), QByteArray("previous listxml.txt"));
        QCOMPARE(report("crcinfo.txt"), QByteArray("previous crcinfo.txt"));
        QCOMPARE(QDir(m_tp.paths().reportsFolder()).entryList({"*.part"}, QDir::Files),
                 QStringList());
    }

    // kill -9: nothing of Velmora runs any more, yet MAME ends within moments instead of writing
    // its list for another ten seconds; the next start clears the temporary lists.
    void killedVelmoraTakesMameAlong()
    {
        writePreviousLists();
        QProcess* child = startChild(0);
        QTest::qWait(1500);
        QVERIFY(!markedProcesses(m_marker).isEmpty()); // MAME is at work
        ::kill(pid_t(child->processId()), SIGKILL);
        QVERIFY(child->waitForFinished(5000));
        QVERIFY2(noneLeftWithin(m_marker, 3000), qPrintable(markedProcesses(m_marker).join(' ')));
        QCOMPARE(report("listxml.txt"), QByteArray("previous listxml.txt"));

        checkMameReports(DatabaseSetup{m_tp.paths(), m_tp.mameFolder(), {}});
        QCOMPARE(QDir(m_tp.paths().reportsFolder()).entryList({"*.part"}, QDir::Files),
                 QStringList());
        QCOMPARE(report("showusage.txt"), QByteArray("previous showusage.txt"));
    }

    // kill -9 during a game: MAME takes no signal to end, but Velmora's plugin inside it sees its
    // Velmora gone and ends the machine as on a normal exit, which writes the game's cfg. The two
    // plays of pong before it are counted beside the plays kept before; the killed one costs only
    // itself, and a restart sorts the play columns by what the file holds.
    void killedVelmoraLetsTheGameSaveAndEndKeepingEarlierPlays()
    {
        Preferences prefs = m_tp.standardPreferences();
        prefs.setFolder(DataFolder::Ini, m_tp.makeFolder("home/.mame")); // MAME's own
        prefs.setFolder(DataFolder::Cfg, m_tp.makeFolder("cfg"));
        m_tp.writeOptionsIni(prefs);
        QVERIFY(TempProgram::writeFile(prefs.folder(DataFolder::ROMs) + "/pong.zip",
                                       "PK\x05\x06" + QByteArray(18, '\0'))); // needs no ROMs
        const QString stats = m_tp.paths().setting(kPlayHistoryFile);
        QVERIFY(TempProgram::writeFile(stats, "[galaxian]\nPlayCount=5\nPlayTime=3\n"
                                              "LastPlayed=2020-01-01T00:00:00\n"));
        const auto otherCommands = [&](const char* commands) {
            QVERIFY(WriteIniValue(m_tp.paths().setting("raster.cfg"), "Miscellaneous",
                                  "Other Commands", commands));
        };
        otherCommands("-video none -sound none -seconds_to_run 2");
        for (int play = 0; play < 2; ++play)
            QVERIFY(startChild(0, ChildMode::Plays)->waitForFinished(60000));
        const PlayRecord pong = PlayHistory::fromFile(stats).record("pong");
        QVERIFY2(pong.count == 2 && pong.seconds >= 4, TempProgram::readFile(stats).constData());
        const QByteArray twoPlays = TempProgram::readFile(stats);

        otherCommands("-video none -sound none");
        QCOMPARE(ExecCmd(MameCommands::showUsage(m_tp.paths().report(kShowUsageFile)),
                         WindowStyle::Normal, m_tp.mameFolder()),
                 ExecOutcome::Ran);
        QProcess* child = startChild(0, ChildMode::Plays);
        // MAME's first words (a warning about -video none) are in the report once it runs.
        QVERIFY(QTest::qWaitFor([&] { return !report("lastgame.txt").isEmpty(); }, 20000));
        QTest::qWait(3000); // the machine is up and its plugin has seen this Velmora
        ::kill(pid_t(child->processId()), SIGKILL);
        QVERIFY(child->waitForFinished(5000));
        QVERIFY2(noneLeftWithin(m_marker, 5000), qPrintable(markedProcesses(m_marker).join(' ')));
        QVERIFY2(QFileInfo(prefs.folder(DataFolder::Cfg) + "/pong.cfg").size() > 0,
                 report("lastgame.txt").constData());
        QCOMPARE(TempProgram::readFile(stats), twoPlays);

        auto table = std::make_shared<GameTable>();
        for (const char* rom : {"dkong", "galaxian", "pong"})
            table->add(ListedGame{game(rom, rom), {}, {}});
        GameListModel model;
        model.setGames(table, {0, 1, 2});
        model.setPlayHistory(std::make_shared<PlayHistory>(PlayHistory::fromFile(stats)));
        for (const auto& [column, first] : {std::pair{GameListModel::Played, "galaxian"},
                                            {GameListModel::TimePlayed, "pong"},
                                            {GameListModel::LastPlayed, "pong"}}) {
            model.sort(column, GameListModel::firstSortOrder(column));
            QCOMPARE(model.text(0, GameListModel::Rom), QLatin1String(first));
            QCOMPARE(model.text(2, GameListModel::Rom), QStringLiteral("dkong"));
        }
    }

    // kill -9 once the lists are shown, while MAME still makes the checksum list behind them:
    // MAME goes with Velmora, the database stays, and crcinfo.txt is missing (never half made),
    // so the next start makes only the checksum list.
    void killedBehindTheListsLeavesOnlyTheChecksumListToMake()
    {
        QDir(m_tp.paths().reportsFolder()).removeRecursively();
        QDir().mkpath(m_tp.paths().reportsFolder());
        QProcess* child = startChild(0, ChildMode::ListsBehind);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_tp.paths().file("lists-shown")) ||
                                     child->state() == QProcess::NotRunning,
                                 200000);
        QVERIFY(!markedProcesses(m_marker).isEmpty()); // MAME is at its checksum list
        ::kill(pid_t(child->processId()), SIGKILL);
        QVERIFY(child->waitForFinished(5000));
        QVERIFY2(noneLeftWithin(m_marker, 3000), qPrintable(markedProcesses(m_marker).join(' ')));
        QVERIFY(onlyChecksumListMissing(m_tp.paths()));
        QVERIFY(isCompleteMachineList(m_tp.paths().report("listxml.txt")));

        const QByteArray database = report("gameinfo.txt");
        ChecksumList checksums;
        NullProgress progress;
        QVERIFY(
            firstBuild({m_tp.paths(), m_tp.mameFolder(), {}, &checksums}, progress).checksumsOnly);
        QVERIFY(checksums.isRunning() && report("gameinfo.txt") == database);
        QTRY_VERIFY(QFileInfo(m_tp.paths().report("crcinfo.txt.part")).size() > 0);
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kChildPlays))
        return runGameChild();
    if (qEnvironmentVariableIsSet(kChildProgram))
        return runChild();
    TestCommandEndRealMame test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_commandend_realmame.moc"
