#pragma once
// Shared pieces of the settings tests: what they all include, lists as DefineCombos would fill
// them from a small game database and Artwork folder, and a value other than the MAME default for
// every control.
#include "app/IniFile.h"
#include "emulator_settings/SettingsLoader.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"

#include <QtTest>

namespace velmora::testing {

inline OptionLists richLists()
{
    OptionLists lists;
    lists.setEntries(Option::Bios,
                     {QStringLiteral("Default"), QStringLiteral("Neo-Geo: Euro"),
                      QStringLiteral("Neo-Geo: Asia"), QStringLiteral("PGM System: V2")});
    lists.setEntries(Option::Effect,
                     {QStringLiteral("None"), QStringLiteral("Scanlines"), QStringLiteral("Crt")});
    return lists;
}

// A value other than the MAME default that the control can hold (the last entry of a list).
inline QString otherValue(Option option, const OptionLists& lists = richLists())
{
    switch (kindOf(option)) {
    case ControlKind::Check:
        return mameDefaultOf(option) == QLatin1String("1") ? QStringLiteral("0")
                                                           : QStringLiteral("1");
    case ControlKind::Text:
        return QStringLiteral("-numscreens 2 -rompath '/My Roms'");
    case ControlKind::List:
        break;
    }
    const QStringList& entries = lists.entries(option);
    return entries.last() != mameDefaultOf(option) ? entries.last() : entries.first();
}

// Whole-file reads and writes, as the throw-away program does them.
inline constexpr auto readAll = &TempProgram::readFile;
inline constexpr auto writeAll = &TempProgram::writeFile;

} // namespace velmora::testing
