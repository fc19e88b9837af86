#include "gamedb/ExecCmd.h"

#include "gamedb/ExecCmdFailures.h"
#include "gamedb/ReplacedFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <memory>
#include <sys/prctl.h>
#include <unistd.h>
#include <vector>

namespace velmora {
namespace {

// Set while a command runs: the wait lets timers and repaints through, and none of them may
// start a second command.
bool g_commandRunning = false;
// Whether the program asked the running command to end (it is ending itself).
bool g_endRequested = false;
// The file whose appearance asks the running command to end itself (empty: it has none).
QString g_endRequestFile;

// The process groups of the running commands (each group's id is its shell's pid).
std::vector<qint64> g_runningGroups;

// The shell that runs a command ($1) and stays as the head of its process group. When Velmora is
// killed the kernel sends it SIGTERM (see startInGroup); it then ends the whole group, so MAME
// never outlives Velmora. Its exit status is the command's.
const QString kGroupShell =
    QStringLiteral("trap 'trap \"\" TERM HUP; kill -TERM 0 2>/dev/null; exit 143' TERM HUP\n"
                   "/bin/sh -f -c \"$1\" &\n"
                   "wait $!\n");

bool isWordEnd(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'>' || c == u'<' || c == u'|' || c == u';' || c == u'&';
}

// Puts the process into `folder`; 0, or the errno of the failure.
int enterFolder(const QString& folder)
{
    if (folder.isEmpty())
        return ENOENT;
    return ::chdir(QFile::encodeName(folder).constData()) == 0 ? 0 : errno;
}

// Whether a process of the group is still alive (zombies waiting for their parent do not count).
bool groupIsAlive(qint64 group)
{
    if (::kill(pid_t(-group), 0) != 0)
        return false;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    if (entries.isEmpty())
        return true; // no /proc: the signal test is all there is
    for (const QString& entry : entries) {
        if (!entry.front().isDigit())
            continue;
        QFile stat(QStringLiteral("/proc/") + entry + QStringLiteral("/stat"));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (comm) state ppid pgrp ...": the name may hold blanks, so read after its ')'.
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 2 && fields[2].toLongLong() == group && fields[0] != "Z")
            return true;
    }
    return false;
}

void endGroups(const std::vector<qint64>& groups, int graceMs)
{
    for (qint64 group : groups)
        ::kill(pid_t(-group), SIGTERM);
    QElapsedTimer waited;
    waited.start();
    auto anyAlive = [&groups] { return std::any_of(groups.begin(), groups.end(), groupIsAlive); };
    while (anyAlive() && waited.elapsed() < graceMs)
        QThread::msleep(20);
    for (qint64 group : groups)
        if (groupIsAlive(group))
            ::kill(pid_t(-group), SIGKILL);
}

// Starts the command in a process group of its own whose head gets SIGTERM when Velmora dies.
void startInGroup(QProcess& process, const QString& command, const QString& mameFolder,
                  const QString& outputFile)
{
    process.setProgram(QStringLiteral("/bin/sh"));
    // -f: no file-name expansion, so "mame * -verifyroms" hands MAME the word "*".
    process.setArguments({QStringLiteral("-f"), QStringLiteral("-c"), kGroupShell,
                          QStringLiteral("velmora-command"), command});
    process.setWorkingDirectory(mameFolder);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PWD"), mameFolder);
    process.setProcessEnvironment(env);
    process.setStandardInputFile(QProcess::nullDevice());
    // Output that is not redirected (a game's console messages) goes where ours goes, or, when
    // the caller keeps it, both streams into its file.
    if (outputFile.isEmpty()) {
        process.setProcessChannelMode(QProcess::ForwardedChannels);
    } else {
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.setStandardOutputFile(outputFile, QIODevice::Truncate);
    }
    const pid_t velmora = ::getpid();
    process.setChildProcessModifier([velmora] {
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != velmora) // Velmora died before the request was made
            ::_exit(143);
    });
    process.start();
}

bool allEnded(const std::vector<std::unique_ptr<QProcess>>& processes)
{
    return std::all_of(processes.begin(), processes.end(),
                       [](const auto& p) { return p->state() == QProcess::NotRunning; });
}

