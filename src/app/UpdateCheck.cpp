#include "app/UpdateCheck.h"

#include <limits>

namespace velmora {
namespace {

// The page's head (menus, scripts) fills its first 1000 characters; the version line follows.
constexpr qsizetype kVersionSearchStart = 1000;
const QString kVersionMarker = QStringLiteral("Version ");
const QString kVersionEnd = QStringLiteral("<br>");

// The number the text starts with: blanks are passed over, reading stops at anything else that
// is not a digit. 0 when there is no digit, kVersionTooLarge when the number does not fit.
int leadingNumber(const QString& text)
{
    qint64 value = 0;
    bool any = false;
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t')
            continue;
        if (c < u'0' || c > u'9')
            break;
        value = value * 10 + (c.unicode() - u'0');
        if (value > std::numeric_limits<int>::max())
            return kVersionTooLarge;
        any = true;
    }
    return any ? int(value) : 0;
}

} // namespace

int versionNumber(int major, int minor, int revision)
{
    return leadingNumber(QString::number(major) + QString::number(minor) +
                         QString::number(revision));
}

int localVersion()
{
    return versionNumber(VELMORA_VERSION_MAJOR, VELMORA_VERSION_MINOR, VELMORA_VERSION_PATCH);
}

int publishedVersion(const QString& page)
{
    const QString head = page.left(kUpdatePageLimit);
    const qsizetype marker = head.indexOf(kVersionMarker, kVersionSearchStart);
    if (marker < 0)
        return 0;
    const qsizetype start = marker + kVersionMarker.size();
    const qsizetype end = head.indexOf(kVersionEnd, start);
    if (end < 0)
        return 0;
    QString text = head.mid(start, end - start);
    text.remove(u'.');
    return leadingNumber(text);
}

QString updateAnswer(int published, int local, const QString& webSite)
{
    if (published < local)
        return QStringLiteral("You are running a newer version of Velmora than the one that is "
                              "available on the website.");
    if (published == local)
        return QStringLiteral("No updates available.  You are running the current version of "
                              "Velmora.");
    return QStringLiteral("There is a new version of Velmora available.\rYou can get it from ") +
           webSite + u'.';
}

QString updateErrorMessage()
{
    return QStringLiteral("Error checking for updates.  This may mean that you are not connected "
                          "to the Internet\ror there is a temporary problem with the website.");
}

QString newsErrorMessage()
{
    return QStringLiteral("Error retrieving news.  This may mean that you are not connected to "
                          "the Internet\ror there is a temporary problem with the website.");
}

} // namespace velmora
