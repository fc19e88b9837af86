#pragma once
// The games of one load, shared by the All, Installed and Uninstalled lists: each list holds
// positions into this one vector, so a game is stored once however many lists show it.
#include "gamedb/GameRecord.h"

#include <QString>
#include <vector>

namespace velmora {

// One game as the lists show it: the database record plus the category and player count read
// from catver.ini and nplayers.ini ("Not Found" when the file does not list the game, empty when
// the file is absent).
struct ListedGame
{
    GameRecord record;
    QString category;
    QString players;
};

class GameTable
{
public:
    // `utf8`: the database file decoded as UTF-8 (MAME writes UTF-8); otherwise Latin-1.
    explicit GameTable(bool utf8 = true) : m_utf8(utf8) {}

    int add(ListedGame game);
    int size() const { return int(m_games.size()); }
    const ListedGame& at(int index) const { return m_games[size_t(index)]; }
    void reserve(int count) { m_games.reserve(size_t(count)); }

    // A field of the record as text.
    QString text(const QByteArray& field) const;
    QString text(int index, GameRecord::Field field) const { return text(at(index).record[field]); }
    bool isUtf8() const { return m_utf8; }

private:
    std::vector<ListedGame> m_games;
    bool m_utf8 = true;
};

} // namespace velmora
