// The game lists in the main window: loading them, showing a view, the selected game (status
// panels, commands, screenshot, icon, banner), Refresh and the favourites view.
#include "ui/MainWindow.h"

#include "app/Progress.h"
#include "lists/HideFilters.h"
#include "lists/SelectionFiles.h"
#include "lists/SelectionStatus.h"
#include "platform/Seams.h"
#include "ui/BannerFrame.h"
#include "ui/ColorValue.h"
#include "ui/GameListView.h"
#include "ui/ListFrame.h"
#include "ui/StatusPanels.h"
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

constexpr int kIconSide = 32;

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

QString totalGames(int count)
{
    return QStringLiteral("Total Games: ") + QString::number(count);
}

// The hourglass while a long step runs.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

void MainWindow::connectLists()
{
    for (GameListView* view : m_lists) {
        const ListKind kind = view->kind();
        connect(view, &GameListView::rowSelected, this,
                [this, kind](int row) { showSelection(kind, row); });
        connect(view, &GameListView::rowDoubleClicked, this,
                [this, kind] { onListDoubleClicked(kind); });
        connect(view, &GameListView::rowContextRequested, this,
                [this, kind](int, const QPoint& pos) { showRightClickMenu(kind, pos); });
        connect(view, &GameListView::enterPressed, this, [this] {
            if (m_cmdPlay->isDefault() && m_cmdPlay->isEnabled())
                onPlay();
        });
    }
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

void MainWindow::clearLists()
{
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
    const LoadListsResult result = LoadLists(request, progress, &loaded);
    if (!result.ok) {
        platform::showMessage(result.message(), QStringLiteral("Velmora"), MessageIcon::Critical);
        platform::endProgram();
        return false;
    }
    progress.setCount(QString::number(loaded.all.size()));
    progress.repaint();
    m_loaded = std::move(loaded);
    listModel(ListKind::All)->setGames(m_loaded.table, m_loaded.all);
    listModel(ListKind::Installed)->setGames(m_loaded.table, m_loaded.installed);
    listModel(ListKind::Uninstalled)->setGames(m_loaded.table, m_loaded.uninstalled);
    return true;
}

void MainWindow::applyListAppearance(const Preferences& prefs)
{
    const QColor background = colorFromValue(prefs.backColor);
    const QColor text = colorFromValue(prefs.fontColor);
    const int pointSize = prefs.fontSize.toInt();
    for (GameListView* view : m_lists)
        view->setAppearance(prefs.useStarfield, background, text, pointSize);
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
    setStatusPanel(1, totalGames(view->count()));
    if (view->count() < 1) {
        showEmptyState();
        return;
    }
    view->applyStoredSort();
    ListViewState& stored = view->viewState();
    stored.index = std::clamp(stored.index, 1, view->count());
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
        m_chkAutoRun->setChecked(false);
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

void MainWindow::hideGameArt()
{
    m_tmr[1]->stop();
    m_iconScreen->clear();
    m_iconScreen->hide();
    m_lblArtwork->hide();
    setBannerText(QString());
}

void MainWindow::showSelection(ListKind kind, int row)
{
    if (kind != currentList())
        return;
    LoadShot();
    applySelectionStatus(kind, row);
    m_tmr[1]->stop();
    m_tmr[1]->start();
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
    if (!s.setsGameCommands)
        return;
    if (!s.installed)
        m_chkAutoRun->setChecked(false);
    for (QWidget* w : {static_cast<QWidget*>(m_cmdPlay), static_cast<QWidget*>(m_chkAutoRun),
                       static_cast<QWidget*>(m_chkRecord), static_cast<QWidget*>(m_chkPlayback)})
        w->setEnabled(s.installed);
}

void MainWindow::LoadShot()
{
    if (!m_mnuViewShots->isChecked())
        return;
    const GameListView* view = visibleList();
    if (view->count() == 0) {
        m_fraList->clearShot();
        return;
    }
    const std::optional<ListedGame> game = selectedGame();
    QPixmap picture;
    if (game) {
        const GameTable& table = *view->gameModel()->table();
        const QString file = screenshotFile(
            table.text(game->record[GameRecord::Rom]), table.text(game->record[GameRecord::Origin]),
            m_state.prefs.cloneShots, m_state.prefs.folder(DataFolder::Snapshots));
        if (QFile::exists(file))
            picture.load(file);
    }
    m_fraList->showShot(picture);
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

void MainWindow::onIconTimer()
{
    const QString rom = statusPanel(3);
    const QString icon = iconFile(m_state.prefs.folder(DataFolder::MAME), rom);
    const QPixmap picture = icon.isEmpty() ? QPixmap() : QIcon(icon).pixmap(kIconSide, kIconSide);
    if (!picture.isNull()) {
        m_iconScreen->setPixmap(picture);
        m_iconScreen->show();
    } else {
        m_iconScreen->clear();
        m_iconScreen->hide();
    }
    m_lblArtwork->setVisible(artworkExists(m_state.prefs.folder(DataFolder::Artwork), rom));
    m_tmr[1]->stop();
    const std::optional<ListedGame> game = selectedGame();
    const GameListView* view = visibleList();
    setBannerText(
        game && view->count() > 0
            ? view->gameModel()->table()->text(game->record[GameRecord::Manufacturer]).toUpper()
            : QString());
}

void MainWindow::setBannerText(const QString& text)
{
    m_fraScroll->setText(text);
    if (m_tmr[0]->isActive())
        m_fraScroll->startAtRightEdge();
    else
        m_fraScroll->centre();
}

void MainWindow::onBannerTimer()
{
    m_fraScroll->step();
}

void MainWindow::onBannerClicked()
{
    setBannerRunning(!m_tmr[0]->isActive());
}

void MainWindow::setBannerRunning(bool running)
{
    if (running) {
        m_tmr[0]->start();
    } else {
        m_tmr[0]->stop();
        RefreshScroll();
    }
}

bool MainWindow::bannerRunning() const
{
    return m_tmr[0]->isActive();
}

void MainWindow::RefreshScroll()
{
    if (!m_tmr[0]->isActive())
        m_fraScroll->centre();
}

void MainWindow::stopTimers()
{
    m_tmr[0]->stop();
    m_tmr[1]->stop();
}

void MainWindow::pauseTimers()
{
    m_bannerWasRunning = m_tmr[0]->isActive();
    stopTimers();
}

void MainWindow::resumeTimers()
{
    if (m_bannerWasRunning)
        m_tmr[0]->start();
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

void MainWindow::onViewInstalled()
{
    showView(ListKind::Installed);
}

void MainWindow::onViewUninstalled()
{
    showView(ListKind::Uninstalled);
}

void MainWindow::onViewShots()
{
    m_fraList->setShotsShown(m_mnuViewShots->isChecked());
    if (!m_mnuViewShots->isChecked())
        return;
    for (GameListView* view : m_lists) {
        const int row = view->selectedRow();
        if (view->count() > 0 && row >= 0)
            view->scrollTo(view->gameModel()->index(row, 0));
    }
    LoadShot();
}

void MainWindow::setScreenShotsChecked(bool checked)
{
    m_mnuViewShots->setChecked(checked);
    m_fraList->setShotsShown(checked);
}

bool MainWindow::screenShotsChecked() const
{
    return m_mnuViewShots->isChecked();
}

void MainWindow::setFavoritesChecked(bool checked)
{
    m_mnuViewFavorites->setChecked(checked);
}

bool MainWindow::favoritesChecked() const
{
    return m_mnuViewFavorites->isChecked();
}

// The favourites view switches only when there is a favourites list; then the lists reload.
void MainWindow::onViewFavorites()
{
    m_state.prefs.favorites = m_mnuViewFavorites->isChecked();
    if (!QFile::exists(m_state.paths.report(QStringLiteral("favorite.txt")))) {
        platform::showMessage(QStringLiteral("You do not have a favorites list.  "),
                              QStringLiteral("Favorite Games"), MessageIcon::Information);
        m_mnuViewFavorites->setChecked(false);
        m_state.prefs.favorites = false;
        return;
    }
    refreshLists();
}

void MainWindow::onViewRefresh()
{
    refreshLists();
}

void MainWindow::refreshLists()
{
    m_fraScroll->setText(QString());
    repaint();
    WaitCursor hourglass;
    m_iconScreen->clear();
    for (QWidget* w : {m_cmdPlay, m_cmdVerify, m_cmdInfo, m_cmdExit})
        w->setEnabled(false);
    DisableFormButtons();

    clearLists();
    for (ListViewState* s :
         {&m_state.prefs.all, &m_state.prefs.installed, &m_state.prefs.uninstalled})
        s->index = 1;

    WaitWindow wait(this);
    wait.showAndPaint();
    m_statusBars[0]->clearFrom(1);
    if (m_commands.refreshDatabase)
        m_commands.refreshDatabase(wait);
    wait.setText(QStringLiteral("Please wait while Velmora refreshes the game list."));
    if (!loadListsOrEnd(wait))
        return;
    // The view named by the caption comes back with its commands set for its selected game.
    showView(currentList());
    wait.finish();
    m_cmdExit->setEnabled(true);
}

void MainWindow::setAutoRunChecked(bool checked)
{
    m_chkAutoRun->setChecked(checked);
}

} // namespace velmora
