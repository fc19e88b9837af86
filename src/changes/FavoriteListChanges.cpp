#include "changes/FavoriteListChanges.h"

#include "gamedb/XmlText.h"

#include <QFile>

namespace velmora {
namespace {

const QString kHeading = QStringLiteral(
    "These games have been removed from your favorites list because something about them has "
    "changed with this version of M.A.M.E. or M.A.M.E. no longer supports them.  You can add them "
    "again if they are still supported.\r\r"
    "NOTE: This list is cumulative.  If you want to reset it for next time, goto the Maintenance "
    "screen and delete this report.\r\r\r");

} // namespace

std::optional<QString> favoriteListChangesText(const QString& changesFile)
{
    QFile file(changesFile);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    // The descriptions are MAME's (UTF-8) unless an older list wrote them in Latin-1.
    const QString log =
        QByteArrayView(bytes).isValidUtf8() ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
    QString text = kHeading;
    for (QStringView line : QStringView(log).split(u'\n', Qt::SkipEmptyParts)) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        // The log keeps the descriptions as the database holds them.
        text += decodeXmlText(line);
        text += u'\r';
    }
    return text;
}

} // namespace velmora
