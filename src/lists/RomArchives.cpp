#include "lists/RomArchives.h"

#include <QDirIterator>
#include <QFileInfo>

namespace velmora {
namespace {

QString archiveName(const QString& rom)
{
    return rom + QStringLiteral(".zip");
}

// An unset folder holds nothing (it must not fall back to the current folder).
bool fileIn(const QString& folder, const QString& name)
{
    return !folder.isEmpty() && QFileInfo(folder + u'/' + name).isFile();
}

} // namespace

bool romArchiveExists(const QString& romsFolder, const QString& additionalRomsFolder,
                      const QString& rom)
{
    const QString name = archiveName(rom);
    return fileIn(romsFolder, name) || fileIn(additionalRomsFolder, name);
}

RomArchiveIndex::RomArchiveIndex(const QString& romsFolder, const QString& additionalRomsFolder)
{
    addArchivesOf(romsFolder);
    addArchivesOf(additionalRomsFolder);
}

void RomArchiveIndex::addArchivesOf(const QString& folder)
{
    if (folder.isEmpty())
        return;
    // Files and links to files, hidden ones included; sub-folders and broken links are not files.
    QDirIterator it(folder, {QStringLiteral("*.zip")},
                    QDir::Files | QDir::Hidden | QDir::CaseSensitive);
    while (it.hasNext()) {
        it.next();
        m_archives.insert(it.fileName());
    }
}

bool RomArchiveIndex::isInstalled(const QString& rom) const
{
    return m_archives.contains(archiveName(rom));
}

QSet<QByteArray> RomArchiveIndex::setNames() const
{
    QSet<QByteArray> names;
    names.reserve(m_archives.size());
    for (const QString& archive : m_archives)
        names.insert(archive.chopped(4).toUtf8()); // without ".zip"
    return names;
}

} // namespace velmora
