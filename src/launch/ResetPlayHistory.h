#pragma once
// Reset Play History on the lists' pop-up menu: after the user's yes, the game's plays are
// forgotten and playstats.ini is written without them.
#include "launch/PlayHistory.h"

#include <QString>

namespace velmora {

// Asks (No is the default) and forgets the plays of `rom` in `history` and in the file `path`.
// True when they were forgotten; a file that cannot be written is reported and keeps the history
// as it was, in the file and here.
bool resetPlayHistory(PlayHistory& history, const QString& path, const QString& rom,
                      const QString& description);

} // namespace velmora
