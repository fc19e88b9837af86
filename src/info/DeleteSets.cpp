#include "info/DeleteSets.h"

#include "info/FolderEntries.h"
#include "info/GameEntries.h"
#include "platform/MessageBox.h"

namespace velmora {
namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

const QString kConfirmDelete = QStringLiteral("Confirm Delete");
const QString kCloneCaution = QStringLiteral("Use caution as a clone game might be using it.");

bool confirmDelete(const QString& text)
{
    return platform::showMessage(text, kConfirmDelete, MessageIcon::Question, MessageButtons::YesNo,
                                 MessageAnswer::No) == MessageAnswer::Yes;
}

// The files Delete ROM removes without asking again, in the order they go.
struct GameFile
{
    DataFolder folder;
    const char* extension;
};
constexpr GameFile kRomFiles[] = {
    {DataFolder::ROMs, ".zip"},    {DataFolder::AdditionalROMs, ".zip"},
    {DataFolder::Cfg, ".cfg"},     {DataFolder::Hiscore, ".hi"},
    {DataFolder::Nvram, ".nv"},    {DataFolder::Input, ".inp"},
    {DataFolder::Artwork, ".zip"},
};

void showError(const char* routine, const QString& title, const QString& description)
{
    platform::showMessage(
        QStringLiteral("Error in %1: %2").arg(QLatin1String(routine), description), title,
        MessageIcon::Information);
}

bool succeeded(RemoveResult result, QString* error)
{
    *error = removeErrorText(result);
    return result == RemoveResult::Removed || result == RemoveResult::Missing;
}

// Removes the game's file of a folder when there is one; false on any other failure.
bool removeIfPresent(const QString& folder, const QString& rom, const char* extension,
                     const MachineNames& machines, QString* error)
{
    const QString entry = gameFile(folder, rom, QLatin1String(extension), machines);
    return entry.isEmpty() || succeeded(removeEntry(folder, entry), error);
}

// The game's non-volatile memory folders of today's MAME go with its .nv file.
bool removeNvramFolders(const QString& folder, const QString& rom, const MachineNames& machines,
                        QString* error)
{
    for (const QString& entry : gameFolders(folder, rom, machines)) {
        if (!succeeded(removeGameFolder(folder, entry), error))
            return false;
    }
    return true;
}

// Asks about an optional file (sample set, snapshot) when it exists and deletes it on Yes.
bool offerOptional(const QString& folder, const QString& rom, const char* extension,
                   const QString& question, const MachineNames& machines, QString* error)
{
    if (gameFile(folder, rom, QLatin1String(extension), machines).isEmpty())
        return true;
    if (!confirmDelete(question + u'\r' + kCloneCaution))
        return true;
    return removeIfPresent(folder, rom, extension, machines, error);
}

} // namespace

DeleteRomResult deleteRom(const Preferences& prefs, const QString& rom,
                          const MachineNames& machines)
{
    const QString title = QStringLiteral("Delete ROM");
    if (!isPlainEntryName(rom) || !machines.contains(rom)) {
        showError("mnuDeleteROM_Click", title, removeErrorText(RemoveResult::Refused));
        return DeleteRomResult::Failed;
    }
    if (!confirmDelete(QStringLiteral("Are you sure you want to permanently delete the ROM %1.zip "
                                      "from your hard drive?\rAssociated artwork, .cfg, .hi, .nv, "
                                      "and .inp files will also be deleted.")
                           .arg(rom)))
        return DeleteRomResult::Declined;
    QString error;
    for (const GameFile& file : kRomFiles) {
        const QString folder = prefs.folder(file.folder);
        bool ok = removeIfPresent(folder, rom, file.extension, machines, &error);
        if (ok && file.folder == DataFolder::Nvram)
            ok = removeNvramFolders(folder, rom, machines, &error);
        if (!ok) {
            showError("mnuDeleteROM_Click", title, error);
            return DeleteRomResult::Failed;
        }
    }
    const bool ok =
        offerOptional(prefs.folder(DataFolder::Samples), rom, ".zip",
                      QStringLiteral("A Sample set for this ROM was found.  Would you like to "
                                     "permanently delete it also?"),
                      machines, &error) &&
        offerOptional(prefs.folder(DataFolder::Snapshots), rom, ".png",
                      QStringLiteral("A Snapshot for this ROM was found.  Would you like to "
                                     "permanently delete it also?"),
                      machines, &error);
    if (!ok) {
        showError("mnuDeleteROM_Click", title, error);
        return DeleteRomResult::Failed;
    }
    return DeleteRomResult::Deleted;
}

bool deleteSamples(const Preferences& prefs, const QString& rom, const MachineNames& machines)
{
    if (!confirmDelete(QStringLiteral("Are you sure you want to permanently delete the sample "
                                      "%1.zip from your hard drive?\r")
                           .arg(rom) +
                       kCloneCaution))
        return false;
    const QString folder = prefs.folder(DataFolder::Samples);
    const QString name = rom + QLatin1String(".zip");
    // A name that is no game's is refused as the file name it would make ("Bad file name").
    const QString entry = isPlainEntryName(name) && machines.contains(rom)
                              ? gameFile(folder, rom, QStringLiteral(".zip"), machines)
                              : name;
    const RemoveResult result =
        entry.isEmpty() ? RemoveResult::Missing : removeEntry(folder, entry);
    if (result == RemoveResult::Removed)
        return true;
    showError("mnuDeleteSamples_Click", QStringLiteral("Delete Samples"), removeErrorText(result));
    return false;
}

} // namespace velmora
