#include "launch/GameLaunch.h"

#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"

#include <QFile>
#include <QTest>

using namespace velmora;
using velmora::platform::MessageAnswer;
using velmora::testing::ScriptedMessageBox;
using velmora::testing::TempProgram;

namespace {

// A launch with every outside step recorded in order: the settings file found, what BuildIni was
// given, the commands run, and the window-side hooks.
struct Rig
{
    TempProgram tp;
    Preferences prefs;
    QStringList events;
    QString settingsFile = QStringLiteral("/settings/raster.cfg");
    std::optional<QString> otherCommands = QStringLiteral("-Video  None");
    RecordPlayback buildIniBoxes;
    QList<WindowStyle> styles;
    bool bannerRunning = true;
    ExecOutcome execOutcome = ExecOutcome::Ran;

    Rig()
    {
        prefs = tp.standardPreferences();
        prefs.setFolder(DataFolder::Input, tp.root() + "/inp");
        TempProgram::writeFile(tp.mameFolder() + "/mame", "#!/bin/sh\n");
        QFile::setPermissions(tp.mameFolder() + "/mame", QFile::ReadOwner | QFile::ExeOwner);
        TempProgram::writeFile(tp.root() + "/roms/pong.zip", QByteArray());
    }

    QString inp() const { return prefs.folder(DataFolder::Input) + "/pong.inp"; }

    LaunchServices services()
    {
        LaunchServices s;
        s.settingsFileFor = [this](const QString& rom, const QString& type) {
            events << QStringLiteral("settings %1 %2").arg(rom, type);
            return settingsFile;
        };
        s.buildIni = [this](const QString& file, const QString& rom, RecordPlayback boxes) {
            events << QStringLiteral("buildIni %1 %2").arg(file, rom);
            buildIniBoxes = boxes;
            return otherCommands;
        };
        s.createMameIni = [this](QString*) { return (events << "createMameIni", true); };
        s.exec = [this](const QString& command, WindowStyle style) {
            events << QStringLiteral("exec ") + command;
            styles << style;
            return execOutcome;
        };
        return s;
    }

    LaunchHooks hooks()
    {
        const auto note = [this](const char* event) { return [this, event] { events << event; }; };
        LaunchHooks h;
        h.restoreSelection = note("getSelectedIndex");
        const auto onOff = [this](const char* on, const char* off) {
            return [this, on, off](bool b) { events << (b ? on : off); };
        };
        h.bannerRunning = [this] { return bannerRunning; };
        h.setBannerRunning = onOff("banner on", "banner off");
        h.hideWindow = note("hide");
        h.showWindow = note("show");
        h.blockHotKeys = onOff("hotkeys off", "hotkeys on");
        h.setBoxes = [this](RecordPlayback b) {
            events << QString("boxes %1 %2").arg(int(b.record)).arg(int(b.playback));
        };
        h.loadShot = note("loadShot");
        return h;
    }

    LaunchResult launch(const QString& rom, RecordPlayback boxes = {},
                        LaunchMode mode = LaunchMode::Play, ListKind list = ListKind::All,
                        const QString& type = QStringLiteral("Raster"))
    {
        events.clear();
        return launchGame(LaunchRequest{SelectedGame{rom, {}, type, list}, boxes, mode}, prefs,
                          services(), hooks());
    }
};

const RecordPlayback kRecord{true, false};
const RecordPlayback kPlayback{false, true};

} // namespace

class TestGameLaunch : public QObject
{
    Q_OBJECT
private slots:
    void playRunsEveryStepInOrder()
    {
        Rig rig;
        rig.prefs.disableHotKeys = true;
        const LaunchResult r = rig.launch("pong");
        QCOMPARE(r.outcome, LaunchOutcome::Played);
        QCOMPARE(rig.events,
                 QStringList({"getSelectedIndex", "settings pong Raster",
                              "buildIni /settings/raster.cfg pong", "banner off", "hide",
                              "hotkeys off", "exec mame pong -video none", "hotkeys on", "show",
                              "banner on", "loadShot", "createMameIni"}));
        QCOMPARE(rig.styles, QList<WindowStyle>({WindowStyle::Minimised}));
        QCOMPARE(r.otherCommands, QStringLiteral("-Video  None"));
        QVERIFY(rig.prefs.scroll);

        // A stopped banner stays stopped; no settings file means no BuildIni, and mame.ini is put
        // to its path layer before MAME runs, whatever it held.
        rig.bannerRunning = false;
        rig.prefs.disableHotKeys = false;
        rig.settingsFile.clear();
        const LaunchResult lcd =
            rig.launch("pong", {}, LaunchMode::Play, ListKind::Installed, "LCD");
        QCOMPARE(rig.events,
                 QStringList({"getSelectedIndex", "settings pong LCD", "createMameIni", "hide",
                              "exec mame pong", "show", "loadShot", "createMameIni"}));
        QVERIFY(!rig.prefs.scroll);
        QCOMPARE(lcd.settingsType, QString());

        // The window and mame.ini come back when the command fails.
        rig.execOutcome = ExecOutcome::Failed;
        rig.launch("pong");
        QCOMPARE(rig.events.mid(rig.events.indexOf(QStringLiteral("exec mame pong"))),
                 QStringList({"exec mame pong", "show", "loadShot", "createMameIni"}));
    }

