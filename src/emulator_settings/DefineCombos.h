#pragma once
// DefineCombos: fills the drop-down lists of the settings panel once at start-up, before any
// settings file is loaded. The BIOS list comes from the game database's resource.txt (the
// non-runnable tail of the machine list), the effect list from the PNG images of the Artwork
// folder; every other list is the catalogue's.
#include "emulator_settings/OptionLists.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace velmora {

// The BIOS entries of a resource list, after "Default": for every BIOS set the remembered machine
// description, ": " and the proper-cased set name ("Neo-Geo MV-6F: Euro"). Works on both list
// layouts: every <game> of the old layout's tail, and the <machine> elements marked isbios="yes"
// of today's (device ROM options are not BIOS sets).
QStringList biosEntriesFromResourceList(const QByteArray& resourceTxt);

// "None" and the proper-cased name of every *.png image in the folder (".png" removed only when it
// is written in lower case), in name order. A missing folder gives "None" alone.
QStringList effectEntriesFromArtworkFolder(const QString& artworkFolder);

struct DefineCombosResult
{
    bool ok = false;
    QString error; // "File not found: ..." when resource.txt cannot be read
    int step = 0;  // the step that failed, for the "Line Number: " of the message
};

// Fills `lists` from resource.txt and the Artwork folder. On failure shows the program-wide
// "Error In DefineCombos: " message and ends the program, as a start without a game database's
// resource list cannot go on.
DefineCombosResult DefineCombos(const QString& resourceTxt, const QString& artworkFolder,
                                OptionLists* lists);

} // namespace velmora
