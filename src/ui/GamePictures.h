#pragma once
// The pictures of the selected game beside the list: View > Picture chooses the kind (snapshot,
// title screen, flyer, cabinet, marquee, control panel, PCB), greys the kinds the selected game
// has no picture of, and a click on the picture moves to the next kind it has. The pictures are
// found by the artwork locator and decoded here; a picture that cannot be shown is told once.
#include "info/ArtworkLocator.h"

#include <QObject>
#include <QPixmap>
#include <QSet>
#include <array>

class QAction;
class QMenu;
class QWidget;

namespace velmora {

class GamePictures : public QObject
{
    Q_OBJECT
public:
    explicit GamePictures(QWidget* window);

    // The View > "&Picture" submenu.
    QMenu* menu() const { return m_menu; }
    PictureKind kind() const { return m_kind; }
    void setKind(PictureKind kind);
    void setFolders(const ArtworkFolders& folders) { m_locator.setFolders(folders); }

    // The game's picture of the chosen kind, null when it has none or it cannot be shown, and
    // greys the kinds it has no picture of (every kind without a game). `problem` receives what
    // could not be read or shown, each thing once.
    QPixmap picture(const PictureOwner& game, QString* problem);
    // Chooses the next kind after the chosen one that the game has a picture of; false when it
    // has no picture of another kind.
    bool chooseNextKind(const PictureOwner& game);

signals:
    // The user chose a kind in the submenu.
    void kindChosen(PictureKind kind);

private:
    void tellOnce(const QString& text, QStringList* told);

    ArtworkLocator m_locator;
    QMenu* m_menu = nullptr;
    std::array<QAction*, kPictureKindCount> m_actions{};
    PictureKind m_kind = PictureKind::Snapshot;
    QSet<QString> m_told;
};

} // namespace velmora