    void gamesThatCannotRunDoNotLaunch()
    {
        ScriptedMessageBox box;
        Rig rig;
        // The Uninstalled list never launches, even with the archive present; nor All Games
        // without the archive, nor an Installed game removed since the lists loaded.
        const std::pair<const char*, ListKind> games[] = {{"pong", ListKind::Uninstalled},
                                                          {"pacman", ListKind::All},
                                                          {"pacman", ListKind::Installed}};
        for (const auto& [rom, list] : games) {
            box.expect(QStringLiteral("This game is not installed."), MessageAnswer::Ok,
                       QStringLiteral("Play Game"));
            QCOMPARE(rig.launch(rom, {}, LaunchMode::Play, list).outcome,
                     LaunchOutcome::NotInstalled);
            QCOMPARE(rig.events, QStringList({"getSelectedIndex"}));
        }
        QCOMPARE(box.shown().first().icon, platform::MessageIcon::Information);

        // An archive only in the additional ROM folder is enough.
        rig.prefs.setFolder(DataFolder::AdditionalROMs, rig.tp.makeFolder(QStringLiteral("more")));
        TempProgram::writeFile(rig.tp.root() + "/more/pacman.zip", QByteArray());
        QCOMPARE(rig.launch("pacman").outcome, LaunchOutcome::Played);

        // Settings that cannot be written stop the launch before the window hides.
        rig.otherCommands.reset();
        QCOMPARE(rig.launch("pong").outcome, LaunchOutcome::SettingsFailed);
        QVERIFY(!rig.events.contains(QStringLiteral("hide")));
        rig.otherCommands = QString();

        // A missing mame is told before mame.ini is touched; the viewer's prepare-only run needs
        // none, and stops with the settings in mame.ini and the one-shot boxes untouched.
        QFile::remove(rig.tp.mameFolder() + QStringLiteral("/mame"));
        box.expect(QStringLiteral("Cannot find mame!"), MessageAnswer::Ok,
                   QStringLiteral("Play Game"));
        QCOMPARE(rig.launch("pong").outcome, LaunchOutcome::NoMame);
        QCOMPARE(rig.events, QStringList({"getSelectedIndex"}));
        const LaunchResult r = rig.launch("pong", kRecord, LaunchMode::PrepareOnly);
        QCOMPARE(r.outcome, LaunchOutcome::Prepared);
        QCOMPARE(rig.events, QStringList({"getSelectedIndex", "settings pong Raster",
                                          "buildIni /settings/raster.cfg pong"}));
        QVERIFY(rig.buildIniBoxes.record && r.boxes.record);
        QVERIFY(box.allExpectedShown());
    }

