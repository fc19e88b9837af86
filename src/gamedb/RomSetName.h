#pragma once
// Whether a machine's short name is safe where Velmora uses it: as the name of its files in MAME's
// data folders and in the settings folder ("<rom>.cfg", "<rom>.zip") and as a word on MAME's
// command line. MAME's own names are lower-case letters, digits and "_"; a machine list that names
// a set otherwise (by mistake or on purpose, "../../outside/victim") is not taken into the game
// database, so no command ever builds a path or an option from such a name.
#include <QByteArrayView>

namespace velmora {

// False for a name that is empty, is "." or "..", holds "/", "\", a control character or a
// blank, or starts with "-" (MAME would read it as an option).
bool isSafeRomSetName(QByteArrayView name);

} // namespace velmora
