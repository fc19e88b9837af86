#include "info/GameEntries.h"

#include <QDir>
#include <QFileInfo>

namespace velmora {
namespace {

constexpr QDir::Filters kEveryEntry =
    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

// The names MAME gives the files of a game folder (a memory device's tag: "eeprom", "mb_rtc")
// and its software folders: letters, digits, "_" and "-". A name with a dot or a blank ("cv.txt")
// is not MAME's.
bool isMameWrittenName(const QString& name)
{
    if (name.isEmpty())
        return false;
    for (const QChar c : name) {
        const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        if (!letter && !(c >= u'0' && c <= u'9') && c != u'_' && c != u'-')
            return false;
    }
    return true;
}

// The folder's own files (not links) of MAME's naming, then the folder itself when nothing else
// is left in it. False when a file could not be removed.
bool removeFilesAndEmptyFolder(const QString& path)
{
    QDir dir(path);
    bool removed = true;
    for (const QFileInfo& entry : dir.entryInfoList(kEveryEntry)) {
        if (entry.isFile() && !entry.isSymLink() && isMameWrittenName(entry.fileName()))
            removed = QFile::remove(entry.filePath()) && removed;
    }
    if (dir.isEmpty(kEveryEntry))
        dir.rmdir(path);
    return removed;
}

// A BIOS variant of the game's folder: the game's name, "_" and the BIOS number.
bool isBiosVariantOf(const QString& entry, const QString& rom)
{
    if (entry.size() <= rom.size() + 1 || !entry.startsWith(rom, Qt::CaseInsensitive) ||
        entry[rom.size()] != u'_')
        return false;
    for (qsizetype i = rom.size() + 1; i < entry.size(); ++i) {
        if (entry[i] < u'0' || entry[i] > u'9')
            return false;
    }
    return true;
}

} // namespace

QString gameFile(const QString& folder, const QString& rom, const QString& extension,
                 const MachineNames& machines)
{
    if (!machines.contains(rom))
        return {};
    return findFile(folder, rom + extension);
}

QStringList gameFiles(const QString& folder, const QString& extension, const MachineNames& machines)
{
    QStringList files;
    for (const QString& file : filesMatching(folder, extension)) {
        if (machines.contains(file.chopped(extension.size())))
            files << file;
    }
    return files;
}

QStringList gameFolders(const QString& folder, const QString& rom, const MachineNames& machines)
{
    if (!machines.contains(rom))
        return {};
    QStringList folders;
    for (const QString& entry : subFolders(folder)) {
        // Another machine whose name happens to read as a BIOS variant keeps its folder.
        if (entry.compare(rom, Qt::CaseInsensitive) == 0 ||
            (isBiosVariantOf(entry, rom) && !machines.contains(entry)))
            folders << entry;
    }
    return folders;
}

QStringList allGameFolders(const QString& folder, const MachineNames& machines)
{
    QStringList folders;
    for (const QString& entry : subFolders(folder)) {
        if (machines.containsBiosVariant(entry))
            folders << entry;
    }
    return folders;
}

RemoveResult removeGameFolder(const QString& folder, const QString& name)
{
    if (folder.isEmpty() || !isPlainEntryName(name))
        return RemoveResult::Refused;
    if (!isRealFolder(folder, name))
        return RemoveResult::Missing;
    const QString path = folder + u'/' + name;
    bool removed = true;
    // One level down: the software a machine ran keeps its memory in a folder of its own.
    for (const QFileInfo& software : QDir(path).entryInfoList(kEveryEntry)) {
        if (software.isDir() && !software.isSymLink() && isMameWrittenName(software.fileName()))
            removed = removeFilesAndEmptyFolder(software.filePath()) && removed;
    }
    removed = removeFilesAndEmptyFolder(path) && removed;
    return removed ? RemoveResult::Removed : RemoveResult::Failed;
}

} // namespace velmora
