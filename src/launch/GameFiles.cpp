#include "launch/GameFiles.h"

#include <QFileInfo>

namespace velmora {
namespace {

bool archiveIn(const QString& folder, const QString& rom)
{
    if (folder.isEmpty())
        return false;
    return QFileInfo(folder + u'/' + rom + QStringLiteral(".zip")).isFile();
}

} // namespace

bool romArchiveExists(const Preferences& prefs, const QString& rom)
{
    if (rom.isEmpty())
        return false;
    return archiveIn(prefs.folder(DataFolder::ROMs), rom) ||
           archiveIn(prefs.folder(DataFolder::AdditionalROMs), rom);
}

QString recordingPath(const Preferences& prefs, const QString& rom)
{
    return prefs.folder(DataFolder::Input) + u'/' + rom + QStringLiteral(".inp");
}

bool mameProgramPresent(const Preferences& prefs)
{
    const QString folder = prefs.folder(DataFolder::MAME);
    if (folder.isEmpty())
        return false;
    const QFileInfo mame(folder + QStringLiteral("/mame"));
    return mame.isFile() && mame.isExecutable();
}

} // namespace velmora
