#pragma once
// The option catalogue meets the installed MAME. The catalogue was drawn up for an older MAME;
// what the installed one reads (MameUsage) decides which controls still mean something, which
// video methods the panel offers, how the Sound box is written and which controllers can be
// chosen. Without usable knowledge of the installed MAME every answer here is the catalogue's own.
#include "emulator_settings/MameUsage.h"
#include "emulator_settings/OptionLists.h"

#include <array>

namespace velmora {

// Per control: true when the installed MAME reads its mame.ini option (Other Commands always).
using KnownOptions = std::array<bool, kOptionCount>;
KnownOptions knownOptions(const MameUsage* usage);

// The tooltip of a control whose option the installed MAME does not read.
QString unknownOptionTip(Option option);

// The video methods stored by the older catalogue and the method of today's MAME each one meant:
// GDI draws in software, DirectDraw used the graphics card's blitter, Direct3D its 3D pipeline.
QString todaysVideoMethod(const QString& storedMethod);

// True when MAME lists video methods of its own rather than the catalogue's GDI, DDraw and D3D.
bool hasOwnVideoMethods(const MameUsage* usage);

// True when `sound` names an output method (sdl, pulse, none ...) instead of being an on/off
// switch: the Sound box is then written as "auto" or "none".
bool soundTakesMethod(const MameUsage* usage);

// "None" and the base name of every controller file (*.cfg) of the Ctrlr folder, in name order,
// spelled as the file is (MAME looks the file up by that name).
QStringList controllerEntriesFromFolder(const QString& ctrlrFolder);

// Leaves out of a list of file names (controllers, effects) those MAME cannot read from mame.ini,
// and names them in the list's note.
void offerOnlyReadableNames(OptionLists* lists, Option option);
QString unreadableNamesTip(const QStringList& names);

// Adapts the lists DefineCombos filled to the installed MAME: its own video methods, the Ctrlr
// folder's controllers, only names MAME can read and no frame skip beyond MAME's limit. Without
// usable knowledge of MAME the lists stay as they are.
void adaptListsToMame(OptionLists* lists, const MameUsage* usage, const QString& ctrlrFolder);

} // namespace velmora
