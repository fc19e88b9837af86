#include "lists/IniSection.h"

#include "app/IniFile.h"
#include "platform/OptionalFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

namespace velmora {
namespace {

const QByteArray kUtf8ByteOrderMark("\xEF\xBB\xBF");

// Files are UTF-8 when they decode as UTF-8, Latin-1 otherwise, as the INI layer reads them.
QString decode(QByteArrayView bytes)
{
    if (bytes.startsWith(kUtf8ByteOrderMark))
        bytes = bytes.sliced(kUtf8ByteOrderMark.size());
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    return text;
}

bool isSectionLine(QStringView trimmed)
{
    return trimmed.startsWith(u'[');
}

QStringView sectionName(QStringView trimmed)
{
    const qsizetype close = trimmed.indexOf(u']');
    return trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed();
}

// Walks the lines of `text`, ended by LF, CR LF or CR alone, the last one possibly without an end.
template <typename Visit> void forEachLine(const QString& text, Visit visit)
{
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        if (!visit(QStringView(text).mid(start, end - start).trimmed()))
            return;
        start = end + (QStringView(text).mid(end, 2) == u"\r\n" ? 2 : 1);
    }
}

// ROM names are lower-case ASCII already: those keys are looked up as they are.
bool needsFolding(const QString& key)
{
    for (QChar c : key)
        if (c.unicode() >= 0x80 || (c >= u'A' && c <= u'Z'))
            return true;
    return false;
}

} // namespace

IniSection IniSection::load(const QString& file, const QString& section)
{
    // Only a plain file is read: opening a FIFO or a device in its place would wait for a writer
    // or never end.
    const std::optional<QByteArray> bytes = platform::readOptionalFile(file);
    return bytes ? fromBytes(*bytes, section) : IniSection();
}

IniSection IniSection::fromBytes(const QByteArray& bytes, const QString& section)
{
    IniSection result;
    const QString text = decode(bytes);
    QSet<QString> distinctValues;
    enum class Where
    {
        Before,
        Inside
    } where = Where::Before;
    forEachLine(text, [&](QStringView line) {
        if (isSectionLine(line)) {
            if (where == Where::Inside)
                return false; // only the first section of the name counts
            if (sectionName(line).compare(section, Qt::CaseInsensitive) == 0)
                where = Where::Inside;
            return true;
        }
        if (where != Where::Inside || line.startsWith(u';'))
            return true;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            return true;
        const QString key = line.first(equals).trimmed().toString().toCaseFolded();
        if (result.m_values.contains(key))
            return true;
        const QString value = line.sliced(equals + 1).trimmed().left(kIniValueLimit).toString();
        result.m_values.insert(key, *distinctValues.insert(value));
        return true;
    });
    return result;
}

QString IniSection::value(const QString& key, const QString& defaultValue) const
{
    const auto it = m_values.constFind(needsFolding(key) ? key.toCaseFolded() : key);
    return it == m_values.constEnd() ? defaultValue.left(kIniValueLimit) : *it;
}

} // namespace velmora
