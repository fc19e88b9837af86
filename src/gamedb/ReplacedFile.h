#pragma once
// The one writer of every file the program makes. Everything goes, through a large buffer, into a
// temporary file beside the target (unnamed until commit() where the file system allows, else
// `<target>.velmora-XXXXXX`); commit() checks that every write and the close succeeded and only
// then renames that file over the target. A full disk, a kill or a crash before commit() leaves
// the previous target as it was, and the first error's own text ("No space left on device") is
// kept, so the caller can say once why the file was not saved:
//
//     QString error;
//     if (!writeFileReplacing(path, bytes, &error))
//         reportNotSaved(path, error); // "<path> could not be saved: No space left on device"
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <string_view>

namespace velmora {

class ReplacedFile
{
public:
    explicit ReplacedFile(const QString& target);
    // A file neither committed nor discarded is discarded.
    ~ReplacedFile();
    ReplacedFile(const ReplacedFile&) = delete;
    ReplacedFile& operator=(const ReplacedFile&) = delete;

    // Makes the temporary file. False with the reason in errorString() when it cannot be made.
    bool open();

    // The write buffer: callers append to it directly, then call written().
    QByteArray& buffer() { return m_buffer; }
    // Hands a full buffer to the file.
    void written()
    {
        if (m_buffer.size() >= kFlushSize)
            flush();
    }
    void write(QByteArrayView bytes)
    {
        m_buffer.append(bytes);
        written();
    }
    // Appends one line and the CR LF line end.
    void appendLine(std::string_view line)
    {
        m_buffer.append(line.data(), qsizetype(line.size()));
        m_buffer.append("\r\n", 2);
        written();
    }

    // Hands the buffer to the file now. False when any write so far failed: a caller that must
    // know before it changes something else asks here.
    bool flush();
    // Writes what is left and puts the file in place of the target. False when any write, the
    // close or the rename failed; the target then stays as it was.
    bool commit();
    // Throws the temporary file away; the target stays as it was.
    void discard();

    bool failed() const { return m_failed; }
    // The first error's own text ("No space left on device").
    QString errorString() const { return m_error; }

    // The name part of the temporary files this writer makes.
    static const QString& temporaryMark();

private:
    static constexpr qsizetype kFlushSize = 1024 * 1024;
    void fail(int error);
    int openNamed(const QByteArray* linkTo);

    QString m_target;    // the file the writer replaces (a link's target for a link)
    QString m_temporary; // the file being written
    int m_fd = -1;
    QByteArray m_buffer;
    bool m_failed = false;
    QString m_error;
};

// Writes `bytes` as the whole new content of `target`. False with the reason in *error when it
// could not; the target is then as it was.
bool writeFileReplacing(const QString& target, QByteArrayView bytes, QString* error = nullptr);

// Copies `source` over `target` through a temporary file, so `target` is either the old file or a
// complete copy. False when the copy could not be made.
bool copyFileOver(const QString& source, const QString& target);

// Renames `source` over `target`, replacing it in one step. False when the rename failed.
bool renameOver(const QString& source, const QString& target);

// "<path> could not be saved: <reason>", what the user is told about a file whose write failed.
QString notSavedMessage(const QString& target, const QString& reason);
// Shows notSavedMessage() through the message box, once for a file: while its saves keep failing
// (each change of the preferences tries again) the user is not told again; once it is saved, a
// later failure is told anew.
void reportNotSaved(const QString& target, const QString& reason);

// Removes the temporary files a writer left in `folder` when the program was killed before its
// commit: only regular files named `<target>.velmora-XXXXXX` whose target matches one of
// `targets` (wildcards: "*.cfg", "mame.ini").
void removeUnfinishedFiles(const QString& folder, const QStringList& targets);

} // namespace velmora
