#pragma once
// The favourites check after the game database was built for a new MAME: every favourite whose
// record changed, or whose game is gone, leaves the list and is logged in changes.txt, and the
// user is told. It runs on the splash window during start-up and on the wait window after.
#include "app/ProgramPaths.h"
#include "app/Progress.h"
#include "changes/FavoritesList.h"

#include <functional>

namespace velmora {

// Shows "Verifying favorites list..." while it works and clears the message at the end. When the
// list loses every favourite, the favourites view is switched off: `switchViewOff` clears the
// program's flag and the menu's check mark, then Favorites=False is written to options.ini.
// Nothing happens when there is no favourites list.
void VerifyFavorites(const FavoritesFiles& files, const QString& optionsIni, ProgressSink& progress,
                     const std::function<void()>& switchViewOff);

inline void VerifyFavorites(const ProgramPaths& paths, ProgressSink& progress,
                            const std::function<void()>& switchViewOff)
{
    VerifyFavorites(FavoritesFiles::under(paths), paths.optionsIni(), progress, switchViewOff);
}

} // namespace velmora
