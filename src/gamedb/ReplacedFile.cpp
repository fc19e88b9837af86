#include "gamedb/ReplacedFile.h"

#include <QFile>

#include <cstdio>

namespace velmora {

ReplacedFile::ReplacedFile(const QString& target) : m_file(target)
{
    m_buffer.reserve(kFlushSize + 64 * 1024);
}

bool ReplacedFile::open()
{
    // Without the fallback a folder that forbids new files fails here instead of writing the
    // target in place.
    m_file.setDirectWriteFallback(false);
    return m_file.open(QIODevice::WriteOnly);
}

void ReplacedFile::flush()
{
    if (m_buffer.isEmpty())
        return;
    if (m_file.write(m_buffer) != m_buffer.size() && !m_failed) {
        m_failed = true;
        m_error = m_file.errorString();
    }
    m_buffer.resize(0); // keeps the allocation for the next round
}

bool ReplacedFile::commit()
{
    flush();
    if (m_failed) {
        m_file.cancelWriting();
        return false;
    }
    return m_file.commit();
}

bool copyFileOver(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(1024 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 got = in.read(block.data(), block.size());
        if (got < 0) {
            out.cancelWriting();
            return false;
        }
        if (got == 0)
            break;
        if (out.write(block.constData(), got) != got) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit();
}

bool renameOver(const QString& source, const QString& target)
{
    return std::rename(QFile::encodeName(source).constData(),
                       QFile::encodeName(target).constData()) == 0;
}

} // namespace velmora
