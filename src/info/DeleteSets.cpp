#include "info/DeleteSets.h"

#include "info/FolderEntries.h"
#include "platform/MessageBox.h"

#include <QFileInfo>

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

// Removes the game's file of a folder when there is one; false on any other failure.
bool removeIfPresent(const QString& folder, const QString& name, QString* error)
{
    const QString entry = findEntry(folder, name);
    if (entry.isEmpty())
        return true;
    const RemoveResult result = removeEntry(folder, entry);
    *error = removeErrorText(result);
    return result == RemoveResult::Removed || result == RemoveResult::Missing;
}

// The game's non-volatile memory folder of today's MAME goes with its .nv file.
bool removeNvramFolder(const QString& folder, const QString& rom, QString* error)
{
    const QString entry = findEntry(folder, rom);
    if (entry.isEmpty() || !QFileInfo(folder + u'/' + entry).isDir())
        return true;
    return removeIfPresent(folder, entry, error);
}

// Asks about an optional file (sample set, snapshot) when it exists and deletes it on Yes.
bool offerOptional(const QString& folder, const QString& name, const QString& question,
                   QString* error)
{
    if (findEntry(folder, name).isEmpty())
        return true;
    if (!confirmDelete(question + u'\r' + kCloneCaution))
        return true;
    return removeIfPresent(folder, name, error);
}

} // namespace

DeleteRomResult deleteRom(const Preferences& prefs, const QString& rom)
{
    const QString title = QStringLiteral("Delete ROM");
    if (!isPlainEntryName(rom)) {
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
        bool ok = removeIfPresent(folder, rom + QLatin1String(file.extension), &error);
        if (ok && file.folder == DataFolder::Nvram)
            ok = removeNvramFolder(folder, rom, &error);
        if (!ok) {
            showError("mnuDeleteROM_Click", title, error);
            return DeleteRomResult::Failed;
        }
    }
    const bool ok =
        offerOptional(prefs.folder(DataFolder::Samples), rom + QLatin1String(".zip"),
                      QStringLiteral("A Sample set for this ROM was found.  Would you like to "
                                     "permanently delete it also?"),
                      &error) &&
        offerOptional(prefs.folder(DataFolder::Snapshots), rom + QLatin1String(".png"),
                      QStringLiteral("A Snapshot for this ROM was found.  Would you like to "
                                     "permanently delete it also?"),
                      &error);
    if (!ok) {
        showError("mnuDeleteROM_Click", title, error);
        return DeleteRomResult::Failed;
    }
    return DeleteRomResult::Deleted;
}

bool deleteSamples(const Preferences& prefs, const QString& rom)
{
    if (!confirmDelete(QStringLiteral("Are you sure you want to permanently delete the sample "
                                      "%1.zip from your hard drive?\r")
                           .arg(rom) +
                       kCloneCaution))
        return false;
    const QString folder = prefs.folder(DataFolder::Samples);
    const QString name = rom + QLatin1String(".zip");
    const QString entry = isPlainEntryName(name) ? findEntry(folder, name) : name;
    const RemoveResult result =
        entry.isEmpty() ? RemoveResult::Missing : removeEntry(folder, entry);
    if (result == RemoveResult::Removed)
        return true;
    showError("mnuDeleteSamples_Click", QStringLiteral("Delete Samples"), removeErrorText(result));
    return false;
}

} // namespace velmora
