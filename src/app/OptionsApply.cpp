#include "app/OptionsApply.h"

namespace velmora {

OptionsApplyDecision decideOptionsApply(const Preferences& before, const Preferences& after)
{
    const auto folderChanged = [&](DataFolder f) { return before.folder(f) != after.folder(f); };
    OptionsApplyDecision decision;
    decision.refreshLists = before.hide != after.hide || before.year != after.year ||
                            before.fontSize != after.fontSize || folderChanged(DataFolder::MAME) ||
                            folderChanged(DataFolder::ROMs) ||
                            folderChanged(DataFolder::AdditionalROMs);
    decision.reloadScreenshot = before.cloneShots != after.cloneShots ||
                                folderChanged(DataFolder::Snapshots) ||
                                folderChanged(DataFolder::ExtraArt);
    return decision;
}

} // namespace velmora
