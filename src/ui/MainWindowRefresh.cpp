// Refresh and the favourites view: the three lists emptied and loaded again, with the database
// step of Refresh run through its hook on the wait window.
#include "ui/MainWindow.h"

#include "platform/Seams.h"
#include "ui/BannerFrame.h"
#include "ui/GameListView.h"
#include "ui/StatusPanels.h"
#include "ui/WaitCursor.h"
#include "ui/WaitWindow.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>

namespace velmora {

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
                              QStringLiteral("Favorite Games"), platform::MessageIcon::Information);
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

} // namespace velmora
