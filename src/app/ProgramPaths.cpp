#include "app/ProgramPaths.h"

#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace velmora {
namespace {

// Folders of the system's own programs. The superuser may write into them, but an installed
// Velmora run as root must not take /usr/bin for its program folder.
const QStringList kSystemProgramFolders = {QStringLiteral("/usr/bin"),
                                           QStringLiteral("/usr/sbin"),
                                           QStringLiteral("/usr/games"),
                                           QStringLiteral("/usr/local/bin"),
                                           QStringLiteral("/usr/local/games"),
                                           QStringLiteral("/bin"),
                                           QStringLiteral("/sbin")};

bool inUserGroups(gid_t group)
{
    if (group == ::getegid())
        return true;
    gid_t groups[256];
    const int count = ::getgroups(256, groups);
    return std::find(groups, groups + std::max(count, 0), group) != groups + std::max(count, 0);
}

// Whether the folder's permission bits let this user write into it. access() alone answers yes
// to the superuser for every folder, so a prefix made read-only would still count as writable;
// access() is still asked, for a file system mounted read-only.
bool writableFolder(const QString& folder)
{
    const QByteArray path = QFile::encodeName(folder);
    struct stat info = {};
    if (::stat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        ::access(path.constData(), W_OK) != 0)
        return false;
    if (info.st_uid == ::geteuid())
        return info.st_mode & S_IWUSR;
    if (inUserGroups(info.st_gid))
        return info.st_mode & S_IWGRP;
    return info.st_mode & S_IWOTH;
}

bool isPortableFolder(const QString& executableFolder)
{
    if (QFileInfo::exists(executableFolder + QStringLiteral("/velmora.portable")))
        return true;
    const QString canonical = QFileInfo(executableFolder).canonicalFilePath();
    return !kSystemProgramFolders.contains(canonical) && writableFolder(executableFolder);
}

QString withoutTrailingSeparator(QString folder)
{
    // A root folder is reported with its separator; every stored folder is kept without one, so
    // the root becomes empty and "/settings" still names the right folder.
    while (folder.endsWith(u'/'))
        folder.chop(1);
    return folder;
}

} // namespace

ProgramPaths::ProgramPaths(QString folder, Kind kind, QStringList installedFolders)
    : programFolder(std::move(folder)), kind(kind), installedFolders(std::move(installedFolders))
{
}

ProgramPaths ProgramPaths::ofRunningProgram()
{
    return forExecutable(executableFolder(), dataHome());
}

ProgramPaths ProgramPaths::forExecutable(const QString& executableFolder, const QString& dataHome)
{
    const QString folder = withoutTrailingSeparator(executableFolder);
    if (isPortableFolder(executableFolder))
        return ProgramPaths(folder);
    // The installed layout keeps the data and documentation folders at fixed places relative to
    // the executable's folder, whatever the prefix.
    const QStringList installed = {
        QDir::cleanPath(folder + QStringLiteral("/" VELMORA_DATA_FROM_BIN)),
        QDir::cleanPath(folder + QStringLiteral("/" VELMORA_DOC_FROM_BIN))};
    return ProgramPaths(withoutTrailingSeparator(dataHome) + QStringLiteral("/velmora"),
                        Kind::Installed, installed);
}

QString ProgramPaths::dataHome()
{
    const QString configured = qEnvironmentVariable("XDG_DATA_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured))
        return configured;
    return QDir::homePath() + QStringLiteral("/.local/share");
}

QString ProgramPaths::executableFolder()
{
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).path();
}

bool ProgramPaths::makeProgramFolder() const
{
    if (QFileInfo(programFolder).isDir())
        return true;
    if (kind == Kind::Portable)
        return QDir().mkpath(programFolder);
    const QFileInfo folder(programFolder);
    return QDir().mkpath(folder.path()) &&
           QDir().mkdir(programFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString ProgramPaths::readOnlyFile(const QString& fileName) const
{
    const QString own = file(fileName);
    if (QFileInfo(own).isFile())
        return own;
    for (const QString& folder : installedFolders) {
        const QString installed = folder + u'/' + fileName;
        if (QFileInfo(installed).isFile())
            return installed;
    }
    return own;
}

} // namespace velmora