// Waits for every process to end while the windows keep repainting; user input is held back. The
// loop also ends when the program begins to end (QCoreApplication::exit ends every loop).
void waitForEnd(const std::vector<std::unique_ptr<QProcess>>& processes,
                const std::function<void(int)>& commandEnded)
{
    if (!QCoreApplication::instance()) {
        for (const auto& process : processes)
            process->waitForFinished(-1);
        return;
    }
    QEventLoop loop;
    for (int i = 0; i < int(processes.size()); ++i) {
        const auto& process = processes[i];
        QObject::connect(process.get(), &QProcess::finished, &loop, [&, i] {
            if (commandEnded)
                commandEnded(i);
            if (allEnded(processes))
                loop.quit();
        });
        QObject::connect(process.get(), &QProcess::errorOccurred, &loop, [&] {
            if (allEnded(processes))
                loop.quit();
        });
    }
    if (!allEnded(processes))
        loop.exec(QEventLoop::ExcludeUserInputEvents);
}

ExecOutcome runInFolder(const QStringList& commands, const QString& mameFolder,
                        const std::function<void(int)>& commandEnded,
                        const QString& outputFile = QString(), ExecStatus* status = nullptr)
{
    std::vector<std::unique_ptr<QProcess>> processes;
    const std::size_t groupsBefore = g_runningGroups.size();
    for (const QString& command : commands) {
        processes.push_back(std::make_unique<QProcess>());
        startInGroup(*processes.back(), withProgramPath(command, mameFolder), mameFolder,
                     outputFile);
        if (processes.back()->state() != QProcess::NotRunning)
            g_runningGroups.push_back(processes.back()->processId());
    }
    waitForEnd(processes, commandEnded);
    ExecOutcome outcome = ExecOutcome::Ran;
    if (!allEnded(processes)) {
        // The program is ending: the commands end with it, given a moment to finish.
        terminateRunningCommands();
        for (const auto& process : processes)
            process->waitForFinished(1000);
        outcome = ExecOutcome::Interrupted;
    }
    g_runningGroups.resize(groupsBefore);
    for (const auto& process : processes)
        if (process->error() == QProcess::FailedToStart)
            return reportExecFailure(QStringLiteral("Cannot start /bin/sh: ") +
                                     process->errorString());
    if (status && !processes.empty()) {
        const QProcess& process = *processes.front();
        status->crashed = process.exitStatus() == QProcess::CrashExit;
        status->exitCode = status->crashed ? -1 : process.exitCode();
        status->endRequested = g_endRequested || outcome == ExecOutcome::Interrupted;
    }
    return outcome;
}

} // namespace

ExecOutcome ExecCmd(const QString& command, WindowStyle style, const QString& mameFolder)
{
    return ExecCmds({command}, style, mameFolder);
}

namespace {

ExecOutcome execInFolder(const QStringList& commands, const QString& mameFolder,
                         const std::function<void(int)>& commandEnded, const QString& outputFile,
                         ExecStatus* status, const QString& endRequestFile = QString())
{
    if (g_commandRunning) {
        qWarning("ExecCmd: a command is already running; \"%s\" was not started",
                 qPrintable(commands.join(QStringLiteral("\", \""))));
        return ExecOutcome::Failed;
    }
    const QString previousFolder = QDir::currentPath();
    // The program's path is pasted in absolute form: the shell runs inside the folder.
    const QString absoluteMameFolder = QFileInfo(mameFolder).absoluteFilePath();
    if (const int failure = enterFolder(mameFolder))
        return reportFolderFailure(failure, mameFolder);

    g_commandRunning = true;
    g_endRequested = false;
    g_endRequestFile = endRequestFile;
    const ExecOutcome outcome =
        runInFolder(commands, absoluteMameFolder, commandEnded, outputFile, status);
    if (!g_endRequestFile.isEmpty())
        QFile::remove(g_endRequestFile);
    g_endRequestFile.clear();
    g_commandRunning = false;
    QDir::setCurrent(previousFolder);
    return outcome;
}

} // namespace

