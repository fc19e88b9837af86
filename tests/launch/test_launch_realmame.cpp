// Debian's real MAME 0.251, end to end: Play, Record and Playback of pong, a Game Audit and the
// audit of every ROM set. HOME points at a temporary folder, so ~/.mame is never touched; the Ini
// folder is $HOME/.mame, where Debian's MAME looks for mame.ini.
#include "app/IniFile.h"
#include "emulator_settings/MameIni.h"
#include "emulator_settings/MamePathLinks.h"
#include "emulator_settings/MameUsage.h"
#include "emulator_settings/OptionCatalogue.h"
#include "gamedb/ListFiles.h"
#include "launch/BadSets.h"
#include "launch/GameAudit.h"
#include "launch/GameLaunch.h"
#include "launch/MoveSummary.h"
#include "launch/PlayHistory.h"
#include "launch/SetAudit.h"
#include "support/RealMame.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"
#include "support/ZipArchive.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <QTimer>

using namespace velmora;
using namespace velmora::testing;

namespace {

const QString kQuickRun = QStringLiteral("-video none -sound none -seconds_to_run 2");

} // namespace

class TestLaunchRealMame : public QObject
{
    Q_OBJECT
private:
    TempProgram m_tp{QStringLiteral("velmora realmame")};
    Preferences m_prefs;
    QString m_raster;
    QByteArray m_iniWhileMameRan;
    ExecStatus m_lastRun;

    QString folder(const char* name) const { return m_tp.root() + u'/' + QLatin1String(name); }

    LaunchServices services()
    {
        LaunchServices s = launchServicesFor(m_prefs, m_tp.paths());
        const auto play = s.play;
        s.play = [this, play](const QString& command, WindowStyle style) {
            m_iniWhileMameRan = TempProgram::readFile(mameIniPath(m_prefs));
            // A MAME that hangs (as on a path it cannot read) fails the test instead of blocking.
            QTimer guard;
            guard.setSingleShot(true);
            QObject::connect(&guard, &QTimer::timeout, [] { endRunningCommand(1000); });
            guard.start(90000);
            m_lastRun = play(command, style);
            return m_lastRun;
        };
        return s;
    }

    LaunchResult play(RecordPlayback boxes = {}, const QString& rom = QStringLiteral("pong"))
    {
        const SelectedGame game{rom, {}, QStringLiteral("Raster"), ListKind::All};
        return launchGame(LaunchRequest{game, boxes, LaunchMode::Play}, m_prefs, services(), {});
    }

    int playsOf(const char* rom) const
    {
        return PlayHistory::fromFile(m_tp.paths().setting(kPlayHistoryFile)).record(rom).count;
    }

    QByteArray lastOutput() const
    {
        return TempProgram::readFile(m_tp.paths().report(kPlayOutputFile));
    }

    void writeRaster(const QString& otherCommands, bool autosave)
    {
        QVERIFY(WriteIniValue(m_raster, QStringLiteral("Miscellaneous"),
                              QStringLiteral("Other Commands"), otherCommands));
        QVERIFY(WriteIniValue(m_raster, QStringLiteral("State/Playback Options"),
                              QStringLiteral("Autosave"), autosave ? "1" : "0"));
    }

private slots:
    void initTestCase()
    {
        USE_REAL_MAME(m_tp);
        const QString home = qEnvironmentVariable("HOME");
        m_prefs = m_tp.standardPreferences();
        m_prefs.setFolder(DataFolder::Ini, home + QStringLiteral("/.mame"));
        const char* names[] = {"inp", "sta", "snap", "cfg", "nvram"};
        const DataFolder folders[] = {DataFolder::Input, DataFolder::State, DataFolder::Snapshots,
                                      DataFolder::Cfg, DataFolder::Nvram};
        for (int i = 0; i < 5; ++i)
            m_prefs.setFolder(folders[i], m_tp.makeFolder(QLatin1String(names[i])));
        m_tp.makeFolder(QStringLiteral("home/.mame"));
        QVERIFY(TempProgram::writeFile(
            m_prefs.folder(DataFolder::ROMs) + QStringLiteral("/pong.zip"), kEmptyZip));
        setMamePathLinkFolder(m_tp.paths().setting(QStringLiteral("mamepaths")));
        QVERIFY(CreateMAMEIni(m_prefs));
        m_raster = m_tp.paths().setting(QStringLiteral("raster.cfg"));
    }

