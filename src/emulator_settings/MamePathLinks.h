#pragma once
// Folder paths as MAME reads them from mame.ini. MAME's ini reader takes a value only up to a
// `#`, splits search paths at `;`, expands `$NAME`, strips quotes, and Debian's MAME hangs on any
// byte above 127. A folder whose path holds such a character reaches MAME through a symbolic link
// with a plain name in the link folder (settings/mamepaths under the program folder); the link is
// made again whenever mame.ini is written, so it follows the Options dialog.
#include <QString>

namespace velmora {

// True when MAME reads the path from mame.ini exactly as written.
bool mameReadsAsWritten(const QString& path);

// The folder that holds the links. The program sets it to settings/mamepaths once it knows its
// folder; until then, and whenever that folder's own path is not plain, mamepaths in the
// program's private folder (PrivateFolder.h) is used, made only by this user and refused when
// another user could change it.
void setMamePathLinkFolder(const QString& folder);
QString mamePathLinkFolder();

// The path to write into mame.ini for `path`: the path itself when MAME reads it as written,
// else the link `<link folder>/<linkName>`. Pure: the link is made by makeMamePathLink.
QString mameIniFolderPath(const QString& path, const QString& linkName);

// Makes (or points anew) the link `linkName` to `path` when the path needs one. False with the
// reason in *error when the link cannot be made.
bool makeMamePathLink(const QString& path, const QString& linkName, QString* error);

} // namespace velmora
