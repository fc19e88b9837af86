#include "app/WindowLayout.h"

#include <QStringList>
#include <algorithm>

namespace velmora {
namespace {

// A first start takes this share of the free screen's width and of its height.
constexpr int kFirstStartShareNumerator = 2;
constexpr int kFirstStartShareDenominator = 3;

// Moves `start` (and the length after it) inside [low, low + room), the start winning when the
// length is larger than the room.
int inside(int start, int length, int low, int room)
{
    return std::max(low, std::min(start, low + room - length));
}

} // namespace

QString columnWidthsText(const ColumnWidths& widths)
{
    QStringList entries;
    for (auto it = widths.cbegin(); it != widths.cend(); ++it)
        entries.append(it.key() + u':' + QString::number(it.value()));
    return entries.join(u',');
}

ColumnWidths columnWidthsFromText(const QString& text)
{
    ColumnWidths widths;
    for (const QString& entry : text.split(u',', Qt::SkipEmptyParts)) {
        const qsizetype colon = entry.lastIndexOf(u':');
        bool ok = false;
        const int width = entry.mid(colon + 1).trimmed().toInt(&ok);
        const QString caption = entry.left(colon).trimmed();
        if (colon > 0 && ok && width > 0 && !caption.isEmpty())
            widths.insert(caption, width);
    }
    return widths;
}

QString windowGeometryText(const QRect& geometry)
{
    return QStringLiteral("%1,%2,%3,%4")
        .arg(geometry.x())
        .arg(geometry.y())
        .arg(geometry.width())
        .arg(geometry.height());
}

QRect windowGeometryFromText(const QString& text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != 4)
        return {};
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return {};
    }
    if (values[2] <= 0 || values[3] <= 0)
        return {};
    return QRect(values[0], values[1], values[2], values[3]);
}

QRect windowPlacement(const QRect& stored, const QRect& available, const QSize& minimum)
{
    QRect placed;
    if (stored.isValid()) {
        placed = QRect(stored.topLeft(), stored.size().expandedTo(minimum));
    } else {
        placed.setSize((available.size() * kFirstStartShareNumerator / kFirstStartShareDenominator)
                           .expandedTo(minimum));
        placed.moveCenter(available.center());
    }
    placed.moveTo(inside(placed.x(), placed.width(), available.x(), available.width()),
                  inside(placed.y(), placed.height(), available.y(), available.height()));
    return placed;
}

} // namespace velmora