    // Playback needs a recording; Record makes the Input folder, asks before overwriting and
    // clears its box.
    void playbackAndRecord()
    {
        ScriptedMessageBox box;
        Rig rig;
        box.expect(QStringLiteral("Cannot find the .inp file for this game.\r"
                                  "You must record this game first."),
                   MessageAnswer::Ok, QStringLiteral("Playback"));
        QCOMPARE(rig.launch("pong", kPlayback).outcome, LaunchOutcome::NoRecording);
        QCOMPARE(rig.events.mid(3), QStringList({"boxes 0 0", "createMameIni"}));

        QVERIFY(!rig.launch("pong", kRecord).boxes.record);
        QVERIFY(QFileInfo(rig.prefs.folder(DataFolder::Input)).isDir());
        QCOMPARE(rig.events.at(3), QStringLiteral("boxes 0 0"));

        // An existing recording: No keeps it and resets mame.ini; Yes runs MAME.
        QVERIFY(TempProgram::writeFile(rig.inp(), "KEEP"));
        const QString ask = QStringLiteral("An .inp file for this game already exists.\r"
                                           "Do you want to overwrite it?");
        box.expect(ask, MessageAnswer::No, QStringLiteral("Record"));
        QCOMPARE(rig.launch("pong", kRecord).outcome, LaunchOutcome::OverwriteRefused);
        QCOMPARE(box.shown().last().defaultButton, MessageAnswer::No);
        QCOMPARE(box.shown().last().buttons, platform::MessageButtons::YesNo);
        QCOMPARE(rig.events.mid(3), QStringList({"boxes 0 0", "createMameIni"}));
        QCOMPARE(TempProgram::readFile(rig.inp()), QByteArray("KEEP"));
        box.expect(ask, MessageAnswer::Yes, QStringLiteral("Record"));
        QCOMPARE(rig.launch("pong", kRecord).outcome, LaunchOutcome::Played);

        // With the recording, MAME plays back in a normal window and Playback is cleared after.
        const LaunchResult played = rig.launch("pong", kPlayback);
        QVERIFY(rig.buildIniBoxes.playback && !played.boxes.playback);
        QCOMPARE(rig.styles.last(), WindowStyle::Normal);
        QVERIFY(rig.events.indexOf(QStringLiteral("boxes 0 0")) >
                rig.events.indexOf(QStringLiteral("show")));

        // An Input folder that cannot be made stops the recording.
        const QString blocked = rig.tp.root() + QStringLiteral("/blocked");
        QVERIFY(TempProgram::writeFile(blocked, "a file, not a folder"));
        rig.prefs.setFolder(DataFolder::Input, blocked + QStringLiteral("/inp"));
        box.expect(QStringLiteral("Cannot create or write to the Input folder:\r") + blocked +
                       QStringLiteral("/inp"),
                   MessageAnswer::Ok, QStringLiteral("Record"));
        QCOMPARE(rig.launch("pong", kRecord).outcome, LaunchOutcome::InputUnusable);
        QCOMPARE(rig.events.mid(3), QStringList({"boxes 0 0", "createMameIni"}));
        QVERIFY(box.allExpectedShown());
    }

    // MAME's way out decides whether the user hears of it: an error status shows MAME's last lines
    // after the window is back; a normal exit or an end the program asked for shows nothing.
    void aGameThatFailsSaysWhy()
    {
        const QString said = QStringLiteral("  Its last words were:\r\rline 3\rline 4\rline 5\r"
                                            "line 6\rline 7\rline 8\rline 9\rpacman.zip required "
                                            "files are missing, the machine cannot be run.");
        const std::pair<ExecStatus, QString> cases[] = {
            {{ExecOutcome::Ran, 2, false, false}, "M.A.M.E. ended with error 2." + said},
            {{ExecOutcome::Ran, -1, true, false}, "M.A.M.E. ended abnormally." + said},
            {{ExecOutcome::Ran, 0, false, false}, QString()},
            {{ExecOutcome::Ran, 1, false, true}, QString()}};
        Rig rig;
        LaunchServices services = rig.services();
        services.playOutputFile = rig.tp.root() + QStringLiteral("/lastgame.txt");
        QByteArray output;
        for (int i = 1; i <= 9; ++i)
            output += "line " + QByteArray::number(i) + (i == 5 ? "\n\n" : "\n");
        output += "  pacman.zip required files are missing, the machine cannot be run.\r\n";
        QVERIFY(TempProgram::writeFile(services.playOutputFile, output));
        const LaunchRequest request{
            SelectedGame{"pong", {}, "Raster", ListKind::All}, {}, LaunchMode::Play};
        for (const auto& c : cases) {
            ScriptedMessageBox box;
            services.play = [&](const QString& command, WindowStyle) {
                rig.events << QStringLiteral("play ") + command;
                return c.first;
            };
            if (!c.second.isEmpty())
                box.expect(c.second, MessageAnswer::Ok, QStringLiteral("Play Game"));
            rig.events.clear();
            launchGame(request, rig.prefs, services, rig.hooks());
            QCOMPARE(box.shown().size(), c.second.isEmpty() ? 0 : 1);
            QCOMPARE(rig.events.mid(rig.events.indexOf("play mame pong -video none")),
                     QStringList({"play mame pong -video none", "show", "banner on", "loadShot",
                                  "createMameIni"}));
        }

        // A failed reset of mame.ini afterwards is reported.
        ScriptedMessageBox box;
        box.allowAny(true);
        services.createMameIni = [](QString* error) {
            *error = QStringLiteral("Permission denied");
            return false;
        };
        launchGame(request, rig.prefs, services, rig.hooks());
        QCOMPARE(box.lastText(), QStringLiteral("Error In cmdPlay_Click: Permission denied"));
        QCOMPARE(box.shown().last().icon, platform::MessageIcon::Critical);
    }
};

QTEST_GUILESS_MAIN(TestGameLaunch)
#include "test_gamelaunch.moc"
