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

#include <QFileInfo>
#include <QPushButton>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

class TestCommandWiring : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QGuiApplication::setQuitOnLastWindowClosed(false); }

    void commandsReachTheirSubsystems()
    {
        TempProgram program;
        FakeMame mame(program.mameFolder());
        Preferences prefs = program.standardPreferences();
        prefs.gameView = QStringLiteral("Installed Games");
        prefs.mameSize = qint32(QFileInfo(mame.scriptPath()).size());
        program.writeOptionsIni(prefs);
        const ProgramPaths paths = program.paths();
        TempProgram::writeFile(paths.report("gameinfo.txt"), database(sixGames()));
        for (const char* name : {"listxml.txt", "crcinfo.txt", "resource.txt"})
            TempProgram::writeFile(paths.report(QLatin1String(name)), "\r\n");
        TempProgram::writeFile(prefs.folder(DataFolder::ROMs) + "/pacman.zip", "PK");

        ScriptedMessageBox boxes;
        AppState state;
        state.paths = paths;
        MainWindow window(state);
        StartUp startUp(state, window);
        startUp.hooks().endProcess = [] {};
        startUp.hooks().createMameIni = [&state] { CreateMAMEIni(state.prefs); };
        wireCommands(window, state, startUp);
        QVERIFY(startUp.runLoadSequence());
        window.show();
        const QByteArray pathLayer = TempProgram::readFile(mameIniPath(state.prefs));
        QVERIFY(pathLayer.startsWith("#\r\n# PATH AND DIRECTORY OPTIONS #"));

        // The settings editor takes the window and Cancel gives it back.
        window.onRaster();
        QCOMPARE(state.panelBusy, 1);
        QVERIFY(window.fraDefaults()->isEnabled());
        auto* cancel = window.fraDefaults()->findChild<QPushButton*>(QStringLiteral("cmdCancel"));
        QVERIFY(cancel);
        cancel->click();
        QCOMPARE(state.panelBusy, 0);
        QVERIFY(!window.fraDefaults()->isEnabled());

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
};

QTEST_MAIN(TestCommandWiring)
#include "test_commandwiring.moc"
