#pragma once
// Delete ROM and Delete Samples from the lists' pop-up menu: a game's ROM set goes from both ROM
// folders together with the files MAME keeps for it (cfg, high scores, nvram, recordings,
// artwork), then its sample set and snapshot when the user says so; Delete Samples removes only
// the sample set. Each step is confirmed first. Only a machine of `machines` is deleted, and of
// it only the files and folders MAME writes under its name (GameEntries.h).
#include "app/Preferences.h"
#include "info/MachineNames.h"

#include <QString>

namespace velmora {

enum class DeleteRomResult
{
    Declined, // the user answered No: nothing was deleted
    Deleted,  // the set and its files are gone; the lists should be refreshed
    Failed    // an error was shown and the command ended
};

DeleteRomResult deleteRom(const Preferences& prefs, const QString& rom,
                          const MachineNames& machines);

// True when the sample set was deleted.
bool deleteSamples(const Preferences& prefs, const QString& rom, const MachineNames& machines);

} // namespace velmora
