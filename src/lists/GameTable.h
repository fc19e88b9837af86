#pragma once
// The games of one load, shared by the All, Installed and Uninstalled lists: each list holds
// positions into this one vector, so a game is stored once however many lists show it.
//
// The records of a table borrow their bytes from the database text the table keeps (40,000 games
// would otherwise cost 680,000 small allocations): a record taken by reference is valid while the
// table lives. detached() gives a copy that owns its bytes, for anything kept longer.
#include "gamedb/GameRecord.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace velmora {

// One game as the lists show it: the database record plus the category and player count read
// from catver.ini and nplayers.ini, as UTF-8 ("Not Found" when the file does not list the game,
// empty when the file is absent).
struct ListedGame
{
    GameRecord record;
    QByteArray category;
    QByteArray players;
};

// A copy of `bytes` that owns its data.
QByteArray ownedBytes(const QByteArray& bytes);

class GameTable
{
public:
    // `source` is the database text the records' fields point into; `utf8` says how the text
    // decodes (MAME writes UTF-8; older lists are Latin-1).
    explicit GameTable(QByteArray source = {}, bool utf8 = true)
        : m_source(std::move(source)), m_utf8(utf8)
    {
    }

    const QByteArray& source() const { return m_source; }
    int add(ListedGame game);
    int size() const { return int(m_games.size()); }
    const ListedGame& at(int index) const { return m_games[size_t(index)]; }
    ListedGame detached(int index) const;
    void reserve(int count) { m_games.reserve(size_t(count)); }

    // A field of a record as the user reads it: decoded from the table's encoding, with the
    // machine list's XML references resolved ("AT&amp;T" reads "AT&T").
    QString text(const QByteArray& field) const;
    // The same text in the table's encoding, for byte-wise sorting and exported lists; a field
    // without references comes back as it is.
    QByteArray shownBytes(const QByteArray& field) const;
    QString text(int index, GameRecord::Field field) const { return text(at(index).record[field]); }
    static QString columnText(const QByteArray& utf8) { return QString::fromUtf8(utf8); }
    bool isUtf8() const { return m_utf8; }

private:
    QByteArray m_source;
    std::vector<ListedGame> m_games;
    bool m_utf8 = true;
};

} // namespace velmora
