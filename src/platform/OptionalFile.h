#pragma once
// Files the program reads when they are there: the splash picture, catver.ini and nplayers.ini,
// the information files, screenshots, icons, documents and the INI files. Only a regular file (or
// a link to one) counts. A folder, a FIFO, a device or a link to nothing in its place is the same
// as no file, and is never opened, so nobody can stop the window's thread by putting a FIFO where
// a picture is expected.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

namespace velmora::platform {

enum class OptionalFileState
{
    Opened,
    Missing,   // nothing there, or not a regular file
    Unreadable // a regular file that could not be opened (no permission); see the error
};

// True when `path` is a regular file or a link to one.
bool isRegularFile(const QString& path);

// Opens `file` for reading on `path` when that is a regular file; the open itself never waits.
OptionalFileState openOptionalFile(QFile& file, const QString& path, QString* error = nullptr);

// The whole file when it is a regular file that could be read; nothing otherwise.
std::optional<QByteArray> readOptionalFile(const QString& path);

} // namespace velmora::platform
