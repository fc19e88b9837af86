#include "platform/PrivateFolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::platform {
namespace {

// A folder of this user's that nobody else can write to.
bool isOwnedAndClosed(const struct stat& info)
{
    return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 022) == 0;
}

QString refusal(const QString& path)
{
    return QStringLiteral("Velmora cannot use the folder %1: it is not a private folder of yours "
                          "(it is a link, belongs to another user or others can write to it).  "
                          "Remove it, and start Velmora again.")
        .arg(QDir::toNativeSeparators(path));
}

// $XDG_RUNTIME_DIR when it names a private folder of this user's.
QString runtimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    struct stat info = {};
    if (runtime.isEmpty() || !QDir::isAbsolutePath(runtime) ||
        ::lstat(QFile::encodeName(runtime).constData(), &info) != 0 || !isOwnedAndClosed(info))
        return QString();
    return runtime;
}

} // namespace

bool makePrivateFolder(const QString& path, QString* error)
{
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) {
        if (error)
            *error = QStringLiteral("Velmora cannot make the folder %1: %2")
                         .arg(QDir::toNativeSeparators(path),
                              QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    // lstat: a link is refused whatever it points to.
    struct stat info = {};
    if (::lstat(name.constData(), &info) != 0 || !isOwnedAndClosed(info)) {
        if (error)
            *error = refusal(path);
        return false;
    }
    return true;
}

QString privateFolderPath()
{
    const QString runtime = runtimeFolder();
    return runtime.isEmpty()
               ? QDir::tempPath() + QStringLiteral("/velmora-%1-private").arg(::getuid())
               : runtime + QStringLiteral("/velmora");
}

PrivateFolder privateFolder()
{
    const QString path = privateFolderPath();
    PrivateFolder folder;
    if (makePrivateFolder(path, &folder.error))
        folder.path = path;
    return folder;
}

} // namespace velmora::platform
