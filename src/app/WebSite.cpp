#include "app/WebSite.h"

namespace velmora {

QString webSiteAddress(const Preferences& prefs)
{
    QString address = prefs.webSite.trimmed();
    if (address.isEmpty())
        address = QStringLiteral(VELMORA_WEBSITE);
    while (address.endsWith(u'/'))
        address.chop(1);
    return address;
}

QUrl webSiteUrl(const Preferences& prefs, const QString& path)
{
    return QUrl(webSiteAddress(prefs) + path);
}

} // namespace velmora
