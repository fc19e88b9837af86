#include "lists/GameTable.h"

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
    return m_utf8 ? QString::fromUtf8(field) : QString::fromLatin1(field);
}

} // namespace velmora
