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
#include <unistd.h>

namespace velmora {
namespace {

// Set while a command runs: the wait lets timers and repaints through, and none of them may
// start a second command.
bool g_commandRunning = false;

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

ExecOutcome runInFolder(const QString& command, const QString& mameFolder)
{
    QProcess process;
    process.setProgram(QStringLiteral("/bin/sh"));
    // -f: no file-name expansion, so "mame * -verifyroms" hands MAME the word "*".
    process.setArguments({QStringLiteral("-f"), QStringLiteral("-c"), command});
    process.setWorkingDirectory(mameFolder);
    process.setProcessEnvironment(environmentFor(mameFolder));
    process.setStandardInputFile(QProcess::nullDevice());
    // Output that is not redirected (a game's console messages) goes where ours goes.
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start();
    waitForEnd(process);
    if (process.error() == QProcess::FailedToStart)
        return reportExecFailure(QStringLiteral("Cannot start /bin/sh: ") + process.errorString());
    return ExecOutcome::Ran;
}

} // namespace

ExecOutcome ExecCmd(const QString& command, WindowStyle style, const QString& mameFolder)
{
    Q_UNUSED(style); // how the command's window shows is left to the desktop
    if (g_commandRunning) {
        qWarning("ExecCmd: a command is already running; \"%s\" was not started",
                 qPrintable(command));
        return ExecOutcome::Failed;
    }
    const QString previousFolder = QDir::currentPath();
    // PATH needs the folder in absolute form: the shell runs inside it.
    const QString absoluteMameFolder = QFileInfo(mameFolder).absoluteFilePath();
    if (const int failure = enterFolder(mameFolder))
        return reportFolderFailure(failure, mameFolder);

    g_commandRunning = true;
    const ExecOutcome outcome = runInFolder(command, absoluteMameFolder);
    g_commandRunning = false;
    QDir::setCurrent(previousFolder);
    return outcome;
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
