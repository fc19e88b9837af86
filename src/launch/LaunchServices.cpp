#include "launch/LaunchServices.h"

#include "emulator_settings/BuildIni.h"
#include "emulator_settings/MameIni.h"
#include "emulator_settings/SettingsFiles.h"
#include "launch/GameEndPlugin.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace velmora {

LaunchServices launchServicesFor(const Preferences& prefs, const QString& settingsFolder)
{
    return launchServicesFor(prefs, ProgramPaths{QFileInfo(settingsFolder).path()});
}

LaunchServices launchServicesFor(const Preferences& prefs, const ProgramPaths& paths)
{
    const QString settingsFolder = paths.settingsFolder();
    const QString usageFile = paths.report(kShowUsageFile);
    LaunchServices services;
    services.settingsFileFor = [settingsFolder](const QString& rom, const QString& displayType) {
        return SettingsFolder(settingsFolder).applicableFile(rom, displayType);
    };
    services.buildIni = [&prefs, usageFile](const QString& settingsFile, const QString& rom,
                                            RecordPlayback boxes) -> std::optional<QString> {
        // Read at every launch: the lists of a new MAME come with a new usage file.
        const BuildIniResult result =
            BuildIni(BuildIniRequest{settingsFile, rom, boxes.playback, boxes.record,
                                     MameUsage::fromFile(usageFile)},
                     prefs);
        if (!result.ok)
            return std::nullopt;
        return result.commandString;
    };
    services.createMameIni = [&prefs](QString* error) { return CreateMAMEIni(prefs, error); };
    services.exec = [&prefs](const QString& command, WindowStyle style) {
        return ExecCmd(command, style, prefs.folder(DataFolder::MAME));
    };
    services.playOutputFile = paths.report(kPlayOutputFile);
    services.play = [&prefs, paths, usageFile,
                     output = services.playOutputFile](const QString& command, WindowStyle style) {
        // A reports folder that cannot take the file costs the report, never the game.
        QDir().mkpath(QFileInfo(output).path());
        QFile probe(output);
        const bool keep = probe.open(QIODevice::WriteOnly | QIODevice::Append);
        probe.close();
        // A MAME with plugins gets Velmora's end plugin, so a log-out lets the game save what
        // it saves on a normal exit.
        const std::optional<MameUsage> usage = MameUsage::fromFile(usageFile);
        std::optional<GameEndPlugin> end;
        if (usage && usage->knows(QStringLiteral("pluginspath")) &&
            usage->knows(QStringLiteral("plugin"))) {
            end = writeGameEndPlugin(paths, mamePluginsPath(paths));
        }
        return ExecCmdKeepingOutput(end ? withGameEndPlugin(command, *end) : command, style,
                                    prefs.folder(DataFolder::MAME), keep ? output : QString(),
                                    end ? end->request : QString());
    };
    return services;
}

} // namespace velmora
