#include "lists/GameListModel.h"

#include "gamedb/XmlText.h"
#include "platform/Seams.h"

#include <QLocale>

#include <algorithm>
#include <deque>

namespace velmora {
namespace {

const char* const kHeaders[GameListModel::ColumnCount] = {
    "Game",    "Year",         "Status", "Color",       "Sound",       "Graphic",
    "Palette", "Manufacturer", "Type",   "Display",     "Orientation", "Frequency",
    "Origin",  "ROM",          "Source", "ROM Of",      "CHD",         "Category",
    "Players", "ROMs",         "Played", "Time Played", "Last Played"};

const int kDesignWidths[GameListModel::ColumnCount] = {
    10037, 1446, 1676, 1676, 1685, 1843, 1711, 7056, 1499, 1852, 2214, 2187,
    2822,  1764, 1940, 1764, 2540, 4463, 2134, 2800, 1500, 2100, 2400};

char lowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// Texts compare byte by byte with ASCII letters folded, other bytes by their code; a text that is
// the start of another sorts first.
constexpr int kPrefixBytes = 8;

// One row's text of the key column, with its first 8 folded bytes packed into a number so that
// most comparisons need neither the text nor a loop.
struct SortKey
{
    quint64 prefix;
    const char* data;
    qsizetype size;
    int game;
};

SortKey sortKeyOf(const QByteArray& text, int game)
{
    quint64 prefix = 0;
    for (int i = 0; i < kPrefixBytes; ++i)
        prefix = (prefix << 8) | (i < text.size() ? uchar(lowerAscii(text[i])) : 0u);
    return {prefix, text.constData(), text.size(), game};
}

// Past equal prefixes: the rest of the texts, or their lengths when one ends within the prefix.
// Fields hold no NUL bytes, so equal prefixes of a short text mean equal lengths.
int compareRest(const SortKey& a, const SortKey& b)
{
    const qsizetype n = std::min(a.size, b.size);
    for (qsizetype i = kPrefixBytes; i < n; ++i) {
        const uchar ca = uchar(lowerAscii(a.data[i]));
        const uchar cb = uchar(lowerAscii(b.data[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size == b.size ? 0 : (a.size < b.size ? -1 : 1);
}

int compareKeys(const SortKey& a, const SortKey& b)
{
    if (a.prefix != b.prefix)
        return a.prefix < b.prefix ? -1 : 1;
    return compareRest(a, b);
}

// A play column's value of a game; larger is more (or later).
qint64 playValue(const PlayRecord& record, int column)
{
    switch (column) {
    case GameListModel::Played:
        return record.count;
    case GameListModel::TimePlayed:
        return record.seconds;
    default:
        return record.lastPlayed;
    }
}

// h:mm, or m:ss under an hour.
QString playTimeText(qint64 seconds)
{
    constexpr qint64 kHour = 3600, kMinute = 60;
    const bool hours = seconds >= kHour;
    const qint64 major = hours ? seconds / kHour : seconds / kMinute;
    const qint64 minor = hours ? seconds % kHour / kMinute : seconds % kMinute;
    return QStringLiteral("%1:%2").arg(major).arg(minor, 2, 10, QLatin1Char('0'));
}

// The date of the last play, or its time when that was today.
QString lastPlayedText(const PlayRecord& record, const QDate& today)
{
    const QDateTime when = record.lastPlayedTime();
    if (!when.isValid())
        return QString();
    const QLocale locale;
    if (when.date() == today)
        return locale.toString(when.time(), QLocale::ShortFormat);
    return locale.toString(when.date(), QLocale::ShortFormat);
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

void GameListModel::setPlayHistory(std::shared_ptr<const PlayHistory> history)
{
    m_history = std::move(history);
    playHistoryChanged();
}

void GameListModel::playHistoryChanged()
{
    if (isPlayColumn(m_sortColumn))
        sort(m_sortColumn, m_sortOrder);
    if (count() > 0)
        emit dataChanged(index(0, Played), index(count() - 1, LastPlayed), {Qt::DisplayRole});
}

const PlayRecord* GameListModel::playRecord(const ListedGame& game) const
{
    return m_history ? m_history->find(game.record[GameRecord::Rom]) : nullptr;
}

QString GameListModel::playText(const PlayRecord& record, int column, const QDate& today)
{
    switch (column) {
    case Played:
        return QString::number(record.count);
    case TimePlayed:
        return playTimeText(record.seconds);
    default:
        return lastPlayedText(record, today);
    }
}

const ListedGame& GameListModel::gameRef(int row) const
{
    return m_table->at(m_rows[size_t(row)]);
}

ListedGame GameListModel::gameAt(int row) const
{
    return m_table->detached(m_rows[size_t(row)]);
}

int GameListModel::rowOfGame(int gameIndex) const
{
    const auto it = std::find(m_rows.begin(), m_rows.end(), gameIndex);
    return it == m_rows.end() ? -1 : int(it - m_rows.begin());
}

const QByteArray& GameListModel::columnBytes(const ListedGame& game, int column)
{
    if (column == Category)
        return game.category;
    if (column == Players)
        return game.players;
    return game.record[GameRecord::Field(column)];
}

void GameListModel::setRomStatus(const RomStatus* status)
{
    m_romStatus = status;
    romStatesChanged();
}

void GameListModel::romStatesChanged()
{
    if (count() > 0)
        emit dataChanged(index(0, Roms), index(count() - 1, Roms));
}

RomStatus::Entry GameListModel::romEntry(int row) const
{
    if (!m_romStatus)
        return {};
    return m_romStatus->entry(gameRef(row).record[GameRecord::Rom]);
}

const QByteArray& GameListModel::sortBytes(int game, int column) const
{
    if (column != Roms)
        return columnBytes(m_table->at(game), column);
    if (!m_romStatus)
        return romStateWord(RomState::Unknown);
    return romStateWord(m_romStatus->state(m_table->at(game).record[GameRecord::Rom]));
}

QString GameListModel::text(int row, int column) const
{
    if (column == Roms)
        return QString::fromLatin1(romStateWord(romEntry(row).state));
    const ListedGame& game = gameRef(row);
    if (isPlayColumn(column)) {
        const PlayRecord* record = playRecord(game);
        return record ? playText(*record, column, platform::clock().now().date()) : QString();
    }
    if (column == Category || column == Players)
        return GameTable::columnText(columnBytes(game, column));
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
    if (!index.isValid())
        return {};
    if (role == RomStateRole || role == RomStateOlderRole) {
        const RomStatus::Entry entry = romEntry(index.row());
        return role == RomStateRole ? QVariant(int(entry.state)) : QVariant(entry.olderMame);
    }
    if (role != Qt::DisplayRole)
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
    if (isPlayColumn(column)) {
        reorderByPlay(column, order);
        return;
    }
    std::vector<SortKey> keys;
    keys.reserve(m_rows.size());
    // Fields holding XML references sort by the text the user reads; the few decoded texts live
    // here while the keys point into them.
    std::deque<QByteArray> decoded;
    const bool recordField = column < GameRecord::FieldCount;
    for (int game : m_rows) {
        const QByteArray& bytes = sortBytes(game, column);
        if (recordField && mayHoldXmlReferences(bytes)) {
            decoded.push_back(m_table->shownBytes(bytes));
            keys.push_back(sortKeyOf(decoded.back(), game));
        } else {
            keys.push_back(sortKeyOf(bytes, game));
        }
    }
    const bool descending = order == Qt::DescendingOrder;
    std::sort(keys.begin(), keys.end(), [descending](const SortKey& a, const SortKey& b) {
        const int c = compareKeys(a, b);
        if (c != 0)
            return descending ? c > 0 : c < 0;
        return a.game < b.game; // equal texts keep database order either way
    });
    for (size_t i = 0; i < keys.size(); ++i)
        m_rows[i] = keys[i].game;
}

// Played games by their value, ties in database order; the games never played follow, in database
// order, whichever way the played ones go.
void GameListModel::reorderByPlay(int column, Qt::SortOrder order)
{
    struct PlayKey
    {
        qint64 value;
        int game;
    };
    std::vector<PlayKey> played;
    std::vector<int> never;
    for (int game : m_rows) {
        if (const PlayRecord* record = playRecord(m_table->at(game)))
            played.push_back({playValue(*record, column), game});
        else
            never.push_back(game);
    }
    const bool descending = order == Qt::DescendingOrder;
    std::sort(played.begin(), played.end(), [descending](const PlayKey& a, const PlayKey& b) {
        if (a.value != b.value)
            return descending ? a.value > b.value : a.value < b.value;
        return a.game < b.game;
    });
    std::sort(never.begin(), never.end());
    size_t i = 0;
    for (const PlayKey& key : played)
        m_rows[i++] = key.game;
    for (int game : never)
        m_rows[i++] = game;
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
