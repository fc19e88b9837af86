#include "info/MachineNames.h"

#include "gamedb/GameRecord.h"

#include <QFile>

namespace velmora {
namespace {

// A resource set's element line: "<machine name=..." or, in the older layout,
// "<game runnable="no" name=...".
const QByteArray kNameAttribute = QByteArrayLiteral(" name=\"");

bool isMachineElement(const QByteArray& line)
{
    const QByteArray element = line.trimmed();
    return element.startsWith("<machine ") || element.startsWith("<game ");
}

} // namespace

MachineNames::MachineNames(const QStringList& names)
{
    for (const QString& name : names)
        m_names.insert(name.toLower());
}

void MachineNames::insert(const QByteArray& name)
{
    if (!name.isEmpty())
        m_names.insert(QString::fromUtf8(name).toLower());
}

MachineNames MachineNames::fromDatabase(const ProgramPaths& paths)
{
    MachineNames names;
    QFile games(paths.report(QStringLiteral("gameinfo.txt")));
    if (games.open(QIODevice::ReadOnly)) {
        while (!games.atEnd()) {
            GameRecord record;
            if (GameRecord::fromLine(games.readLine(), &record))
                names.insert(record[GameRecord::Rom]);
        }
    }
    QFile resources(paths.report(QStringLiteral("resource.txt")));
    if (resources.open(QIODevice::ReadOnly)) {
        while (!resources.atEnd()) {
            const QByteArray line = resources.readLine();
            const qsizetype at = line.indexOf(kNameAttribute);
            if (at < 0 || !isMachineElement(line))
                continue;
            const qsizetype start = at + kNameAttribute.size();
            const qsizetype end = line.indexOf('"', start);
            if (end > start)
                names.insert(line.mid(start, end - start));
        }
    }
    return names;
}

bool MachineNames::containsBiosVariant(const QString& name) const
{
    if (contains(name))
        return true;
    const qsizetype mark = name.lastIndexOf(u'_');
    if (mark <= 0 || mark + 1 == name.size())
        return false;
    for (qsizetype i = mark + 1; i < name.size(); ++i) {
        if (name[i] < u'0' || name[i] > u'9')
            return false;
    }
    return contains(name.left(mark));
}

} // namespace velmora
