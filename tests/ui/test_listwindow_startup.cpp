// The whole window started as the program starts it (load sequence and all) against a fake MAME
// folder with a prepared options.ini and database: each list comes back as it was left, with the
// optional columns that the program folder's files allow.
#include "support/FakeMame.h"
#include "support/ScriptedMessageBox.h"
#include "ui/ListWindowFixture.h"
#include "ui/StartUp.h"

using namespace velmora;
using namespace velmora::testing;
using enum ListKind;

class TestListWindowStartUp : public QObject
{
    Q_OBJECT
private slots:
    void startsWithEachListAsItWasLeft()
    {
        TempProgram program;
        FakeMame mame(program.mameFolder());
        Preferences prefs = program.standardPreferences();
        prefs.gameView = QStringLiteral("Installed Games");
        prefs.scroll = false;
        prefs.all = {3, GameListModel::Manufacturer, 1}; // row 2, sorted by maker, descending
        prefs.installed = {3, GameListModel::Year, 0};
        program.writeOptionsIni(prefs);
        const ProgramPaths paths = program.paths();
        TempProgram::writeFile(paths.report("gameinfo.txt"), database(sixGames()));
        for (const char* name : {"listxml.txt", "crcinfo.txt", "resource.txt"})
            TempProgram::writeFile(paths.report(QLatin1String(name)), "x\r\n");
        TempProgram::writeFile(paths.file("catver.ini"), "[Category]\r\npacman=Maze\r\n");
        for (const char* rom : {"pacman", "asteroid", "mspacman"})
            TempProgram::writeFile(prefs.folder(DataFolder::ROMs) + '/' + rom + ".zip", "PK");
        TempProgram::writeFile(prefs.folder(DataFolder::Ini) + "/mame.ini", "");
        ScriptedMessageBox boxes;

        AppState state;
        state.paths = paths;
        MainWindow window(state);
        StartUp startUp(state, window);
        startUp.hooks().firstBuild = [](ProgressSink&) {
            QTest::qFail("the database is complete", __FILE__, __LINE__);
            return false;
        };
        QVERIFY(startUp.runLoadSequence() && mame.callCount() == 0);
        QCOMPARE(window.listCaption(), QString("Installed Games"));
        GameListView* installed = window.listView(Installed);
        QVERIFY(installed->selectedRow() == 2 &&
                installed->header()->sortIndicatorSection() == GameListModel::Year);
        window.showView(All);
        GameListView* all = window.listView(All);
        QVERIFY(!all->isColumnHidden(GameListModel::Category) &&
                all->isColumnHidden(GameListModel::Players));
        QVERIFY(all->selectedRow() == 2 &&
                all->header()->sortIndicatorOrder() == Qt::DescendingOrder &&
                all->header()->sortIndicatorSection() == GameListModel::Manufacturer);
        window.stopTimers();
    }
};

QTEST_MAIN(TestListWindowStartUp)
#include "test_listwindow_startup.moc"
