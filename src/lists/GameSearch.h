#pragma once
// Find as you type: the games whose description, ROM-set name, manufacturer, year, source file
// or category contain every typed word, without regard to case or accents. The keys are folded
// once per list load (GameSearchIndex, shared by the three lists); a keystroke then only scans
// them. GameSearchFilter narrows one list's model to the matching games without touching the
// model itself, so counts, the stored selection and the commands still see the whole list.
#include "lists/GameListModel.h"
#include "lists/GameTable.h"

#include <QByteArray>
#include <QSortFilterProxyModel>
#include <memory>
#include <string>
#include <vector>

namespace velmora {

// Lower case with accents removed ("Pac-Man" and "PAC-MÁN" both give "pac-man"), as UTF-8.
QByteArray foldForSearch(QStringView text);

// The folded words of a query; none for a query of blanks only.
std::vector<QByteArray> searchWords(const QString& query);

class GameSearchIndex
{
public:
    explicit GameSearchIndex(std::shared_ptr<const GameTable> table);

    const std::shared_ptr<const GameTable>& table() const { return m_table; }
    // One flag per game of the table: whether every word is in its key (all set for no word).
    std::vector<char> match(const std::vector<QByteArray>& words) const;

private:
    std::shared_ptr<const GameTable> m_table;
    std::string m_keys;              // every game's folded key, each ending in '\n'
    std::vector<std::size_t> m_ends; // where each game's key ends in m_keys
};

class GameSearchFilter : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit GameSearchFilter(GameListModel* games, QObject* parent = nullptr);

    // The games to show, one flag per game of the table; null shows every game.
    void setMatches(std::shared_ptr<const std::vector<char>> matches);
    bool searching() const { return m_matches != nullptr; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    GameListModel* m_games;
    std::shared_ptr<const std::vector<char>> m_matches;
};

} // namespace velmora
