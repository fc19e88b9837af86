#pragma once
// Draws the Roms column of a game list: an icon for the state the last audit found beside its
// word (a green tick for good, an amber tick for best available, a red cross for bad, a grey ring
// for not found), the icon dimmed when the state was recorded under an older MAME. The icons are
// drawn here, at the list's size, rather than loaded from files.
#include <QIcon>
#include <QStyledItemDelegate>

namespace velmora {

enum class RomState : quint8;

// The icon of a state (none for a set never audited); `olderMame` dims it.
QIcon romStateIcon(RomState state, bool olderMame);

class RomStateDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

} // namespace velmora
