#include "lists/GameSearch.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstring>

namespace velmora {
namespace {

// Appends the field folded, then a tab that keeps a word from matching across two fields. Plain
// ASCII (nearly every field) is lower-cased in place; anything else, and a field that may hold
// XML references ("AT&amp;T" is found as "AT&T"), goes the way of the shown text.
void appendFolded(std::string& out, const GameTable& table, const QByteArray& field)
{
    const std::size_t start = out.size();
    out.append(field.constData(), std::size_t(field.size()));
    bool ascii = true;
    for (std::size_t i = start; i < out.size(); ++i) {
        const char c = out[i];
        ascii = ascii && uchar(c) < 0x80 && c != '&';
        out[i] = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
    }
    if (!ascii) {
        out.resize(start);
        const QByteArray folded = foldForSearch(table.text(field));
        out.append(folded.constData(), std::size_t(folded.size()));
    }
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

// Each word is looked for through all keys at once (memmem runs at memory speed); a hit marks its
// game, and the search goes on after that game's key.
std::vector<char> GameSearchIndex::match(const std::vector<QByteArray>& words) const
{
    std::vector<char> found(m_ends.size(), 1);
    std::vector<char> has(m_ends.size());
    const char* keys = m_keys.data();
    for (const QByteArray& word : words) {
        std::fill(has.begin(), has.end(), 0);
        std::size_t from = 0;
        while (const void* hit = memmem(keys + from, m_keys.size() - from, word.constData(),
                                        std::size_t(word.size()))) {
            const std::size_t at = std::size_t(static_cast<const char*>(hit) - keys);
            const auto game = std::upper_bound(m_ends.begin(), m_ends.end(), at) - m_ends.begin();
            has[std::size_t(game)] = 1;
            from = m_ends[std::size_t(game)];
        }
        for (std::size_t i = 0; i < found.size(); ++i)
            found[i] &= has[i];
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
