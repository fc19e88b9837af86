#include "app/IniDocument.h"

#include "app/IniFile.h"
#include "gamedb/ReplacedFile.h"
#include "platform/OptionalFile.h"

#include <QFile>
#include <QStringDecoder>

namespace velmora {
namespace {

const QByteArray kUtf8ByteOrderMark("\xEF\xBB\xBF");

// "[name]" opens a section; the name is what stands between the brackets, trimmed.
std::optional<QString> sectionNameOf(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    return trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed();
}

// "key=value": the key is the trimmed text before the first "="; comment lines have no key.
std::optional<QString> keyOf(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(u';') || trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype equals = trimmed.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    return trimmed.left(equals).trimmed();
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString withoutLineBreaks(QString text)
{
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

bool fitsLatin1(const QStringList& lines)
{
    for (const QString& line : lines)
        for (QChar c : line)
            if (c.unicode() > 0xFF)
                return false;
    return true;
}

} // namespace

IniDocument IniDocument::load(const QString& file)
{
    QFile in;
    if (platform::openOptionalFile(in, file) != platform::OptionalFileState::Opened)
        return IniDocument();
    return fromBytes(in.readAll());
}

IniDocument IniDocument::fromBytes(const QByteArray& bytes)
{
    IniDocument doc;
    QByteArrayView body(bytes);
    if (body.startsWith(kUtf8ByteOrderMark)) {
        doc.m_byteOrderMark = true;
        body = body.sliced(kUtf8ByteOrderMark.size());
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(body);
    if (utf8.hasError()) {
        doc.m_latin1 = true;
        text = QString::fromLatin1(body);
    }
    // LF and CR LF both end a line; a last line without an end still counts.
    doc.m_lines = text.split(u'\n');
    if (doc.m_lines.last().isEmpty())
        doc.m_lines.removeLast();
    for (QString& line : doc.m_lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    return doc;
}

std::optional<IniDocument::Range> IniDocument::findSection(const QString& section) const
{
    for (int i = 0; i < m_lines.size(); ++i) {
        const auto name = sectionNameOf(m_lines[i]);
        if (!name || !sameName(*name, section))
            continue;
        Range range{i, i + 1};
        while (range.end < m_lines.size() && !sectionNameOf(m_lines[range.end]))
            ++range.end;
        return range;
    }
    return std::nullopt;
}

int IniDocument::findKey(const Range& range, const QString& key) const
{
    for (int i = range.header + 1; i < range.end; ++i) {
        const auto name = keyOf(m_lines[i]);
        if (name && sameName(*name, key))
            return i;
    }
    return -1;
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const
{
    const auto range = findSection(section);
    if (!range)
        return std::nullopt;
    const int line = findKey(*range, key);
    if (line < 0)
        return std::nullopt;
    const QString& text = m_lines[line];
    return text.mid(text.indexOf(u'=') + 1).trimmed().left(kIniValueLimit);
}

QString IniDocument::value(const QString& section, const QString& key,
                           const QString& defaultValue) const
{
    return value(section, key).value_or(defaultValue.left(kIniValueLimit));
}

void IniDocument::setValue(const QString& section, const QString& key, const QString& value)
{
    const QString line = key + u'=' + withoutLineBreaks(value);
    const auto range = findSection(section);
    if (!range) {
        // A new section goes to the end of the file, set off by a blank line.
        if (!m_lines.isEmpty() && !m_lines.last().trimmed().isEmpty())
            m_lines.append(QString());
        m_lines.append(u'[' + section + u']');
        m_lines.append(line);
        return;
    }
    const int existing = findKey(*range, key);
    if (existing >= 0) {
        m_lines[existing] = line;
        return;
    }
    // A new key follows the last non-blank line of its section, before any blank lines that
    // separate it from the next section.
    int insertAt = range->end;
    while (insertAt > range->header + 1 && m_lines[insertAt - 1].trimmed().isEmpty())
        --insertAt;
    m_lines.insert(insertAt, line);
}

QByteArray IniDocument::toBytes() const
{
    QString text;
    for (const QString& line : m_lines)
        text += line + QStringLiteral("\r\n");
    if (m_latin1 && fitsLatin1(m_lines))
        return text.toLatin1();
    return (m_byteOrderMark ? kUtf8ByteOrderMark : QByteArray()) + text.toUtf8();
}

bool IniDocument::save(const QString& file, QString* error) const
{
    return writeFileReplacing(file, toBytes(), error);
}

} // namespace velmora
