#include "info/FolderEntries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace velmora {
namespace {

constexpr QDir::Filters kEveryEntry =
    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

// An entry exists even when it is a link that points nowhere.
bool entryExists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString entryPath(const QString& folder, const QString& name)
{
    return folder + u'/' + name;
}

} // namespace

bool isPlainEntryName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QChar(0));
}

QString findEntry(const QString& folder, const QString& name)
{
    if (folder.isEmpty() || !isPlainEntryName(name))
        return {};
    if (entryExists(entryPath(folder, name)))
        return name;
    const QStringList entries = QDir(folder).entryList(kEveryEntry, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

QString findEntryPath(const QString& folder, const QString& name)
{
    const QString entry = findEntry(folder, name);
    return entry.isEmpty() ? QString() : entryPath(folder, entry);
}

bool isRealFolder(const QString& folder, const QString& name)
{
    const QFileInfo info(entryPath(folder, name));
    return info.isDir() && !info.isSymLink();
}

QString findFile(const QString& folder, const QString& name)
{
    if (folder.isEmpty() || !isPlainEntryName(name))
        return {};
    if (entryExists(entryPath(folder, name)) && !isRealFolder(folder, name))
        return name;
    const QStringList entries = QDir(folder).entryList(kEveryEntry, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0 && !isRealFolder(folder, entry))
            return entry;
    }
    return {};
}

RemoveResult removeEntry(const QString& folder, const QString& name)
{
    if (folder.isEmpty() || !isPlainEntryName(name))
        return RemoveResult::Refused;
    const QString path = entryPath(folder, name);
    // The entry's own folder must be the folder asked about, whatever links the folder path
    // itself goes through.
    if (QFileInfo(path).absoluteDir() != QDir(folder))
        return RemoveResult::Refused;
    if (!entryExists(path) || isRealFolder(folder, name))
        return RemoveResult::Missing;
    return QFile::remove(path) ? RemoveResult::Removed : RemoveResult::Failed;
}

QString removeErrorText(RemoveResult result)
{
    switch (result) {
    case RemoveResult::Missing:
        return QStringLiteral("File not found");
    case RemoveResult::Refused:
        return QStringLiteral("Bad file name or number");
    case RemoveResult::Failed:
        return QStringLiteral("Permission denied");
    case RemoveResult::Removed:
        break;
    }
    return {};
}

QStringList filesMatching(const QString& folder, const QString& extension)
{
    if (folder.isEmpty())
        return {};
    const QStringList files =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    if (extension.isEmpty())
        return files;
    QStringList matching;
    for (const QString& file : files) {
        if (file.endsWith(extension, Qt::CaseInsensitive))
            matching << file;
    }
    return matching;
}

QStringList subFolders(const QString& folder)
{
    if (folder.isEmpty())
        return {};
    return QDir(folder).entryList(
        QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name);
}

} // namespace velmora
