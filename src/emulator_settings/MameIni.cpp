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

QByteArray mameIniPathLayer(const Preferences& prefs)
{
    const auto dir = [&prefs](DataFolder f) { return forMame(prefs, f); };
    QByteArray out;
    addComment(out, "#");
    addComment(out, "# PATH AND DIRECTORY OPTIONS #");
    addComment(out, "#");
    addLine(out, "rompath", romPath(prefs));
    addLine(out, "samplepath", QStringLiteral(".;") + dir(DataFolder::Samples));
    addLine(out, "inipath", QStringLiteral(".;") + dir(DataFolder::Ini));
    addLine(out, "cfg_directory", dir(DataFolder::Cfg));
    addLine(out, "nvram_directory", dir(DataFolder::Nvram));
    addLine(out, "memcard_directory", dir(DataFolder::Memcard));
    addLine(out, "input_directory", dir(DataFolder::Input));
    addLine(out, "hiscore_directory", dir(DataFolder::Hiscore));
    addLine(out, "state_directory", dir(DataFolder::State));
    addLine(out, "artpath", dir(DataFolder::Artwork));
    addLine(out, "snapshot_directory", dir(DataFolder::Snapshots));
    // Snapshots are saved as <Snapshots>/<rom>.png, the layout the screenshot view reads.
    addLine(out, "snapname", QStringLiteral("%g"));
    addLine(out, "diff_directory", dir(DataFolder::Diff));
    addLine(out, "ctrlrpath", dir(DataFolder::Ctrlr));
    if (!dir(DataFolder::Comments).isEmpty())
        addLine(out, "comment_directory", dir(DataFolder::Comments));
    addLine(out, "cheat_file", QStringLiteral("cheat.dat"));
    out += "\r\n";
    return out;
}

bool writeMameIni(const Preferences& prefs, const QByteArray& settingsLayer, QString* error)
{
    if (!makeLinks(prefs, error))
        return false;
    const QString path = mameIniPath(prefs);
    QString reason;
    if (writeFileReplacing(path, mameIniPathLayer(prefs) + settingsLayer, &reason))
        return true;
    if (error)
        *error = notSavedMessage(path, reason);
    return false;
}

bool CreateMAMEIni(const Preferences& prefs, QString* error)
{
    return writeMameIni(prefs, QByteArray(), error);
}

bool resetMameIni(const Preferences& prefs, QString* error)
{
    QFile current(mameIniPath(prefs));
    if (current.open(QIODevice::ReadOnly) && current.size() < 1024 * 1024 &&
        current.readAll() == mameIniPathLayer(prefs) && makeLinks(prefs, error))
        return true;
    current.close();
    return CreateMAMEIni(prefs, error);
}

} // namespace velmora
