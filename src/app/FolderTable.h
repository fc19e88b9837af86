#pragma once
// The MAME folder and the sixteen data folders as the Options dialog shows them: caption, control
// names, the name used in messages, the default sub-folder that choosing the MAME folder fills in,
// and whether the folder is required. The table order is the order in which OK tests and stores
// the folders; it is the order of DataFolder.
#include "app/Preferences.h"

#include <QString>
#include <array>

namespace velmora {

enum class FolderNeed
{
    Required,
    Optional
};

struct FolderEntry
{
    DataFolder folder;
    const char* caption;      // label text, "ROMs:"
    const char* textBox;      // objectName of the path box, "txtROMPath"
    const char* browseButton; // objectName of the browse button, "cmdSelectROM"
    const char* name;         // the folder's name in messages and browser titles, "ROMs"
    // What choosing the MAME folder fills into an empty box: MAME folder + "/" + this. Null for no
    // default (Additional ROMs, Comment); empty for the MAME folder itself (INIs, Extra Art).
    const char* defaultSubfolder;
    FolderNeed need;
    const char* tip; // label tool tip, or null
};

using FolderTexts = std::array<QString, kDataFolderCount>;

const std::array<FolderEntry, kDataFolderCount>& folderTable();
const FolderEntry& folderEntry(DataFolder folder);

// The default path of a data folder under the given MAME folder; empty when it has none.
QString defaultFolderPath(DataFolder folder, const QString& mameFolder);

// Fills every empty data-folder text with its default under the MAME folder. Texts that hold a
// path are kept, and folders without a default (Additional ROMs, Comment) stay as they are.
void fillEmptyFoldersWithDefaults(FolderTexts& texts, const QString& mameFolder);

// The sub-folders of a ready MAME folder: every default sub-folder name of the table.
QStringList defaultSubfolderNames();

} // namespace velmora
