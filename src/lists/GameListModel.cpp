#include "lists/GameListModel.h"

#include <algorithm>

namespace velmora {
namespace {

const char* const kHeaders[GameListModel::ColumnCount] = {
    "Game",         "Year",   "Status",  "Color",       "Sound",     "Graphic", "Palette",
    "Manufacturer", "Type",   "Display", "Orientation", "Frequency", "Origin",  "ROM",
    "Source",       "ROM Of", "CHD",     "Category",    "Players"};

const int kDesignWidths[GameListModel::ColumnCount] = {10037, 1446, 1676, 1676, 1685, 1843, 1711,
                                                       7056,  1499, 1852, 2214, 2187, 2822, 1764,
                                                       1940,  1764, 2540, 4463, 2134};

char lowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// Byte text compared with ASCII letters folded; other bytes by their code.
int compareText(const QByteArray& a, const QByteArray& b)
{
    const qsizetype n = std::min(a.size(), b.size());
    const char* pa = a.constData();
    const char* pb = b.constData();
    for (qsizetype i = 0; i < n; ++i) {
        const uchar ca = uchar(lowerAscii(pa[i]));
        const uchar cb = uchar(lowerAscii(pb[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int compareColumn(const ListedGame& a, const ListedGame& b, int column)
{
    if (column == GameListModel::Category)
        return a.category.compare(b.category, Qt::CaseInsensitive);
    if (column == GameListModel::Players)
        return a.players.compare(b.players, Qt::CaseInsensitive);
    const auto field = GameRecord::Field(column);
    return compareText(a.record[field], b.record[field]);
}

} // namespace

GameListModel::GameListModel(QObject* parent) : QAbstractTableModel(parent)
{
}

QString GameListModel::header(int column)
{
    return QLatin1String(kHeaders[column]);
}

int GameListModel::designWidth(int column)
{
    return kDesignWidths[column];
}

void GameListModel::setGames(std::shared_ptr<const GameTable> table, std::vector<int> rows)
{
    beginResetModel();
    m_table = std::move(table);
    m_rows = std::move(rows);
    m_sortColumn = -1;
    m_sortOrder = Qt::AscendingOrder;
    endResetModel();
}

void GameListModel::clear()
{
    setGames(nullptr, {});
}

const ListedGame& GameListModel::gameAt(int row) const
{
    return m_table->at(m_rows[size_t(row)]);
}

int GameListModel::rowOfGame(int gameIndex) const
{
    const auto it = std::find(m_rows.begin(), m_rows.end(), gameIndex);
    return it == m_rows.end() ? -1 : int(it - m_rows.begin());
}

QString GameListModel::text(int row, int column) const
{
    const ListedGame& game = gameAt(row);
    if (column == Category)
        return game.category;
    if (column == Players)
        return game.players;
    return m_table->text(game.record[GameRecord::Field(column)]);
}

void GameListModel::appendGame(int gameIndex)
{
    beginInsertRows({}, count(), count());
    m_rows.push_back(gameIndex);
    endInsertRows();
}

void GameListModel::removeGameAt(int row)
{
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

int GameListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

int GameListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant GameListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return text(index.row(), index.column());
}

QVariant GameListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return {};
    return header(section);
}

void GameListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount || !m_table)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<int> oldRows = m_rows;
    reorder(column, order);
    movePersistentIndexes(oldRows);
    m_sortColumn = column;
    m_sortOrder = order;
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void GameListModel::reorder(int column, Qt::SortOrder order)
{
    const GameTable& table = *m_table;
    const bool descending = order == Qt::DescendingOrder;
    std::sort(m_rows.begin(), m_rows.end(), [&](int a, int b) {
        const int c = compareColumn(table.at(a), table.at(b), column);
        if (c != 0)
            return descending ? c > 0 : c < 0;
        return a < b;
    });
}

// Keeps the selection and the current row on their games: each persistent index moves to the
// row where its game is now.
void GameListModel::movePersistentIndexes(const std::vector<int>& oldRows)
{
    const QModelIndexList before = persistentIndexList();
    if (before.isEmpty())
        return;
    std::vector<int> newRowOfGame(size_t(m_table->size()), -1);
    for (int row = 0; row < count(); ++row)
        newRowOfGame[size_t(m_rows[size_t(row)])] = row;
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
        const int game = oldRows[size_t(index.row())];
        after.append(this->index(newRowOfGame[size_t(game)], index.column()));
    }
    changePersistentIndexList(before, after);
}

} // namespace velmora
