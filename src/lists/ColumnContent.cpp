#include "lists/ColumnContent.h"

#include "gamedb/XmlText.h"

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

    // Most rows are no longer than the shortest kept text and end at the first test.
    void offer(const QByteArray& text, qsizetype shownLength)
    {
        if (m_texts.size() == m_capacity && shownLength <= m_texts.back().length)
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
    for (int column : columns) {
        LongestTexts longest(perColumn);
        if (column > GameListModel::Players) {
            // A column the model works out rather than holds is read as it shows.
            for (int row = 0; row < model.count(); ++row) {
                const QString text = model.text(row, column);
                longest.offer(text.toUtf8(), text.size());
            }
            widest[size_t(column)] =
                longest.shown([](const QByteArray& text) { return QString::fromUtf8(text); });
            continue;
        }
        const bool recordField = column < GameRecord::FieldCount;
        for (int row = 0; row < model.count(); ++row) {
            const QByteArray& bytes = model.bytes(row, column);
            // A reference reads shorter than it is written.
            const bool decoded = recordField && mayHoldXmlReferences(bytes);
            longest.offer(bytes, decoded ? table.shownBytes(bytes).size() : bytes.size());
        }
        widest[size_t(column)] = longest.shown([&](const QByteArray& text) {
            return recordField ? table.text(text) : GameTable::columnText(text);
        });
    }
    return widest;
}

} // namespace velmora
