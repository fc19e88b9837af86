// The started program's commands reach their subsystems: the settings editor takes the window and
// gives it back, Refresh with an unchanged MAME runs no MAME command, and Play runs the selected
// game in MAME with mame.ini back to its path layer afterwards.
#include "app/IniFile.h"
#include "emulator_settings/MameIni.h"
#include "support/FakeMame.h"
#include "support/ScriptedMessageBox.h"
#include "ui/BannerFrame.h"
#include "ui/CommandWiring.h"
#include "ui/ListWindowFixture.h"
#include "ui/StartUp.h"
#include "ui/StatusPanels.h"

#include <QtWidgets>

using namespace velmora;
using namespace velmora::testing;

namespace {

// The program started over the six games, only pacman installed, with every command wired.
struct StartedProgram
{
    TempProgram program;
    FakeMame mame{program.mameFolder()};
    Preferences prefs = program.standardPreferences();
    AppState state;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<StartUp> startUp;

    StartedProgram()
    {
        prefs.mameSize = qint32(QFileInfo(mame.scriptPath()).size());
        const ProgramPaths paths = program.paths();
        TempProgram::writeFile(paths.report("gameinfo.txt"), database(sixGames()));
        for (const char* name : {"listxml.txt", "crcinfo.txt", "resource.txt", "showusage.txt"})
            TempProgram::writeFile(paths.report(QLatin1String(name)), "\r\n");
        TempProgram::writeFile(prefs.folder(DataFolder::ROMs) + "/pacman.zip", "PK");
        state.paths = paths;
    }

    // Writes options.ini from prefs and runs the load sequence, then shows the window.
    bool start()
    {
        program.writeOptionsIni(prefs);
        window = std::make_unique<MainWindow>(state);
        startUp = std::make_unique<StartUp>(state, *window);
        startUp->hooks().endProcess = [] {};
        startUp->hooks().createMameIni = [this] { CreateMAMEIni(state.prefs); };
        wireCommands(*window, state, *startUp);
        if (!startUp->runLoadSequence())
            return false;
        window->show();
        return true;
    }

    QString storedAutoRun() const
    {
        return ReadIniValue(program.optionsIni(), "Miscellaneous", "AutoRun", "<none>");
    }
    QCheckBox* autoRun() const { return window->findChild<QCheckBox*>("chkAutoRun"); }
};

} // namespace

class TestCommandWiring : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QGuiApplication::setQuitOnLastWindowClosed(false); }

    void commandsReachTheirSubsystems()
    {
        StartedProgram p;
        p.prefs.gameView = QStringLiteral("Installed Games");
        ScriptedMessageBox boxes;
        QVERIFY(p.start());
        MainWindow& window = *p.window;
        const QByteArray pathLayer = TempProgram::readFile(mameIniPath(p.state.prefs));
        QVERIFY(pathLayer.startsWith("#\r\n# PATH AND DIRECTORY OPTIONS #"));
        const auto report = [&window](int panel) {
            return window.statusBarElement(1)->text(panel);
        };

        // The settings editor takes the window and Cancel gives it back, with the game's art and
        // an empty report status bar.
        auto* banner = window.findChild<BannerFrame*>("fraScroll");
        QTRY_COMPARE(banner->text(), QString("NAMCO"));
        window.onCustom();
        QVERIFY(p.state.panelBusy == 1 && window.fraDefaults()->isEnabled());
        QCOMPARE(report(3) + banner->text(), QString("pacman"));
        window.fraDefaults()->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        QVERIFY(p.state.panelBusy == 0 && !window.fraDefaults()->isEnabled());
        QVERIFY(report(2).isEmpty() && report(3).isEmpty() &&
                window.findChild<QTimer*>("Tmr[1]")->isActive());
        QTRY_COMPARE(banner->text(), QString("NAMCO"));

        // The Rebuild Settings report viewer: the report status bar, and the way back in focus.
        TempProgram::writeFile(p.state.paths.report("rebuilt.txt"),
                               "Filename\tSetting\r\n\r\n\r\nraster.cfg     \tVideo\r\n");
        window.commands().rebuildSettingsReport();
        QVERIFY(window.statusBarElement(1)->isVisible());
        QCOMPARE(window.focusWidget(), window.button("cmdGameList"));
        window.button("cmdGameList")->click();

        // Refresh: MAME unchanged, so only the lists reload.
        window.onViewRefresh();
        QVERIFY(p.mame.callCount() == 0 && window.gameCount(ListKind::Installed) == 1);

        // Play the one installed game: MAME gets it, mame.ini ends in its path layer.
        window.showView(ListKind::Installed);
        window.listView(ListKind::Installed)
            ->setCurrentIndex(window.listModel(ListKind::Installed)->index(0, 0));
        window.onPlay();
        QVERIFY(p.mame.callCount() == 1 && window.isVisible());
        QCOMPARE(p.mame.arguments().value(0), QStringLiteral("pacman"));
        QCOMPARE(TempProgram::readFile(mameIniPath(p.state.prefs)), pathLayer);
        window.close();
    }

    // Auto Run follows its box wherever the program clears it: a remembered game that cannot be
    // started clears the box and the preference instead of greeting the user with a message.
    void autoRunFollowsTheBox_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("plays");
        QTest::newRow("uninstalled view") << "Uninstalled Games" << 1 << false;
        QTest::newRow("game not installed") << "All Games" << 1 << false; // Asteroids
        QTest::newRow("installed game") << "All Games" << 5 << true;      // Pac-Man
    }

    void autoRunFollowsTheBox()
    {
        QFETCH(QString, view);
        QFETCH(int, index);
        QFETCH(bool, plays);
        StartedProgram p;
        p.prefs.autoRun = true;
        p.prefs.gameView = view;
        p.prefs.all.index = index;
        ScriptedMessageBox boxes;
        QVERIFY(p.start());
        p.startUp->afterShown();
        QVERIFY(p.mame.callCount() == (plays ? 1 : 0) && p.state.prefs.autoRun == plays);
        QCOMPARE(p.autoRun()->isChecked(), plays);
        QCOMPARE(p.storedAutoRun(), plays ? QString("True") : QString("False"));
        if (!plays)
            return;

        // Selecting a game that is not installed clears the box the user ticked, and the file.
        clickRow(p.window->listView(ListKind::All), 0);
        QVERIFY(!p.autoRun()->isChecked() && !p.state.prefs.autoRun);
        QCOMPARE(p.storedAutoRun(), QString("False"));
        p.window->close();
    }
};

QTEST_MAIN(TestCommandWiring)
#include "test_commandwiring.moc"
