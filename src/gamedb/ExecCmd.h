#pragma once
// The command runner: every MAME (and mamediff) command line runs here, through /bin/sh -f -c,
// with the MAME folder as working folder. A leading "mame" or "mamediff" is replaced by the full,
// shell-quoted path of that program in the MAME folder, so no other program of that name (one on
// PATH, say) can answer, whatever characters the folder's name holds. The caller waits; the
// windows keep repainting but take no input.
//
// Each command runs in a process group of its own, which dies with Velmora: the group is ended
// when Velmora ends while the command runs (an orderly end gives it a moment first), and when
// Velmora is killed outright the command's shell, told by the kernel, ends the group itself.
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

class QProcess;

namespace velmora {

enum class WindowStyle
{
    Normal = 1,
    Minimised = 2
};

enum class ExecOutcome
{
    Ran,               // the command started and ended (its own success is not checked)
    DeviceUnavailable, // the MAME folder's device failed; the message was shown
    Failed,            // any other error; the message was shown and the program is ending
    Interrupted        // the program began to end while the command ran; the command was ended
};

// Runs `command` (the text the command interpreter gets after " /c ") in `mameFolder` and returns
// when it has ended. The current folder is restored afterwards. Failures show the system's messages
// through the message-box seam; the general failure also ends the program (platform::endProgram).
ExecOutcome ExecCmd(const QString& command, WindowStyle style, const QString& mameFolder);

// Runs the commands side by side, as ExecCmd runs one, and returns when the last has ended: Ran
// when every command ran. Used where MAME is asked for several independent lists at once.
// `commandEnded`, when given, hears the index of each command as it ends.
ExecOutcome ExecCmds(const QStringList& commands, WindowStyle style, const QString& mameFolder,
                     const std::function<void(int index)>& commandEnded = {});

// The milliseconds an ended command's process group gets to finish (MAME writes its
// configuration, NVRAM and high scores on the way out) before it is killed.
inline constexpr int kCommandEndGraceMs = 10000;

// Ends the process groups of every running command: SIGTERM, up to `graceMs` for them to finish,
// then SIGKILL for what is left. For the program's orderly end while a command runs; the waiting
// ExecCmd then returns Interrupted.
void terminateRunningCommands(int graceMs = kCommandEndGraceMs);

// A command that runs behind the window: it starts at once and the caller goes on; ended() comes,
// on the window's thread, once it has ended. It runs as ExecCmd runs a command (through the shell,
// in the MAME folder, in a process group of its own that dies with Velmora), but it is not the
// running command: the user may go on working and start commands of his own meanwhile. A command
// given a time limit is stopped when it runs longer. Destroying the object stops the command.
class BackgroundCommand : public QObject
{
    Q_OBJECT
public:
    // `timeLimitMs` 0: no limit.
    BackgroundCommand(const QString& command, const QString& mameFolder, int timeLimitMs = 0,
                      QObject* parent = nullptr);
    ~BackgroundCommand() override;

    bool isRunning() const;
    // Whether the command ended of its own accord (not stopped, not failed to start).
    bool ranToEnd() const;
    // Whether it was stopped for running longer than its time limit.
    bool timedOut() const { return m_timedOut; }
    // Ends the command at once, its whole process group; what it wrote stays unfinished.
    void stop();
    // Waits for the end while the windows repaint (user input is held back). Returns early when
    // the program begins to end; the command is then stopped.
    void waitForEnd();

signals:
    void ended();

private:
    void onFinished();

    std::unique_ptr<QProcess> m_process;
    QTimer m_timeLimit;
    qint64 m_group = 0;
    bool m_stopped = false;
    bool m_timedOut = false;
    bool m_ended = false;
};

// The command as the shell gets it: a leading "mame" or "mamediff" word replaced by the full,
// shell-quoted path of that program in `mameFolder` (an absolute path).
QString withProgramPath(const QString& command, const QString& mameFolder);

// How a command ended, for callers that look at it (the game launch).
struct ExecStatus
{
    ExecOutcome outcome = ExecOutcome::Ran;
    int exitCode = 0;          // the shell's exit status (that of the last program it ran)
    bool crashed = false;      // the shell ended by a signal
    bool endRequested = false; // endRunningCommand ended it (the program is ending)
};

// ExecCmd that keeps both output streams of the command in `outputFile` (replaced; empty: they
// go where the program's own go) and reports how the command ended. A command that ends itself
// when a file appears (a game with the end script) names that file in `endRequestFile`:
// endRunningCommand creates it before anything else, and it is removed when the command ends.
ExecStatus ExecCmdKeepingOutput(const QString& command, WindowStyle style,
                                const QString& mameFolder, const QString& outputFile,
                                const QString& endRequestFile = QString());

// True while a command started by ExecCmd runs.
bool commandRunning();

// The program is asked to end (log-out, shutdown) while a command runs: the request is passed on
// to the command (its end-request file appears, so a game ends itself and MAME saves its
// configuration, NVRAM and autosave as on a normal exit; its process group gets SIGTERM), and the
// caller waits up to `msecs` for it to end; what is left then is killed.
void endRunningCommand(int msecs);

// The form of an existing path that may be pasted into a shell command line: the path in POSIX
// single quotes ('...'\''...'). Empty when the path does not exist. Files and mame.ini use the
// path itself.
QString GetShortPath(const QString& path);

// Quotes any text for the shell, whether or not it names an existing path.
QString shellQuote(const QString& text);

} // namespace velmora
