#pragma once
// The two What's Changed reports as the Reports menu runs them: which lists they compare, their
// texts and messages, the saved report (newroms.txt, whatsnew.txt) and the elapsed time. The
// window side (panel, Cancel, progress) is ui/WhatsChangedController.
#include "app/ProgramPaths.h"
#include "changes/CompareMonitor.h"

#include <QList>
#include <QString>
#include <optional>

namespace velmora {

class ChecksumList;

enum class ChangeReport
{
    RomsInfo, // crcinfo.txt against oldcrcinfo.txt, saved as newroms.txt
    AllInfo   // listxml.txt against oldlistxml.txt, saved as whatsnew.txt
};

// A heading of a report that the panel shows in bold: the text searched for and how many of its
// characters are bold.
struct BoldHeading
{
    QString find;
    int length;
};

struct ChangeReportTexts
{
    QString title;         // the panel caption and the message title
    QString newList;       // crcinfo.txt
    QString oldList;       // oldcrcinfo.txt
    QString reportFile;    // newroms.txt
    QString inProgress;    // the panel text while the compare runs
    QString noChange;      // the panel text when nothing changed
    QString missingReport; // Last What's Changed Report without a saved report
    QList<BoldHeading> bold;
    bool percentShowsZero; // the progress text shows "0%" (or nothing) below one percent
};

const ChangeReportTexts& changeReportTexts(ChangeReport report);

// The message for a missing list, or nothing when both are there. A crcinfo.txt that MAME is
// still making (`checksums` running) counts as there: the compare waits for it.
std::optional<QString> missingListMessage(ChangeReport report, const ProgramPaths& paths,
                                          const ChecksumList* checksums = nullptr);

// How a compare run from the menu ended.
struct ChangeRun
{
    CompareResult::Outcome outcome = CompareResult::Outcome::Unchanged;
    QString panelText; // what the report panel shows afterwards
    QString error; // a message for the user (an unusable list, a report that could not be saved)
};

// Compares the two lists and, when games are listed, saves the report through a temporary file
// that takes the report's name only when it is complete. A cancelled or unchanged compare writes
// nothing and leaves an earlier report as it was. The ROMs Info compare first waits for a
// crcinfo.txt that MAME is still making (`checksums` running), the monitor showing how far MAME
// is; Cancel ends the wait as it ends the compare.
ChangeRun runChangeCompare(ChangeReport report, const ProgramPaths& paths, CompareMonitor& monitor,
                           ChecksumList* checksums = nullptr);

// The saved report's text, or nothing when there is none.
std::optional<QString> lastChangeReport(ChangeReport report, const ProgramPaths& paths);

// "Elapsed Time: 12 Seconds" below 59.5 seconds, else "Elapsed Time: 3 Minute(s)".
QString elapsedTimeText(double seconds);
// "Progress: 42%"; below half a percent the ROMs report shows "Progress: %" and the All Info
// report "Progress: 0%".
QString progressText(ChangeReport report, int value, int count);

// The report's bytes as the panel shows them (UTF-8 when valid, else Latin-1).
QString reportText(const QByteArray& bytes);

} // namespace velmora
