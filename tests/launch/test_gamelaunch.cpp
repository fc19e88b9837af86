#include "launch/GameLaunch.h"

#include "platform/Seams.h"
#include "support/FakeMame.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"

#include <QFile>
#include <QTest>

using namespace velmora;
using velmora::platform::MessageAnswer;
using namespace velmora::testing;

namespace {

const RecordPlayback kRecord{true, false};
const RecordPlayback kPlayback{false, true};

// A launch with every outside step recorded in order: the settings file found, what BuildIni was
// given, the commands run, and the window-side hooks.
struct Rig
{
    TempProgram tp;
    FakeMame mame{tp.mameFolder()}; // present, never run
    Preferences prefs = tp.standardPreferences();
    QStringList events;
    QString settingsFile = QStringLiteral("/settings/raster.cfg");
    std::optional<QString> otherCommands = QStringLiteral("-Video  None");
    RecordPlayback buildIniBoxes;
    WindowStyle style{};
    bool bannerRunning = true;
    LaunchServices services;
    LaunchHooks hooks;

    Rig()
    {
        prefs.setFolder(DataFolder::Input, tp.root() + "/inp");
        TempProgram::writeFile(tp.root() + "/roms/pong.zip", QByteArray());

        services.settingsFileFor = [this](const QString& rom, const QString& type) {
            return events << QStringLiteral("settings %1 %2").arg(rom, type), settingsFile;
        };
        services.buildIni = [this](const QString& file, const QString& rom, RecordPlayback b) {
            events << QStringLiteral("buildIni %1 %2").arg(file, rom);
            return buildIniBoxes = b, otherCommands;
        };
        services.createMameIni = [this](QString*) { return (events << "createMameIni", true); };
        services.exec = [this](const QString& command, WindowStyle s) {
            return events << "exec " + command, style = s, ExecOutcome::Ran;
        };
        const auto note = [this](const char* event) { return [this, event] { events << event; }; };
        hooks.restoreSelection = note("select");
        hooks.bannerRunning = [this] { return bannerRunning; };
        hooks.setBannerRunning = [this](bool on) { events << (on ? "banner on" : "banner off"); };
        hooks.hideWindow = note("hide");
        hooks.showWindow = note("show");
        hooks.blockHotKeys = [this](bool b) { events << (b ? "hotkeys off" : "hotkeys on"); };
        hooks.setBoxes = [this](RecordPlayback b) {
            events << QString("boxes %1 %2").arg(int(b.record)).arg(int(b.playback));
        };
        hooks.loadShot = note("loadShot");
    }

    LaunchResult launch(const QString& rom, RecordPlayback boxes = {},
                        LaunchMode mode = LaunchMode::Play, ListKind list = ListKind::All,
                        const QString& type = QStringLiteral("Raster"))
    {
        events.clear();
        return launchGame(LaunchRequest{SelectedGame{rom, {}, type, list}, boxes, mode}, prefs,
                          services, hooks);
    }
};

// A clock the test moves: MAME "runs" as long as the test says.
struct FakeClock : platform::Clock
{
    QDateTime time{QDate(2026, 12, 6), QTime(17, 4)};
    QDateTime now() const override { return time; }
};

} // namespace

