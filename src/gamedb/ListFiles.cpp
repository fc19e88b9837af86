#include "gamedb/ListFiles.h"

#include "gamedb/ExecCmd.h"
#include "gamedb/MameCommands.h"
#include "gamedb/ReplacedFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <vector>

namespace velmora {
namespace {

const char* const kDerivedFiles[] = {"listxml.txt", "gameinfo.txt", "crcinfo.txt", "resource.txt"};
const char* const kMameLists[] = {"listxml.txt", "crcinfo.txt", "showusage.txt"};

// Below this much free room on the reports folder's disk, an incomplete list is put down to a
// full disk: MAME's own writes fail without a word.
constexpr qint64 kFullDiskBytes = 64 * 1024;

QString partialFile(const QString& list)
{
    return list + QStringLiteral(".part");
}

bool isNonEmpty(const QString& file)
{
    return QFileInfo(file).size() > 0;
}

// One MAME output: where it goes and how to tell that it is complete.
struct ListTarget
{
    QString list;
    bool (*isComplete)(const QString&);
    QString partial() const { return partialFile(list); }
};

// Puts a complete output in place of its list; an incomplete one leaves the list missing.
ListOutcome takeOutput(const ListTarget& target)
{
    if (target.isComplete(target.partial()) && renameOver(target.partial(), target.list))
        return ListOutcome::Taken;
    QFile::remove(target.partial());
    QFile::remove(target.list);
    return ListOutcome::Incomplete;
}

// Runs the commands side by side, each writing its target's temporary file, and takes the
// complete outputs. A command that could not run, or was ended with the program, leaves every
// list as it was.
std::vector<ListOutcome> runLists(const QStringList& commands,
                                  const std::vector<ListTarget>& targets, const QString& mameFolder,
                                  ExecOutcome* exec,
                                  const std::function<void(int)>& commandEnded = {})
{
    for (const ListTarget& target : targets)
        QFile::remove(target.partial());
    *exec = ExecCmds(commands, WindowStyle::Minimised, mameFolder, commandEnded);
    std::vector<ListOutcome> outcomes;
    for (const ListTarget& target : targets) {
        if (*exec == ExecOutcome::Ran) {
            outcomes.push_back(takeOutput(target));
        } else {
            QFile::remove(target.partial());
            outcomes.push_back(ListOutcome::NotRun);
        }
    }
    return outcomes;
}

ListOutcome runOne(const QString& command, const ListTarget& target, const QString& mameFolder)
{
    ExecOutcome exec;
    return runLists({command}, {target}, mameFolder, &exec).front();
}

ListTarget machineList(const ProgramPaths& paths)
{
    return {paths.report(QStringLiteral("listxml.txt")), isCompleteMachineList};
}

ListTarget checksumList(const ProgramPaths& paths)
{
    return {paths.report(QStringLiteral("crcinfo.txt")), isCompleteChecksumList};
}

ListTarget usageReport(const ProgramPaths& paths)
{
    return {paths.report(QStringLiteral("showusage.txt")), isNonEmpty};
}

QString diskProblemOf(const QString& folder)
{
    const QStorageInfo disk(folder);
    if (disk.isValid() && disk.bytesAvailable() < kFullDiskBytes)
        return QString::fromLocal8Bit(std::strerror(ENOSPC));
    return QString();
}

bool keepOld(const ProgramPaths& paths, const char* list, const char* old)
{
    const QString source = paths.report(QLatin1String(list));
    return !QFile::exists(source) || copyFileOver(source, paths.report(QLatin1String(old)));
}

// The wait window's line, shown at once (the command that follows blocks the event loop).
void announce(ProgressSink& progress, const char* message)
{
    progress.setMessage(QLatin1String(message));
    progress.repaint();
}

} // namespace

QString MameListsResult::incompleteLists() const
{
    QStringList names;
    if (listXml == ListOutcome::Incomplete)
        names << QStringLiteral("listxml.txt");
    if (crcInfo == ListOutcome::Incomplete)
        names << QStringLiteral("crcinfo.txt");
    return names.join(QStringLiteral(" and "));
}

ListOutcome CreateListXml(const ProgramPaths& paths, const QString& mameFolder,
                          ProgressSink& progress)
{
    announce(progress, "Creating listxml.txt...");
    const ListTarget target = machineList(paths);
    return runOne(MameCommands::listXml(target.partial()), target, mameFolder);
}

ListOutcome CreateCrcInfo(const ProgramPaths& paths, const QString& mameFolder,
                          ProgressSink& progress)
{
    announce(progress, "Creating crcinfo.txt...");
    const ListTarget target = checksumList(paths);
    return runOne(MameCommands::listCrc(target.partial()), target, mameFolder);
}

MameListsResult CreateMameLists(const ProgramPaths& paths, const QString& mameFolder,
                                ProgressSink& progress)
{
    announce(progress, "Creating listxml.txt...");
    const std::vector<ListTarget> targets = {machineList(paths), checksumList(paths),
                                             usageReport(paths)};
    const QStringList commands = {MameCommands::listXml(targets[0].partial()),
                                  MameCommands::listCrc(targets[1].partial()),
                                  MameCommands::showUsage(targets[2].partial())};
    bool checksumsDone = false;
    auto commandEnded = [&](int index) {
        checksumsDone = checksumsDone || index == 1;
        if (index == 0 && !checksumsDone) {
            announce(progress, "Creating crcinfo.txt...");
        }
    };
    MameListsResult result;
    const std::vector<ListOutcome> outcomes =
        runLists(commands, targets, mameFolder, &result.exec, commandEnded);
    result.listXml = outcomes[0];
    result.crcInfo = outcomes[1];
    result.usage = outcomes[2];
    if (result.exec == ExecOutcome::Ran && !result.listsTaken())
        result.diskProblem = diskProblemOf(paths.reportsFolder());
    return result;
}

ListOutcome CreateUsageReport(const ProgramPaths& paths, const QString& mameFolder)
{
    const ListTarget target = usageReport(paths);
    return runOne(MameCommands::showUsage(target.partial()), target, mameFolder);
}

void removeUnfinishedLists(const ProgramPaths& paths)
{
    for (const char* name : kMameLists)
        QFile::remove(partialFile(paths.report(QLatin1String(name))));
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
