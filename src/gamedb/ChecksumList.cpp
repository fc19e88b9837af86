#include "gamedb/ChecksumList.h"

#include "gamedb/ExecCmd.h"
#include "gamedb/ListProgress.h"
#include "gamedb/MameCommands.h"

#include <QFile>
#include <QFileInfo>

namespace velmora {
namespace {

QString checksumFile(const ProgramPaths& paths)
{
    return paths.report(QStringLiteral("crcinfo.txt"));
}

// The previous checksum list tells how big the new one will be: crcinfo.txt itself, or its copy
// kept for What's Changed.
qint64 previousSize(const ProgramPaths& paths)
{
    const QFileInfo current(checksumFile(paths));
    if (current.isFile())
        return current.size();
    const QFileInfo old(paths.report(QStringLiteral("oldcrcinfo.txt")));
    return old.isFile() ? old.size() : 0;
}

} // namespace

ChecksumList::ChecksumList(QObject* parent) : QObject(parent)
{
}

ChecksumList::~ChecksumList()
{
    stop();
}

void ChecksumList::start(const ProgramPaths& paths, const QString& mameFolder)
{
    stop();
    m_paths = paths;
    m_outcome = ListOutcome::NotRun;
    m_diskProblem.clear();
    m_expected = previousSize(paths);
    const QString partial = partialListFile(checksumFile(paths));
    QFile::remove(partial);
    m_command = std::make_unique<BackgroundCommand>(MameCommands::listCrc(partial), mameFolder);
    connect(m_command.get(), &BackgroundCommand::ended, this, &ChecksumList::onEnded);
}

void ChecksumList::stop()
{
    m_endedBehind = nullptr;
    const bool running = isRunning();
    m_command.reset();
    if (running)
        QFile::remove(partialListFile(checksumFile(m_paths)));
}

bool ChecksumList::isRunning() const
{
    return m_command && m_command->isRunning();
}

qint64 ChecksumList::bytesWritten() const
{
    return isRunning() ? QFileInfo(partialListFile(checksumFile(m_paths))).size() : 0;
}

void ChecksumList::continueBehind(std::function<void(const ChecksumList&)> ended)
{
    if (isRunning())
        m_endedBehind = std::move(ended);
    else if (ended)
        ended(*this);
}

ListOutcome ChecksumList::waitForEnd(ProgressSink& progress)
{
    if (isRunning()) {
        progress.setMessage(QStringLiteral("Creating crcinfo.txt..."));
        progress.repaint();
        const ListProgress shown(partialListFile(checksumFile(m_paths)), m_expected,
                                 ListProgress::Count::Megabytes, progress);
        m_command->waitForEnd(); // stops the command when the program is ending
    }
    return m_outcome;
}

void ChecksumList::onEnded()
{
    // Only a command that ended of its own accord leaves an output worth looking at.
    if (!m_command->ranToEnd()) {
        QFile::remove(partialListFile(checksumFile(m_paths)));
        return;
    }
    m_outcome = takeListOutput(checksumFile(m_paths), isCompleteChecksumList);
    if (m_outcome != ListOutcome::Taken)
        m_diskProblem = fullDiskProblem(m_paths);
    emit finished();
    if (auto ended = std::exchange(m_endedBehind, nullptr))
        ended(*this);
}

} // namespace velmora
