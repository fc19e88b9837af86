#include "lists/GameTable.h"

namespace velmora {

int GameTable::add(ListedGame game)
{
    m_games.push_back(std::move(game));
    return int(m_games.size()) - 1;
}

QString GameTable::text(const QByteArray& field) const
{
    return m_utf8 ? QString::fromUtf8(field) : QString::fromLatin1(field);
}

} // namespace velmora
