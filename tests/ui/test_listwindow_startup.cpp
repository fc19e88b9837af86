// The whole window started as the program starts it (load sequence and all) against a fake MAME
// folder with a prepared options.ini and database: the three views clicked through, and the view
// state of each list surviving a restart.
#include "app/IniFile.h"
#include "support/FakeMame.h"
#include "support/ScriptedMessageBox.h"
#include "ui/ListWindowFixture.h"
#include "ui/StartUp.h"

using namespace velmora;
using namespace velmora::testing;
using enum ListKind;

namespace {

struct Started
{
    AppState state;
    MainWindow window{state};
    StartUp startUp{state, window};

    explicit Started(const TempProgram& program)
    {
        state.paths = program.paths();
        startUp.hooks().firstBuild = [](ProgressSink&) { QFAIL("the database is complete"); };
    }
    GameListView* view(ListKind kind) const { return window.listView(kind); }
    void click(ListKind kind, int row) { clickRow(view(kind), row); }
    void clickHeader(ListKind kind, int column) { testing::clickHeader(view(kind), column); }
    void show(const char* menu) { window.findChild<QAction*>(menu)->trigger(); }
};

void prepare(const TempProgram& program)
{
    Preferences prefs = program.standardPreferences();
    prefs.gameView = QStringLiteral("Installed Games");
    prefs.scroll = false;
    program.writeOptionsIni(prefs);
    const ProgramPaths paths = program.paths();
    TempProgram::writeFile(paths.report("gameinfo.txt"), database(sixGames()));
    for (const char* name : {"listxml.txt", "crcinfo.txt", "resource.txt"})
        TempProgram::writeFile(paths.report(QLatin1String(name)), "x\r\n");
    TempProgram::writeFile(paths.file("catver.ini"), "[Category]\r\npacman=Maze\r\n");
    for (const char* rom : {"pacman", "asteroid", "mspacman"})
        TempProgram::writeFile(prefs.folder(DataFolder::ROMs) + '/' + rom + ".zip", "PK");
    TempProgram::writeFile(prefs.folder(DataFolder::Ini) + "/mame.ini", "");
}

} // namespace

class TestListWindowStartUp : public QObject
{
    Q_OBJECT
private slots:
    void startsClicksThroughTheViewsAndRemembersThem()
    {
        TempProgram program;
        FakeMame mame(program.mameFolder());
        prepare(program);
        ScriptedMessageBox boxes;
        {
            Started run(program);
            QVERIFY(run.startUp.runLoadSequence());
            run.window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&run.window));
            run.startUp.afterShown();
            // The stored view comes back, with the category column and not the player column.
            QCOMPARE(run.window.statusPanel(1), QString("Total Games: 3"));
            QVERIFY(!run.view(All)->isColumnHidden(GameListModel::Category) &&
                    run.view(All)->isColumnHidden(GameListModel::Players));
            run.show("mnuViewAll");
            run.clickHeader(All, GameListModel::Manufacturer);
            run.clickHeader(All, GameListModel::Manufacturer);
            run.click(All, 2);
            run.show("mnuViewUninstalled");
            run.click(Uninstalled, 1);
            run.show("mnuViewInstalled");
            run.clickHeader(Installed, GameListModel::Year);
            run.click(Installed, 2);
            run.window.close();
        }
        QCOMPARE(mame.callCount(), 0);
        const QString ini = program.optionsIni();
        const char* stored[][2] = {{"GameView", "Installed Games"}, {"AllSortKey", "7"},
                                   {"AllSortOrder", "1"},           {"AllIndex", "3"},
                                   {"UninstalledIndex", "2"},       {"InstalledSortKey", "1"}};
        for (const auto& [key, value] : stored)
            QCOMPARE(ReadIniValue(ini, "View", key, ""), QString(value));

        // A second start shows each list as it was left.
        Started again(program);
        QVERIFY(again.startUp.runLoadSequence());
        QCOMPARE(again.window.listCaption(), QString("Installed Games"));
        QVERIFY(again.view(Installed)->selectedRow() == 2 &&
                again.view(Installed)->header()->sortIndicatorSection() == 1);
        again.window.showView(All);
        QCOMPARE(again.view(All)->selectedRow(), 2);
        QCOMPARE(again.window.statusPanel(3),
                 again.window.listModel(All)->text(2, GameListModel::Rom));
        QCOMPARE(again.view(All)->header()->sortIndicatorOrder(), Qt::DescendingOrder);
        QCOMPARE(again.view(All)->header()->sortIndicatorSection(),
                 int(GameListModel::Manufacturer));
        again.window.stopTimers();
    }
};

QTEST_MAIN(TestListWindowStartUp)
#include "test_listwindow_startup.moc"
