#include "launch/BadSets.h"

#include "launch/ReportText.h"

#include <QDir>
#include <QFile>

namespace velmora {
namespace {

bool isBadLine(const QString& line)
{
    return line.endsWith(QLatin1String("is bad"));
}

// Copies the bad lines of `from` into `to`; the count, or -1 when `to` cannot be written.
int copyBadLines(const QString& from, const QString& to)
{
    QString bad;
    int count = 0;
    for (const QString& line : readReportLines(from)) {
        if (!isBadLine(line))
            continue;
        bad += line + QLatin1String("\r\n");
        ++count;
    }
    return writeReportText(to, bad) ? count : -1;
}

} // namespace

bool reportHasBadSet(const QString& text)
{
    return text.contains(QLatin1String(" is bad"));
}

BadSetList ListBadSets(const QString& panelText, const ProgramPaths& paths)
{
    BadSetList list;
    const QString temp = paths.report(QStringLiteral("temp.txt"));
    const QString bad = paths.report(QStringLiteral("bad.txt"));
    QDir().mkpath(paths.reportsFolder());
    if (writeReportText(temp, withCrLf(panelText)))
        list.count = copyBadLines(temp, bad);
    else
        list.count = -1;
    if (list.count < 0) {
        list.count = 0;
        list.error = QStringLiteral("Cannot write to ") + paths.reportsFolder();
    } else {
        list.ok = true;
        list.text = QString::number(list.count) + QStringLiteral(" bad sets found.\r\r") +
                    readReportText(bad) + QStringLiteral("\rEnd of report.\r\r");
    }
    QFile::remove(temp);
    QFile::remove(bad);
    return list;
}

} // namespace velmora
