#pragma once
// MAME saves a game's configuration, NVRAM, high scores and autosave only on its own orderly
// exit, and today's MAME lets SIGTERM pass without ending. So a game runs with a small MAME
// plugin of Velmora's that ends the machine from inside when a request file appears (the program
// writes it when it is told to end, by a log-out or a signal, while the game runs) or when the
// Velmora that started the game is gone (killed outright), so MAME never outlives it.
#include "app/ProgramPaths.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace velmora {

inline const QString kGameEndPluginName = QStringLiteral("velmoraend");

struct GameEndPlugin
{
    QString pluginsPath; // the plugin search path MAME is given: ours first, then MAME's own
    QString request;     // the file whose appearance ends the game, named for this launch only
};

// The process the plugin watches: its /proc/<pid>/stat and the start time that file gives, so a
// later process under the same id does not count. Both empty where there is no /proc.
struct WatchedProcess
{
    QString statFile;
    QByteArray startTime;

    static WatchedProcess self();
};

// The plugin's Lua: a few times a second of emulated time it ends the machine when `requestFile`
// holds the word "end" or when `owner` has ended.
QByteArray gameEndPluginScript(const QString& requestFile, const WatchedProcess& owner);

// The value of the pluginspath line in the output of `mame -showconfig`; empty when absent.
QString pluginsPathFromConfig(const QByteArray& showConfig);

// MAME's own plugin search path, from its configuration as asked for with the lists
// (reports/showconfig.txt); empty when there is none. No game waits for MAME to tell.
QString mamePluginsPath(const ProgramPaths& paths);

// Writes the plugin under settings/mameplugins for one launch, watching this program. Whatever
// stands at the launch's request name is removed first; when it cannot be, *blocked says why and
// nothing is returned. Nothing either when the plugin's files cannot be written (the game then
// runs without it).
std::optional<GameEndPlugin> writeGameEndPlugin(const ProgramPaths& paths,
                                                const QString& mamesPluginsPath,
                                                QString* blocked = nullptr);

// The game's command line with the plugin switched on; the options follow the program word, so
// any named in the settings file's Other Commands still win.
QString withGameEndPlugin(const QString& command, const GameEndPlugin& plugin);

} // namespace velmora
