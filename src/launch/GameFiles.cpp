#include "launch/GameFiles.h"

#include "lists/RomArchives.h"

#include <QFileInfo>

namespace velmora {

// The same installed test as the lists use, asked of the folders as they are now.
bool romArchiveExists(const Preferences& prefs, const QString& rom)
{
    return !rom.isEmpty() && romArchiveExists(prefs.folder(DataFolder::ROMs),
                                              prefs.folder(DataFolder::AdditionalROMs), rom);
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
