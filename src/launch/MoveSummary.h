#pragma once
// MoveSummary: puts MAME's one-line summary of an all-sets audit ("198 romsets found, 197 were
// OK.") at the top of the report, where the user sees it first, and leaves "End of report." in its
// place at the end.
#include <QString>

namespace velmora {

// Which summary a report carries: a ROM report's "romsets found" or a sample report's
// "samplesets found".
enum class SummaryMode
{
    Roms,
    Samples
};

// The report (CR LF line ends) with its summary line moved: the line, a blank line, then the rest
// with the line replaced by CR LF and "End of report.". "No sets were found." when the report has
// no summary (MAME wrote nothing, or not what was expected).
QString MoveSummary(const QString& text, SummaryMode mode);

} // namespace velmora
