#pragma once
// The files that belong to the selected game: its icon, its artwork archive and its per-game
// settings file (its pictures are found by the artwork locator).
#include "gamedb/GameRecord.h"

#include <QString>

namespace velmora {

// <MAME>/icons/<rom>.ico; the folder may also be spelled "Icons" and the file name in another
// letter case. Empty when there is no icon.
QString iconFile(const QString& mameFolder, const QString& rom);

// True when <Artwork>/<rom>.zip exists.
bool artworkExists(const QString& artworkFolder, const QString& rom);

// True when the game has its own settings file, <program>/settings/<rom>.cfg.
bool customSettingsExist(const QString& settingsFolder, const QString& rom);

// An entry of `folder` named `name`: the exact name first, then any entry whose name matches
// without regard to letter case. Empty when there is none.
QString findFolderEntry(const QString& folder, const QString& name);

} // namespace velmora
