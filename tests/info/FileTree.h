#pragma once
// Small file trees for the maintenance and delete tests, and Delete ROM's question for pacman: the
// game data folders under the program's root, files made by relative path under a folder, and what
// is left afterwards.
#include "info/MachineNames.h"
#include "lists/ListFixtures.h"
#include "support/TempProgram.h"

#include <QDirIterator>

namespace velmora::testing {

inline const QString kDeleteRomQuestion =
    "Are you sure you want to permanently delete the ROM pacman.zip from your hard drive?\r"
    "Associated artwork, .cfg, .hi, .nv, and .inp files will also be deleted.";

// Preferences whose game data folders are roms, extra (the additional ROMs), cfg, hi, nvram, inp,
// artwork, samples and snap under the program's root.
inline Preferences gamePreferences(const TempProgram& tp)
{
    Preferences prefs = tp.standardPreferences();
    using F = DataFolder;
    const F folders[] = {F::AdditionalROMs, F::Cfg,     F::Hiscore, F::Nvram,
                         F::Input,          F::Artwork, F::Samples, F::Snapshots};
    const QStringList names = QString("extra cfg hi nvram inp artwork samples snap").split(' ');
    for (qsizetype i = 0; i < names.size(); ++i)
        prefs.setFolder(folders[i], tp.makeFolder(names[i]));
    return prefs;
}

// The machines of a database of pacman and galaga with the BIOS set neogeo, read back from its
// files.
inline MachineNames gameMachines(const TempProgram& tp)
{
    writeFile(tp.paths().report("gameinfo.txt"),
              database({game("pacman", "Pac-Man"), game("galaga", "Galaga")}));
    writeFile(tp.paths().report("resource.txt"),
              "\t<machine name=\"neogeo\" sourcefile=\"neogeo.cpp\" isbios=\"yes\">\r\n"
              "\t\t<rom name=\"sp-s2.sp1\" size=\"131072\"/>\r\n");
    return MachineNames::fromDatabase(tp.paths());
}

inline void makeFiles(const QString& root, const QStringList& files)
{
    for (const QString& file : files)
        TempProgram::writeFile(root + u'/' + file, QByteArray("x"));
}

// Every file under `root`, relative and sorted.
inline QStringList filesUnder(const QString& root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

inline QStringList without(QStringList files, const QStringList& gone)
{
    files.removeIf([&gone](const QString& file) { return gone.contains(file); });
    return files;
}

} // namespace velmora::testing
