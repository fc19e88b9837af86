#pragma once
// File > Export List: the active list written as text to reports/allgames.txt,
// installedgames.txt or uninstalledgames.txt. The layout is the print-zone layout of 14
// characters: a heading, each game's ROM-set name and description, and the list's count. A list
// whose games were played has two more columns between the two, Played and Time Played, as the
// list shows them.
#include "app/ListKind.h"
#include "app/ProgramPaths.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace velmora {

struct ExportRow
{
    QByteArray rom;
    QByteArray description; // as the list shows it, in the database's encoding
    // The Played and Time Played columns; empty for a game never played.
    QByteArray played;
    QByteArray timePlayed;
};

// The export file's name for a list ("allgames.txt").
QString exportFileName(ListKind list);

// The file's bytes, lines ended by CR LF.
QByteArray exportListText(const std::vector<ExportRow>& rows);

// Asks, writes the file anew and says where it went. False when the user declined or the file
// could not be written (the message says why).
bool exportList(const ProgramPaths& paths, ListKind list, const std::vector<ExportRow>& rows);

} // namespace velmora
