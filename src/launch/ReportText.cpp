#include "launch/ReportText.h"

#include "gamedb/ReplacedFile.h"

#include <QFile>
#include <QStringDecoder>

namespace velmora {
namespace {

QString decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

} // namespace

QString withCrLf(const QString& text)
{
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(u'\r', u'\n');
    out.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return out;
}

QString readReportText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return withCrLf(decode(file.readAll()));
}

QStringList readReportLines(const QString& path)
{
    const QString text = readReportText(path);
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1String("\r\n"));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool writeReportText(const QString& path, const QString& text)
{
    return writeFileReplacing(path, text.toUtf8());
}

} // namespace velmora
