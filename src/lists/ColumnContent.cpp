#include "lists/ColumnContent.h"

#include "gamedb/XmlText.h"
#include "platform/Seams.h"

#include <algorithm>

namespace velmora {
namespace {

// The longest texts of one column seen so far, longest first. A text's length is its byte count
// as the user reads it (characters for the ASCII of nearly every field): it only chooses which
// texts get measured.
class LongestTexts
{
public:
    explicit LongestTexts(int capacity) : m_capacity(size_t(capacity)) {}

    // Whether a text of `length` might be kept: most rows are no longer than the shortest kept
    // text and end here.
    bool mayKeep(qsizetype length) const
    {
        return m_texts.size() < m_capacity || length > m_texts.back().length;
    }

    void offer(const QByteArray& text, qsizetype shownLength)
    {
        if (!mayKeep(shownLength))
            return;
        for (const Kept& kept : m_texts)
            if (kept.text == text)
                return;
        const auto at = std::find_if(m_texts.begin(), m_texts.end(),
                                     [&](const Kept& kept) { return kept.length < shownLength; });
        m_texts.insert(at, Kept{text, shownLength});
        if (m_texts.size() > m_capacity)
            m_texts.pop_back();
    }

    template <typename Shown> QStringList shown(Shown toText) const
    {
        QStringList out;
        for (const Kept& kept : m_texts)
            out.append(toText(kept.text));
        return out;
    }

private:
    struct Kept
    {
        QByteArray text; // as the list holds it
        qsizetype length;
    };
    size_t m_capacity;
    std::vector<Kept> m_texts;
};

} // namespace

std::vector<QStringList> widestTexts(const GameListModel& model, const std::vector<int>& columns,
                                     int perColumn)
{
    std::vector<QStringList> widest(GameListModel::ColumnCount);
    if (!model.table())
        return widest;
    const GameTable& table = *model.table();
    // The texts the model holds are read in one pass over the games (each game's fields lie
    // together); a column the model works out rather than holds is read as it shows.
    std::vector<int> held;
    std::vector<LongestTexts> longest;
    for (int column : columns) {
        if (column <= GameListModel::Players) {
            held.push_back(column);
            longest.emplace_back(perColumn);
            continue;
        }
        LongestTexts worked(perColumn);
        const auto offer = [&worked](const QString& text) {
            worked.offer(text.toUtf8(), text.size());
        };
        if (GameListModel::isPlayColumn(column)) {
            // Only played games have a text there: thousands of records, not every row.
            const QDate today = platform::clock().now().date();
            if (const PlayHistory* history = model.playHistory())
                for (const PlayRecord& record : history->records())
                    offer(GameListModel::playText(record, column, today));
        } else {
            for (int row = 0; row < model.count(); ++row)
                offer(model.text(row, column));
        }
        widest[size_t(column)] =
            worked.shown([](const QByteArray& text) { return QString::fromUtf8(text); });
    }
    for (int row = 0; row < model.count(); ++row) {
        const ListedGame& game = model.gameRef(row);
        for (size_t i = 0; i < held.size(); ++i) {
            const QByteArray& bytes = GameListModel::columnBytes(game, held[i]);
            // A text reads no longer than it is written: a reference reads shorter.
            if (!longest[i].mayKeep(bytes.size()))
                continue;
            const bool decoded = held[i] < GameRecord::FieldCount && mayHoldXmlReferences(bytes);
            longest[i].offer(bytes, decoded ? table.shownBytes(bytes).size() : bytes.size());
        }
    }
    for (size_t i = 0; i < held.size(); ++i) {
        const bool recordField = held[i] < GameRecord::FieldCount;
        widest[size_t(held[i])] = longest[i].shown([&](const QByteArray& text) {
            return recordField ? table.text(text) : GameTable::columnText(text);
        });
    }
    return widest;
}

} // namespace velmora
