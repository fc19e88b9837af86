#include "app/Leftovers.h"

#include "gamedb/ReplacedFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace velmora {
namespace {

// Removes the folder's regular files (not links) whose whole name matches `pattern`.
void removeMatching(const QString& folder, const QRegularExpression& pattern)
{
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        const QFileInfo info(dir.filePath(name));
        if (pattern.match(name).hasMatch() && !info.isSymLink())
            QFile::remove(info.filePath());
    }
}

} // namespace

void removeLeftovers(const ProgramPaths& paths, const Preferences& prefs)
{
    removeUnfinishedFiles(paths.settingsFolder(),
                          {QStringLiteral("*.ini"), QStringLiteral("*.cfg")});
    removeUnfinishedFiles(paths.reportsFolder(),
                          {QStringLiteral("*.txt"), QStringLiteral("*.request")});
    removeUnfinishedFiles(paths.setting(QStringLiteral("mameplugins/velmoraend")),
                          {QStringLiteral("init.lua"), QStringLiteral("plugin.json")});
    if (!prefs.folder(DataFolder::Ini).isEmpty())
        removeUnfinishedFiles(prefs.folder(DataFolder::Ini), {QStringLiteral("mame.ini")});
    if (!prefs.folder(DataFolder::MAME).isEmpty())
        removeUnfinishedFiles(prefs.folder(DataFolder::MAME),
                              {QStringLiteral("mamediff.log"), QStringLiteral("mamediff.tmp")});
    static const QRegularExpression reports(
        QStringLiteral("^(newfav\\.txt|endgame-[0-9]+-[0-9]+\\.request)$"));
    removeMatching(paths.reportsFolder(), reports);
}

} // namespace velmora
