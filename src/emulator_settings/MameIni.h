#pragma once
// The path layer of mame.ini: the comment block and the folder keys that tell MAME where Velmora's
// data folders are. It is the whole file between launches; BuildIni appends the settings layer to
// it just before a game runs.
#include "app/Preferences.h"

#include <QByteArray>
#include <QString>

namespace velmora {

// <Ini folder>/mame.ini, the Ini folder as entered.
QString mameIniPath(const Preferences& prefs);

// The lines of the path layer, CR LF ended, folder paths exactly as entered.
QByteArray mameIniPathLayer(const Preferences& prefs);

// Creates or replaces mame.ini with the path layer. The file is replaced through a finished
// temporary file, so a failed write leaves the previous mame.ini in place. False with the reason in
// *error when the file cannot be written (for example an Ini folder that does not exist).
bool CreateMAMEIni(const Preferences& prefs, QString* error = nullptr);

} // namespace velmora
