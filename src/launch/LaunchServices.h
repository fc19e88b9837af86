#pragma once
// What the launch and the audits use from the rest of the program, as plain functions: the
// settings-file choice and BuildIni of the emulator settings, CreateMAMEIni, and ExecCmd bound to
// the MAME folder. The program binds the real routines (launchServicesFor); a test binds fakes.
#include "app/Preferences.h"
#include "app/ProgramPaths.h"
#include "gamedb/ExecCmd.h"
#include "launch/PlayHistory.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>
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
    // Runs the game's command line like exec, keeping MAME's output (both streams) in the file
    // named by playOutputFile, and says how MAME ended. When unset the launch uses exec and
    // looks no further.
    std::function<ExecStatus(const QString& command, WindowStyle style)> play;
    QString playOutputFile;
    // A game ended that counts as a play: `seconds` long, begun at `started` (local time).
    std::function<void(const QString& rom, qint64 seconds, const QDateTime& started)> gamePlayed;
};

// The report file that keeps MAME's output of the last game launched.
inline const QString kPlayOutputFile = QStringLiteral("lastgame.txt");

// The program's own binding: the settings folder's files, BuildIni and CreateMAMEIni with the
// current preferences, ExecCmd in the MAME folder. The preferences are read when each service
// runs, so later changes of folders are seen.
// The settings layer is written for the MAME described by reports/showusage.txt when it is there.
// Each play goes into `history` and settings/playstats.ini at once; without a history the file's
// own is read now and kept up to date.
LaunchServices launchServicesFor(const Preferences& prefs, const ProgramPaths& paths,
                                 std::shared_ptr<PlayHistory> history = {});
LaunchServices launchServicesFor(const Preferences& prefs, const QString& settingsFolder);

} // namespace velmora
