#pragma once
// What the launch and the audits use from the rest of the program, as plain functions: the
// settings-file choice and BuildIni of the emulator settings, CreateMAMEIni, and ExecCmd bound to
// the MAME folder. The program binds the real routines (launchServicesFor); a test binds fakes.
#include "app/Preferences.h"
#include "gamedb/ExecCmd.h"

#include <QString>
#include <functional>
#include <optional>

namespace velmora {

// The Record and Playback boxes of the main window.
struct RecordPlayback
{
    bool record = false;
    bool playback = false;
};

struct LaunchServices
{
    // The settings file a game is launched with: <rom>.cfg, else raster.cfg or vector.cfg by the
    // display type, else an empty text (MAME's own defaults apply).
    std::function<QString(const QString& rom, const QString& displayType)> settingsFileFor;
    // Appends the settings layer of `settingsFile` to mame.ini and returns its Other Commands;
    // nothing when mame.ini could not be written (BuildIni has then reported it and the program
    // is ending).
    std::function<std::optional<QString>(const QString& settingsFile, const QString& rom,
                                         RecordPlayback boxes)>
        buildIni;
    // Rewrites mame.ini with its path layer only; false with the reason in *error.
    std::function<bool(QString* error)> createMameIni;
    // Runs a command line in the MAME folder and waits for it (ExecCmd).
    std::function<ExecOutcome(const QString& command, WindowStyle style)> exec;
};

// The program's own binding: the settings folder's files, BuildIni and CreateMAMEIni with the
// current preferences, ExecCmd in the MAME folder. The preferences are read when each service
// runs, so later changes of folders are seen.
LaunchServices launchServicesFor(const Preferences& prefs, const QString& settingsFolder);

} // namespace velmora
