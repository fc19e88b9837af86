#pragma once
// A data folder's entries that belong to games, in the forms MAME writes them: "<game><ext>" files
// (pacman.cfg, pacman.hi, pacman.png) and, in the NVRAM folder, one folder per game ("pacman/", or
// "neogeo_1/" for a machine run with another BIOS) holding a file per memory device, with one
// more level for software loaded into the machine. Nothing else in a data folder is touched by
// the delete commands: another program's files, the user's own folders, MAME's default.cfg.
#include "info/FolderEntries.h"
#include "info/MachineNames.h"

namespace velmora {

// The game's "<rom><ext>" file of the folder (any letter case), or an empty text when there is
// none or `rom` is not a machine of `machines`.
QString gameFile(const QString& folder, const QString& rom, const QString& extension,
                 const MachineNames& machines);

// Every file of the folder whose name is a machine's name followed by `extension` (letters of
// the extension compared without regard to case), sorted by name.
QStringList gameFiles(const QString& folder, const QString& extension,
                      const MachineNames& machines);

// The game's own folders: "<rom>" and "<rom>_<BIOS number>" (real folders, not links), or none
// when `rom` is not a machine.
QStringList gameFolders(const QString& folder, const QString& rom, const MachineNames& machines);

// Every folder of the folder named after a machine, in either form, sorted by name.
QStringList allGameFolders(const QString& folder, const MachineNames& machines);

// Removes from the game folder `name` of `folder` the files MAME writes there (the files in it
// and in its sub-folders named as MAME names devices and software, never links or anything
// deeper), then every folder of it left empty. Whatever else the folder holds stays, and so does
// the folder with it.
RemoveResult removeGameFolder(const QString& folder, const QString& name);

} // namespace velmora