class TestGameLaunch : public QObject
{
    Q_OBJECT
private slots:
    // Play runs every step in order; an error status shows MAME's last eight lines, blank ones
    // left out; a normal exit or an end the program asked for shows nothing.
    void playRunsEveryStepAndTellsFailures()
    {
        Rig rig;
        rig.prefs.disableHotKeys = true;
        QCOMPARE(rig.launch("pong").outcome, LaunchOutcome::Played);
        QCOMPARE(
            rig.events,
            QStringList({"select", "settings pong Raster", "buildIni /settings/raster.cfg pong",
                         "banner off", "hide", "hotkeys off", "exec mame pong -video none",
                         "hotkeys on", "show", "banner on", "loadShot", "createMameIni"}));
        QCOMPARE(rig.style, WindowStyle::Minimised);

        // A stopped banner stays stopped; no settings file means no BuildIni, and mame.ini is put
        // to its path layer before MAME runs, whatever it held.
        rig.bannerRunning = false;
        rig.prefs.disableHotKeys = false;
        rig.settingsFile.clear();
        QVERIFY(rig.launch("pong", {}, LaunchMode::Play, ListKind::Installed, "LCD")
                    .settingsType.isEmpty());
        QCOMPARE(rig.events, QStringList({"select", "settings pong LCD", "createMameIni", "hide",
                                          "exec mame pong", "show", "loadShot", "createMameIni"}));

        const QString said = QStringLiteral("  Its last words were:\r\r2\r3\r4\r5\r6\r7\r8\r9");
        const std::pair<ExecStatus, QString> cases[] = {
            {{ExecOutcome::Ran, 2, false, false}, "M.A.M.E. ended with error 2." + said},
            {{ExecOutcome::Ran, -1, true, false}, "M.A.M.E. ended abnormally." + said},
            {{ExecOutcome::Ran, 0, false, false}, QString()},
            {{ExecOutcome::Ran, 1, false, true}, QString()}};
        rig.services.playOutputFile = rig.tp.root() + QStringLiteral("/lastgame.txt");
        QVERIFY(TempProgram::writeFile(rig.services.playOutputFile,
                                       "1\n2\n3\n4\n\n5\n6\n7\n8\n  9  \r\n"));
        for (const auto& [status, text] : cases) {
            ScriptedMessageBox box;
            rig.services.play = [s = status](const QString&, WindowStyle) { return s; };
            if (!text.isEmpty())
                box.expect(text, MessageAnswer::Ok, QStringLiteral("Play Game"));
            rig.launch("pong");
            QVERIFY(box.allExpectedShown());
        }

        // A failed reset of mame.ini afterwards is reported.
        ScriptedMessageBox box;
        rig.settingsFile = QStringLiteral("/settings/raster.cfg");
        box.expect(QStringLiteral("Error In cmdPlay_Click: Permission denied"));
        rig.services.createMameIni = [](QString* e) { return *e = "Permission denied", false; };
        rig.launch("pong");
        QVERIFY(box.allExpectedShown());
    }

    // Games that cannot run do not launch. Playback needs a recording; Record makes the Input
    // folder, asks before overwriting and clears its box.
    void stopsAndRecordings()
    {
        ScriptedMessageBox box;
        Rig rig;
        // The Uninstalled list never launches, even with the archive present; nor a game whose
        // archive was removed since the lists loaded.
        const std::pair<const char*, ListKind> games[] = {{"pong", ListKind::Uninstalled},
                                                          {"pacman", ListKind::Installed}};
        for (const auto& [rom, list] : games) {
            box.expect(QStringLiteral("This game is not installed."));
            QCOMPARE(rig.launch(rom, {}, LaunchMode::Play, list).outcome,
                     LaunchOutcome::NotInstalled);
            QCOMPARE(rig.events, QStringList({"select"}));
        }

        // Settings that cannot be written stop the launch before the window hides.
        rig.otherCommands.reset();
        QCOMPARE(rig.launch("pong").outcome, LaunchOutcome::SettingsFailed);
        QVERIFY(!rig.events.contains(QStringLiteral("hide")));
        rig.otherCommands = QString();

        const QStringList stopped{"boxes 0 0", "createMameIni"};
        box.expect(QStringLiteral("Cannot find the .inp file for this game.\r"
                                  "You must record this game first."),
                   MessageAnswer::Ok, QStringLiteral("Playback"));
        QCOMPARE(rig.launch("pong", kPlayback).outcome, LaunchOutcome::NoRecording);
        QCOMPARE(rig.events.mid(3), stopped);

        QVERIFY(!rig.launch("pong", kRecord).boxes.record &&
                QFileInfo(rig.prefs.folder(DataFolder::Input)).isDir());

        // An existing recording: No (the default) keeps it and resets mame.ini; Yes runs MAME.
        const QString inp = rig.prefs.folder(DataFolder::Input) + "/pong.inp";
        QVERIFY(TempProgram::writeFile(inp, "KEEP"));
        const QString ask = QStringLiteral("An .inp file for this game already exists.\r"
                                           "Do you want to overwrite it?");
        box.expect(ask, MessageAnswer::No, QStringLiteral("Record"));
        QCOMPARE(rig.launch("pong", kRecord).outcome, LaunchOutcome::OverwriteRefused);
        QCOMPARE(box.shown().last().defaultButton, MessageAnswer::No);
        QCOMPARE(rig.events.mid(3), stopped);
        QCOMPARE(TempProgram::readFile(inp), QByteArray("KEEP"));
        box.expect(ask, MessageAnswer::Yes, QStringLiteral("Record"));
        QCOMPARE(rig.launch("pong", kRecord).outcome, LaunchOutcome::Played);

        // With the recording, MAME plays back in a normal window and Playback is cleared after.
        const LaunchResult played = rig.launch("pong", kPlayback);
        QVERIFY(rig.buildIniBoxes.playback && !played.boxes.playback &&
                rig.style == WindowStyle::Normal);
        QVERIFY(rig.events.indexOf(QStringLiteral("boxes 0 0")) >
                rig.events.indexOf(QStringLiteral("show")));

        // An Input folder that cannot be made (a file stands in its place) stops the recording.
        const QString blocked = rig.tp.root() + "/roms/pong.zip";
        rig.prefs.setFolder(DataFolder::Input, blocked);
        box.expect("Cannot create or write to the Input folder:\r" + blocked, MessageAnswer::Ok,
                   "Record");
        QCOMPARE(rig.launch("pong", kRecord).outcome, LaunchOutcome::InputUnusable);
        QCOMPARE(rig.events.mid(3), stopped);

        // A missing mame is told before mame.ini is touched; the viewer's prepare-only run needs
        // none, and stops with the settings in mame.ini and the one-shot boxes untouched.
        QFile::remove(rig.tp.mameFolder() + QStringLiteral("/mame"));
        box.expect(QStringLiteral("Cannot find mame!"), MessageAnswer::Ok,
                   QStringLiteral("Play Game"));
        QCOMPARE(rig.launch("pong").outcome, LaunchOutcome::NoMame);
        QCOMPARE(rig.events, QStringList({"select"}));
        const LaunchResult r = rig.launch("pong", kRecord, LaunchMode::PrepareOnly);
        QCOMPARE(r.outcome, LaunchOutcome::Prepared);
        QCOMPARE(rig.events.last(), QStringLiteral("buildIni /settings/raster.cfg pong"));
        QVERIFY(rig.buildIniBoxes.record && r.boxes.record);
        QVERIFY(box.allExpectedShown());
    }

