#include "lists/ShotPlacement.h"

#include "app/IniFile.h"
#include "platform/OptionalFile.h"

#include <QFileInfo>

namespace velmora {
namespace {

// The stretched square: its side is the list's height less 25, but at most 40% of the frame's
// width (the list keeps the rest); its top 270 below the frame's top, its right edge 180 inside
// the frame's right edge.
constexpr int kSquareShrink = 25;
constexpr int kMostSharePercent = 40;
constexpr int kSquareTop = 270;
constexpr int kSquareRightGap = 180;
constexpr int kGapBesideShot = 480;
constexpr int kGapWithoutShot = 330;

int twipsValue(const QString& ini, const char* section, const char* key)
{
    // A value that is missing or not a number places the picture at 0, as the value 0 would.
    return ReadIniValue(ini, QLatin1String(section), QLatin1String(key), QStringLiteral("0"))
        .toInt();
}

} // namespace

ShotPlacement placeShot(const QString& nostretchIni, bool maximised, int listHeight, int frameWidth)
{
    if (!maximised && platform::isRegularFile(nostretchIni)) {
        const QRect rect(twipsValue(nostretchIni, "Position", "Left"),
                         twipsValue(nostretchIni, "Position", "Top"),
                         twipsValue(nostretchIni, "Size", "Width"),
                         twipsValue(nostretchIni, "Size", "Height"));
        return {rect, false};
    }
    const int side =
        std::max(0, std::min(listHeight - kSquareShrink, frameWidth * kMostSharePercent / 100));
    return {QRect(frameWidth - kSquareRightGap - side, kSquareTop, side, side), true};
}

QRect fitPicture(const QSize& pictureSize, const QRect& area)
{
    if (pictureSize.isEmpty() || area.isEmpty())
        return QRect(area.topLeft(), QSize(0, 0));
    const QSize fitted = pictureSize.scaled(area.size(), Qt::KeepAspectRatio);
    return QRect(area.x() + (area.width() - fitted.width()) / 2, area.y(), fitted.width(),
                 fitted.height());
}

int listWidthBesideShot(int frameWidth, int shotWidth)
{
    return std::max(0, frameWidth - shotWidth - kGapBesideShot);
}

int listWidthWithoutShot(int frameWidth)
{
    return std::max(0, frameWidth - kGapWithoutShot);
}

} // namespace velmora
