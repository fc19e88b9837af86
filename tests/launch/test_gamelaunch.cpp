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
        addRom("roms", "pong");
    }

    void addRom(const QString& folder, const QString& rom)
    {
        TempProgram::writeFile(tp.root() + u'/' + folder + u'/' + rom + ".zip", QByteArray());
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
        s.createMameIni = [this](QString*) {
            events << "createMameIni";
            return true;
        };
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
        h.bannerRunning = [this] { return bannerRunning; };
        h.setBannerRunning = [this](bool on) { events << (on ? "banner on" : "banner off"); };
        h.hideWindow = note("hide");
        h.showWindow = note("show");
        h.blockHotKeys = [this](bool on) { events << (on ? "hotkeys off" : "hotkeys on"); };
        h.setBoxes = [this](RecordPlayback b) {
            events << QString("boxes %1 %2").arg(int(b.record)).arg(int(b.playback));
        };
        h.loadShot = note("loadShot");
        return h;
    }

    LaunchResult launch(const SelectedGame& game, RecordPlayback boxes = {},
                        LaunchMode mode = LaunchMode::Play)
    {
        return launchGame(LaunchRequest{game, boxes, mode}, prefs, services(), hooks());
    }
};

SelectedGame game(const QString& rom, ListKind list = ListKind::All,
                  const QString& type = QStringLiteral("Raster"))
{
    return SelectedGame{rom, {}, type, list};
}

} // namespace

class TestGameLaunch : public QObject
{
    Q_OBJECT
private slots:
    void playRunsEveryStepInOrder()
    {
        Rig rig;
        rig.prefs.disableHotKeys = true;
        const LaunchResult r = rig.launch(game("pong"));
        QCOMPARE(r.outcome, LaunchOutcome::Played);
        QCOMPARE(rig.events,
                 QStringList({"getSelectedIndex", "settings pong Raster",
                              "buildIni /settings/raster.cfg pong", "banner off", "hide",
                              "hotkeys off", "exec mame pong -video none", "hotkeys on", "show",
                              "banner on", "loadShot", "createMameIni"}));
        QCOMPARE(rig.styles, QList<WindowStyle>({WindowStyle::Minimised}));
        QCOMPARE(r.otherCommands, QStringLiteral("-Video  None"));
        QCOMPARE(r.settingsType, QStringLiteral("Raster"));
        QVERIFY(rig.prefs.scroll);
    }

    void stoppedBannerStaysStoppedAndNoSettingsFileMeansNoBuildIni()
    {
        Rig rig;
        rig.bannerRunning = false;
        rig.settingsFile.clear();
        const LaunchResult r = rig.launch(game("pong", ListKind::Installed, QStringLiteral("LCD")));
        QCOMPARE(r.outcome, LaunchOutcome::Played);
        // mame.ini is put to its path layer before MAME runs, whatever it held.
        QCOMPARE(rig.events,
                 QStringList({"getSelectedIndex", "settings pong LCD", "createMameIni", "hide",
                              "exec mame pong", "show", "loadShot", "createMameIni"}));
        QVERIFY(!rig.prefs.scroll);
        QCOMPARE(r.settingsType, QString());
    }

    void gamesWithoutTheirArchiveDoNotLaunch()
    {
        ScriptedMessageBox box;
        const QString notInstalled = QStringLiteral("This game is not installed.");
        Rig rig;
        // The Uninstalled list never launches, even with the archive present.
        box.expect(notInstalled, MessageAnswer::Ok, QStringLiteral("Play Game"));
        QCOMPARE(rig.launch(game("pong", ListKind::Uninstalled)).outcome,
                 LaunchOutcome::NotInstalled);
        // All Games without the archive, and an Installed game removed since the lists loaded.
        box.expect(notInstalled, MessageAnswer::Ok, QStringLiteral("Play Game"));
        rig.launch(game("pacman"));
        box.expect(notInstalled, MessageAnswer::Ok, QStringLiteral("Play Game"));
        rig.launch(game("pacman", ListKind::Installed));
        QVERIFY(box.allExpectedShown());
        QCOMPARE(rig.events,
                 QStringList({"getSelectedIndex", "getSelectedIndex", "getSelectedIndex"}));
        QCOMPARE(box.shown().first().icon, platform::MessageIcon::Information);

        // An archive only in the additional ROM folder is enough.
        rig.prefs.setFolder(DataFolder::AdditionalROMs, rig.tp.makeFolder(QStringLiteral("more")));
        rig.addRom(QStringLiteral("more"), QStringLiteral("pacman"));
        QCOMPARE(rig.launch(game("pacman")).outcome, LaunchOutcome::Played);
    }

