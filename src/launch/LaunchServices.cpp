#include "launch/LaunchServices.h"

#include "emulator_settings/MameIni.h"

namespace velmora {

LaunchServices launchServicesFor(const Preferences& prefs, const QString& settingsFolder)
{
    Q_UNUSED(settingsFolder);
    LaunchServices services;
    services.createMameIni = [&prefs](QString* error) { return CreateMAMEIni(prefs, error); };
    services.exec = [&prefs](const QString& command, WindowStyle style) {
        return ExecCmd(command, style, prefs.folder(DataFolder::MAME));
    };
    return services;
}

} // namespace velmora
