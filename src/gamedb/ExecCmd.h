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

// The form of an existing path that may be pasted into a shell command line: the path in POSIX
// single quotes ('...'\''...'). Empty when the path does not exist. Files and mame.ini use the
// path itself.
QString GetShortPath(const QString& path);

// Quotes any text for the shell, whether or not it names an existing path.
QString shellQuote(const QString& text);

} // namespace velmora
