#pragma once
// What the user leaves of the main window's shape: the widths they gave the list columns and the
// window's place and size. Both live in section View of options.ini (ColumnWidths,
// WindowGeometry); a file without them, or with values that do not read, simply starts from the
// first-start layout, so older files stay valid.
#include <QMap>
#include <QRect>
#include <QString>

namespace velmora {

// Widths in pixels by column caption ("Game", "Year", ...): a caption stays right when columns
// are added or moved.
using ColumnWidths = QMap<QString, int>;

// "Game:412,Year:40"; reading skips any entry that is not a caption and a positive width.
QString columnWidthsText(const ColumnWidths& widths);
ColumnWidths columnWidthsFromText(const QString& text);

// "left,top,width,height"; a text that is not four numbers with a positive size reads as a null
// rectangle.
QString windowGeometryText(const QRect& geometry);
QRect windowGeometryFromText(const QString& text);

// Where the main window opens on a screen whose free area is `available`: the stored place and
// size, made at least `minimum` and moved inside the area where it would stick out (a screen
// that became smaller); without one (a first start), two thirds of the area's width and height,
// centred.
QRect windowPlacement(const QRect& stored, const QRect& available, const QSize& minimum);

} // namespace velmora
