// The ROM states of the audits in the main window: the lists' Roms column reads them, View >
// Hide Games With Bad ROMs takes the games MAME cannot run out of the loaded lists, and the
// selected game's state shows beside its settings in the status bar.
#include "ui/MainWindow.h"

#include "lists/RomStateFilter.h"
#include "ui/GameListView.h"

#include <QAction>

namespace velmora {

void MainWindow::buildRomStates()
{
    m_romStatus = std::make_unique<RomStatus>();
    m_state.romStatus = m_romStatus.get();
    for (GameListView* view : m_lists)
        view->gameModel()->setRomStatus(m_romStatus.get());
}

void MainWindow::onViewHideBadRoms()
{
    m_state.prefs.hideBadRoms = m_mnuViewHideBadRoms->isChecked();
    updateFiltersLabel();
    applyRomStateFilter();
    showView(currentList());
}

void MainWindow::setLoadedRows()
{
    const auto rows = [this](const std::vector<int>& loaded) {
        return m_state.prefs.hideBadRoms ? withoutBadRoms(*m_loaded.table, loaded, *m_romStatus)
                                         : loaded;
    };
    listModel(ListKind::All)->setGames(m_loaded.table, rows(m_loaded.all));
    listModel(ListKind::Installed)->setGames(m_loaded.table, rows(m_loaded.installed));
    listModel(ListKind::Uninstalled)->setGames(m_loaded.table, rows(m_loaded.uninstalled));
    m_romFilterStale = false;
}

// The lists again from the loaded games, each sorted as stored and keeping its selected game
// where the filter leaves it.
void MainWindow::applyRomStateFilter()
{
    std::array<int, 3> selected{-1, -1, -1};
    for (GameListView* view : m_lists) {
        const int row = view->selectedRow();
        selected[size_t(view->kind())] = row >= 0 ? view->gameModel()->gameIndexAt(row) : -1;
    }
    setLoadedRows();
    updateSearchMatches();
    for (GameListView* view : m_lists) {
        view->applyStoredSort();
        const int game = selected[size_t(view->kind())];
        const int row = game >= 0 ? view->gameModel()->rowOfGame(game) : -1;
        if (row >= 0)
            view->viewState().index = row + 1;
    }
}

void MainWindow::romStatesChanged()
{
    for (GameListView* view : m_lists)
        view->gameModel()->romStatesChanged();
    if (!m_state.prefs.hideBadRoms)
        return;
    // A report on show keeps the lists as they are until the user returns to them.
    m_romFilterStale = true;
    if (m_state.panelBusy == 0) {
        applyRomStateFilter();
        showView(currentList());
    }
}

void MainWindow::applyPendingRomFilter()
{
    if (m_romFilterStale)
        applyRomStateFilter();
}

std::vector<QByteArray> MainWindow::loadedSetNames() const
{
    std::vector<QByteArray> names;
    const GameTable& table = *m_loaded.table;
    names.reserve(size_t(table.size()));
    for (int i = 0; i < table.size(); ++i)
        names.push_back(table.at(i).record[GameRecord::Rom]);
    return names;
}

QString MainWindow::romStateNoteOf(const ListedGame& game) const
{
    return romStateNote(m_romStatus->entry(game.record[GameRecord::Rom]));
}

} // namespace velmora
