#include "app/PictureKind.h"

#include <array>

namespace velmora {
namespace {

const std::array<PictureKindNames, kPictureKindCount> kNames{{
    {"Snapshot", "snap", "&Snapshot", "snapshot"},
    {"TitleScreen", "titles", "&Title Screen", "title screen"},
    {"Flyer", "flyers", "&Flyer", "flyer"},
    {"Cabinet", "cabinets", "&Cabinet", "cabinet"},
    {"Marquee", "marquees", "&Marquee", "marquee"},
    {"ControlPanel", "cpanel", "Control &Panel", "control panel"},
    {"PCB", "pcb", "PC&B", "PCB"},
}};

} // namespace

const PictureKindNames& pictureKindNames(PictureKind kind)
{
    return kNames[static_cast<size_t>(kind)];
}

std::optional<PictureKind> pictureKindFromKey(const QString& key)
{
    for (int i = 0; i < kPictureKindCount; ++i)
        if (key.compare(QLatin1String(kNames[size_t(i)].key), Qt::CaseInsensitive) == 0)
            return PictureKind(i);
    return std::nullopt;
}

} // namespace velmora
