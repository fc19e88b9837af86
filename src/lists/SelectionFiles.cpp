#include "lists/SelectionFiles.h"

#include "emulator_settings/SettingsFiles.h"

#include <QDir>
#include <QFileInfo>

namespace velmora {
namespace {

bool isFileIn(const QString& folder, const QString& name)
{
    return !folder.isEmpty() && QFileInfo(folder + u'/' + name).isFile();
}

} // namespace

QString findFolderEntry(const QString& folder, const QString& name)
{
    if (folder.isEmpty() || name.isEmpty())
        return {};
    const QString exact = folder + u'/' + name;
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList matches =
        QDir(folder).entryList({name}, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    return matches.isEmpty() ? QString() : folder + u'/' + matches.first();
}

QString iconFile(const QString& mameFolder, const QString& rom)
{
    const QString icons = findFolderEntry(mameFolder, QStringLiteral("icons"));
    if (icons.isEmpty())
        return {};
    const QString icon = findFolderEntry(icons, rom + QStringLiteral(".ico"));
    return QFileInfo(icon).isFile() ? icon : QString();
}

bool artworkExists(const QString& artworkFolder, const QString& rom)
{
    return isFileIn(artworkFolder, rom + QStringLiteral(".zip"));
}

// The same lookup the launch and the settings editor use, so the panel never says "Default
// Settings" for a game that is started with its own file (Pacman.CFG made by hand).
bool customSettingsExist(const QString& settingsFolder, const QString& rom)
{
    return SettingsFolder(settingsFolder).hasCustomFile(rom);
}

} // namespace velmora
