#pragma once
// Where the selected game's picture of each kind is kept, and its bytes. A kind is kept in a
// folder of pictures (<Extra Art>/flyers/pong.png), in an archive of that name beside it
// (flyers.zip, flyers.7z) or both; the snapshot in the Snapshots folder and in snap.zip or
// snap.7z beside that folder. Names are found in any letter case, as PNG or JPEG. Folders and
// archives are indexed once and again only when they change on disk, so moving through the list
// reads one picture and no folder or archive. A clone's picture is looked up under its parent's
// name as the clone-shot choice says. An archive that cannot be read is reported once.
#include "app/PictureKind.h"
#include "app/Preferences.h"
#include "info/ArtworkArchive.h"
#include "info/FolderIndex.h"

#include <QStringList>
#include <array>
#include <memory>

namespace velmora {

struct ArtworkFolders
{
    QString snapshots; // the Snapshots folder
    QString extraArt;  // the Extra Art folder (the MAME folder when none is set)
    bool cloneShots = false;
};

// The names a game's pictures may be kept under: its own ROM name and, for a clone, its parent's.
struct PictureOwner
{
    QString rom;
    QString parent; // empty for an original
};

// The folders and choice of the preferences: an Extra Art folder not set (options.ini files from
// before it existed) is the MAME folder.
ArtworkFolders artworkFolders(const Preferences& prefs);
// A listed game's names; `origin` is its Origin column ("Clone of pacman").
PictureOwner pictureOwner(const QString& rom, const QString& origin);

struct PictureFile
{
    QByteArray bytes;
    QString place; // the file, or "archive: entry", for messages
    QString error; // why a picture that exists could not be read
    bool found() const { return !place.isEmpty(); }
};

class ArtworkLocator
{
public:
    ArtworkLocator();
    ~ArtworkLocator();

    void setFolders(const ArtworkFolders& folders);
    bool exists(PictureKind kind, const PictureOwner& game);
    // The game's picture of that kind; not found() when it has none.
    PictureFile read(PictureKind kind, const PictureOwner& game);
    // What went wrong with a folder or archive since the last call, each said once.
    QStringList takeProblems();

private:
    struct Place;
    struct KindSources;
    std::optional<Place> locate(PictureKind kind, const PictureOwner& game);
    KindSources& refreshed(PictureKind kind);

    ArtworkFolders m_folders;
    FolderIndex m_extraArt;
    FolderIndex m_snapshotsParent;
    std::array<std::unique_ptr<KindSources>, kPictureKindCount> m_kinds;
    QStringList m_problems;
};

} // namespace velmora
