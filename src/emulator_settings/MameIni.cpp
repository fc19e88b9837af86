#include "emulator_settings/MameIni.h"

#include <QFile>
#include <QSaveFile>

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

// The ROM search path: MAME's own folder, the main ROM folder, and the additional ROM folder when
// there is one that is not the main folder again.
QString romPath(const Preferences& prefs)
{
    const QString& roms = prefs.folder(DataFolder::ROMs);
    const QString& extra = prefs.folder(DataFolder::AdditionalROMs);
    QString path = QStringLiteral(".;") + roms;
    if (!extra.isEmpty() && extra != roms)
        path += u';' + extra;
    return path;
}

} // namespace

QString mameIniPath(const Preferences& prefs)
{
    return prefs.folder(DataFolder::Ini) + QStringLiteral("/mame.ini");
}

QByteArray mameIniPathLayer(const Preferences& prefs)
{
    const auto dir = [&prefs](DataFolder f) { return prefs.folder(f); };
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

bool CreateMAMEIni(const Preferences& prefs, QString* error)
{
    QSaveFile file(mameIniPath(prefs));
    const QByteArray text = mameIniPathLayer(prefs);
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit())
        return true;
    if (error)
        *error = QStringLiteral("Cannot write %1: %2").arg(file.fileName(), file.errorString());
    return false;
}

} // namespace velmora
