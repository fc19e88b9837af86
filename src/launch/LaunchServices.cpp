#include "launch/LaunchServices.h"

#include "emulator_settings/BuildIni.h"
#include "emulator_settings/MameIni.h"
#include "emulator_settings/SettingsFiles.h"

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
    services.play = [&prefs, output = services.playOutputFile](const QString& command,
                                                               WindowStyle style) {
        // A reports folder that cannot take the file costs the report, never the game.
        QDir().mkpath(QFileInfo(output).path());
        QFile probe(output);
        const bool keep = probe.open(QIODevice::WriteOnly | QIODevice::Append);
        probe.close();
        return ExecCmdKeepingOutput(command, style, prefs.folder(DataFolder::MAME),
                                    keep ? output : QString());
    };
    return services;
}

} // namespace velmora
