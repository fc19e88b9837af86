#include "changes/WhatsChanged.h"

#include "changes/MachineChanges.h"
#include "changes/MappedText.h"
#include "changes/RomChanges.h"
#include "gamedb/ChecksumList.h"
#include "gamedb/ReplacedFile.h"
#include "launch/ReportText.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

using Outcome = CompareResult::Outcome;

const QString kCancelled = QStringLiteral("The compare has been cancelled at the users request.");

QString unusableList(const QString& file)
{
    return file + QStringLiteral(" holds nothing to compare.  The file is empty or is not a list "
                                 "made by M.A.M.E.");
}

bool blank(std::string_view text)
{
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

CompareResult compare(ChangeReport report, std::string_view newList, std::string_view oldList,
                      CompareMonitor& monitor)
{
    if (report == ChangeReport::AllInfo)
        return compareMachineLists(newList, oldList, monitor);
    // An empty checksum list would make every game new or every game unchanged.
    if (blank(newList))
        return {Outcome::NewListUnusable, {}};
    if (blank(oldList))
        return {Outcome::OldListUnusable, {}};
    return compareRomLists(newList, oldList, monitor);
}

bool waitsForChecksums(ChangeReport report, const ChecksumList* checksums)
{
    return report == ChangeReport::RomsInfo && checksums && checksums->isRunning();
}

// How often the wait for the checksum list shows how far MAME is.
constexpr int kChecksumLookMs = 100;

// Waits for MAME to finish crcinfo.txt, showing its progress in kilobytes; false when the user
// cancelled first, or the program began to end meanwhile.
bool waitForChecksumList(ChecksumList& checksums, CompareMonitor& monitor)
{
    monitor.setStatus(QStringLiteral("Waiting for M.A.M.E. to finish crcinfo.txt..."));
    const qint64 expected = checksums.expectedBytes() / 1024;
    monitor.start(int(expected));
    bool cancelled = false;
    QEventLoop loop;
    QTimer look;
    QObject::connect(&checksums, &ChecksumList::finished, &loop, &QEventLoop::quit);
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        monitor.advance(int(std::min(checksums.bytesWritten() / 1024, expected)));
        cancelled = monitor.letEventsRun();
        if (cancelled || !checksums.isRunning())
            loop.quit();
    });
    look.start(kChecksumLookMs);
    if (checksums.isRunning())
        loop.exec();
    monitor.setStatus(QString());
    return !cancelled && !checksums.isRunning();
}

QString saveReport(const QString& path, const QByteArray& bytes)
{
    QString reason;
    if (writeFileReplacing(path, bytes, &reason))
        return QString();
    return notSavedMessage(path, reason);
}

} // namespace

const ChangeReportTexts& changeReportTexts(ChangeReport report)
{
    static const ChangeReportTexts roms{
        QStringLiteral("What's Changed (ROMs Info)"),
        QStringLiteral("crcinfo.txt"),
        QStringLiteral("oldcrcinfo.txt"),
        QStringLiteral("newroms.txt"),
        QStringLiteral("Compare of new and old crcinfo.txt files is in progress."),
        QStringLiteral("No additions or changes were detected in this version of M.A.M.E."),
        QStringLiteral("Cannot find What's Changed (ROMs Info) report.  You can create one from "
                       "the Reports pull-down menu above."),
        {{QStringLiteral("Game "), 4}},
        false};
    static const ChangeReportTexts all{
        QStringLiteral("What's Changed (All Info)"),
        QStringLiteral("listxml.txt"),
        QStringLiteral("oldlistxml.txt"),
        QStringLiteral("whatsnew.txt"),
        QStringLiteral("Compare of new and old listxml.txt files is in progress."),
        QStringLiteral(
            "No additions, removals, or changes were detected in this version of M.A.M.E."),
        QStringLiteral("Cannot find What's Changed (All Info) report.  You can create one from "
                       "the Reports pull-down menu above."),
        {{QStringLiteral("ROM\t"), 3}, {QStringLiteral("Description"), 11}},
        true};
    return report == ChangeReport::RomsInfo ? roms : all;
}

std::optional<QString> missingListMessage(ChangeReport report, const ProgramPaths& paths,
                                          const ChecksumList* checksums)
{
    const ChangeReportTexts& t = changeReportTexts(report);
    if (!QFileInfo::exists(paths.report(t.newList)) && !waitsForChecksums(report, checksums))
        return QStringLiteral("Cannot find ") + t.newList + u'.';
    if (!QFileInfo::exists(paths.report(t.oldList)))
        return QStringLiteral("Cannot find ") + t.oldList +
               QStringLiteral(".  Velmora must first detect a new version of M.A.M.E.\r"
                              "before it can create the ") +
               t.oldList + QStringLiteral(" file.");
    return std::nullopt;
}

ChangeRun runChangeCompare(ChangeReport report, const ProgramPaths& paths, CompareMonitor& monitor,
                           ChecksumList* checksums)
{
    if (waitsForChecksums(report, checksums) && !waitForChecksumList(*checksums, monitor))
        return {Outcome::Cancelled, kCancelled, QString()};
    const ChangeReportTexts& t = changeReportTexts(report);
    const MappedText newList(paths.report(t.newList));
    const MappedText oldList(paths.report(t.oldList));
    if (!newList.isOpen() || !oldList.isOpen()) {
        const QString missing = newList.isOpen() ? t.oldList : t.newList;
        return {Outcome::NewListUnusable, QString(),
                QStringLiteral("Cannot read ") + missing + u'.'};
    }
    const CompareResult result = compare(report, newList.text(), oldList.text(), monitor);
    switch (result.outcome) {
    case Outcome::Cancelled:
        return {result.outcome, kCancelled, QString()};
    case Outcome::Unchanged:
        return {result.outcome, t.noChange, QString()};
    case Outcome::NewListUnusable:
        return {result.outcome, QString(), unusableList(t.newList)};
    case Outcome::OldListUnusable:
        return {result.outcome, QString(), unusableList(t.oldList)};
    case Outcome::Changed:
        break;
    }
    return {result.outcome, reportText(result.report),
            saveReport(paths.report(t.reportFile), result.report)};
}

std::optional<QString> lastChangeReport(ChangeReport report, const ProgramPaths& paths)
{
    const QString path = paths.report(changeReportTexts(report).reportFile);
    if (!QFileInfo::exists(path))
        return std::nullopt;
    return readReportText(path);
}

QString elapsedTimeText(double seconds)
{
    const double rounded = std::round(seconds);
    if (rounded < 60)
        return QStringLiteral("Elapsed Time: %1 Seconds").arg(qint64(rounded));
    return QStringLiteral("Elapsed Time: %1 Minute(s)").arg(qint64(std::round(seconds / 60)));
}

QString progressText(ChangeReport report, int value, int count)
{
    const qint64 percent = count > 0 ? qint64(std::round(100.0 * value / count)) : 100;
    const bool showZero = changeReportTexts(report).percentShowsZero;
    return QStringLiteral("Progress: ") +
           (percent == 0 && !showZero ? QString() : QString::number(percent)) + u'%';
}

QString reportText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

} // namespace velmora
