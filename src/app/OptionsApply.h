#pragma once
// What the main window does after the Options dialog closed with OK. The list appearance
// (background, text colour and size) and the "Filters Applied" label are always applied; the game
// lists are reloaded only when something they are built from changed, and the screenshot only when
// what it shows may have changed.
#include "app/Preferences.h"

namespace velmora {

struct OptionsApplyDecision
{
    // Reload the game lists (View > Refresh): a hide flag, the year, the font size, or the MAME,
    // ROMs or Additional ROMs folder changed.
    bool refreshLists = false;
    // Reload the selected game's screenshot: CloneShots, the Snapshots or the Extra Art folder
    // changed.
    bool reloadScreenshot = false;
};

// `before` is the copy taken just before the dialog opened, `after` the preferences it stored.
OptionsApplyDecision decideOptionsApply(const Preferences& before, const Preferences& after);

} // namespace velmora
