// Find as you type in the main window: the search box narrows the three lists to the games
// matching every typed word. The lists' models keep every game, so counts, the stored selection
// and every command that reads a whole list see it unchanged; only what is on show narrows.
#include "ui/MainWindow.h"

#include "lists/GameSearch.h"
#include "ui/GameListView.h"
#include "ui/ListFrame.h"
#include "ui/SearchBox.h"

#include <QShortcut>

namespace velmora {

void MainWindow::buildSearchBox()
{
    m_txtSearch = new SearchBox;
    m_fraList->setSearchBox(m_txtSearch);
    connect(m_txtSearch, &SearchBox::searchChanged, this, &MainWindow::applySearch);
    connect(m_txtSearch, &SearchBox::escapePressed, this, [this] { visibleList()->setFocus(); });
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        m_txtSearch->setFocus(Qt::ShortcutFocusReason);
        m_txtSearch->selectAll();
    });
}

void MainWindow::applySearch()
{
    updateSearchMatches();
    followSearch();
}

// The matches of the box's words in the loaded table, handed to the three lists. The keys are
// made at the first search after a load.
void MainWindow::updateSearchMatches()
{
    const std::vector<QByteArray> words = searchWords(m_txtSearch->text());
    std::shared_ptr<const std::vector<char>> matches;
    if (!words.empty() && m_loaded.table) {
        if (!m_searchIndex || m_searchIndex->table() != m_loaded.table)
            m_searchIndex = std::make_unique<GameSearchIndex>(m_loaded.table);
        matches = std::make_shared<const std::vector<char>>(m_searchIndex->match(words));
    }
    for (GameListView* view : m_lists)
        view->setSearchMatches(matches);
}

// The list on show keeps a selected game it shows: the selection moves to the first match when
// the search hides it, and comes back when the search ends.
void MainWindow::followSearch()
{
    GameListView* view = visibleList();
    int& before = m_rowBeforeSearch[size_t(view->kind())];
    setStatusPanel(1, totalGamesText(view));
    if (view->count() < 1)
        return;
    const int selected = view->viewState().index - 1;
    if (!view->searching()) {
        if (before >= 0 && before < view->count())
            selectForSearch(view, before);
        else
            view->selectRowQuietly(selected);
        before = -1;
        return;
    }
    if (view->isShown(selected)) {
        view->selectRowQuietly(selected);
        return;
    }
    if (before < 0)
        before = selected;
    const int first = view->firstShownRow();
    if (first < 0) {
        showEmptyState();
        return;
    }
    selectForSearch(view, first);
}

void MainWindow::selectForSearch(GameListView* view, int row)
{
    view->selectRowQuietly(row);
    view->viewState().index = row + 1;
    setViewCommands(view->kind());
    showSelection(view->kind(), row);
}

QString MainWindow::totalGamesText(const GameListView* view) const
{
    if (!view->searching())
        return QStringLiteral("Total Games: ") + QString::number(view->count());
    return QStringLiteral("Total Games: %1 of %2").arg(view->shownCount()).arg(view->count());
}

} // namespace velmora