    // A game that runs counts as a play, however it ends, save an error within 3 seconds or one
    // where MAME says files are missing (MAME refused it), a playback, and a MAME that could not
    // be started.
    void countsEveryGameMameRanExceptRefusalsAndPlaybacks()
    {
        Rig rig;
        ScriptedMessageBox box; // MAME's errors are told as ever
        box.allowAny(true);
        FakeClock clock;
        platform::seams().clock = &clock;
        QVERIFY(TempProgram::writeFile(rig.prefs.folder(DataFolder::Input) + "/pong.inp", ""));
        // How MAME ended, how long it ran, playback, and whether that is a play.
        const std::tuple<ExecStatus, int, bool, bool> rows[] = {
            {{ExecOutcome::Ran, 0, false, false}, 1200, false, true},
            {{ExecOutcome::Ran, 1, false, false}, 2900, false, false},
            {{ExecOutcome::Ran, -1, true, false}, 500, false, false},
            {{ExecOutcome::Ran, 1, false, false}, 3000, false, true},
            {{ExecOutcome::Ran, 143, false, true}, 800, false, true},
            {{ExecOutcome::Interrupted, 0, false, true}, 800, false, true},
            {{ExecOutcome::Failed, 0, false, false}, 0, false, false},
            {{ExecOutcome::Ran, 0, false, false}, 60000, true, false},
            {{ExecOutcome::Ran, 2, false, false}, 9000, false, false}};
        rig.services.playOutputFile = rig.tp.root() + "/play.txt";
        for (const auto& [status, msecs, playback, counted] : rows) {
            QString played;
            rig.services.play = [&, status = status, msecs = msecs](const QString&, WindowStyle) {
                clock.time = clock.time.addMSecs(msecs);
                TempProgram::writeFile(rig.services.playOutputFile,
                                       status.exitCode == 2 ? "Required files are missing" : "");
                return status;
            };
            rig.services.gamePlayed = [&](const QString& rom, qint64 seconds, const QDateTime& at) {
                played = QStringLiteral("%1 %2 %3").arg(rom).arg(seconds).arg(at.toString());
            };
            const QDateTime start = clock.time;
            QCOMPARE(rig.launch("pong", {false, playback}).playCounted, counted);
            const QString seconds = QString::number((msecs + 500) / 1000);
            QCOMPARE(played, counted ? "pong " + seconds + ' ' + start.toString() : QString());
        }
        platform::seams().clock = nullptr;
    }
};

QTEST_GUILESS_MAIN(TestGameLaunch)
#include "test_gamelaunch.moc"
