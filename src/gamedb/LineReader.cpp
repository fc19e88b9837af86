#include "gamedb/LineReader.h"

#include <cstring>

namespace velmora {

LineReader::LineReader(qsizetype blockSize) : m_buffer(std::size_t(blockSize))
{
}

bool LineReader::open(const QString& path, QString* error)
{
    m_file.setFileName(path);
    if (!m_file.exists()) {
        *error = QStringLiteral("File not found");
        return false;
    }
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        *error = m_file.errorString();
        return false;
    }
    return true;
}

platform::OptionalFileState LineReader::openOptional(const QString& path, QString* error)
{
    return platform::openOptionalFile(m_file, path, error);
}

void LineReader::startLookAhead()
{
    m_lookAheadBegin = m_begin;
    m_lookAheadLine = m_lineNumber;
    m_lookingAhead = true;
}

void LineReader::endLookAhead()
{
    m_begin = m_lookAheadBegin;
    m_lineNumber = m_lookAheadLine;
    m_lookingAhead = false;
}

// Moves the unread rest to the front of the buffer (unless looking ahead), grows the buffer when
// it is full, and reads the next block behind what it holds. False when nothing more could be read.
bool LineReader::fill()
{
    if (!m_lookingAhead) {
        const qsizetype rest = m_end - m_begin;
        if (rest > 0 && m_begin > 0)
            std::memmove(m_buffer.data(), m_buffer.data() + m_begin, std::size_t(rest));
        m_begin = 0;
        m_end = rest;
    }
    if (m_end == qsizetype(m_buffer.size()))
        m_buffer.resize(m_buffer.size() * 2);
    const qint64 got = m_file.read(m_buffer.data() + m_end, qint64(m_buffer.size()) - m_end);
    if (got < 0)
        m_failed = true;
    if (got <= 0) {
        m_atEnd = true;
        return false;
    }
    m_end += got;
    return true;
}

bool LineReader::next(std::string_view* line)
{
    for (;;) {
        const char* start = m_buffer.data() + m_begin;
        const auto* lf = static_cast<const char*>(std::memchr(start, '\n', m_end - m_begin));
        if (lf || (m_atEnd && m_begin < m_end)) {
            const char* stop = lf ? lf : m_buffer.data() + m_end;
            m_begin = lf ? (lf - m_buffer.data()) + 1 : m_end;
            std::size_t length = std::size_t(stop - start);
            if (length > 0 && start[length - 1] == '\r')
                --length;
            *line = std::string_view(start, length);
            ++m_lineNumber;
            return true;
        }
        if (m_atEnd || (!fill() && m_begin == m_end))
            return false;
    }
}

} // namespace velmora
