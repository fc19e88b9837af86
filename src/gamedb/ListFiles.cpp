#include "gamedb/ListFiles.h"

#include "gamedb/ChecksumList.h"
#include "gamedb/ExecCmd.h"
#include "gamedb/ListProgress.h"
#include "gamedb/MameCommands.h"
#include "gamedb/ReplacedFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <optional>
#include <vector>

namespace velmora {
namespace {

const char* const kDerivedFiles[] = {"listxml.txt", "gameinfo.txt", "crcinfo.txt", "resource.txt"};
const char* const kMameLists[] = {"listxml.txt", "crcinfo.txt", "showusage.txt", "showconfig.txt"};

// Below this much free room on the reports folder's disk, an incomplete list is put down to a
// full disk: MAME's own writes fail without a word.
constexpr qint64 kFullDiskBytes = 64 * 1024;

bool isNonEmpty(const QString& file)
{
    return QFileInfo(file).size() > 0;
}

// One MAME output: where it goes and how to tell that it is complete.
struct ListTarget
{
    QString list;
    bool (*isComplete)(const QString&);
    QString partial() const { return partialListFile(list); }
};

ListOutcome takeOutput(const ListTarget& target)
{
    return takeListOutput(target.list, target.isComplete);
}

// Runs the commands side by side, each writing its target's temporary file, and takes the
// complete outputs. A command that could not run, or was ended with the program, leaves every
// list as it was.
std::vector<ListOutcome> runLists(const QStringList& commands,
                                  const std::vector<ListTarget>& targets, const QString& mameFolder,
                                  ExecOutcome* exec)
{
    for (const ListTarget& target : targets)
        QFile::remove(target.partial());
    *exec = ExecCmds(commands, WindowStyle::Minimised, mameFolder);
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

ListTarget configReport(const ProgramPaths& paths)
{
    return {paths.report(kShowConfigFile), isNonEmpty};
}

// `mame -showconfig` into showconfig.txt, behind the commands the program waits for: MAME shows
// its configuration in a moment, and one that has not within the time limit is stopped rather
// than waited for (its output is then incomplete, so the next start asks again).
class ConfigReport
{
public:
    ConfigReport(const ProgramPaths& paths, const QString& mameFolder)
        : m_target(configReport(paths)),
          m_command(commandFor(m_target), mameFolder, kShowConfigTimeLimitMs)
    {
    }

    // Waits for MAME's answer and takes it.
    ListOutcome finish()
    {
        m_command.waitForEnd();
        if (m_command.ranToEnd())
            return takeOutput(m_target);
        QFile::remove(m_target.partial());
        if (!m_command.timedOut())
            return ListOutcome::NotRun;
        QFile::remove(m_target.list);
        return ListOutcome::Incomplete;
    }
    // The other commands could not run, or the program is ending: the report stays as it was.
    void abandon()
    {
        m_command.stop();
        QFile::remove(m_target.partial());
    }

private:
    static QString commandFor(const ListTarget& target)
    {
        QFile::remove(target.partial());
        return MameCommands::showConfig(target.partial());
    }

    ListTarget m_target;
    BackgroundCommand m_command;
};

// The size the new machine list will probably reach: that of the one it replaces, or of the
// copy kept after the last new MAME. 0 when there is neither.
qint64 previousMachineListSize(const ProgramPaths& paths)
{
    for (const char* name : {"listxml.txt", "oldlistxml.txt"}) {
        const QFileInfo list(paths.report(QLatin1String(name)));
        if (list.isFile())
            return list.size();
    }
    return 0;
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
                                ProgressSink& progress, ChecksumList& checksums)
{
    announce(progress, "Creating listxml.txt...");
    const std::vector<ListTarget> targets = {machineList(paths), usageReport(paths)};
    const QStringList commands = {MameCommands::listXml(targets[0].partial()),
                                  MameCommands::showUsage(targets[1].partial())};
    const qint64 expected = previousMachineListSize(paths);
    checksums.start(paths, mameFolder);
    ConfigReport config(paths, mameFolder);
    MameListsResult result;
    std::vector<ListOutcome> outcomes;
    {
        const ListProgress shown(targets[0].partial(), expected, ListProgress::Count::Machines,
                                 progress);
        outcomes = runLists(commands, targets, mameFolder, &result.exec);
    }
    result.listXml = outcomes[0];
    result.usage = outcomes[1];
    if (result.exec != ExecOutcome::Ran) {
        checksums.stop();
        config.abandon();
        return result;
    }
    result.config = config.finish();
    if (result.listXml == ListOutcome::Taken && checksums.isRunning())
        QFile::remove(paths.report(QStringLiteral("crcinfo.txt")));
    result.crcInfo = checksums.outcome();
    if (result.listXml != ListOutcome::Taken || result.crcInfo == ListOutcome::Incomplete)
        result.diskProblem = fullDiskProblem(paths);
    return result;
}

MameListsResult CreateMameLists(const ProgramPaths& paths, const QString& mameFolder,
                                ProgressSink& progress)
{
    ChecksumList checksums;
    MameListsResult result = CreateMameLists(paths, mameFolder, progress, checksums);
    if (result.exec != ExecOutcome::Ran)
        return result;
    result.crcInfo = checksums.waitForEnd(progress);
    if (result.crcInfo == ListOutcome::NotRun)
        result.exec = ExecOutcome::Interrupted; // the program began to end
    else if (!result.listsTaken())
        result.diskProblem = fullDiskProblem(paths);
    return result;
}

void CreateMissingReports(const ProgramPaths& paths, const QString& mameFolder)
{
    std::optional<ConfigReport> config;
    if (!QFile::exists(configReport(paths).list))
        config.emplace(paths, mameFolder);
    const ListTarget usage = usageReport(paths);
    if (!QFile::exists(usage.list))
        runOne(MameCommands::showUsage(usage.partial()), usage, mameFolder);
    if (config)
        config->finish();
}

void removeUnfinishedLists(const ProgramPaths& paths)
{
    for (const char* name : kMameLists)
        QFile::remove(partialListFile(paths.report(QLatin1String(name))));
}

QString partialListFile(const QString& list)
{
    return list + QStringLiteral(".part");
}

ListOutcome takeListOutput(const QString& list, bool (*isComplete)(const QString&))
{
    const QString partial = partialListFile(list);
    if (isComplete(partial) && renameOver(partial, list))
        return ListOutcome::Taken;
    QFile::remove(partial);
    QFile::remove(list);
    return ListOutcome::Incomplete;
}

QString fullDiskProblem(const ProgramPaths& paths)
{
    const QStorageInfo disk(paths.reportsFolder());
    if (disk.isValid() && disk.bytesAvailable() < kFullDiskBytes)
        return QString::fromLocal8Bit(std::strerror(ENOSPC));
    return QString();
}

bool KeepOldListXml(const ProgramPaths& paths)
{
    return keepOld(paths, "listxml.txt", "oldlistxml.txt");
}

bool KeepOldCrcInfo(const ProgramPaths& paths)
{
    return keepOld(paths, "crcinfo.txt", "oldcrcinfo.txt");
}

bool KeepOldLists(const ProgramPaths& paths)
{
    for (const char* name : {"listxml.txt", "crcinfo.txt"})
        if (!QFile::exists(paths.report(QLatin1String(name))))
            return true;
    return KeepOldListXml(paths) && KeepOldCrcInfo(paths);
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

bool onlyChecksumListMissing(const ProgramPaths& paths)
{
    for (const char* name : kDerivedFiles)
        if (QFile::exists(paths.report(QLatin1String(name))) == (qstrcmp(name, "crcinfo.txt") == 0))
            return false;
    return true;
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