    void playRunsMameWithTheGamesSettings()
    {
        writeRaster(kQuickRun, true);
        const LaunchResult r = play();
        QCOMPARE(r.outcome, LaunchOutcome::Played);
        QCOMPARE(r.command, QStringLiteral("mame pong ") + kQuickRun);
        // While MAME ran, mame.ini held the settings layer, and MAME acted on it: autosave wrote
        // the game's state on exit.
        QVERIFY(m_iniWhileMameRan.contains("\r\nautosave\t1\r\n"));
        QVERIFY(m_iniWhileMameRan.size() > mameIniPathLayer(m_prefs).size());
        QVERIFY(QFileInfo(folder("sta") + QStringLiteral("/pong/auto.sta")).size() > 0);
        // Afterwards it is back to its path layer.
        QCOMPARE(TempProgram::readFile(mameIniPath(m_prefs)), mameIniPathLayer(m_prefs));
    }

    void recordThenPlaybackUseTheInputFolder()
    {
        writeRaster(kQuickRun, false);
        const QString inp = folder("inp") + QStringLiteral("/pong.inp");
        const LaunchResult recorded = play({true, false});
        QCOMPARE(recorded.outcome, LaunchOutcome::Played);
        QVERIFY(m_iniWhileMameRan.contains("\r\nrecord\tpong.inp\r\n"));
        const QByteArray recording = TempProgram::readFile(inp);
        QVERIFY(recording.startsWith("MAMEINP"));

        // MAME's account of the playback goes to a log through the shell; the quoted path keeps
        // its capitals through the launch's lower-casing.
        const QString log = folder("Playback Log.txt");
        writeRaster(kQuickRun + QStringLiteral(" > '") + log + QStringLiteral("' 2>&1"), false);
        const LaunchResult played = play({false, true});
        QCOMPARE(played.outcome, LaunchOutcome::Played);
        QVERIFY(m_iniWhileMameRan.contains("\r\nplayback\tpong.inp\r\n"));
        const QByteArray account = TempProgram::readFile(log);
        QVERIFY2(account.contains("Input file: pong.inp") &&
                     account.contains("Total playback frames:"),
                 account.constData());
        QCOMPARE(TempProgram::readFile(inp), recording);
        QCOMPARE(TempProgram::readFile(mameIniPath(m_prefs)), mameIniPathLayer(m_prefs));
    }

    // MAME hangs on a byte above 127 in mame.ini and cuts values at '#' and ';': a ROM folder
    // named so is handed to it through a plain link, settings values holding such a byte are left
    // out (and named at the head of the launch report), and the game runs and returns.
    void playsFromAFolderMameCannotReadByName()
    {
        ScriptedMessageBox box; // a normal exit shows nothing
        const QString roms = m_prefs.folder(DataFolder::ROMs);
        m_prefs.setFolder(DataFolder::ROMs, m_tp.makeFolder(QStringLiteral("Spiele/Ärcade #1; x")));
        QVERIFY(TempProgram::writeFile(
            m_prefs.folder(DataFolder::ROMs) + QStringLiteral("/pong.zip"), kEmptyZip));
        QVERIFY(CreateMAMEIni(m_prefs));
        writeRaster(kQuickRun, false);
        for (const auto& [option, value] :
             {std::pair{Option::Bios, "ÿ"}, {Option::Effect, "ärger"}})
            QVERIFY(WriteIniValue(m_raster, sectionOf(option), keyOf(option), value));
        QCOMPARE(play().outcome, LaunchOutcome::Played);
        QVERIFY2(!m_lastRun.endRequested && m_lastRun.exitCode == 0, lastOutput().constData());
        for (const char c : m_iniWhileMameRan)
            QVERIFY(uchar(c) < 128);
        QCOMPARE(box.shown().size(), 0);
        const QString left = "Left out of mame.ini, as M.A.M.E. cannot read characters outside "
                             "plain ASCII: ";
        QVERIFY2(QString::fromUtf8(lastOutput())
                     .startsWith(left + "bios ÿ\r\n" + left + "effect ärger\r\n"),
                 lastOutput().constData());
        QVERIFY(QFile::remove(m_raster));
        m_prefs.setFolder(DataFolder::ROMs, roms);
        QVERIFY(CreateMAMEIni(m_prefs));
    }

