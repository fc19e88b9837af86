#pragma once
// The game launch (the Play command): runs the selected game in MAME with the settings that apply
// to it. The settings file is chosen, BuildIni puts its values into mame.ini for this one run, MAME
// runs with the window hidden, and afterwards the window comes back and mame.ini returns to its
// path layer. Record and Playback apply to one launch each. The same routine, in prepare-only
// mode, leaves mame.ini holding a game's settings for the mame.ini viewer.
//
// The routine takes everything as parameters; the window-side actions (hide and show the window,
// the banner timer, the screenshot, the selection) come in as hooks, so it runs the same under the
// main window and under a test.
#include "launch/LaunchServices.h"
#include "app/ListKind.h"

#include "app/SelectedGame.h"

#include <QString>
#include <functional>

namespace velmora {

// The selected row of the active list.
enum class LaunchMode
{
    Play,
    PrepareOnly // stop once mame.ini holds the game's settings (the mame.ini viewer)
};

// The main window's side of a launch. Every hook may be left empty.
struct LaunchHooks
{
    std::function<void()> restoreSelection; // GetSelectedIndex
    std::function<bool()> bannerRunning;    // Tmr[0] is running
    std::function<void(bool)> setBannerRunning;
    std::function<void()> hideWindow;
    std::function<void()> showWindow;
    // The system hot keys off (true) while a game runs and on again afterwards.
    std::function<void(bool)> blockHotKeys;
    // The Record and Playback boxes, as the launch clears them.
    std::function<void(RecordPlayback)> setBoxes;
    std::function<void()> loadShot; // LoadShot for the selected game
};

enum class LaunchOutcome
{
    NotInstalled,     // "This game is not installed."
    NoMame,           // "Cannot find mame!"
    SettingsFailed,   // BuildIni could not write mame.ini (the program is ending)
    Prepared,         // prepare-only mode: mame.ini holds the game's settings
    NoRecording,      // Playback without an .inp file
    InputUnusable,    // Record with an Input folder that cannot be made or written
    OverwriteRefused, // Record, the user kept the existing .inp file
    Played            // MAME ran (whatever it did) and everything was restored
};

struct LaunchResult
{
    LaunchOutcome outcome = LaunchOutcome::NotInstalled;
    // The Other Commands of the settings file used ("the command string").
    QString otherCommands;
    // The command line handed to the command interpreter, when MAME ran.
    QString command;
    // The settings file chosen, empty when none applies.
    QString settingsFile;
    // "Raster" or "Vector" when the game's type names one: the current settings type becomes it.
    QString settingsType;
    // The Record and Playback boxes as the launch left them.
    RecordPlayback boxes;
    // The ROM set launched, and whether its run counted as a play (see LaunchServices).
    QString game;
    bool playCounted = false;
};

struct LaunchRequest
{
    SelectedGame game;
    RecordPlayback boxes;
    LaunchMode mode = LaunchMode::Play;
};

// Runs the launch. `prefs` gives the folders and DisableHotKeys; its Scroll flag records whether
// the banner was running when MAME started (it is restarted afterwards only then).
LaunchResult launchGame(const LaunchRequest& request, Preferences& prefs,
                        const LaunchServices& services, const LaunchHooks& hooks);

} // namespace velmora
