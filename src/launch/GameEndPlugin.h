#pragma once
// MAME saves a game's configuration, NVRAM, high scores and autosave only on its own orderly
// exit, and today's MAME lets SIGTERM pass without ending. So a game runs with a small MAME
// plugin of Velmora's that ends the machine from inside when a request file appears; the program
// creates that file when it is told to end (log-out, shutdown) while the game runs.
#include "app/ProgramPaths.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace velmora {

inline const QString kGameEndPluginName = QStringLiteral("velmoraend");

struct GameEndPlugin
{
    QString pluginsPath; // the plugin search path MAME is given: ours first, then MAME's own
    QString request;     // the file whose appearance ends the game
};

// The plugin's Lua: it looks for `requestFile` a few times a second of emulated time.
QByteArray gameEndPluginScript(const QString& requestFile);

// The value of the pluginspath line in the output of `mame -showconfig`; empty when absent.
QString pluginsPathFromConfig(const QByteArray& showConfig);

// MAME's own plugin search path, from its configuration as asked for with the lists
// (reports/showconfig.txt); empty when there is none. No game waits for MAME to tell.
QString mamePluginsPath(const ProgramPaths& paths);

// Writes the plugin under settings/mameplugins and removes a request left from an earlier run;
// nothing when the files cannot be written.
std::optional<GameEndPlugin> writeGameEndPlugin(const ProgramPaths& paths,
                                                const QString& mamesPluginsPath);

// The game's command line with the plugin switched on; the options follow the program word, so
// any named in the settings file's Other Commands still win.
QString withGameEndPlugin(const QString& command, const GameEndPlugin& plugin);

} // namespace velmora
