#pragma once
// The game launch's command line as the command interpreter gets it: "mame <rom>" followed by the
// settings file's Other Commands, every double blank made single (one left-to-right pass) and the
// whole line lower-cased. Text the user put in single or double quotes in the Other Commands is
// left exactly as typed, so a case-sensitive path can be given there; the shell removes the quotes.
#include <QString>

namespace velmora {

// "mame <rom>" or "mame <rom> <other commands>", normalised as above.
QString launchCommandLine(const QString& rom, const QString& otherCommands);

// The normalisation alone: outside quotes "  " becomes " " (one pass, so four blanks leave two)
// and letters become lower case; quoted text, quotes included, is copied unchanged. A backslash
// outside quotes keeps the character after it as it is (an escaped quote opens nothing).
QString normaliseLaunchCommand(const QString& command);

} // namespace velmora
