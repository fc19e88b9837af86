#pragma once
// The command runner: every MAME (and mamediff) command line runs here, through /bin/sh -f -c,
// with the MAME folder as working folder and that folder first on PATH, so a leading "mame" is the
// mame of the MAME folder. The caller waits; the windows keep repainting but take no input.
#include <QString>

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
    Failed             // any other error; the message was shown and the program is ending
};

// Runs `command` (the text the command interpreter gets after " /c ") in `mameFolder` and returns
// when it has ended. The current folder is restored afterwards. Failures show the system's messages
// through the message-box seam; the general failure also ends the program (platform::endProgram).
ExecOutcome ExecCmd(const QString& command, WindowStyle style, const QString& mameFolder);

// How a command ended, for callers that look at it (the game launch).
struct ExecStatus
{
    ExecOutcome outcome = ExecOutcome::Ran;
    int exitCode = 0;          // the shell's exit status (that of the last program it ran)
    bool crashed = false;      // the shell ended by a signal
    bool endRequested = false; // endRunningCommand ended it (the program is ending)
};

// ExecCmd that keeps both output streams of the command in `outputFile` (replaced; empty: they
// go where the program's own go) and reports how the command ended.
ExecStatus ExecCmdKeepingOutput(const QString& command, WindowStyle style,
                                const QString& mameFolder, const QString& outputFile);

// True while a command started by ExecCmd runs.
bool commandRunning();

// The program is asked to end (log-out, shutdown) while a command runs: the request is passed on
// to what the command runs (MAME gets SIGTERM and saves its configuration, NVRAM and autosave as
// on a normal exit), and the caller waits up to `msecs` for it to end; what is left then is
// killed.
void endRunningCommand(int msecs);

// The form of an existing path that may be pasted into a shell command line: the path in POSIX
// single quotes ('...'\''...'). Empty when the path does not exist. Files and mame.ini use the
// path itself.
QString GetShortPath(const QString& path);

// Quotes any text for the shell, whether or not it names an existing path.
QString shellQuote(const QString& text);

} // namespace velmora
