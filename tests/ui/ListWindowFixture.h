#pragma once
// A main window over a small game database in a throw-away program folder, loaded the way the
// load sequence loads it. Six games: three installed (one through the additional ROM folder, one
// with settings of its own), three not.
//
//     Sorted by Game:  Asteroids(i)  Donkey Kong  Galaga  Ms. Pac-Man(i)  Pac-Man(i)  Zaxxon
#include "app/Progress.h"
#include "lists/GameListModel.h"
#include "lists/ListFixtures.h"
#include "support/TempProgram.h"
#include "ui/GameListView.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QTest>

namespace velmora::testing {

inline QList<GameRecord> sixGames()
{
    return {
        game("pacman", "Pac-Man", {{GameRecord::Year, "1980"}}),
        game("mspacman", "Ms. Pac-Man",
             {{GameRecord::Origin, "Clone of pacman"}, {GameRecord::Manufacturer, "Midway"}}),
        game("galaga", "Galaga"),
        game("dkong", "Donkey Kong",
             {{GameRecord::Manufacturer, "Nintendo"}, {GameRecord::Orientation, "Horizontal"}}),
        game("asteroid", "Asteroids",
             {{GameRecord::Year, "1979"},
              {GameRecord::Manufacturer, "Atari"},
              {GameRecord::Type, "Vector"}}),
        game("zaxxon", "Zaxxon", {{GameRecord::Year, "1982"}, {GameRecord::Manufacturer, "Sega"}})};
}

// Mouse actions on a list as the user makes them.
inline void clickRow(GameListView* v, int row, Qt::MouseButton button = Qt::LeftButton,
                     bool twice = false)
{
    const QPoint at = v->visualRect(v->indexOfRow(row)).center();
    twice ? QTest::mouseDClick(v->viewport(), button, {}, at)
          : QTest::mouseClick(v->viewport(), button, {}, at);
}

struct ListWindow
{
    TempProgram program;
    AppState state;
    MainWindow window{state};

    explicit ListWindow(const QList<GameRecord>& games = sixGames())
    {
        state.paths = program.paths();
        state.prefs = program.standardPreferences();
        state.prefs.setFolder(DataFolder::AdditionalROMs, program.makeFolder("extra"));
        state.prefs.setFolder(DataFolder::Samples, program.makeFolder("samples"));
        state.prefs.setFolder(DataFolder::Snapshots, program.makeFolder("snap"));
        state.prefs.setFolder(DataFolder::Artwork, program.makeFolder("artwork"));
        state.categoriesPresent = state.playersPresent = false;
        writeFile(program.paths().report("gameinfo.txt"), database(games));
        for (const char* rom : {"pacman", "asteroid"})
            writeFile(folder(DataFolder::ROMs) + '/' + rom + ".zip", "PK");
        writeFile(folder(DataFolder::AdditionalROMs) + "/mspacman.zip", "PK");
        writeFile(program.paths().setting("pacman.cfg"), "[Video]\r\n");
    }

    QString folder(DataFolder f) const { return state.prefs.folder(f); }

    // The load sequence's list steps: load, list panel, appearance, view.
    bool load(ListKind kind = ListKind::All)
    {
        window.setOptionalColumnsPresent(state.categoriesPresent, state.playersPresent);
        NullProgress progress;
        if (!window.loadLists(progress))
            return false;
        window.showListPanel();
        window.applyListAppearance(state.prefs);
        window.showView(kind);
        return true;
    }

    GameListView* view(ListKind kind) const { return window.listView(kind); }
    QStringList roms(ListKind kind) const
    {
        QStringList out;
        const GameListModel* model = window.listModel(kind);
        for (int r = 0; r < model->count(); ++r)
            out << model->text(r, GameListModel::Rom);
        return out;
    }
    int rowOf(ListKind kind, const QString& rom) const { return roms(kind).indexOf(rom); }

    void clickRow(ListKind kind, int row, Qt::MouseButton button = Qt::LeftButton,
                  bool twice = false)
    {
        testing::clickRow(view(kind), row, button, twice);
    }
    void clickHeader(ListKind kind, int column)
    {
        QHeaderView* header = view(kind)->header();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }
    void select(ListKind kind, const QString& rom) { clickRow(kind, rowOf(kind, rom)); }

    QAction* action(const char* name) const { return window.findChild<QAction*>(name); }
    // Opens a menu's enabling rules as opening the menu does.
    void openMenu(const char* name) const { emit window.findChild<QMenu*>(name)->aboutToShow(); }
    bool enabled(const char* actionName) const { return action(actionName)->isEnabled(); }
    QString panel(int n) const { return window.statusPanel(n); }
    template <typename T> T* child(const char* name) const { return window.findChild<T*>(name); }
};

} // namespace velmora::testing
