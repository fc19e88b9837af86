#pragma once
// The path layer of mame.ini: the comment block and the folder keys that tell MAME where Velmora's
// data folders are. It is the whole file between launches; BuildIni appends the settings layer to
// it just before a game runs.
#include "app/Preferences.h"
#include "emulator_settings/MameUsage.h"

#include <QByteArray>
#include <QString>

namespace velmora {

// <Ini folder>/mame.ini, the Ini folder as entered.
QString mameIniPath(const Preferences& prefs);

// The lines of the path layer, CR LF ended. A folder path goes in as entered when MAME reads it as
// written, else as the plain-named link to it (MamePathLinks.h). With `usage`, the installed
// MAME's own account of its options, an option it does not know is left out (today's MAME knows
// neither memcard_directory nor hiscore_directory nor cheat_file); without it every option goes
// in, as an older MAME reads them all.
QByteArray mameIniPathLayer(const Preferences& prefs, const MameUsage* usage = nullptr);

// Creates or replaces mame.ini with the path layer. The file is replaced through a finished
// temporary file, so a failed write leaves the previous mame.ini in place. False with the reason in
// *error when the file cannot be written (for example an Ini folder that does not exist).
// The links MAME needs are made first.
bool CreateMAMEIni(const Preferences& prefs, QString* error = nullptr,
                   const MameUsage* usage = nullptr);

// Writes mame.ini as the path layer followed by `settingsLayer`, in one piece (BuildIni).
bool writeMameIni(const Preferences& prefs, const QByteArray& settingsLayer,
                  QString* error = nullptr, const MameUsage* usage = nullptr);

// Start-up: mame.ini must hold exactly the path layer while no game runs. A file that holds more
// (a settings layer left by a crash during a game, with perhaps a stale `record` line), other
// folders or nothing at all is written afresh; one that is already right is left untouched.
bool resetMameIni(const Preferences& prefs, QString* error = nullptr,
                  const MameUsage* usage = nullptr);

} // namespace velmora