    // Told to end while a game runs (a log-out), the program has MAME end the game itself: MAME
    // writes the game's configuration as on a normal exit, long before the grace time is out.
    void anEndRequestLetsMameSaveTheGame()
    {
        // MAME's usage and configuration (its own plugin path, where the plugins' boot script
        // lies) as a start asks for them.
        CreateMissingReports(m_tp.paths(), m_prefs.folder(DataFolder::MAME));
        const QString usage = m_tp.paths().report(kShowUsageFile);
        QVERIFY(QFileInfo(usage).size() > 0 &&
                QFileInfo(m_tp.paths().report(kShowConfigFile)).size() > 0);
        writeRaster(QStringLiteral("-video none -sound none"), false);
        const QString cfg = folder("cfg") + QStringLiteral("/pong.cfg");
        QFile::remove(cfg);
        QTimer::singleShot(4000, [] { endRunningCommand(kCommandEndGraceMs); });
        QElapsedTimer ran;
        ran.start();
        const int plays = playsOf("pong");
        QCOMPARE(play().outcome, LaunchOutcome::Played);
        QCOMPARE(playsOf("pong"), plays + 1); // the game ended early is played all the same
        QVERIFY(ran.elapsed() < 4000 + kCommandEndGraceMs / 2);
        QVERIFY(m_lastRun.endRequested);
        QVERIFY2(QFileInfo(cfg).size() > 0, lastOutput().constData());
        QVERIFY(!QFile::exists(m_tp.paths().report(QStringLiteral("endgame.request"))));
        QFile::remove(usage);
        QFile::remove(m_tp.paths().report(kShowConfigFile));
    }

    // A game MAME cannot run says why, in MAME's words, under the title "Play Game".
    void aGameWithAnEmptyArchiveSaysWhatIsMissing()
    {
        ScriptedMessageBox box;
        box.allowAny(true);
        QVERIFY(TempProgram::writeFile(
            m_prefs.folder(DataFolder::ROMs) + QStringLiteral("/pacman.zip"), kEmptyZip));
        writeRaster(kQuickRun, false);
        QCOMPARE(play({}, QStringLiteral("pacman")).outcome, LaunchOutcome::Played);
        QFile::remove(m_prefs.folder(DataFolder::ROMs) + QStringLiteral("/pacman.zip"));
        QCOMPARE(box.shown().size(), 1);
        QCOMPARE(playsOf("pacman"), 0); // refused at once: never played
        QCOMPARE(box.shown().first().title, QStringLiteral("Play Game"));
        QVERIFY2(box.lastText().contains(QStringLiteral("NOT FOUND")) &&
                     box.lastText().contains(
                         QStringLiteral("Required files are missing, the machine cannot be run.")),
                 qPrintable(box.lastText()));
    }

    void gameAuditOfPong()
    {
        const GameAuditReport r =
            runGameAudit(QStringLiteral("pong"), m_tp.paths(), services().exec);
        QVERIFY2(r.text.startsWith(QStringLiteral("ROMs\r\n\r\nromset pong is best available\r\n")),
                 qPrintable(r.text));
        QVERIFY(r.text.contains(QStringLiteral("No ROMs required for driver \"pong\".\r\n")));
        QVERIFY(r.text.contains(QStringLiteral("Samples\r\n\r\nsampleset \"pong\" not required!")));
    }

    void verifyAllRomsFindsTheOneBadSet()
    {
        // A ROM folder of its own, holding pacman.zip with a junk pacman.6e.
        m_prefs.setFolder(DataFolder::ROMs, m_tp.makeFolder(QStringLiteral("bad roms")));
        QVERIFY(
            TempProgram::writeFile(m_prefs.folder(DataFolder::ROMs) + QStringLiteral("/pacman.zip"),
                                   zipArchive({{"pacman.6e", "junk"}})));
        QVERIFY(CreateMAMEIni(m_prefs));

        const QString report = runSetAudit(SetKind::Roms, m_tp.paths(), services().exec);
        QVERIFY(report.contains(QStringLiteral("\r\nromset pacman [puckman] is bad\r\n")));
        QVERIFY(reportHasBadSet(report));
        const QString moved = MoveSummary(report, SummaryMode::Roms);
        QVERIFY2(moved.startsWith(QStringLiteral("198 romsets found, 197 were OK.\r\n\r\n")),
                 qPrintable(moved.left(200)));
        QVERIFY(moved.endsWith(QStringLiteral("\r\nEnd of report.\r\n")));

        const BadSetList bad = ListBadSets(moved, m_tp.paths());
        QCOMPARE(bad.count, 1);
        QCOMPARE(bad.text, QStringLiteral("1 bad sets found.\r\rromset pacman [puckman] is bad\r\n"
                                          "\rEnd of report.\r\r"));
    }
};

QTEST_GUILESS_MAIN(TestLaunchRealMame)
#include "test_launch_realmame.moc"
