#pragma once
// A zip or 7z archive of pictures (flyers.zip holding pong.png, snap.7z...), read through
// libarchive. Its table of contents is read once, when the archive is opened, into a map from
// each picture's file name, without its folder and in lower case, to where the entry lies; a
// picture is then read on its own, without reading the archive again. A damaged archive opens as
// not usable, with libarchive's reason.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <memory>
#include <optional>

namespace velmora {

struct ArchivedPicture
{
    QByteArray bytes;
    QString error; // why the entry could not be read; empty when it was
};

class ArtworkArchive
{
public:
    // Reads the table of contents of the archive at `path` (its format found from its content).
    static std::unique_ptr<ArtworkArchive> open(const QString& path);

    const QString& path() const { return m_path; }
    bool usable() const { return m_error.isEmpty(); }
    // Why the archive cannot be used ("Truncated ZIP file data").
    const QString& error() const { return m_error; }
    int count() const { return int(m_entries.size()); }
    // The entry's name as stored, for a file name in any letter case ("Pong.PNG"); empty when
    // the archive holds no such picture.
    QString find(const QString& fileName) const;
    ArchivedPicture read(const QString& fileName) const;

private:
    struct Entry
    {
        QString name;        // as stored, with its folder
        int index = 0;       // its place among the archive's entries
        qint64 resumeAt = 0; // where a zip reader may start to reach it; -1 for other formats
    };

    explicit ArtworkArchive(const QString& path) : m_path(path) {}
    void readContents();
    std::optional<ArchivedPicture> readFromOffset(const Entry& entry) const;
    ArchivedPicture readByWalking(const Entry& entry) const;

    QString m_path;
    QString m_error;
    bool m_zip = false;
    QHash<QString, Entry> m_entries;
};

} // namespace velmora
