#pragma once
// The list frame fraList: its caption names the list on show ("All Games", "Installed Games",
// "Uninstalled Games"); it holds the three list views on top of each other, the screenshot
// (imgShots, or lblShots when the game has none) and the "Filters Applied" mark. The lists take
// the frame's width, less the screenshot's when screenshots are on.
#include "lists/ShotPlacement.h"

#include <QGroupBox>
#include <array>
#include <functional>

class QLabel;
class QStackedWidget;

namespace velmora {

class GameListView;

class ListFrame : public QGroupBox
{
    Q_OBJECT
public:
    explicit ListFrame(QWidget* parent = nullptr);

    void addList(GameListView* view);
    // The search box sits at the right end of the caption row, above the lists.
    void setSearchBox(QWidget* box);
    QStackedWidget* listStack() const { return m_listStack; }
    QLabel* imgShots() const { return m_imgShots; }
    QLabel* lblShots() const { return m_lblShots; }
    QLabel* lblFiltersApp() const { return m_lblFiltersApp; }

    // Decides where the screenshot goes, from the list height and frame width in twips.
    using Placement = std::function<ShotPlacement(int listHeight, int frameWidth)>;
    void setPlacement(Placement placement) { m_placement = std::move(placement); }

    void setShotsShown(bool shown);
    bool shotsShown() const { return m_shotsShown; }
    // The picture of the selected game, or the "no screen shot" caption when it is null.
    void showShot(const QPixmap& picture);
    // The caption shown when the game has no picture of the kind on show.
    void setMissingCaption(const QString& caption);
    // Neither picture nor caption (an empty list).
    void clearShot();
    // The frame caption and the "Filters Applied" mark beside it.
    void setCaption(const QString& caption, int filtersLeftTwips);
    // Places the children again (the window calls it after a change of nostretch.ini).
    void relayout();

signals:
    // The picture, or the caption in its place, was clicked.
    void pictureClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect listRect() const;
    void placeShot(const QRect& listArea);
    void placeFiltersLabel();
    void placeSearchBox();

    QStackedWidget* m_listStack = nullptr;
    QLabel* m_imgShots = nullptr;
    QLabel* m_lblShots = nullptr;
    QLabel* m_lblFiltersApp = nullptr;
    QWidget* m_searchBox = nullptr;
    QPixmap m_picture;
    Placement m_placement;
    ShotPlacement m_shot;
    bool m_shotsShown = false;
    bool m_hasPicture = false;
    int m_filtersLeft = 0;
};

} // namespace velmora
