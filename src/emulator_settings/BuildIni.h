#pragma once
// BuildIni: the settings layer of mame.ini. Just before a game is launched, the values of one
// settings file are translated into MAME's option lines and appended, block by block, after the
// path layer that CreateMAMEIni wrote; the file's Other Commands come back as the command string
// that the launch puts on MAME's command line. Values are written as the file holds them (Rebuild
// Settings is what repairs them); only the documented translations and lower-casings apply.
#include "app/Preferences.h"
#include "emulator_settings/MameUsage.h"

#include <QString>
#include <QStringList>

namespace velmora {

struct BuildIniRequest
{
    QString settingsFile;  // the settings file chosen for the game
    QString rom;           // the selected game's ROM-set name
    bool playback = false; // the main window's Playback box is checked
    bool record = false;   // the main window's Record box is checked
    // What the installed MAME reads. With it, options it does not know are left out, video and
    // sound are written in its terms and a Ctrlr-folder controller is named as its file; without
    // it the layer is the catalogue's own.
    std::optional<MameUsage> usage = std::nullopt;
};

struct BuildIniResult
{
    bool ok = false;
    QString commandString; // the file's "Other Commands" (empty when absent)
    QString error;         // why mame.ini could not be written, when not ok
    // Option lines left out because MAME cannot read their values ("bios ÿ"): MAME hangs on a
    // byte above 127 in mame.ini. The launch report names them.
    QStringList leftOut;
};

// The settings layer for a settings file, lines joined by CR LF; the last block has no empty line
// after it. A block none of whose options the installed MAME knows is left out whole, and so is a
// line whose value holds a character outside plain ASCII (named in *leftOut).
QString settingsLayer(const BuildIniRequest& request, QStringList* leftOut = nullptr);

// Writes mame.ini afresh as the path layer followed by the settings layer, whatever the file held
// before (a layer left behind by a crash never reaches the next game). On failure the
// program-wide "Error In BuildIni: " message is shown and the program ends, as a launch cannot go
// on without mame.ini.
BuildIniResult BuildIni(const BuildIniRequest& request, const Preferences& prefs);

} // namespace velmora
