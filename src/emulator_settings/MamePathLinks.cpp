#include "emulator_settings/MamePathLinks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace velmora {
namespace {

QString g_linkFolder;

QString temporaryLinkFolder()
{
    return QDir::tempPath() + QStringLiteral("/velmora-%1-mamepaths").arg(::getuid());
}

} // namespace

bool mameReadsAsWritten(const QString& path)
{
    const QByteArray bytes = QFile::encodeName(path);
    if (bytes.startsWith(' ') || bytes.endsWith(' '))
        return false;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 32 || b > 126 || c == '#' || c == ';' || c == '$' || c == '"')
            return false;
    }
    return true;
}

void setMamePathLinkFolder(const QString& folder)
{
    g_linkFolder = folder;
}

QString mamePathLinkFolder()
{
    if (!g_linkFolder.isEmpty() && mameReadsAsWritten(g_linkFolder))
        return g_linkFolder;
    return temporaryLinkFolder();
}

QString mameIniFolderPath(const QString& path, const QString& linkName)
{
    if (path.isEmpty() || mameReadsAsWritten(path))
        return path;
    return mamePathLinkFolder() + u'/' + linkName;
}

bool makeMamePathLink(const QString& path, const QString& linkName, QString* error)
{
    if (path.isEmpty() || mameReadsAsWritten(path))
        return true;
    const QString link = mameIniFolderPath(path, linkName);
    const QString target = QFileInfo(path).absoluteFilePath();
    const QFileInfo existing(link);
    if (existing.isSymLink() && existing.symLinkTarget() == QDir::cleanPath(target))
        return true;
    if (!QDir().mkpath(QFileInfo(link).path()) || (existing.isSymLink() && !QFile::remove(link)) ||
        !QFile::link(target, link)) {
        if (error)
            *error = QStringLiteral("Cannot make the link %1 to %2").arg(link, target);
        return false;
    }
    return true;
}

} // namespace velmora