    void missingMameIsToldBeforeMameIniIsTouched()
    {
        ScriptedMessageBox box;
        Rig rig;
        QFile::remove(rig.tp.mameFolder() + QStringLiteral("/mame"));
        box.expect(QStringLiteral("Cannot find mame!"), MessageAnswer::Ok,
                   QStringLiteral("Play Game"));
        QCOMPARE(rig.launch(game("pong")).outcome, LaunchOutcome::NoMame);
        QCOMPARE(rig.events, QStringList({"getSelectedIndex"}));
        // The viewer's prepare-only run needs no MAME.
        QCOMPARE(rig.launch(game("pong"), {}, LaunchMode::PrepareOnly).outcome,
                 LaunchOutcome::Prepared);
    }

    void prepareOnlyStopsWithTheSettingsInMameIni()
    {
        Rig rig;
        const LaunchResult r = rig.launch(game("pong"), {true, false}, LaunchMode::PrepareOnly);
        QCOMPARE(r.outcome, LaunchOutcome::Prepared);
        QCOMPARE(rig.events, QStringList({"getSelectedIndex", "settings pong Raster",
                                          "buildIni /settings/raster.cfg pong"}));
        QVERIFY(rig.buildIniBoxes.record);
        QVERIFY(r.boxes.record); // the one-shot boxes are untouched by a preparation
    }

    void settingsThatCannotBeWrittenStopTheLaunch()
    {
        Rig rig;
        rig.otherCommands.reset();
        QCOMPARE(rig.launch(game("pong")).outcome, LaunchOutcome::SettingsFailed);
        QVERIFY(!rig.events.contains(QStringLiteral("hide")));
    }

    void playbackNeedsARecording()
    {
        ScriptedMessageBox box;
        Rig rig;
        box.expect(QStringLiteral("Cannot find the .inp file for this game.\r"
                                  "You must record this game first."),
                   MessageAnswer::Ok, QStringLiteral("Playback"));
        const LaunchResult r = rig.launch(game("pong"), {false, true});
        QCOMPARE(r.outcome, LaunchOutcome::NoRecording);
        QVERIFY(!r.boxes.playback);
        QCOMPARE(rig.events.mid(3), QStringList({"boxes 0 0", "createMameIni"}));

        // With the recording, MAME runs in a normal window and Playback is cleared afterwards.
        rig.events.clear();
        QVERIFY(TempProgram::writeFile(rig.inp(), "INP"));
        const LaunchResult played = rig.launch(game("pong"), {false, true});
        QCOMPARE(played.outcome, LaunchOutcome::Played);
        QVERIFY(rig.buildIniBoxes.playback);
        QCOMPARE(rig.styles.last(), WindowStyle::Normal);
        QVERIFY(!played.boxes.playback);
        QVERIFY(rig.events.indexOf(QStringLiteral("boxes 0 0")) >
                rig.events.indexOf(QStringLiteral("show")));
    }

    void recordClearsItsBoxAndAsksBeforeOverwriting()
    {
        ScriptedMessageBox box;
        Rig rig;
        // No Input folder yet: it is made, and the game runs.
        const LaunchResult first = rig.launch(game("pong"), {true, false});
        QCOMPARE(first.outcome, LaunchOutcome::Played);
        QVERIFY(!first.boxes.record);
        QVERIFY(QFileInfo(rig.prefs.folder(DataFolder::Input)).isDir());
        QCOMPARE(rig.events.at(3), QStringLiteral("boxes 0 0"));

        // An existing recording: No keeps it and resets mame.ini; Yes runs MAME.
        QVERIFY(TempProgram::writeFile(rig.inp(), "KEEP"));
        const QString ask = QStringLiteral("An .inp file for this game already exists.\r"
                                           "Do you want to overwrite it?");
        box.expect(ask, MessageAnswer::No, QStringLiteral("Record"));
        rig.events.clear();
        QCOMPARE(rig.launch(game("pong"), {true, false}).outcome, LaunchOutcome::OverwriteRefused);
        QCOMPARE(box.shown().last().defaultButton, MessageAnswer::No);
        QCOMPARE(box.shown().last().buttons, platform::MessageButtons::YesNo);
        QCOMPARE(rig.events.mid(3), QStringList({"boxes 0 0", "createMameIni"}));
        QCOMPARE(TempProgram::readFile(rig.inp()), QByteArray("KEEP"));
        box.expect(ask, MessageAnswer::Yes, QStringLiteral("Record"));
        QCOMPARE(rig.launch(game("pong"), {true, false}).outcome, LaunchOutcome::Played);
    }

