#pragma once
// LoadLists: fills the All, Installed and Uninstalled lists from the game database (or from the
// favourites file while the favourites view is on) under the user's hide filters, with the
// category and player-count columns from catver.ini and nplayers.ini.
#include "app/Preferences.h"
#include "app/ProgramPaths.h"
#include "lists/GameTable.h"
#include "lists/HideFilters.h"

#include <QString>
#include <memory>
#include <vector>

namespace velmora {

class ProgressSink;

struct ListLoadRequest
{
    QString sourceFile; // reports/gameinfo.txt, or reports/favorite.txt for the favourites view
    HideRules rules;
    QString romsFolder;
    QString additionalRomsFolder;
    QString catverIni;   // empty when catver.ini is absent: no category column
    QString nplayersIni; // empty when nplayers.ini is absent: no player column

    static ListLoadRequest forProgram(const ProgramPaths& paths, const Preferences& prefs,
                                      bool favorites, bool categoriesPresent, bool playersPresent);
};

// The three lists as positions into one shared table, in database order.
struct LoadedLists
{
    std::shared_ptr<const GameTable> table = std::make_shared<GameTable>();
    std::vector<int> all;
    std::vector<int> installed;
    std::vector<int> uninstalled;
};

struct LoadListsResult
{
    bool ok = true;
    QString description; // "File not found", "Input past end of file"
    QByteArray rom;      // the ROM of the record being handled when the load failed
    // The message shown before the program ends.
    QString message() const;
};

// The category or player count shown for a game that the file does not list.
inline const QString kNotFound = QStringLiteral("Not Found");

// Reads the source file to its end. The running count of the All list goes to the progress
// window after every game; the window decides how often it repaints.
LoadListsResult LoadLists(const ListLoadRequest& request, ProgressSink& progress,
                          LoadedLists* lists);

} // namespace velmora
