#include "app/IniFile.h"

#include "app/IniDocument.h"

#include <cmath>
#include <limits>

namespace velmora {

QString ReadIniValue(const QString& file, const QString& section, const QString& key,
                     const QString& defaultValue)
{
    return IniDocument::load(file).value(section, key, defaultValue);
}

QString ReadIniValue(const QString& file, const QString& section, const QString& key,
                     const char* defaultValue)
{
    return ReadIniValue(file, section, key, QString::fromUtf8(defaultValue));
}

QString ReadIniValue(const QString& file, const QString& section, const QString& key,
                     bool defaultValue)
{
    return ReadIniValue(file, section, key, iniText(defaultValue));
}

QString ReadIniValue(const QString& file, const QString& section, const QString& key,
                     qint64 defaultValue)
{
    return ReadIniValue(file, section, key, QString::number(defaultValue));
}

QString ReadIniValue(const QString& file, const QString& section, const QString& key,
                     int defaultValue)
{
    return ReadIniValue(file, section, key, QString::number(defaultValue));
}

bool WriteIniValue(const QString& file, const QString& section, const QString& key,
                   const QString& value)
{
    IniDocument doc = IniDocument::load(file);
    doc.setValue(section, key, value);
    return doc.save(file);
}

bool WriteIniValue(const QString& file, const QString& section, const QString& key,
                   const char* value)
{
    return WriteIniValue(file, section, key, QString::fromUtf8(value));
}

bool WriteIniValue(const QString& file, const QString& section, const QString& key, bool value)
{
    return WriteIniValue(file, section, key, iniText(value));
}

bool WriteIniValue(const QString& file, const QString& section, const QString& key, qint64 value)
{
    return WriteIniValue(file, section, key, QString::number(value));
}

bool WriteIniValue(const QString& file, const QString& section, const QString& key, int value)
{
    return WriteIniValue(file, section, key, QString::number(value));
}

void FlushIni(const QString& file)
{
    // Every write has already replaced the file through a committed temporary file; there is no
    // cache to write out.
    Q_UNUSED(file);
}

QString iniText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

std::optional<bool> iniToBool(const QString& text)
{
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    // Any number: zero is false, anything else true. Words such as "inf" or "nan" are no numbers.
    if (word.isEmpty() ||
        !(word[0].isDigit() || word[0] == u'-' || word[0] == u'+' || word[0] == u'.'))
        return std::nullopt;
    bool ok = false;
    const double number = word.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number != 0.0;
}

namespace {

// Decimal digits with an optional leading sign, within [low, high].
std::optional<qint64> toBoundedInteger(const QString& text, qint64 low, qint64 high)
{
    const QString word = text.trimmed();
    qsizetype i = (word.startsWith(u'-') || word.startsWith(u'+')) ? 1 : 0;
    if (i == word.size())
        return std::nullopt;
    for (qsizetype j = i; j < word.size(); ++j)
        if (word[j] < u'0' || word[j] > u'9')
            return std::nullopt;
    bool ok = false;
    const qint64 number = word.toLongLong(&ok);
    if (!ok || number < low || number > high)
        return std::nullopt;
    return number;
}

} // namespace

std::optional<qint32> iniToInt32(const QString& text)
{
    const auto n = toBoundedInteger(text, std::numeric_limits<qint32>::min(),
                                    std::numeric_limits<qint32>::max());
    return n ? std::optional<qint32>(qint32(*n)) : std::nullopt;
}

std::optional<qint16> iniToInt16(const QString& text)
{
    const auto n = toBoundedInteger(text, std::numeric_limits<qint16>::min(),
                                    std::numeric_limits<qint16>::max());
    return n ? std::optional<qint16>(qint16(*n)) : std::nullopt;
}

} // namespace velmora
