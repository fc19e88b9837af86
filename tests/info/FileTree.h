#pragma once
// Small file trees for the maintenance and delete tests: make files by relative path under a
// folder, and list what is left afterwards.
#include "support/TempProgram.h"

#include <QDir>
#include <QDirIterator>
#include <QStringList>

namespace velmora::testing {

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
