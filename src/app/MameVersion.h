#pragma once
// MAME's version as the About window shows it: MAME is asked for its help text (mame -help into
// reports/version.txt), and the line that names the version ("M.A.M.E. v0.37b5 (...)", or
// today's "MAME v0.251 (...)") is read up to its first "(", with every "v" spelled
// "Version ".
#include "app/ProgramPaths.h"

#include <QString>
#include <optional>

namespace velmora {

// The shown form of a version line ("MAME v0.251 (Debian)" gives "MAME Version 0.251"), or
// nothing for a line that names no version.
std::optional<QString> mameVersionFromLine(const QString& line);

// The shown form of the first version line of a help text file, or nothing.
std::optional<QString> mameVersionFromFile(const QString& helpFile);

// Runs mame -help in the MAME folder into reports/version.txt, reads the version line and
// deletes the file. Nothing when MAME gave no version line.
std::optional<QString> askMameVersion(const ProgramPaths& paths, const QString& mameFolder);

} // namespace velmora
