#include "app/PreferenceChoices.h"

namespace velmora {

const std::array<HideSystemEntry, kHideSystemCount>& hideSystemEntries()
{
    static const std::array<HideSystemEntry, kHideSystemCount> entries{{
        {"Hide Arcadia System Games", HideFlag::Arcadia},
        {"Hide Baby Phoenix/GV System Games", HideFlag::BabyPhoenix},
        {"Hide Cassette System Games", HideFlag::Cassette},
        {"Hide Crystal System Games", HideFlag::Crystal},
        {"Hide CVS Games", HideFlag::CVS},
        {"Hide Hyper NeoGeo 64 Games", HideFlag::HyperNeo},
        {"Hide Max-A-Flex Games", HideFlag::MaxAFlex},
        {"Hide Mega-Tech & Mega Play Games", HideFlag::SegaC2},
        {"Hide MPU4 Video Firmware Games", HideFlag::MPU4},
        {"Hide Multi Amenity Cassette System Games", HideFlag::MultiCassette},
        {"Hide Neo-Geo Games", HideFlag::NeoGeo},
        {"Hide Nintendo Super System Games", HideFlag::Nintendo},
        {"Hide PGM (Polygame Master) System Games", HideFlag::PGM},
        {"Hide PlayChoice-10 Games", HideFlag::PlayChoice},
        {"Hide PS Arcade 95, PSX, Taito FX1, TPS, ZN1, & ZN2 Games", HideFlag::ZN},
        {"Hide Standard Games", HideFlag::Standard},
        {"Hide ST-V Games", HideFlag::STV},
        {"Hide Super Kaneko Nova System Games", HideFlag::Kaneko},
        {"Hide System GX Games", HideFlag::SystemGX},
    }};
    return entries;
}

const std::array<HideCheckBox, 7>& hideCheckBoxes()
{
    static const std::array<HideCheckBox, 7> boxes{{
        {"chkHideClones", "Hide Clone Games", HideFlag::Clones},
        {"chkHidePrelim", "Hide Preliminary Games", HideFlag::Preliminary},
        {"chkHideVS", "Hide Vs. Games", HideFlag::Vs},
        {"chkHideBoot", "Hide Bootleg Games", HideFlag::Bootleg},
        {"chkHideTest", "Hide Test Systems", HideFlag::Test},
        {"chkHideCHD", "Hide Games Requiring Hard Disk Images (.CHD Files)", HideFlag::CHD},
        {"chkHideImperfect", "Hide Imperfect Games", HideFlag::Imperfect},
    }};
    return boxes;
}

QStringList yearChoices(int currentYear)
{
    QStringList years;
    for (int year = 1975; year < currentYear; ++year)
        years << QString::number(year);
    return years;
}

QStringList fontSizeChoices()
{
    return {QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("14")};
}

bool hotKeyBlockingAvailable()
{
    return false;
}

} // namespace velmora