    void anInputFolderThatCannotBeMadeStopsARecording()
    {
        ScriptedMessageBox box;
        Rig rig;
        const QString blocked = rig.tp.root() + QStringLiteral("/blocked");
        QVERIFY(TempProgram::writeFile(blocked, "a file, not a folder"));
        rig.prefs.setFolder(DataFolder::Input, blocked + QStringLiteral("/inp"));
        box.expect(QStringLiteral("Cannot create or write to the Input folder:\r") + blocked +
                       QStringLiteral("/inp"),
                   MessageAnswer::Ok, QStringLiteral("Record"));
        QCOMPARE(rig.launch(game("pong"), {true, false}).outcome, LaunchOutcome::InputUnusable);
        QCOMPARE(rig.events.last(), QStringLiteral("createMameIni"));
        QVERIFY(!rig.events.contains(QStringLiteral("hide")));
    }

    void windowAndMameIniComeBackWhenTheCommandFails()
    {
        Rig rig;
        rig.execOutcome = ExecOutcome::Failed;
        QCOMPARE(rig.launch(game("pong")).outcome, LaunchOutcome::Played);
        QCOMPARE(rig.events.mid(rig.events.indexOf(QStringLiteral("exec mame pong -video none"))),
                 QStringList({"exec mame pong -video none", "show", "banner on", "loadShot",
                              "createMameIni"}));
    }

    // MAME's way out decides whether the user hears of it: an error status shows MAME's last lines
    // after the window is back; a normal exit or an end the program asked for shows nothing.
    void aGameThatFailsSaysWhy_data()
    {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("crashed");
        QTest::addColumn<bool>("endRequested");
        QTest::addColumn<QString>("message");
        const QString said = QStringLiteral("  Its last words were:\r\rline 3\rline 4\rline 5\r"
                                            "line 6\rline 7\rline 8\rline 9\r"
                                            "pacman.zip required files are missing, the machine "
                                            "cannot be run.");
        QTest::newRow("error") << 2 << false << false
                               << QStringLiteral("M.A.M.E. ended with error 2.") + said;
        QTest::newRow("crash") << -1 << true << false
                               << QStringLiteral("M.A.M.E. ended abnormally.") + said;
        QTest::newRow("normal exit") << 0 << false << false << QString();
        QTest::newRow("program ending") << 1 << false << true << QString();
    }

    void aGameThatFailsSaysWhy()
    {
        QFETCH(int, exitCode);
        QFETCH(bool, crashed);
        QFETCH(bool, endRequested);
        QFETCH(QString, message);
        ScriptedMessageBox box;
        Rig rig;
        LaunchServices services = rig.services();
        services.playOutputFile = rig.tp.root() + QStringLiteral("/lastgame.txt");
        QByteArray output;
        for (int i = 1; i <= 9; ++i)
            output += "line " + QByteArray::number(i) + (i == 5 ? "\n\n" : "\n");
        output += "  pacman.zip required files are missing, the machine cannot be run.\r\n";
        QVERIFY(TempProgram::writeFile(services.playOutputFile, output));
        services.play = [&](const QString& command, WindowStyle) {
            rig.events << QStringLiteral("play ") + command;
            return ExecStatus{ExecOutcome::Ran, exitCode, crashed, endRequested};
        };
        if (!message.isEmpty())
            box.expect(message, MessageAnswer::Ok, QStringLiteral("Play Game"));
        launchGame(LaunchRequest{game("pong"), {}, LaunchMode::Play}, rig.prefs, services,
                   rig.hooks());
        QVERIFY(box.allExpectedShown());
        QCOMPARE(box.shown().size(), message.isEmpty() ? 0 : 1);
        QVERIFY(!rig.events.contains(QStringLiteral("exec mame pong -video none")));
        QCOMPARE(rig.events.mid(rig.events.indexOf(QStringLiteral("play mame pong -video none"))),
                 QStringList({"play mame pong -video none", "show", "banner on", "loadShot",
                              "createMameIni"}));
    }

    void aFailedResetOfMameIniIsReported()
    {
        ScriptedMessageBox box;
        Rig rig;
        LaunchServices services = rig.services();
        services.createMameIni = [](QString* error) {
            *error = QStringLiteral("Permission denied");
            return false;
        };
        box.expect(QStringLiteral("Error In cmdPlay_Click: Permission denied"), MessageAnswer::Ok,
                   QStringLiteral("Velmora"));
        launchGame(LaunchRequest{game("pong"), {}, LaunchMode::Play}, rig.prefs, services,
                   rig.hooks());
        QVERIFY(box.allExpectedShown());
        QCOMPARE(box.shown().last().icon, platform::MessageIcon::Critical);
    }
};

QTEST_GUILESS_MAIN(TestGameLaunch)
#include "test_gamelaunch.moc"
