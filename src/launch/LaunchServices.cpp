#include "launch/LaunchServices.h"

#include "emulator_settings/BuildIni.h"
#include "emulator_settings/MameIni.h"
#include "emulator_settings/SettingsFiles.h"

namespace velmora {

LaunchServices launchServicesFor(const Preferences& prefs, const QString& settingsFolder)
{
    LaunchServices services;
    services.settingsFileFor = [settingsFolder](const QString& rom, const QString& displayType) {
        return SettingsFolder(settingsFolder).applicableFile(rom, displayType);
    };
    services.buildIni = [&prefs](const QString& settingsFile, const QString& rom,
                                 RecordPlayback boxes) -> std::optional<QString> {
        const BuildIniResult result =
            BuildIni(BuildIniRequest{settingsFile, rom, boxes.playback, boxes.record}, prefs);
        if (!result.ok)
            return std::nullopt;
        return result.commandString;
    };
    services.createMameIni = [&prefs](QString* error) { return CreateMAMEIni(prefs, error); };
    services.exec = [&prefs](const QString& command, WindowStyle style) {
        return ExecCmd(command, style, prefs.folder(DataFolder::MAME));
    };
    return services;
}

} // namespace velmora
