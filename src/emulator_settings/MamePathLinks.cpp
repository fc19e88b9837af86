#include "emulator_settings/MamePathLinks.h"

#include "platform/PrivateFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace velmora {
namespace {

QString g_linkFolder;

const QString kLinkFolderName = QStringLiteral("/mamepaths");

bool inProgramFolder(const QString& linkFolder)
{
    return !g_linkFolder.isEmpty() && linkFolder == g_linkFolder;
}

// Makes the link folder. Outside the program folder it is a private folder of this user's, so no
// other user can swap a link in it (and with it what MAME loads).
bool makeLinkFolder(const QString& linkFolder, QString* error)
{
    if (inProgramFolder(linkFolder))
        return QDir().mkpath(linkFolder);
    const platform::PrivateFolder base = platform::privateFolder();
    if (!base.ok()) {
        if (error)
            *error = base.error;
        return false;
    }
    return platform::makePrivateFolder(linkFolder, error);
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
    return platform::privateFolderPath() + kLinkFolderName;
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
    // The folder is checked first: a link already in a folder that is not private proves nothing.
    if (!makeLinkFolder(QFileInfo(link).path(), error))
        return false;
    const QFileInfo existing(link);
    if (existing.isSymLink() && existing.symLinkTarget() == QDir::cleanPath(target))
        return true;
    if ((existing.isSymLink() && !QFile::remove(link)) || !QFile::link(target, link)) {
        if (error)
            *error = QStringLiteral("Cannot make the link %1 to %2").arg(link, target);
        return false;
    }
    return true;
}

} // namespace velmora
