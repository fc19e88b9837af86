#pragma once
// The favourites list, reports/favorite.txt: one game record per line, written by the same writer
// as gameinfo.txt so that a favourite can be compared with its database line as a whole. A
// favourite is known by its first field, the game's description.
//
// The list is never rewritten in place: the next version is written to reports/newfav.txt, which
// is then renamed over favorite.txt in one step, so a crash or a kill at any moment leaves either
// the old list or the new one. reports/changes.txt, the log of favourites dropped after a MAME
// upgrade, is only ever appended to.
#include "app/ProgramPaths.h"
#include "gamedb/GameRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <vector>

namespace velmora {

struct FavoritesFiles
{
    QString list;     // reports/favorite.txt
    QString next;     // reports/newfav.txt, the list being rewritten
    QString changes;  // reports/changes.txt
    QString database; // reports/gameinfo.txt
    // Puts the finished newfav.txt in the place of favorite.txt; false when it could not.
    std::function<bool(const QString& from, const QString& to)> rename;

    static FavoritesFiles under(const ProgramPaths& paths);
};

// The ROM sets of the favourites, in list order; none when there is no list.
std::vector<QByteArray> favoriteRomSets(const QString& favoriteFile);

// The identity of a favourite line: the text between its leading double quote and the first
// `","`. A line without that separator is taken whole, less its quotes.
QByteArray favoriteIdentity(QByteArrayView line);

enum class AddOutcome
{
    Added,
    AlreadyOnList, // a favourite with the same description is on the list
    Failed         // the list could not be read or written; it is as it was
};

struct AddResult
{
    AddOutcome outcome = AddOutcome::Failed;
    QString error;
};

// Adds a game at the end of the list (making the list when there is none), unless a favourite
// with the same description (compared exactly) is already on it.
AddResult addFavorite(const FavoritesFiles& files, const GameRecord& game);

struct RemoveResult
{
    bool ok = false;
    QString error;     // why the list could not be rewritten; it is then as it was
    int gamesLeft = 0; // favourites on the rewritten list
};

// Rewrites the list without every favourite whose description is `description` (all of them when
// several games share it). A description that is not on the list rewrites it unchanged.
RemoveResult removeFavorite(const FavoritesFiles& files, const QByteArray& description);

// The favourites checked against a newly built database.
struct FavoritesCheck
{
    enum class Outcome
    {
        NoList,  // there is no favorite.txt: nothing to check
        Checked, // the list holds only the favourites found in the database
        Failed   // a file could not be read or written: the list is as it was, nothing logged
    };
    Outcome outcome = Outcome::NoList;
    // The descriptions of the dropped favourites, as they were added to changes.txt.
    QList<QByteArray> dropped;
    // Every favourite was dropped, or the list held none: favorite.txt is gone.
    bool listEmptied = false;
    QString error;
};

// Keeps every favourite whose whole line is a line of the database, letter case aside, and drops
// the others, logging their descriptions at the end of changes.txt. The database's lines are
// folded into a hash set once, so the check takes time in proportion to the two files' sizes.
FavoritesCheck checkFavoritesAgainstDatabase(const FavoritesFiles& files);

} // namespace velmora
