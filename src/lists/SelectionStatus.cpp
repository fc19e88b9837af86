#include "lists/SelectionStatus.h"

#include "lists/RomArchives.h"
#include "lists/SelectionFiles.h"

namespace velmora {
namespace {

QString settingsOf(const SelectionFolders& folders, const QString& rom)
{
    return customSettingsExist(folders.settings, rom) ? kCustomSettings : kDefaultSettings;
}

} // namespace

SelectionStatus describeSelection(const GameTable& table, const ListedGame& game, ListKind list,
                                  const SelectionFolders& folders)
{
    const GameRecord& record = game.record;
    SelectionStatus status;
    status.description = table.text(record[GameRecord::Game]);
    status.rom = table.text(record[GameRecord::Rom]);
    status.originKind = record[GameRecord::Origin].startsWith('C') ? QStringLiteral("Clone")
                                                                   : QStringLiteral("Original");
    status.orientation = table.text(record[GameRecord::Orientation]);
    switch (list) {
    case ListKind::All:
        status.setsGameCommands = true;
        status.installed = romArchiveExists(folders.roms, folders.additionalRoms, status.rom);
        status.settings = status.installed ? settingsOf(folders, status.rom) : kNotInstalled;
        break;
    case ListKind::Installed:
        status.installed = true;
        status.settings = settingsOf(folders, status.rom);
        break;
    case ListKind::Uninstalled:
        status.settings = kNotInstalled;
        break;
    }
    return status;
}

} // namespace velmora
