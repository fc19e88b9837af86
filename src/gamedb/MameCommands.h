#pragma once
// The MAME command lines, each built in one place: the text the command interpreter runs (what
// follows " /c " on the original platform), to be handed to ExecCmd with the MAME folder current.
//
// Output files: every target is a full path pasted into the command shell-quoted as a whole
// (shellQuote of the full path), so program folders with spaces, quotes, "$(...)", ";" or
// non-ASCII letters reach the redirection intact; the file need not exist yet. The list commands
// keep MAME's standard output only, so a stray library warning never enters a list; the audit and
// help commands also capture its error stream (" 2>&1"), where today's MAME reports a missing set.
// The shell runs with file-name expansion off, so "*" reaches MAME as the word "*".
//
// A ROM-set name is pasted as it is when it is a plain set name (letters, digits, "_", "-", ".");
// anything else is quoted. Lower-casing a launch belongs to the launch.
#include <QString>

namespace velmora::MameCommands {

QString listXml(const QString& targetFile); // "mame -listxml>" + target
QString listCrc(const QString& targetFile); // "mame -listcrc >" + target
// "mame -showusage>" + target: the options the installed MAME accepts, with the values it lists
// for them (standard output only, as the lists).
QString showUsage(const QString& targetFile);
// "mame -showconfig>" + target: MAME's running configuration in mame.ini form, where its own
// plugin search path is read (standard output only).
QString showConfig(const QString& targetFile);

// One game's audit texts: "mame <rom> -verifyroms > " + target + " 2>&1", and so on.
QString verifyRoms(const QString& rom, const QString& targetFile);
QString verifySamples(const QString& rom, const QString& targetFile);
QString listRoms(const QString& rom, const QString& targetFile);
QString listSamples(const QString& rom, const QString& targetFile);

// Every set: "mame * -verifyroms >" + target + " 2>&1".
QString verifyAllRoms(const QString& targetFile);
QString verifyAllSamples(const QString& targetFile);

QString help(const QString& targetFile); // "mame -help > " + target + " 2>&1"

// "mame <rom>", or "mame <rom> <other commands>" when there are any. The Other Commands are read
// by the shell as they stand.
QString launch(const QString& rom, const QString& otherCommands = QString());

// The list comparison of the MAME folder's mamediff: "mamediff " + options + old list + " " + new
// list. The options are empty or end in one blank ("-s ", "-n ").
QString mameDiff(const QString& options, const QString& oldList, const QString& newList);

} // namespace velmora::MameCommands
