#include "lists/RomStateFilter.h"

namespace velmora {

std::vector<int> withoutBadRoms(const GameTable& table, const std::vector<int>& rows,
                                const RomStatus& status)
{
    std::vector<int> kept;
    kept.reserve(rows.size());
    for (int game : rows)
        if (!isBadRomState(status.state(table.at(game).record[GameRecord::Rom])))
            kept.push_back(game);
    return kept;
}

QString romStateNote(const RomStatus::Entry& entry)
{
    if (entry.state == RomState::Unknown)
        return {};
    QString note = QStringLiteral("ROMs ") + QString::fromLatin1(romStateWord(entry.state)) +
                   QStringLiteral(", ") + entry.date.toString(Qt::ISODate);
    if (entry.olderMame)
        note += QStringLiteral(" (older MAME)");
    return note;
}

} // namespace velmora
