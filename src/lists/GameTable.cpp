#include "lists/GameTable.h"

#include "gamedb/XmlText.h"

namespace velmora {

QByteArray ownedBytes(const QByteArray& bytes)
{
    return QByteArray(bytes.constData(), bytes.size());
}

int GameTable::add(ListedGame game)
{
    m_games.push_back(std::move(game));
    return int(m_games.size()) - 1;
}

ListedGame GameTable::detached(int index) const
{
    ListedGame copy = at(index);
    for (QByteArray& field : copy.record.fields)
        field = ownedBytes(field);
    return copy;
}

QString GameTable::text(const QByteArray& field) const
{
    const QString raw = m_utf8 ? QString::fromUtf8(field) : QString::fromLatin1(field);
    return mayHoldXmlReferences(field) ? decodeXmlText(raw) : raw;
}

QByteArray GameTable::shownBytes(const QByteArray& field) const
{
    if (!mayHoldXmlReferences(field))
        return field;
    const QString shown = text(field);
    return m_utf8 ? shown.toUtf8() : shown.toLatin1();
}

} // namespace velmora
