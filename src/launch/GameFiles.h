#pragma once
// The files on disk that the launch and the audits look at before they run MAME: the game's ROM
// archive, its input recording and the mame program itself. They are asked each time, because
// files may have come or gone since the lists were loaded.
#include "app/Preferences.h"

#include <QString>

namespace velmora {

// True when <ROMs>/<rom>.zip or <AdditionalROMs>/<rom>.zip is a file (the lists' installed test).
bool romArchiveExists(const Preferences& prefs, const QString& rom);

// <Input>/<rom>.inp: today's MAME records and plays back the name mame.ini gives it, unchanged.
QString recordingPath(const Preferences& prefs, const QString& rom);

// True when the MAME folder holds an executable file (or a link to one) named mame.
bool mameProgramPresent(const Preferences& prefs);

} // namespace velmora
