#include "gamedb/ListFiles.h"

#include "gamedb/ExecCmd.h"
#include "gamedb/MameCommands.h"
#include "gamedb/ReplacedFile.h"

#include <QFile>
#include <QFileInfo>

namespace velmora {
namespace {

const char* const kDerivedFiles[] = {"listxml.txt", "gameinfo.txt", "crcinfo.txt", "resource.txt"};

QString partialFile(const QString& list)
{
    return list + QStringLiteral(".part");
}

// Runs the command that writes `partial`, then puts a complete output in place of `list`.
ListOutcome takeCompleteOutput(const QString& command, const QString& partial, const QString& list,
                               const QString& mameFolder, bool (*isComplete)(const QString&))
{
    QFile::remove(partial);
    if (ExecCmd(command, WindowStyle::Minimised, mameFolder) != ExecOutcome::Ran) {
        QFile::remove(partial);
        return ListOutcome::NotRun;
    }
    if (isComplete(partial) && renameOver(partial, list))
        return ListOutcome::Taken;
    QFile::remove(partial);
    QFile::remove(list);
    return ListOutcome::Incomplete;
}

bool keepOld(const ProgramPaths& paths, const char* list, const char* old)
{
    const QString source = paths.report(QLatin1String(list));
    return !QFile::exists(source) || copyFileOver(source, paths.report(QLatin1String(old)));
}

} // namespace

ListOutcome CreateListXml(const ProgramPaths& paths, const QString& mameFolder,
                          ProgressSink& progress)
{
    progress.setMessage(QStringLiteral("Creating listxml.txt..."));
    progress.repaint();
    const QString list = paths.report(QStringLiteral("listxml.txt"));
    return takeCompleteOutput(MameCommands::listXml(partialFile(list)), partialFile(list), list,
                              mameFolder, isCompleteMachineList);
}

ListOutcome CreateCrcInfo(const ProgramPaths& paths, const QString& mameFolder,
                          ProgressSink& progress)
{
    progress.setMessage(QStringLiteral("Creating crcinfo.txt..."));
    progress.repaint();
    const QString list = paths.report(QStringLiteral("crcinfo.txt"));
    return takeCompleteOutput(MameCommands::listCrc(partialFile(list)), partialFile(list), list,
                              mameFolder, isCompleteChecksumList);
}

bool KeepOldListXml(const ProgramPaths& paths)
{
    return keepOld(paths, "listxml.txt", "oldlistxml.txt");
}

bool KeepOldCrcInfo(const ProgramPaths& paths)
{
    return keepOld(paths, "crcinfo.txt", "oldcrcinfo.txt");
}

void deleteStaleChangeReports(const ProgramPaths& paths)
{
    QFile::remove(paths.report(QStringLiteral("newroms.txt")));
    QFile::remove(paths.report(QStringLiteral("whatsnew.txt")));
}

bool isCompleteMachineList(const QString& file)
{
    constexpr qint64 kTailSize = 256; // the closing element and any line ends after it
    QFile list(file);
    if (!list.open(QIODevice::ReadOnly))
        return false;
    list.seek(qMax<qint64>(0, list.size() - kTailSize));
    return list.read(kTailSize).trimmed().endsWith("</mame>");
}

bool isCompleteChecksumList(const QString& file)
{
    return QFileInfo(file).size() > 0;
}

qint32 currentMameSize(const QString& mameFolder)
{
    const QFileInfo mame(mameFolder + QStringLiteral("/mame"));
    // exists() and size() follow a link to the file it names.
    return mame.exists() ? qint32(mame.size()) : 0;
}

bool isMameChanged(qint32 storedSize, qint32 currentSize)
{
    return storedSize != 0 && currentSize != storedSize;
}

bool derivedFilesMissing(const ProgramPaths& paths)
{
    for (const char* name : kDerivedFiles)
        if (!QFile::exists(paths.report(QLatin1String(name))))
            return true;
    return false;
}

} // namespace velmora
