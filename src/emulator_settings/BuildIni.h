#pragma once
// BuildIni: the settings layer of mame.ini. Just before a game is launched, the values of one
// settings file are translated into MAME's option lines and appended, block by block, after the
// path layer that CreateMAMEIni wrote; the file's Other Commands come back as the command string
// that the launch puts on MAME's command line. Values are written as the file holds them (Rebuild
// Settings is what repairs them); only the documented translations and lower-casings apply.
#include "app/Preferences.h"

#include <QString>

namespace velmora {

struct BuildIniRequest
{
    QString settingsFile;  // the settings file chosen for the game
    QString rom;           // the selected game's ROM-set name
    bool playback = false; // the main window's Playback box is checked
    bool record = false;   // the main window's Record box is checked
};

struct BuildIniResult
{
    bool ok = false;
    QString commandString; // the file's "Other Commands" (empty when absent)
    QString error;         // why mame.ini could not be written, when not ok
};

// The settings layer for a settings file, lines joined by CR LF; the last block has no empty line
// after it.
QString settingsLayer(const BuildIniRequest& request);

// Creates mame.ini with CreateMAMEIni when it is missing, then appends the settings layer. It
// assumes mame.ini holds the path layer only: a second call without CreateMAMEIni in between
// appends a second settings layer. On failure the program-wide "Error In BuildIni: " message is
// shown and the program ends, as a launch cannot go on without mame.ini.
BuildIniResult BuildIni(const BuildIniRequest& request, const Preferences& prefs);

} // namespace velmora
