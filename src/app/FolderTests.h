#pragma once
// The checks a folder must pass before the Options dialog stores it: the MAME folder must hold the
// mame program, required data folders must be given, every given folder must exist and be
// readable, and a folder chosen in the browser must not be the file-system root. Each check
// returns the stored form of the path or the exact message the dialog shows.
#include "app/FolderTable.h"

#include <QString>

namespace velmora {

// The MAME program inside a MAME folder.
QString mameProgramPath(const QString& mameFolder);

// The stored form of a typed or chosen folder: a leading "~" stands for the home folder, and
// trailing separators are removed (the root "/" becomes empty). Letter case is kept.
QString folderPathFromText(const QString& text);

struct FolderVerdict
{
    bool passed = false;
    QString path;    // the folder as stored, when it passed
    QString message; // what the dialog shows, when it failed
    QString title;   // the message's title
};

// The MAME folder at OK: it must hold mame, and must not be empty once its trailing separator is
// removed.
FolderVerdict testMameFolder(const QString& text);

// A data folder at OK (required: given and at least 4 characters; every given folder: an existing,
// readable folder; an empty optional folder passes and is stored empty).
FolderVerdict TestPaths(DataFolder folder, const QString& text);

// A folder just chosen in the folder browser for the MAME box, and for a data-folder box.
FolderVerdict checkChosenMameFolder(const QString& chosen);
FolderVerdict checkChosenDataFolder(DataFolder folder, const QString& chosen);

struct FolderCheck
{
    // The first folder that failed, or DataFolder::Count when all passed.
    DataFolder failed = DataFolder::Count;
    FolderVerdict failure;
    // The stored form of every folder that passed (those after a failed one stay empty).
    FolderTexts paths;

    bool allPassed() const { return failed == DataFolder::Count; }
};

// Tests the MAME folder and then each data folder in table order, stopping at the first failure.
FolderCheck checkFolders(const FolderTexts& texts);

} // namespace velmora
