#include "ui/RomStateDelegate.h"

#include "launch/RomStatus.h"
#include "lists/GameListModel.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace velmora {
namespace {

constexpr int kSide = 16;
// An older MAME's state shows at this opacity.
constexpr qreal kDimmed = 0.35;

QPixmap drawIcon(RomState state, qreal opacity)
{
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(opacity);
    const QRectF disc(1.5, 1.5, kSide - 3, kSide - 3);
    QPen mark(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (state) {
    case RomState::Good:
    case RomState::BestAvailable: {
        p.setPen(Qt::NoPen);
        p.setBrush(state == RomState::Good ? QColor(0x2e, 0x9e, 0x44) : QColor(0xe0, 0x9a, 0x10));
        p.drawEllipse(disc);
        QPainterPath tick;
        tick.moveTo(4.5, 8.5);
        tick.lineTo(7, 11);
        tick.lineTo(11.5, 5);
        p.setPen(mark);
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
        break;
    }
    case RomState::Bad:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xc8, 0x28, 0x28));
        p.drawEllipse(disc);
        p.setPen(mark);
        p.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
        p.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
        break;
    case RomState::NotFound:
        p.setPen(QPen(QColor(0x90, 0x90, 0x90), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(disc.adjusted(1, 1, -1, -1));
        p.drawLine(QPointF(5, 8), QPointF(11, 8));
        break;
    case RomState::Unknown:
        break;
    }
    return pixmap;
}

} // namespace

QIcon romStateIcon(RomState state, bool olderMame)
{
    if (state == RomState::Unknown)
        return {};
    // Drawn once per state and age, then shared by every row.
    static std::array<QIcon, 10> icons;
    QIcon& icon = icons[size_t(int(state) * 2 + (olderMame ? 1 : 0))];
    if (icon.isNull())
        icon = QIcon(drawIcon(state, olderMame ? kDimmed : 1.0));
    return icon;
}

void RomStateDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const auto state = RomState(index.data(GameListModel::RomStateRole).toInt());
    const QIcon icon = romStateIcon(state, index.data(GameListModel::RomStateOlderRole).toBool());
    if (icon.isNull())
        return;
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->icon = icon;
    option->decorationSize = QSize(kSide, kSide);
}

} // namespace velmora
