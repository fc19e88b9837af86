#include "gamedb/ReplacedFile.h"

#include "platform/Seams.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {
namespace {

constexpr int kNameAttempts = 100;
constexpr qsizetype kCopyBlock = 1024 * 1024;

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString randomSuffix()
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString suffix;
    for (int i = 0; i < 6; ++i)
        suffix += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(62)]);
    return suffix;
}

// Writes all of `bytes`, going on after a partial write or an interrupted call; 0 or the errno.
int writeAll(int fd, const char* bytes, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, bytes, std::size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        bytes += n;
        size -= n;
    }
    return 0;
}

// The files whose failure to save the user has been told of, until they are saved again.
QSet<QString>& toldNotSaved()
{
    static QSet<QString> told;
    return told;
}

} // namespace

ReplacedFile::ReplacedFile(const QString& target)
{
    // A link is kept: the file it points to is the one replaced.
    const QFileInfo info(target);
    m_target = info.isSymLink() ? info.symLinkTarget() : target;
}

ReplacedFile::~ReplacedFile()
{
    discard();
}

const QString& ReplacedFile::temporaryMark()
{
    static const QString mark = QStringLiteral(".velmora-");
    return mark;
}

bool ReplacedFile::open()
{
    m_buffer.reserve(kFlushSize + 64 * 1024);
    struct stat existing = {};
    const bool replacing = ::stat(QFile::encodeName(m_target).constData(), &existing) == 0;
    // Where the file system allows, the file has no name until commit(), so a kill leaves
    // nothing behind; elsewhere it is made under its temporary name at once.
    m_fd = ::open(QFile::encodeName(QFileInfo(m_target).absolutePath()).constData(),
                  O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (m_fd < 0 && (errno == EISDIR || errno == EOPNOTSUPP || errno == EINVAL))
        m_fd = openNamed(nullptr);
    if (m_fd < 0) {
        fail(errno);
        m_temporary.clear();
        return false;
    }
    // The new file keeps the old one's permissions (a private mame.ini stays private).
    if (replacing)
        ::fchmod(m_fd, existing.st_mode & 07777);
    return true;
}

// Makes the temporary name: a new file (returned), or, with `linkTo`, a link to that unnamed
// file. -1 with errno set when no name could be made.
int ReplacedFile::openNamed(const QByteArray* linkTo)
{
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        m_temporary = m_target + temporaryMark() + randomSuffix();
        const QByteArray name = QFile::encodeName(m_temporary);
        const int made =
            linkTo ? ::linkat(AT_FDCWD, linkTo->constData(), AT_FDCWD, name.constData(),
                              AT_SYMLINK_FOLLOW)
                   : ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (made >= 0 || errno != EEXIST)
            return made;
    }
    return -1;
}

void ReplacedFile::fail(int error)
{
    if (m_failed)
        return;
    m_failed = true;
    m_error = errorText(error);
}

bool ReplacedFile::flush()
{
    if (m_fd < 0 && !m_failed)
        fail(EBADF);
    if (!m_buffer.isEmpty() && !m_failed) {
        const int fault = platform::writeFaultFor(m_target);
        if (const int error = fault ? fault : writeAll(m_fd, m_buffer.constData(), m_buffer.size()))
            fail(error);
    }
    m_buffer.resize(0); // keeps the allocation for the next round
    return !m_failed;
}

bool ReplacedFile::commit()
{
    if (!flush()) {
        discard();
        return false;
    }
    if (const int fault = platform::writeFaultFor(m_target))
        fail(fault);
    if (!m_failed && m_temporary.isEmpty()) {
        const QByteArray unnamed = "/proc/self/fd/" + QByteArray::number(m_fd);
        if (openNamed(&unnamed) != 0) {
            fail(errno);
            m_temporary.clear();
        }
    }
    // Some file systems (network ones) report a full disk only when the file is closed.
    const int closed = ::close(m_fd);
    m_fd = -1;
    if (closed != 0)
        fail(errno);
    if (!m_failed && std::rename(QFile::encodeName(m_temporary).constData(),
                                 QFile::encodeName(m_target).constData()) != 0)
        fail(errno);
    if (m_failed) {
        discard();
        return false;
    }
    m_temporary.clear();
    toldNotSaved().remove(m_target);
    return true;
}

void ReplacedFile::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.isEmpty()) {
        ::unlink(QFile::encodeName(m_temporary).constData());
        m_temporary.clear();
    }
    m_buffer.clear();
}

bool writeFileReplacing(const QString& target, QByteArrayView bytes, QString* error)
{
    ReplacedFile file(target);
    if (file.open()) {
        file.write(bytes);
        if (file.commit())
            return true;
    }
    if (error)
        *error = file.errorString();
    return false;
}

bool copyFileOver(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    ReplacedFile out(target);
    if (!out.open())
        return false;
    QByteArray block(kCopyBlock, Qt::Uninitialized);
    for (;;) {
        const qint64 got = in.read(block.data(), block.size());
        if (got < 0)
            return false;
        if (got == 0)
            break;
        out.write(QByteArrayView(block.constData(), got));
        if (out.failed())
            return false;
    }
    return out.commit();
}

bool renameOver(const QString& source, const QString& target)
{
    return std::rename(QFile::encodeName(source).constData(),
                       QFile::encodeName(target).constData()) == 0;
}

QString notSavedMessage(const QString& target, const QString& reason)
{
    return QStringLiteral("%1 could not be saved: %2")
        .arg(QDir::toNativeSeparators(target), reason);
}

void reportNotSaved(const QString& target, const QString& reason)
{
    const QFileInfo info(target);
    const QString key = info.isSymLink() ? info.symLinkTarget() : target;
    if (toldNotSaved().contains(key))
        return;
    toldNotSaved().insert(key);
    platform::showMessage(notSavedMessage(target, reason), QStringLiteral("Velmora"),
                          platform::MessageIcon::Exclamation);
}

void removeUnfinishedFiles(const QString& folder, const QStringList& targets)
{
    static const QRegularExpression suffix(
        QRegularExpression::escape(ReplacedFile::temporaryMark()) +
        QStringLiteral("[A-Za-z0-9]{6}$"));
    const QDir dir(folder);
    QStringList patterns;
    for (const QString& target : targets)
        patterns << target + ReplacedFile::temporaryMark() + QStringLiteral("??????");
    const auto filters = QDir::Files | QDir::Hidden | QDir::CaseSensitive;
    for (const QString& name : dir.entryList(patterns, filters)) {
        const QFileInfo info(dir.filePath(name));
        if (suffix.match(name).hasMatch() && !info.isSymLink())
            QFile::remove(info.filePath());
    }
}

} // namespace velmora
