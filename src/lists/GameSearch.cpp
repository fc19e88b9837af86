#include "lists/GameSearch.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstring>

namespace velmora {
namespace {

bool isAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
}

void appendFolded(std::string& out, const GameTable& table, const QByteArray& field)
{
    if (isAscii(field)) {
        for (const char c : field)
            out += (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
    } else {
        const QByteArray folded = foldForSearch(table.text(field));
        out.append(folded.constData(), std::size_t(folded.size()));
    }
    // Keeps a word from matching across two fields.
    out += '\t';
}

} // namespace

QByteArray foldForSearch(QStringView text)
{
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (!c.isMark())
            out += c;
    return out.toCaseFolded().toUtf8();
}

std::vector<QByteArray> searchWords(const QString& query)
{
    std::vector<QByteArray> words;
    for (const QString& word :
         query.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        words.push_back(foldForSearch(word));
    return words;
}

GameSearchIndex::GameSearchIndex(std::shared_ptr<const GameTable> table) : m_table(std::move(table))
{
    const int count = m_table ? m_table->size() : 0;
    m_ends.reserve(std::size_t(count));
    m_keys.reserve(std::size_t(count) * 96);
    for (int i = 0; i < count; ++i) {
        const ListedGame& game = m_table->at(i);
        for (const GameRecord::Field field :
             {GameRecord::Game, GameRecord::Rom, GameRecord::Manufacturer, GameRecord::Year,
              GameRecord::Source})
            appendFolded(m_keys, *m_table, game.record[field]);
        appendFolded(m_keys, *m_table, game.category);
        m_keys += '\n';
        m_ends.push_back(m_keys.size());
    }
}

std::vector<char> GameSearchIndex::match(const std::vector<QByteArray>& words) const
{
    std::vector<char> found(m_ends.size(), 1);
    const char* keys = m_keys.data();
    std::size_t begin = 0;
    for (std::size_t game = 0; game < m_ends.size(); ++game) {
        const std::size_t length = m_ends[game] - begin;
        for (const QByteArray& word : words) {
            if (!memmem(keys + begin, length, word.constData(), std::size_t(word.size()))) {
                found[game] = 0;
                break;
            }
        }
        begin = m_ends[game];
    }
    return found;
}

GameSearchFilter::GameSearchFilter(GameListModel* games, QObject* parent)
    : QSortFilterProxyModel(parent), m_games(games)
{
    // Never sorted itself: the rows keep the model's order, whatever its sort.
    setSourceModel(games);
}

void GameSearchFilter::setMatches(std::shared_ptr<const std::vector<char>> matches)
{
    if (!matches && !m_matches)
        return;
    m_matches = std::move(matches);
    // One layout change for the whole list: row-by-row removal is slow on 40,000 rows.
    invalidate();
}

bool GameSearchFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    if (!m_matches)
        return true;
    const std::size_t game = std::size_t(m_games->gameIndexAt(sourceRow));
    return game < m_matches->size() && (*m_matches)[game];
}

} // namespace velmora
