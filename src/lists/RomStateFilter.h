#pragma once
// "Hide Games With Bad ROMs": the games of a loaded list whose last audit found their set bad or
// not found leave the list. It works on the loaded lists, so switching it needs no new read of
// the game database.
#include "launch/RomStatus.h"
#include "lists/GameTable.h"

#include <QString>
#include <vector>

namespace velmora {

// `rows` (positions into `table`) without the games whose set `status` records as bad or not
// found, in the same order.
std::vector<int> withoutBadRoms(const GameTable& table, const std::vector<int>& rows,
                                const RomStatus& status);

// What the status bar tells of a game's audit beside its settings: "ROMs good, 2026-12-06",
// with "(older MAME)" when recorded before the last upgrade; empty when never audited.
QString romStateNote(const RomStatus::Entry& entry);

} // namespace velmora
