// The game lists in the main window: loading them, showing a view, the selected game's status
// panels and commands, double-click, GetSelectedIndex and the New ROM Found move.
#include "ui/MainWindow.h"

#include "app/Progress.h"
#include "lists/ColumnContent.h"
#include "lists/HideFilters.h"
#include "lists/SelectionFiles.h"
#include "lists/SelectionStatus.h"
#include "platform/Seams.h"
#include "ui/BannerFrame.h"
#include "ui/ColorValue.h"
#include "ui/GameListView.h"
#include "ui/ListFrame.h"
#include "ui/StatusPanels.h"
#include "ui/WaitCursor.h"
#include "ui/WaitWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

namespace velmora {
namespace {

using platform::MessageIcon;

// The left edge of "Filters Applied" beside each caption, in twips.
int filtersLeft(ListKind kind)
{
    switch (kind) {
    case ListKind::Installed:
        return 1270;
    case ListKind::Uninstalled:
        return 1465;
    case ListKind::All:
        break;
    }
    return 850;
}

const char* viewMenuItem(ListKind kind)
{
    switch (kind) {
    case ListKind::Installed:
        return "mnuViewInstalled";
    case ListKind::Uninstalled:
        return "mnuViewUninstalled";
    case ListKind::All:
        break;
    }
    return "mnuViewAll";
}

} // namespace

void MainWindow::connectLists()
{
    for (GameListView* view : m_lists) {
        const ListKind kind = view->kind();
        connect(view, &GameListView::rowSelected, this, [this, kind](int row) {
            // The user's own choice stays when a search ends.
            m_rowBeforeSearch[size_t(kind)] = -1;
            showSelection(kind, row);
        });
        connect(view, &GameListView::rowDoubleClicked, this,
                [this, kind] { onListDoubleClicked(kind); });
        connect(view, &GameListView::rowContextRequested, this,
                [this, kind](int, const QPoint& pos) { showRightClickMenu(kind, pos); });
        connect(view, &GameListView::enterPressed, this, [this] {
            if (m_cmdPlay->isDefault() && m_cmdPlay->isEnabled())
                onPlay();
        });
        // The three lists share their columns' widths; the ones the user set are kept.
        connect(view, &GameListView::columnSized, this, [this, kind](int column, int width) {
            m_state.prefs.columnWidths.insert(GameListModel::header(column), width);
            for (GameListView* other : m_lists)
                if (other->kind() != kind)
                    other->setUserColumnWidth(column, width);
        });
    }
}

// Each column as wide as its widest text in the All list, which holds the games of the other two.
void MainWindow::fitListColumns()
{
    const GameListView* all = listView(ListKind::All);
    std::vector<int> shown;
    for (int c = 0; c < GameListModel::ColumnCount; ++c)
        if (c != GameListModel::Game && !all->isColumnHidden(c))
            shown.push_back(c);
    m_columnTexts = widestTexts(*all->gameModel(), shown);
    for (GameListView* view : m_lists)
        view->fitColumns(m_columnTexts, m_state.prefs.columnWidths);
}

GameListView* MainWindow::listView(ListKind kind) const
{
    return m_lists[size_t(kind)];
}

GameListModel* MainWindow::listModel(ListKind kind) const
{
    return m_lists[size_t(kind)]->gameModel();
}

int MainWindow::gameCount(ListKind kind) const
{
    return m_lists[size_t(kind)]->count();
}

ListKind MainWindow::currentList() const
{
    return listKindFromCaption(listCaption());
}

GameListView* MainWindow::visibleList() const
{
    return listView(currentList());
}

std::optional<ListedGame> MainWindow::selectedGame() const
{
    const GameListView* view = visibleList();
    const int row = view->selectedRow();
    if (row < 0)
        return std::nullopt;
    return view->gameModel()->gameAt(row);
}

SelectedGame MainWindow::currentGame() const
{
    SelectedGame game;
    game.list = currentList();
    const std::optional<ListedGame> selected = selectedGame();
    if (!selected)
        return game;
    const GameTable& table = *visibleList()->gameModel()->table();
    game.rom = table.text(selected->record[GameRecord::Rom]);
    game.description = table.text(selected->record[GameRecord::Game]);
    game.displayType = table.text(selected->record[GameRecord::Type]);
    return game;
}

std::optional<int> MainWindow::takeSelectedUninstalledRow()
{
    GameListView* view = listView(ListKind::Uninstalled);
    const int row = view->selectedRow();
    if (row < 0)
        return std::nullopt;
    m_newRomGame = view->gameModel()->gameIndexAt(row);
    view->gameModel()->removeGameAt(row);
    return view->count();
}

void MainWindow::addNewRomToInstalled()
{
    if (m_newRomGame < 0)
        return;
    listModel(ListKind::Installed)->appendGame(m_newRomGame);
    // The loaded lists follow, so that a new filtering of them keeps the move.
    std::erase(m_loaded.uninstalled, m_newRomGame);
    m_loaded.installed.push_back(m_newRomGame);
    m_newRomGame = -1;
}

void MainWindow::clearLists()
{
    m_newRomGame = -1;
    m_rowBeforeSearch = {-1, -1, -1};
    for (GameListView* view : m_lists)
        view->gameModel()->clear();
    m_loaded = LoadedLists();
}

bool MainWindow::loadLists(ProgressSink& progress)
{
    return loadListsOrEnd(progress);
}

bool MainWindow::loadListsOrEnd(ProgressSink& progress)
{
    WaitCursor hourglass;
    const ListLoadRequest request =
        ListLoadRequest::forProgram(m_state.paths, m_state.prefs, m_mnuViewFavorites->isChecked(),
                                    m_state.categoriesPresent, m_state.playersPresent);
    LoadedLists loaded;
    LoadListsResult result = LoadLists(request, progress, &loaded);
    // A database that cannot be read is built again rather than ending every start.
    if (!result.ok && !m_mnuViewFavorites->isChecked() && m_commands.offerDatabaseRebuild &&
        m_commands.offerDatabaseRebuild(result.message(), progress))
        result = LoadLists(request, progress, &loaded);
    if (!result.ok) {
        platform::showMessage(result.message(), QStringLiteral("Velmora"), MessageIcon::Critical);
        platform::endProgram();
        return false;
    }
    progress.setCount(QString::number(loaded.all.size()));
    progress.repaint();
    m_loaded = std::move(loaded);
    *m_romStatus = RomStatus::under(m_state.paths);
    m_mnuViewHideBadRoms->setChecked(m_state.prefs.hideBadRoms);
    setLoadedRows();
    for (GameListView* view : m_lists)
        view->gameModel()->setPlayHistory(m_state.playHistory);
    updateSearchMatches();
    fitListColumns();
    return true;
}

void MainWindow::applyListAppearance(const Preferences& prefs)
{
    const QColor background = colorFromValue(prefs.backColor);
    const QColor text = colorFromValue(prefs.fontColor);
    const int pointSize = prefs.fontSize.toInt();
    for (GameListView* view : m_lists) {
        view->setAppearance(prefs.useStarfield, background, text, pointSize);
        // Measured again in the new font.
        view->fitColumns(m_columnTexts, prefs.columnWidths);
    }
}

void MainWindow::showView(ListKind kind)
{
    GameListView* view = listView(kind);
    m_fraList->setCaption(velmora::listCaption(kind), filtersLeft(kind));
    for (ListKind k : {ListKind::All, ListKind::Installed, ListKind::Uninstalled}) {
        if (QAction* action = m_mnuView->findChild<QAction*>(QLatin1String(viewMenuItem(k))))
            action->setChecked(k == kind);
    }
    setListsVisibleKind(kind);
    setViewCommands(kind);
    setStatusPanel(1, totalGamesText(view));
    if (view->count() < 1) {
        showEmptyState();
        return;
    }
    view->applyStoredSort();
    ListViewState& stored = view->viewState();
    stored.index = std::clamp(stored.index, 1, view->count());
    if (view->searching()) {
        followSearch();
        if (!m_state.startupInProgress)
            view->setFocus();
        return;
    }
    view->selectRowQuietly(stored.index - 1);
    if (!m_state.startupInProgress)
        view->setFocus();
    showSelection(kind, stored.index - 1);
}

void MainWindow::setListsVisibleKind(ListKind kind)
{
    m_fraList->listStack()->setCurrentWidget(listView(kind));
    for (GameListView* view : m_lists)
        view->setFocusPolicy(view->kind() == kind ? Qt::StrongFocus : Qt::NoFocus);
}

void MainWindow::setViewCommands(ListKind kind)
{
    enablePlayButtons();
    if (kind == ListKind::Uninstalled) {
        m_cmdPlay->setDefault(false);
        m_cmdPlay->setEnabled(false);
        clearAutoRun();
        m_chkAutoRun->setEnabled(false);
        m_chkRecord->setEnabled(false);
        m_chkPlayback->setEnabled(false);
    } else {
        m_cmdPlay->setDefault(true);
    }
}

// Nothing to select: the panels of the selected game are empty and the game commands off.
void MainWindow::showEmptyState()
{
    m_statusBars[0]->clearFrom(2);
    for (QWidget* w : {static_cast<QWidget*>(m_cmdPlay), static_cast<QWidget*>(m_cmdVerify),
                       static_cast<QWidget*>(m_cmdInfo), static_cast<QWidget*>(m_chkAutoRun),
                       static_cast<QWidget*>(m_chkRecord), static_cast<QWidget*>(m_chkPlayback)})
        w->setEnabled(false);
    hideGameArt();
    LoadShot();
}

void MainWindow::showSelection(ListKind kind, int row)
{
    if (kind != currentList())
        return;
    LoadShot();
    applySelectionStatus(kind, row);
    restartIconTimer();
}

void MainWindow::applySelectionStatus(ListKind kind, int row)
{
    const GameListModel* model = listModel(kind);
    const SelectionFolders folders{m_state.prefs.folder(DataFolder::ROMs),
                                   m_state.prefs.folder(DataFolder::AdditionalROMs),
                                   m_state.paths.settingsFolder()};
    const SelectionStatus s =
        describeSelection(*model->table(), model->gameRef(row), kind, folders);
    setStatusPanel(2, s.description);
    setStatusPanel(3, s.rom);
    setStatusPanel(4, s.originKind);
    setStatusPanel(5, s.orientation);
    setStatusPanel(6, s.settings);
    m_statusBars[0]->setNote(6, romStateNoteOf(model->gameRef(row)));
    if (!s.setsGameCommands)
        return;
    if (!s.installed)
        clearAutoRun();
    for (QWidget* w : {static_cast<QWidget*>(m_cmdPlay), static_cast<QWidget*>(m_chkAutoRun),
                       static_cast<QWidget*>(m_chkRecord), static_cast<QWidget*>(m_chkPlayback)})
        w->setEnabled(s.installed);
}

void MainWindow::GetSelectedIndex()
{
    if (m_state.startupInProgress || !m_fraList->isEnabled())
        return;
    GameListView* view = visibleList();
    if (view->count() > 0) {
        const int index = std::clamp(view->viewState().index, 1, view->count());
        view->selectRowQuietly(index - 1);
    }
    view->setFocus();
}

void MainWindow::showSelectedGameAgain()
{
    const GameListView* view = visibleList();
    const int row = view->selectedRow();
    if (view->count() < 1 || row < 0) {
        showEmptyState();
        return;
    }
    showSelection(currentList(), row);
}

void MainWindow::updateFiltersLabel()
{
    m_fraList->lblFiltersApp()->setVisible(anyFilterApplied(m_state.prefs));
}

void MainWindow::onListDoubleClicked(ListKind kind)
{
    if (kind == ListKind::Uninstalled) {
        platform::showMessage(QStringLiteral("This game is not installed."),
                              QStringLiteral("Play Game"), MessageIcon::Information);
        return;
    }
    onPlay();
}

void MainWindow::onViewAll()
{
    showView(ListKind::All);
}

void MainWindow::onViewRecentlyPlayed()
{
    ListViewState& all = listView(ListKind::All)->viewState();
    all.sortKey = GameListModel::LastPlayed;
    all.sortOrder = 1;
    all.index = 1;
    showView(ListKind::All);
}

void MainWindow::playHistoryChanged()
{
    for (GameListView* view : m_lists)
        view->playHistoryChanged();
}

void MainWindow::onViewInstalled()
{
    showView(ListKind::Installed);
}

void MainWindow::onViewUninstalled()
{
    showView(ListKind::Uninstalled);
}

// The program sets the box the way the user's click does, so the AutoRun preference (in memory
// and in options.ini) always follows the box.
void MainWindow::setAutoRunChecked(bool checked)
{
    m_chkAutoRun->setChecked(checked);
    if (m_commands.autoRunChanged)
        m_commands.autoRunChanged(checked);
    else
        m_state.prefs.autoRun = checked;
}

// A game that cannot be started clears Auto Run, also while the preference is on and the box has
// not been ticked yet (a start whose remembered game is not installed).
void MainWindow::clearAutoRun()
{
    if (m_chkAutoRun->isChecked() || m_state.prefs.autoRun)
        setAutoRunChecked(false);
}

bool MainWindow::autoRunAvailable() const
{
    return m_chkAutoRun->isEnabled();
}

} // namespace velmora
