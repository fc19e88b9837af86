#include "info/ArtworkLocator.h"

#include "platform/OptionalFile.h"

#include <QFileInfo>

namespace velmora {
namespace {

const char* const kExtensions[] = {".png", ".jpg", ".jpeg"};

// What identifies an archive's content on disk: a copied or rewritten archive is indexed again.
struct FileStamp
{
    QDateTime modified;
    qint64 size = -1;
    bool operator==(const FileStamp&) const = default;
};

FileStamp stampOf(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() ? FileStamp{info.lastModified(), info.size()} : FileStamp{};
}

// The names a kind is looked up under. The snapshot keeps its rule: with clone shots on, a clone
// shows its parent's snapshot. The other kinds show a clone's own picture first and its parent's
// when it has none: clones often have flyers and cabinets of their own.
QStringList pictureNames(PictureKind kind, const PictureOwner& game, bool cloneShots)
{
    const bool parent = cloneShots && !game.parent.isEmpty();
    if (kind == PictureKind::Snapshot)
        return {parent ? game.parent : game.rom};
    return parent ? QStringList{game.rom, game.parent} : QStringList{game.rom};
}

} // namespace

ArtworkFolders artworkFolders(const Preferences& prefs)
{
    const QString& extraArt = prefs.folder(DataFolder::ExtraArt);
    return {prefs.folder(DataFolder::Snapshots),
            extraArt.isEmpty() ? prefs.folder(DataFolder::MAME) : extraArt, prefs.cloneShots};
}

PictureOwner pictureOwner(const QString& rom, const QString& origin)
{
    static const QString cloneOf = QStringLiteral("Clone of ");
    return {rom, origin.startsWith(cloneOf) ? origin.mid(cloneOf.size()) : QString()};
}

struct ArtworkLocator::KindSources
{
    FolderIndex folder;
    std::unique_ptr<ArtworkArchive> zip;
    std::unique_ptr<ArtworkArchive> sevenZip;
    FileStamp zipStamp;
    FileStamp sevenZipStamp;
};

struct ArtworkLocator::Place
{
    QString file;                            // a picture file
    const ArtworkArchive* archive = nullptr; // or an archive and its entry
    QString entry;
};

ArtworkLocator::ArtworkLocator() = default;
ArtworkLocator::~ArtworkLocator() = default;

void ArtworkLocator::setFolders(const ArtworkFolders& folders)
{
    if (folders.snapshots == m_folders.snapshots && folders.extraArt == m_folders.extraArt) {
        m_folders.cloneShots = folders.cloneShots;
        return;
    }
    m_folders = folders;
    const QFileInfo snapshots(folders.snapshots);
    m_snapshotsParent = FolderIndex(folders.snapshots.isEmpty() ? QString() : snapshots.path());
    m_extraArt = FolderIndex(folders.extraArt);
    for (auto& kind : m_kinds)
        kind.reset();
}

bool ArtworkLocator::exists(PictureKind kind, const PictureOwner& game)
{
    return locate(kind, game).has_value();
}

PictureFile ArtworkLocator::read(PictureKind kind, const PictureOwner& game)
{
    const std::optional<Place> place = locate(kind, game);
    if (!place)
        return {};
    if (!place->archive) {
        const std::optional<QByteArray> bytes = platform::readOptionalFile(place->file);
        return {bytes.value_or(QByteArray()), place->file,
                bytes ? QString() : QStringLiteral("the file cannot be read")};
    }
    ArchivedPicture picture = place->archive->read(place->entry);
    return {std::move(picture.bytes), place->archive->path() + QStringLiteral(": ") + place->entry,
            picture.error};
}

QStringList ArtworkLocator::takeProblems()
{
    return std::exchange(m_problems, {});
}

std::optional<ArtworkLocator::Place> ArtworkLocator::locate(PictureKind kind,
                                                            const PictureOwner& game)
{
    if (game.rom.isEmpty())
        return std::nullopt;
    KindSources& sources = refreshed(kind);
    for (const QString& name : pictureNames(kind, game, m_folders.cloneShots)) {
        for (const char* extension : kExtensions) {
            const QString fileName = name + QLatin1String(extension);
            const QString file = sources.folder.find(fileName);
            if (!file.isEmpty() && QFileInfo(file).isFile())
                return Place{file, nullptr, {}};
            for (const ArtworkArchive* archive : {sources.zip.get(), sources.sevenZip.get()}) {
                const QString entry = archive ? archive->find(fileName) : QString();
                if (!entry.isEmpty())
                    return Place{{}, archive, entry};
            }
        }
    }
    return std::nullopt;
}

// The kind's folder and archives as they are on disk now: looked at once per lookup, indexed
// again only when they changed.
ArtworkLocator::KindSources& ArtworkLocator::refreshed(PictureKind kind)
{
    std::unique_ptr<KindSources>& slot = m_kinds[size_t(kind)];
    if (!slot)
        slot = std::make_unique<KindSources>();
    KindSources& sources = *slot;
    const bool snapshot = kind == PictureKind::Snapshot;
    FolderIndex& parent = snapshot ? m_snapshotsParent : m_extraArt;
    parent.refresh();
    const QString base = snapshot ? QFileInfo(m_folders.snapshots).fileName()
                                  : QLatin1String(pictureKindNames(kind).folder);
    const QString folder = snapshot ? m_folders.snapshots : parent.find(base);
    if (folder != sources.folder.folder())
        sources.folder = FolderIndex(folder);
    sources.folder.refresh();

    const auto follow = [&](std::unique_ptr<ArtworkArchive>& archive, FileStamp& stamp,
                            const QString& path) {
        const FileStamp now = path.isEmpty() ? FileStamp{} : stampOf(path);
        if (archive && archive->path() == path && now == stamp)
            return;
        stamp = now;
        archive.reset();
        if (now.size < 0)
            return;
        archive = ArtworkArchive::open(path);
        if (!archive->usable())
            m_problems << QStringLiteral("The pictures in %1 cannot be shown: %2.")
                              .arg(path, archive->error());
    };
    follow(sources.zip, sources.zipStamp,
           base.isEmpty() ? QString() : parent.find(base + QStringLiteral(".zip")));
    follow(sources.sevenZip, sources.sevenZipStamp,
           base.isEmpty() ? QString() : parent.find(base + QStringLiteral(".7z")));
    return sources;
}

} // namespace velmora
