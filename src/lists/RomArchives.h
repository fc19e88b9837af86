#pragma once
// The installed test: a game is installed when a file named <ROM>.zip exists in the ROMs folder or
// in the additional ROMs folder. Nothing else counts: no folders of loose ROM files, no other
// archive types, no hard-disk images, no folder that happens to be named like the archive.
#include <QByteArray>
#include <QSet>
#include <QString>

namespace velmora {

// The test for one game, asked of the file system (a selected row, the launch).
bool romArchiveExists(const QString& romsFolder, const QString& additionalRomsFolder,
                      const QString& rom);

// The same test for a whole load: each folder is listed once, so 40,000 games cost two folder
// listings instead of 80,000 file look-ups.
class RomArchiveIndex
{
public:
    RomArchiveIndex(const QString& romsFolder, const QString& additionalRomsFolder);
    bool isInstalled(const QString& rom) const;
    // The set names of the archives found (file names without ".zip").
    QSet<QByteArray> setNames() const;

private:
    void addArchivesOf(const QString& folder);
    QSet<QString> m_archives; // file names, letter case as on disk
};

} // namespace velmora
