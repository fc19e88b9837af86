#pragma once
// Where the screenshot goes in the list frame. Normally it is stretched into a square beside the
// list; settings/nostretch.ini can pin its position and size instead (ignored while the window is
// maximised). All values are in twips of the list frame (15 twips to a pixel).
#include <QRect>
#include <QString>

namespace velmora {

inline constexpr int kTwipsPerPixel = 15;

struct ShotPlacement
{
    QRect rect; // in twips, relative to the list frame
    bool stretched = true;
};

// `listHeight` and `frameWidth` are the current list height and list frame width in twips.
ShotPlacement placeShot(const QString& nostretchIni, bool maximised, int listHeight,
                        int frameWidth);

// The list width beside the screenshot, and without it.
int listWidthBesideShot(int frameWidth, int shotWidth);
int listWidthWithoutShot(int frameWidth);

} // namespace velmora
