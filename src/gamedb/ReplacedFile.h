#pragma once
// An output file that replaces its target only when it is finished: everything is written, through
// a large buffer, into a temporary file beside the target, and commit() renames that file over the
// target. A crash or a kill before commit() leaves the previous target untouched.
#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <string_view>

namespace velmora {

class ReplacedFile
{
public:
    explicit ReplacedFile(const QString& target);

    bool open();

    // The write buffer: callers append to it directly, then call written().
    QByteArray& buffer() { return m_buffer; }
    // Hands a full buffer to the file.
    void written()
    {
        if (m_buffer.size() >= kFlushSize)
            flush();
    }
    // Appends one line and the CR LF line end.
    void appendLine(std::string_view line)
    {
        m_buffer.append(line.data(), qsizetype(line.size()));
        m_buffer.append("\r\n", 2);
        written();
    }

    // Writes what is left and puts the file in place of the target. False when any write failed;
    // the target then stays as it was.
    bool commit();
    // Throws the temporary file away; the target stays as it was.
    void discard() { m_file.cancelWriting(); }

    bool failed() const { return m_failed; }
    // The first write error's own text ("No space left on device"), else the file's last error.
    QString errorString() const { return m_error.isEmpty() ? m_file.errorString() : m_error; }

private:
    static constexpr qsizetype kFlushSize = 1024 * 1024;
    void flush();

    QSaveFile m_file;
    QByteArray m_buffer;
    bool m_failed = false;
    QString m_error;
};

// Copies `source` over `target` through a temporary file, so `target` is either the old file or a
// complete copy. False when the copy could not be made.
bool copyFileOver(const QString& source, const QString& target);

// Renames `source` over `target`, replacing it in one step. False when the rename failed.
bool renameOver(const QString& source, const QString& target);

} // namespace velmora
