// The started program's commands reach their subsystems: the settings editor takes the window and
// gives it back, Refresh with an unchanged MAME runs no MAME command, and Play runs the selected
// game in MAME with mame.ini back to its path layer afterwards.
#include "emulator_settings/MameIni.h"
#include "lists/ListFixtures.h"
#include "support/FakeMame.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"
#include "ui/CommandWiring.h"
#include "ui/GameListView.h"
#include "ui/ListWindowFixture.h"
#include "ui/MainWindow.h"
#include "ui/StartUp.h"

#include "app/IniFile.h"
#include "ui/BannerFrame.h"
#include "ui/StatusPanels.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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

    QString stored(const char* section, const char* key) const
    {
        return ReadIniValue(program.optionsIni(), QLatin1String(section), QLatin1String(key),
                            QStringLiteral("<none>"));
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
        AppState& state = p.state;
        FakeMame& mame = p.mame;
        const QByteArray pathLayer = TempProgram::readFile(mameIniPath(state.prefs));
        QVERIFY(pathLayer.startsWith("#\r\n# PATH AND DIRECTORY OPTIONS #"));

        // The settings editor takes the window and Cancel gives it back, with the game's art and
        // an empty report status bar.
        auto* banner = window.findChild<BannerFrame*>("fraScroll");
        QTRY_COMPARE(banner->text(), QString("NAMCO"));
        window.onCustom();
        QCOMPARE(state.panelBusy, 1);
        QVERIFY(window.fraDefaults()->isEnabled());
        QCOMPARE(window.statusBarElement(1)->text(3), QString("pacman"));
        QCOMPARE(banner->text(), QString());
        auto* cancel = window.fraDefaults()->findChild<QPushButton*>(QStringLiteral("cmdCancel"));
        QVERIFY(cancel);
        cancel->click();
        QCOMPARE(state.panelBusy, 0);
        QVERIFY(!window.fraDefaults()->isEnabled());
        QVERIFY(window.statusBarElement(1)->text(2).isEmpty());
        QVERIFY(window.statusBarElement(1)->text(3).isEmpty());
        QVERIFY(window.findChild<QTimer*>("Tmr[1]")->isActive());
        QTRY_COMPARE(banner->text(), QString("NAMCO"));

        // The Rebuild Settings report viewer: the report status bar, and the way back in focus.
        TempProgram::writeFile(state.paths.report("rebuilt.txt"),
                               "Filename\tSetting\r\n\r\n\r\nraster.cfg     \tVideo\r\n");
        window.commands().rebuildSettingsReport();
        QVERIFY(window.statusBarElement(1)->isVisible());
        QCOMPARE(window.focusWidget(), window.button("cmdGameList"));
        window.button("cmdGameList")->click();

        // Refresh: MAME unchanged, so only the lists reload.
        window.onViewRefresh();
        QCOMPARE(mame.callCount(), 0);
        QCOMPARE(window.gameCount(ListKind::Installed), 1);

        // Play the one installed game: MAME gets it, mame.ini ends in its path layer.
        window.showView(ListKind::Installed);
        window.listView(ListKind::Installed)
            ->setCurrentIndex(window.listModel(ListKind::Installed)->index(0, 0));
        window.onPlay();
        QCOMPARE(mame.callCount(), 1);
        QCOMPARE(mame.arguments().value(0), QStringLiteral("pacman"));
        QCOMPARE(TempProgram::readFile(mameIniPath(state.prefs)), pathLayer);
        QVERIFY(window.isVisible());
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
        QCOMPARE(p.mame.callCount(), plays ? 1 : 0);
        QCOMPARE(p.autoRun()->isChecked(), plays);
        QCOMPARE(p.state.prefs.autoRun, plays);
        QCOMPARE(p.stored("Miscellaneous", "AutoRun"), plays ? QString("True") : QString("False"));
        if (!plays)
            return;

        // Selecting a game that is not installed clears the box the user ticked, and the file.
        GameListView* all = p.window->listView(ListKind::All);
        clickRow(all, 0);
        QVERIFY(!p.autoRun()->isChecked());
        QVERIFY(!p.state.prefs.autoRun);
        QCOMPARE(p.stored("Miscellaneous", "AutoRun"), QString("False"));
        p.window->close();
    }
};

QTEST_MAIN(TestCommandWiring)
#include "test_commandwiring.moc"
