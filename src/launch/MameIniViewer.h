#pragma once
// The mame.ini viewer: shows the mame.ini the selected game would get, without starting it. The
// launch runs in prepare-only mode, so mame.ini holds the game's settings; the text is shown, the
// user is told when it holds no settings or when Other Commands will override it, and mame.ini
// goes back to its path layer.
#include "launch/GameLaunch.h"

#include <QString>
#include <functional>
#include <optional>

namespace velmora {

// Whether an installed game is selected: a game is shown and selected in the list on show (a
// search that finds nothing shows none, whatever panel 1's count says), and the main status
// bar's settings panel does not read "Not Installed".
struct MameIniStatus
{
    bool gameShown = false;
    QString settings; // panel 6: "Not Installed", "Custom Settings", ...
};

// A mame.ini with fewer lines holds its path layer only: no settings file applied.
inline constexpr int kCompleteMameIniLines = 50;

// Runs the viewer. `showText` brings the report panel up with the text of mame.ini (CR LF line
// ends); it is called before the two information messages, which the user reads over the panel.
// The prepare-only launch when mame.ini was shown; nothing when it was not (no installed game
// selected, no mame.ini, the game not installed).
std::optional<LaunchResult> viewMameIni(const SelectedGame& game, RecordPlayback boxes,
                                        const MameIniStatus& status, Preferences& prefs,
                                        const LaunchServices& services, const LaunchHooks& hooks,
                                        const std::function<void(const QString& text)>& showText);

} // namespace velmora
