// What the window shows of the selected game beside the list: its picture (LoadShot), the icon
// and artwork mark of the icon timer Tmr[1], and the manufacturer banner moved by Tmr[0].
#include "ui/MainWindow.h"

#include "lists/SelectionFiles.h"
#include "platform/OptionalFile.h"
#include "ui/BannerFrame.h"
#include "ui/GameListView.h"
#include "ui/GamePictures.h"
#include "ui/ListFrame.h"
#include "ui/StatusPanels.h"

#include <QAction>
#include <QBuffer>
#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QTimer>

namespace velmora {
namespace {
constexpr int kIconSide = 32;

// The icon file's picture at the icon's size, the best of the sizes an .ico holds.
QPixmap iconPicture(const QString& file)
{
    const std::optional<QByteArray> bytes = platform::readOptionalFile(file);
    if (!bytes)
        return QPixmap();
    QBuffer buffer;
    buffer.setData(*bytes);
    QImageReader reader(&buffer);
    QIcon icon;
    for (QImage image = reader.read(); !image.isNull(); image = reader.read()) {
        icon.addPixmap(QPixmap::fromImage(image));
        if (!reader.jumpToNextImage())
            break;
    }
    return icon.pixmap(kIconSide, kIconSide);
}
} // namespace

void MainWindow::hideGameArt()
{
    m_tmr[1]->stop();
    m_iconScreen->clear();
    m_iconScreen->hide();
    m_lblArtwork->hide();
    setBannerText(QString());
}

void MainWindow::restartIconTimer()
{
    m_tmr[1]->stop();
    m_tmr[1]->start();
}

void MainWindow::LoadShot()
{
    if (!m_mnuViewShots->isChecked())
        return;
    m_pictures->setKind(m_state.prefs.picture);
    m_pictures->setFolders(artworkFolders(m_state.prefs));
    const GameListView* view = visibleList();
    if (view->count() == 0) {
        m_pictures->picture({}, nullptr);
        m_fraList->clearShot();
        return;
    }
    QString problem;
    const QPixmap picture = m_pictures->picture(selectedPictureOwner(), &problem);
    // What could not be shown is said once, beside the game's description, until the next
    // selection.
    if (!problem.isEmpty() || m_pictureProblemShown)
        m_statusBars[0]->setNote(2, problem);
    m_pictureProblemShown = !problem.isEmpty();
    m_fraList->setMissingCaption(
        QStringLiteral("THERE IS NO %1 FOR THIS GAME")
            .arg(
                m_state.prefs.picture == PictureKind::Snapshot
                    ? QStringLiteral("SCREEN SHOT")
                    : QString::fromLatin1(pictureKindNames(m_state.prefs.picture).noun).toUpper()));
    m_fraList->showShot(picture);
}

PictureOwner MainWindow::selectedPictureOwner() const
{
    const std::optional<ListedGame> game = selectedGame();
    if (!game)
        return {};
    const GameTable& table = *visibleList()->gameModel()->table();
    return pictureOwner(table.text(game->record[GameRecord::Rom]),
                        table.text(game->record[GameRecord::Origin]));
}

void MainWindow::onPictureKindChosen(PictureKind kind)
{
    m_state.prefs.picture = kind;
    LoadShot();
}

void MainWindow::onPictureClicked()
{
    if (m_pictures->chooseNextKind(selectedPictureOwner()))
        onPictureKindChosen(m_pictures->kind());
}

void MainWindow::onIconTimer()
{
    const QString rom = statusPanel(3);
    const QString icon = iconFile(m_state.prefs.folder(DataFolder::MAME), rom);
    const QPixmap picture = iconPicture(icon);
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

} // namespace velmora