ExecOutcome ExecCmds(const QStringList& commands, WindowStyle style, const QString& mameFolder,
                     const std::function<void(int)>& commandEnded)
{
    Q_UNUSED(style); // how the command's window shows is left to the desktop
    return execInFolder(commands, mameFolder, commandEnded, QString(), nullptr);
}

ExecStatus ExecCmdKeepingOutput(const QString& command, WindowStyle style,
                                const QString& mameFolder, const QString& outputFile,
                                const QString& endRequestFile)
{
    Q_UNUSED(style);
    ExecStatus status;
    status.outcome = execInFolder({command}, mameFolder, {}, outputFile, &status, endRequestFile);
    return status;
}

bool commandRunning()
{
    return g_commandRunning && !g_runningGroups.empty();
}

void endRunningCommand(int msecs)
{
    if (!commandRunning())
        return;
    g_endRequested = true;
    // The request appears whole, holding the word the command's end plugin looks for.
    if (!g_endRequestFile.isEmpty())
        writeFileReplacing(g_endRequestFile, "end\n");
    terminateRunningCommands(msecs);
}

void terminateRunningCommands(int graceMs)
{
    endGroups(g_runningGroups, graceMs);
}

BackgroundCommand::BackgroundCommand(const QString& command, const QString& mameFolder,
                                     int timeLimitMs, QObject* parent)
    : QObject(parent), m_process(std::make_unique<QProcess>())
{
    const QString folder = QFileInfo(mameFolder).absoluteFilePath();
    startInGroup(*m_process, withProgramPath(command, folder), folder, QString());
    if (m_process->state() == QProcess::NotRunning) {
        // It could not start (a folder that cannot be entered, no shell): it has ended already,
        // and whoever waits for ended() hears it once the event loop runs again.
        m_ended = true;
        QMetaObject::invokeMethod(this, &BackgroundCommand::ended, Qt::QueuedConnection);
        return;
    }
    m_group = m_process->processId();
    connect(m_process.get(), &QProcess::finished, this, &BackgroundCommand::onFinished);
    if (timeLimitMs > 0) {
        m_timeLimit.setSingleShot(true);
        connect(&m_timeLimit, &QTimer::timeout, this, [this] {
            m_timedOut = true;
            stop();
        });
        m_timeLimit.start(timeLimitMs);
    }
}

BackgroundCommand::~BackgroundCommand()
{
    m_process->disconnect(this);
    if (isRunning()) {
        ::kill(pid_t(-m_group), SIGKILL);
        m_process->waitForFinished(1000);
    }
}

bool BackgroundCommand::isRunning() const
{
    return !m_ended;
}

bool BackgroundCommand::ranToEnd() const
{
    return m_ended && !m_stopped && m_group != 0;
}

void BackgroundCommand::stop()
{
    if (!isRunning())
        return;
    m_stopped = true;
    // Nothing of a list or report is worth saving: the group goes at once.
    ::kill(pid_t(-m_group), SIGKILL);
    m_process->waitForFinished(1000);
    onFinished();
}

void BackgroundCommand::waitForEnd()
{
    if (!isRunning())
        return;
    if (QCoreApplication::instance()) {
        QEventLoop loop;
        connect(this, &BackgroundCommand::ended, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    } else {
        m_process->waitForFinished(-1);
        onFinished();
    }
    stop(); // the program is ending: the command ends with it
}

void BackgroundCommand::onFinished()
{
    if (m_ended)
        return;
    m_ended = true;
    m_timeLimit.stop();
    emit ended();
}

QString withProgramPath(const QString& command, const QString& mameFolder)
{
    for (const QLatin1String program : {QLatin1String("mamediff"), QLatin1String("mame")}) {
        if (command.startsWith(program) &&
            (command.size() == program.size() || isWordEnd(command.at(program.size()))))
            return shellQuote(mameFolder + u'/' + program) + command.mid(program.size());
    }
    return command;
}

QString GetShortPath(const QString& path)
{
    if (path.isEmpty())
        return QString();
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return QString();
    return shellQuote(path);
}

QString shellQuote(const QString& text)
{
    QString quoted = text;
    quoted.replace(u'\'', QStringLiteral("'\\''"));
    return u'\'' + quoted + u'\'';
}

} // namespace velmora
