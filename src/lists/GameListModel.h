#pragma once
// One game list (All, Installed or Uninstalled) as a table model: the columns of the list views
// over positions into the shared game table. Sorting reorders the positions only; it is by the
// text of the key column, letters compared without regard to case, games of equal text kept in
// database order. The play columns sort by their values instead, games never played last.
#include "lists/GameTable.h"

#include "gamedb/GameRecord.h"
#include "launch/PlayHistory.h"
#include "launch/RomStatus.h"

#include <QAbstractTableModel>
#include <memory>
#include <vector>

namespace velmora {

class GameListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The columns in list order; column n of the system's 1-based numbering is Column(n - 1).
    enum Column
    {
        Game = GameRecord::Game,
        Year = GameRecord::Year,
        Status = GameRecord::Status,
        Color = GameRecord::Color,
        Sound = GameRecord::Sound,
        Graphic = GameRecord::Graphic,
        Palette = GameRecord::Palette,
        Manufacturer = GameRecord::Manufacturer,
        Type = GameRecord::Type,
        Display = GameRecord::Display,
        Orientation = GameRecord::Orientation,
        Frequency = GameRecord::Frequency,
        Origin = GameRecord::Origin,
        Rom = GameRecord::Rom,
        Source = GameRecord::Source,
        RomOf = GameRecord::RomOf,
        Chd = GameRecord::Chd,
        // Looked up in catver.ini and nplayers.ini, after the record's fields.
        Category = GameRecord::FieldCount,
        Players,
        // What the last audit of the set found (RomStatus), after the looked-up columns.
        Roms,
        // From the play history: how often, how long and when the game was played.
        Played,
        TimePlayed,
        LastPlayed,
        ColumnCount
    };

    // The ROM state of a row's set (a RomState), and whether it was recorded under an older MAME,
    // for the view's icon.
    enum Role
    {
        RomStateRole = Qt::UserRole + 1,
        RomStateOlderRole
    };

    explicit GameListModel(QObject* parent = nullptr);

    static QString header(int column);
    // The designed width of a column in hundredths of a millimetre.
    static int designWidth(int column);
    // Source, ROM Of and CHD carry data for the commands but are never shown.
    static bool isNeverShown(int column) { return column >= Source && column <= Chd; }
    static bool isPlayColumn(int column) { return column >= Played && column <= LastPlayed; }
    // The order a first click on a column sorts in: the play columns most (or latest) first.
    static Qt::SortOrder firstSortOrder(int column)
    {
        return isPlayColumn(column) ? Qt::DescendingOrder : Qt::AscendingOrder;
    }

    // Replaces the rows (positions into `table`, in database order); the list is unsorted after.
    void setGames(std::shared_ptr<const GameTable> table, std::vector<int> rows);
    void clear();
    // The play history the play columns show (none: they stay empty). It is shared with the
    // launch, which adds to it; playHistoryChanged() shows what changed.
    void setPlayHistory(std::shared_ptr<const PlayHistory> history);
    const PlayHistory* playHistory() const { return m_history.get(); }
    // A play column's text for a game's record; `today` is the day a last play shows its time.
    static QString playText(const PlayRecord& record, int column, const QDate& today);
    // Shows the play history anew, and sorts again when a play column is the sort key.
    void playHistoryChanged();

    int count() const { return int(m_rows.size()); }
    // The game of a row, as a copy that owns its bytes (safe to keep after a reload).
    ListedGame gameAt(int row) const;
    // The game of a row in the shared table, valid while the table lives.
    const ListedGame& gameRef(int row) const;
    int gameIndexAt(int row) const { return m_rows[size_t(row)]; }
    // The row showing the game at `gameIndex` of the table, or -1.
    int rowOfGame(int gameIndex) const;
    QString text(int row, int column) const;
    // The bytes of a column the model holds as text (the record's fields, with their XML
    // references, and Category and Players), as the list holds them.
    static const QByteArray& columnBytes(const ListedGame& game, int column);
    const std::shared_ptr<const GameTable>& table() const { return m_table; }

    // Where the Roms column reads each set's audit state; null shows it empty. The status must
    // outlive the model or be replaced first.
    void setRomStatus(const RomStatus* status);
    const RomStatus* romStatus() const { return m_romStatus; }
    // The audit states changed (an audit recorded some): the Roms column is shown again.
    void romStatesChanged();
    RomStatus::Entry romEntry(int row) const;

    // Adds a game of the shared table at the end, or removes one row (a game audited in the
    // Uninstalled list that turned out to be installed moves to the Installed list).
    void appendGame(int gameIndex);
    void removeGameAt(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // The key and order of the last sort; -1 while the rows are in database order.
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

private:
    void reorder(int column, Qt::SortOrder order);
    void reorderByPlay(int column, Qt::SortOrder order);
    const PlayRecord* playRecord(const ListedGame& game) const;
    void movePersistentIndexes(const std::vector<int>& oldRows);
    // The bytes a column sorts by: the held text, or the Roms column's state word.
    const QByteArray& sortBytes(int game, int column) const;

    std::shared_ptr<const GameTable> m_table;
    std::shared_ptr<const PlayHistory> m_history;
    std::vector<int> m_rows;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    const RomStatus* m_romStatus = nullptr;
};

} // namespace velmora
