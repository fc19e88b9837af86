#pragma once
// What the window shows for the selected game of a list: the status bar panels 2 to 6 and
// whether the game can be started from the row (Play, Auto Run, Record and Playback).
#include "app/ListKind.h"
#include "lists/GameTable.h"

#include <QString>

namespace velmora {

inline const QString kNotInstalled = QStringLiteral("Not Installed");
inline const QString kCustomSettings = QStringLiteral("Custom Settings");
inline const QString kDefaultSettings = QStringLiteral("Default Settings");

struct SelectionFolders
{
    QString roms;
    QString additionalRoms;
    QString settings; // the program's settings folder
};

struct SelectionStatus
{
    QString description; // panel 2: the row text
    QString rom;         // panel 3
    QString originKind;  // panel 4: "Clone" or "Original"
    QString orientation; // panel 5
    QString settings;    // panel 6: "Not Installed", "Custom Settings" or "Default Settings"
    // All list only: the game commands follow the ROM archive test; the other two lists keep
    // the states their view set.
    bool setsGameCommands = false;
    bool installed = false;
};

SelectionStatus describeSelection(const GameTable& table, const ListedGame& game, ListKind list,
                                  const SelectionFolders& folders);

} // namespace velmora
