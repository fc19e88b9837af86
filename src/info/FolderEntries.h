#pragma once
// The entries of one folder as the maintenance and delete commands see them. Every file those
// commands remove goes through removeEntry(), which only ever removes a direct entry of the folder
// it was asked about: a name that is empty, holds a path separator, or is "." or ".." is refused,
// so a ROM-set name such as "../x" never reaches outside the ROM folder. removeEntry() never
// removes a folder: a game's own folders go through removeGameFolder() (GameEntries.h), which
// takes out only what MAME writes in them.
//
// Names the program matches without regard to letter case (a game's files, the exported lists,
// the community files) are looked up by their exact name first and then by any entry of the
// folder that matches ignoring case.
#include <QString>
#include <QStringList>

namespace velmora {

// Whether `name` can name a direct entry of a folder.
bool isPlainEntryName(const QString& name);

// The name of the folder's entry called `name` (a file, a folder or a link): `name` itself when
// it exists, else the first entry that matches ignoring case, else an empty text. An empty
// folder has no entries.
QString findEntry(const QString& folder, const QString& name);

// The full path of findEntry()'s entry, or an empty text.
QString findEntryPath(const QString& folder, const QString& name);

// findEntry() for an entry that can be removed as a file: a file or a link, never a folder.
QString findFile(const QString& folder, const QString& name);

// Whether the folder's entry `name` is a folder itself, not a link to one.
bool isRealFolder(const QString& folder, const QString& name);

enum class RemoveResult
{
    Removed,
    Missing, // nothing of that name in the folder, or a folder where a file was expected
    Refused, // not a plain name, or no folder
    Failed   // the entry stays (no permission, device error)
};

// Removes the folder's entry `name`: a file or a link (never what it points to).
RemoveResult removeEntry(const QString& folder, const QString& name);

// What went wrong, as the error messages describe it ("File not found", "Bad file name or
// number", "Permission denied"); empty for Removed.
QString removeErrorText(RemoveResult result);

// The files of a folder (hidden ones too) in the order the listing gives them, sorted by name;
// with an extension, only those whose names end with it, letters compared without regard to case
// ("*.nv"). An empty extension means every file ("*.*").
QStringList filesMatching(const QString& folder, const QString& extension = {});

// The sub-folders of a folder (links to folders are not followed and not listed).
QStringList subFolders(const QString& folder);

} // namespace velmora
