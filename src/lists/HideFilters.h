#pragma once
// The user's hide filters: which games of the database stay out of the three lists. The rules
// compare exactly (letter case included) and run in a fixed order; the first that applies hides
// the game.
#include "app/Preferences.h"
#include "gamedb/GameRecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <optional>

namespace velmora {

// The hide flags and the Year limit, taken once per load from the preferences.
struct HideRules
{
    std::array<bool, kHideFlagCount> hide{};
    QByteArray year; // the Year preference as bytes, compared by character code

    static HideRules from(const Preferences& prefs);
    bool on(HideFlag flag) const { return hide[static_cast<int>(flag)]; }
};

// The 18 driver files that have a hide flag of their own, in filter order.
struct DriverFileRule
{
    HideFlag flag;
    const char* file;
};
extern const std::array<DriverFileRule, 18> kDriverFileRules;

// Whether a game's Source names a driver file of the hide table. "neogeo.c" matches itself only;
// a Source of today's form ("sony/zn.cpp") matches when its base name without extension equals the
// table's name without extension. Letter case always counts.
bool sourceMatchesDriverFile(QByteArrayView source, QByteArrayView driverFile);
bool isListedDriverSource(QByteArrayView source);

// The first filter that hides the game, or nothing when the game is listed.
std::optional<HideFlag> hidingFilter(const GameRecord& game, const HideRules& rules);
inline bool isHidden(const GameRecord& game, const HideRules& rules)
{
    return hidingFilter(game, rules).has_value();
}

// True when at least one hide flag, or the hiding of games with bad ROMs, is on: the list frame
// then shows "Filters Applied".
bool anyFilterApplied(const Preferences& prefs);

} // namespace velmora
