#include "gamedb/ExecCmd.h"

#include "gamedb/ExecCmdFailures.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace velmora {
namespace {

// Set while a command runs: the wait lets timers and repaints through, and none of them may
// start a second command.
bool g_commandRunning = false;
// The shell of the running command, and whether the program asked it to end.
QProcess* g_runningProcess = nullptr;
bool g_endRequested = false;

// Puts the process into `folder`; 0, or the errno of the failure.
int enterFolder(const QString& folder)
{
    if (folder.isEmpty())
        return ENOENT;
    return ::chdir(QFile::encodeName(folder).constData()) == 0 ? 0 : errno;
}

QProcessEnvironment environmentFor(const QString& mameFolder)
{
    // The MAME folder comes first on PATH, so a bare "mame" (or "mamediff") is the one there.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString path = env.value(QStringLiteral("PATH"));
    env.insert(QStringLiteral("PATH"), path.isEmpty() ? mameFolder : mameFolder + u':' + path);
    env.insert(QStringLiteral("PWD"), mameFolder);
    return env;
}

// Waits for the process to end while the windows keep repainting; user input is held back.
void waitForEnd(QProcess& process)
{
    if (!QCoreApplication::instance()) {
        process.waitForFinished(-1);
        return;
    }
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart || e == QProcess::Crashed)
            loop.quit();
    });
    if (process.state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
}

ExecOutcome runInFolder(const QString& command, const QString& mameFolder,
                        const QString& outputFile = QString(), ExecStatus* status = nullptr)
{
    QProcess process;
    process.setProgram(QStringLiteral("/bin/sh"));
    // -f: no file-name expansion, so "mame * -verifyroms" hands MAME the word "*".
    process.setArguments({QStringLiteral("-f"), QStringLiteral("-c"), command});
    process.setWorkingDirectory(mameFolder);
    process.setProcessEnvironment(environmentFor(mameFolder));
    process.setStandardInputFile(QProcess::nullDevice());
    // Output that is not redirected (a game's console messages) goes where ours goes, or, when
    // the caller keeps it, both streams into its file.
    if (outputFile.isEmpty()) {
        process.setProcessChannelMode(QProcess::ForwardedChannels);
    } else {
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.setStandardOutputFile(outputFile, QIODevice::Truncate);
    }
    g_runningProcess = &process;
    g_endRequested = false;
    process.start();
    waitForEnd(process);
    g_runningProcess = nullptr;
    if (process.error() == QProcess::FailedToStart)
        return reportExecFailure(QStringLiteral("Cannot start /bin/sh: ") + process.errorString());
    if (status) {
        status->crashed = process.exitStatus() == QProcess::CrashExit;
        status->exitCode = status->crashed ? -1 : process.exitCode();
        status->endRequested = g_endRequested;
    }
    return ExecOutcome::Ran;
}

} // namespace

ExecOutcome ExecCmd(const QString& command, WindowStyle style, const QString& mameFolder)
{
    return ExecCmdKeepingOutput(command, style, mameFolder, QString()).outcome;
}

ExecStatus ExecCmdKeepingOutput(const QString& command, WindowStyle style,
                                const QString& mameFolder, const QString& outputFile)
{
    ExecStatus status;
    Q_UNUSED(style); // how the command's window shows is left to the desktop
    if (g_commandRunning) {
        qWarning("ExecCmd: a command is already running; \"%s\" was not started",
                 qPrintable(command));
        status.outcome = ExecOutcome::Failed;
        return status;
    }
    const QString previousFolder = QDir::currentPath();
    // PATH needs the folder in absolute form: the shell runs inside it.
    const QString absoluteMameFolder = QFileInfo(mameFolder).absoluteFilePath();
    if (const int failure = enterFolder(mameFolder)) {
        status.outcome = reportFolderFailure(failure, mameFolder);
        return status;
    }

    g_commandRunning = true;
    status.outcome = runInFolder(command, absoluteMameFolder, outputFile, &status);
    g_commandRunning = false;
    QDir::setCurrent(previousFolder);
    return status;
}

namespace {

// The processes started, directly or further down, by `parent`, read from /proc.
QList<pid_t> descendantsOf(pid_t parent)
{
    QList<pid_t> found;
    QList<pid_t> parents{parent};
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    while (!parents.isEmpty()) {
        const pid_t current = parents.takeFirst();
        for (const QString& entry : entries) {
            bool isPid = false;
            const pid_t pid = entry.toInt(&isPid);
            if (!isPid)
                continue;
            QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
            if (!stat.open(QIODevice::ReadOnly))
                continue;
            // "pid (name) state ppid ...": the name may hold blanks, so read after its ')'.
            const QByteArray line = stat.readAll();
            const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
            if (fields.size() > 1 && fields[1].toInt() == current) {
                found << pid;
                parents << pid;
            }
        }
    }
    return found;
}

// Sends `sig` to what the shell runs (MAME), or to the shell itself when it runs nothing more.
void signalCommand(pid_t shell, int sig)
{
    const QList<pid_t> children = descendantsOf(shell);
    for (const pid_t pid : children)
        ::kill(pid, sig);
    if (children.isEmpty() || sig == SIGKILL)
        ::kill(shell, sig);
}

} // namespace

bool commandRunning()
{
    return g_runningProcess && g_runningProcess->state() != QProcess::NotRunning;
}

void endRunningCommand(int msecs)
{
    if (!commandRunning())
        return;
    QProcess* process = g_runningProcess;
    g_endRequested = true;
    const auto shell = static_cast<pid_t>(process->processId());
    signalCommand(shell, SIGTERM);
    if (!process->waitForFinished(msecs))
        signalCommand(shell, SIGKILL);
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
