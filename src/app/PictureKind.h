#pragma once
// The kinds of picture the window can show beside the list for the selected game: the snapshot
// of the Snapshots folder and the artwork collections kept under the Extra Art folder, each with
// its name in options.ini, the folder or archive name it is kept under, its View > Picture
// caption and the words messages use for it.
#include <QString>
#include <optional>

namespace velmora {

enum class PictureKind
{
    Snapshot,
    TitleScreen,
    Flyer,
    Cabinet,
    Marquee,
    ControlPanel,
    Pcb,
    Count
};
inline constexpr int kPictureKindCount = static_cast<int>(PictureKind::Count);

struct PictureKindNames
{
    const char* key;     // the value of [View] Picture, "Flyer"
    const char* folder;  // the folder or archive base name, "flyers"
    const char* caption; // the menu caption, "&Flyer"
    const char* noun;    // in messages, "flyer"
};

const PictureKindNames& pictureKindNames(PictureKind kind);
// The kind a [View] Picture value names, in any letter case; none for an unknown value.
std::optional<PictureKind> pictureKindFromKey(const QString& key);

} // namespace velmora
