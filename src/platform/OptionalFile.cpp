#include "platform/OptionalFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::platform {

bool isRegularFile(const QString& path)
{
    struct stat info = {};
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &info) == 0 &&
           S_ISREG(info.st_mode);
}

OptionalFileState openOptionalFile(QFile& file, const QString& path, QString* error)
{
    // Only what is a regular file before the open is opened at all (a device may act on being
    // opened); O_NONBLOCK keeps the open from waiting should a FIFO take its place meanwhile,
    // and the open file is checked again.
    if (!isRegularFile(path))
        return OptionalFileState::Missing;
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return errno == ENOENT ? OptionalFileState::Missing : OptionalFileState::Unreadable;
    }
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return OptionalFileState::Missing;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file.setFileName(path);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        if (error)
            *error = file.errorString();
        return OptionalFileState::Unreadable;
    }
    return OptionalFileState::Opened;
}

std::optional<QByteArray> readOptionalFile(const QString& path)
{
    QFile file;
    if (openOptionalFile(file, path) != OptionalFileState::Opened)
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace velmora::platform
