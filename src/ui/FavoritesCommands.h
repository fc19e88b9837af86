#pragma once
// The main window's favourites commands: Add To Favorites and Remove From Favorites on the lists'
// pop-up menu, Reports > Favorite List Changes, and the favourites check that follows a database
// build for a new MAME. The work is done by the favourites routines of the core; these read the
// selected game from the window, refresh its lists and put the report on the report panel.
#include <functional>

namespace velmora {

struct AppState;
class MainWindow;
class ProgressSink;

// Sets the window's addFavorite, removeFavorite and favoriteListChanges commands.
void wireFavorites(MainWindow& window, AppState& state);

// The favourites check a database build runs when it is done, reporting on the build's own
// progress window (the splash window at start-up, the wait window on Refresh). When it empties the
// list, the favourites view goes off in the window and in the program's preferences.
std::function<void()> favoritesCheck(MainWindow& window, AppState& state, ProgressSink& progress);

} // namespace velmora
