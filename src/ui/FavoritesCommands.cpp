#include "ui/FavoritesCommands.h"

#include "app/AppState.h"
#include "changes/FavoriteListChanges.h"
#include "changes/FavoritesList.h"
#include "changes/VerifyFavorites.h"
#include "platform/MessageBox.h"
#include "ui/MainWindow.h"
#include "ui/ReportPanel.h"

#include <QFile>

namespace velmora {
namespace {

using platform::MessageIcon;

// The selected game of the All or Installed list; the Uninstalled list has no favourites
// commands.
std::optional<ListedGame> selectedListedGame(const MainWindow& window)
{
    if (window.currentList() == ListKind::Uninstalled)
        return std::nullopt;
    return window.selectedGame();
}

void addSelectedGame(MainWindow& window, const AppState& state)
{
    const std::optional<ListedGame> game = selectedListedGame(window);
    if (!game)
        return;
    const AddResult result = addFavorite(FavoritesFiles::under(state.paths), game->record);
    const QString title = QStringLiteral("Add To Favorites");
    if (result.outcome == AddOutcome::AlreadyOnList)
        platform::showMessage(QStringLiteral("Game already on list."), title,
                              MessageIcon::Information);
    else if (result.outcome == AddOutcome::Failed)
        platform::showMessage(QStringLiteral("The game could not be added to your favorites "
                                             "list:\r") +
                                  result.error,
                              title, MessageIcon::Exclamation);
}

void switchFavoritesViewOff(MainWindow& window, AppState& state)
{
    state.prefs.favorites = false;
    window.setFavoritesChecked(false);
}

void removeSelectedGame(MainWindow& window, AppState& state)
{
    const std::optional<ListedGame> game = selectedListedGame(window);
    if (!game)
        return;
    const QString title = QStringLiteral("Remove Favorite");
    const FavoritesFiles files = FavoritesFiles::under(state.paths);
    const RemoveResult result = removeFavorite(files, game->record[GameRecord::Game]);
    if (!result.ok) {
        platform::showMessage(QStringLiteral("The game could not be removed from your favorites "
                                             "list:\r") +
                                  result.error,
                              title, MessageIcon::Exclamation);
        return;
    }
    window.onViewRefresh();
    if (window.gameCount(ListKind::All) != 0)
        return;
    // Favourites hidden by the list filters stay in the file for when the filters change.
    if (result.gamesLeft == 0)
        QFile::remove(files.list);
    switchFavoritesViewOff(window, state);
    platform::showMessage(QStringLiteral("Your favorites list is empty.  Velmora will now return "
                                         "to the default list."),
                          title, MessageIcon::Information);
    window.onViewRefresh();
}

void showFavoriteListChanges(MainWindow& window, const AppState& state)
{
    const QString caption = QStringLiteral("Favorite List Changes");
    const std::optional<QString> text =
        favoriteListChangesText(state.paths.report(QStringLiteral("changes.txt")));
    if (!text) {
        platform::showMessage(QStringLiteral("This report does not exist."), caption,
                              MessageIcon::Information);
        return;
    }
    window.showStatusBar(1);
    window.hideGameArt();
    window.showReportPanel(caption);
    ReportPanel panel(&window);
    panel.setText(*text);
    panel.focusGameList();
}

} // namespace

void wireFavorites(MainWindow& window, AppState& state)
{
    MainWindow::Commands& c = window.commands();
    c.addFavorite = [&window, &state] { addSelectedGame(window, state); };
    c.removeFavorite = [&window, &state] { removeSelectedGame(window, state); };
    c.favoriteListChanges = [&window, &state] { showFavoriteListChanges(window, state); };
}

std::function<void()> favoritesCheck(MainWindow& window, AppState& state, ProgressSink& progress)
{
    return [&window, &state, &progress] {
        VerifyFavorites(state.paths, progress,
                        [&window, &state] { switchFavoritesViewOff(window, state); });
    };
}

} // namespace velmora
