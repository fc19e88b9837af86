#include "emulator_settings/MameIni.h"

#include "emulator_settings/MamePathLinks.h"
#include "gamedb/ReplacedFile.h"

#include <QFile>

namespace velmora {
namespace {

// One option line: the MAME option name, a tab, the value. Paths go out in the file-name encoding
// of the platform so MAME opens exactly the folders Velmora lists.
void addLine(QByteArray& out, const char* option, const QString& value)
{
    out += option;
    out += '\t';
    out += QFile::encodeName(value);
    out += "\r\n";
}

void addComment(QByteArray& out, const char* text)
{
    out += text;
    out += "\r\n";
}

// Every folder of the path layer: its mame.ini option and the name of its link, when MAME needs
// one to read the folder's path (the additional ROM folder shares rompath with the main one).
struct PathFolder
{
    DataFolder folder;
    const char* linkName;
};
constexpr PathFolder kPathFolders[] = {
    {DataFolder::ROMs, "rompath"},
    {DataFolder::AdditionalROMs, "rompath2"},
    {DataFolder::Samples, "samplepath"},
    {DataFolder::Ini, "inipath"},
    {DataFolder::Cfg, "cfg_directory"},
    {DataFolder::Nvram, "nvram_directory"},
    {DataFolder::Memcard, "memcard_directory"},
    {DataFolder::Input, "input_directory"},
    {DataFolder::Hiscore, "hiscore_directory"},
    {DataFolder::State, "state_directory"},
    {DataFolder::Artwork, "artpath"},
    {DataFolder::Snapshots, "snapshot_directory"},
    {DataFolder::Diff, "diff_directory"},
    {DataFolder::Ctrlr, "ctrlrpath"},
    {DataFolder::Comments, "comment_directory"},
};

const char* linkNameOf(DataFolder folder)
{
    for (const PathFolder& f : kPathFolders) {
        if (f.folder == folder)
            return f.linkName;
    }
    return "folder";
}

// A folder as MAME is to read it: the path itself, or the plain-named link to it.
QString forMame(const Preferences& prefs, DataFolder folder)
{
    return mameIniFolderPath(prefs.folder(folder), QLatin1String(linkNameOf(folder)));
}

// The ROM search path: MAME's own folder, the main ROM folder, and the additional ROM folder when
// there is one that is not the main folder again.
QString romPath(const Preferences& prefs)
{
    const QString& roms = prefs.folder(DataFolder::ROMs);
    const QString& extra = prefs.folder(DataFolder::AdditionalROMs);
    QString path = QStringLiteral(".;") + forMame(prefs, DataFolder::ROMs);
    if (!extra.isEmpty() && extra != roms)
        path += u';' + forMame(prefs, DataFolder::AdditionalROMs);
    return path;
}

bool makeLinks(const Preferences& prefs, QString* error)
{
    for (const PathFolder& f : kPathFolders) {
        if (!makeMamePathLink(prefs.folder(f.folder), QLatin1String(f.linkName), error))
            return false;
    }
    return true;
}

} // namespace

QString mameIniPath(const Preferences& prefs)
{
    return prefs.folder(DataFolder::Ini) + QStringLiteral("/mame.ini");
}

QByteArray mameIniPathLayer(const Preferences& prefs, const MameUsage* usage)
{
    const auto dir = [&prefs](DataFolder f) { return forMame(prefs, f); };
    QByteArray out;
    // mame.ini holds only options the installed MAME reads.
    const auto add = [&out, usage](const char* option, const QString& value) {
        if (!usage || usage->knows(QLatin1String(option)))
            addLine(out, option, value);
    };
    addComment(out, "#");
    addComment(out, "# PATH AND DIRECTORY OPTIONS #");
    addComment(out, "#");
    add("rompath", romPath(prefs));
    add("samplepath", QStringLiteral(".;") + dir(DataFolder::Samples));
    add("inipath", QStringLiteral(".;") + dir(DataFolder::Ini));
    add("cfg_directory", dir(DataFolder::Cfg));
    add("nvram_directory", dir(DataFolder::Nvram));
    add("memcard_directory", dir(DataFolder::Memcard));
    add("input_directory", dir(DataFolder::Input));
    add("hiscore_directory", dir(DataFolder::Hiscore));
    add("state_directory", dir(DataFolder::State));
    add("artpath", dir(DataFolder::Artwork));
    add("snapshot_directory", dir(DataFolder::Snapshots));
    // Snapshots are saved as <Snapshots>/<rom>.png, the layout the screenshot view reads.
    add("snapname", QStringLiteral("%g"));
    add("diff_directory", dir(DataFolder::Diff));
    add("ctrlrpath", dir(DataFolder::Ctrlr));
    if (!dir(DataFolder::Comments).isEmpty())
        add("comment_directory", dir(DataFolder::Comments));
    add("cheat_file", QStringLiteral("cheat.dat"));
    out += "\r\n";
    return out;
}

bool writeMameIni(const Preferences& prefs, const QByteArray& settingsLayer, QString* error,
                  const MameUsage* usage)
{
    if (!makeLinks(prefs, error))
        return false;
    const QString path = mameIniPath(prefs);
    QString reason;
    if (writeFileReplacing(path, mameIniPathLayer(prefs, usage) + settingsLayer, &reason))
        return true;
    if (error)
        *error = notSavedMessage(path, reason);
    return false;
}

bool CreateMAMEIni(const Preferences& prefs, QString* error, const MameUsage* usage)
{
    return writeMameIni(prefs, QByteArray(), error, usage);
}

bool resetMameIni(const Preferences& prefs, QString* error, const MameUsage* usage)
{
    QFile current(mameIniPath(prefs));
    if (current.open(QIODevice::ReadOnly) && current.size() < 1024 * 1024 &&
        current.readAll() == mameIniPathLayer(prefs, usage) && makeLinks(prefs, error))
        return true;
    current.close();
    return CreateMAMEIni(prefs, error, usage);
}

} // namespace velmora
