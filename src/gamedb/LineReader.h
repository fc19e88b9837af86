#pragma once
// Reads a text file line by line in large blocks, without copying each line: the machine list is
// a quarter of a gigabyte, so its lines are handed out as views into the current block.
// A line ends at LF; a CR before it is dropped, so lists with LF and CR LF ends read the same.
#include "platform/OptionalFile.h"

#include <QFile>
#include <QString>

#include <string_view>
#include <vector>

namespace velmora {

class LineReader
{
public:
    explicit LineReader(qsizetype blockSize = 256 * 1024);

    // False with the reason in *error when the file cannot be opened ("File not found" when it does
    // not exist).
    bool open(const QString& path, QString* error);
    // Opens `path` only when it is a regular file (an optional file, platform/OptionalFile.h): a
    // folder, a FIFO or a link to nothing is Missing, and the open never waits.
    platform::OptionalFileState openOptional(const QString& path, QString* error);

    // The next line without its end. The view stays valid until the next call. False at the end of
    // the file or on a read error (see failed()).
    bool next(std::string_view* line);

    // Looking ahead: lines read between these two calls are kept in memory and read again after
    // endLookAhead(), so a reader can decide how to read a file (even a pipe) before reading it.
    void startLookAhead();
    void endLookAhead();
    // Bytes held since startLookAhead().
    qsizetype lookAheadBytes() const { return m_end - m_lookAheadBegin; }

    // 1-based number of the line last returned (0 before the first).
    qint64 lineNumber() const { return m_lineNumber; }
    bool failed() const { return m_failed; }
    QString errorString() const { return m_file.errorString(); }

private:
    bool fill();

    QFile m_file;
    std::vector<char> m_buffer;
    qsizetype m_begin = 0; // first unread byte
    qsizetype m_end = 0;   // one past the last byte read
    qint64 m_lineNumber = 0;
    qsizetype m_lookAheadBegin = 0;
    qint64 m_lookAheadLine = 0;
    bool m_lookingAhead = false;
    bool m_atEnd = false;
    bool m_failed = false;
};

} // namespace velmora
