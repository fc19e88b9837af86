#pragma once
// Where the game's picture goes in the list frame: the one place that sizes the picture area
// beside the list, whatever kind of picture it shows. Normally the area is a square beside the
// list, as tall as the list but never wider than 40% of the frame, and the picture is scaled into
// it with its aspect kept; settings/nostretch.ini can pin its position and size instead (ignored
// while the window is maximised). Values are in twips of the list frame (15 twips to a pixel).
#include <QRect>
#include <QString>

namespace velmora {

inline constexpr int kTwipsPerPixel = 15;

struct ShotPlacement
{
    QRect rect;            // the picture area, in twips, relative to the list frame
    bool stretched = true; // false: the picture at its own size at the pinned place
};

// `listHeight` and `frameWidth` are the current list height and list frame width in twips.
ShotPlacement placeShot(const QString& nostretchIni, bool maximised, int listHeight,
                        int frameWidth);

// Where a picture of `pictureSize` goes in a stretched `area`: as large as fits with its aspect
// kept, at the top, centred across (any one unit).
QRect fitPicture(const QSize& pictureSize, const QRect& area);

// The list width beside the screenshot, and without it.
int listWidthBesideShot(int frameWidth, int shotWidth);
int listWidthWithoutShot(int frameWidth);

} // namespace velmora
