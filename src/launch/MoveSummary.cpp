#include "launch/MoveSummary.h"

namespace velmora {

QString MoveSummary(const QString& text, SummaryMode mode)
{
    const QLatin1String phrase(mode == SummaryMode::Roms ? "romsets found" : "samplesets found");
    const QLatin1String crLf("\r\n");
    const qsizetype at = text.indexOf(phrase);
    if (at < 0)
        return QStringLiteral("No sets were found.");

    // The line holding the phrase: from after the last CR LF before it (or the start) to the
    // first CR LF at or after it (or the end, when MAME's last line has no line end).
    const qsizetype before = text.lastIndexOf(crLf, at);
    const qsizetype start = before < 0 ? 0 : before + 2;
    qsizetype end = text.indexOf(crLf, at);
    if (end < 0)
        end = text.size();

    const QString summary = text.mid(start, end - start);
    QString rest = text;
    rest.replace(start, end - start, QStringLiteral("\r\nEnd of report."));
    return summary + crLf + crLf + rest;
}

} // namespace velmora
