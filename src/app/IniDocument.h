#pragma once
// One INI file held in memory: its lines exactly as read, the sections and keys found in them, and
// the encoding to write them back in. ReadIniValue and WriteIniValue are one-key wrappers around
// it; a caller that reads or writes many keys of one file at once (the preferences at start, the
// Options dialog's OK) loads the document once and saves it once.
#include <QString>
#include <QStringList>
#include <optional>

namespace velmora {

class IniDocument
{
public:
    // A file that is missing or cannot be read gives an empty document (every key reads as its
    // default), as the INI reader always behaved.
    static IniDocument load(const QString& file);
    static IniDocument fromBytes(const QByteArray& bytes);

    // The value under `key` in `section` (names compared without regard to letter case), trimmed
    // of surrounding blanks and cut to kIniValueLimit characters. Nothing when the section or key
    // is missing. The first section and the first key of a name win, as in the platform's reader.
    std::optional<QString> value(const QString& section, const QString& key) const;
    QString value(const QString& section, const QString& key, const QString& defaultValue) const;

    // Replaces the value in place, or adds the key at the end of its section, or adds the section
    // (after a blank line) at the end of the file. CR and LF in the value become spaces.
    void setValue(const QString& section, const QString& key, const QString& value);

    // The file's bytes: every line ended by CR LF, in the encoding it was read in (Latin-1 files
    // stay Latin-1 unless a new value needs more, then the whole file becomes UTF-8).
    QByteArray toBytes() const;
    // Replaces `file` through the file writer. False with the reason in *error when the folder or
    // the file cannot be written (a full disk); the old file is then left as it was.
    bool save(const QString& file, QString* error = nullptr) const;

    const QStringList& lines() const { return m_lines; }

private:
    struct Range
    {
        int header = -1; // line of "[section]"
        int end = 0;     // first line after the section
    };
    std::optional<Range> findSection(const QString& section) const;
    int findKey(const Range& range, const QString& key) const;

    QStringList m_lines;
    bool m_latin1 = false;
    bool m_byteOrderMark = false;
};

} // namespace velmora
