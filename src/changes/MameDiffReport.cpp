#include "changes/MameDiffReport.h"

#include "gamedb/MameCommands.h"
#include "gamedb/ReplacedFile.h"
#include "launch/ReportText.h"
#include "platform/MessageBox.h"
#include "platform/Seams.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace velmora {
namespace {

const QString kTitle = QStringLiteral("MAMEDiff");
const QString kLog = QStringLiteral("mamediff.log");
const QString kOut = QStringLiteral("mamediff.out");
const QString kTmp = QStringLiteral("mamediff.tmp");
const QByteArray kCrLf = QByteArrayLiteral("\r\n");

void tell(const QString& text)
{
    platform::showMessage(text, kTitle, platform::MessageIcon::Information);
}

void removeToolFiles(const QDir& folder)
{
    for (const QString& name : {kLog, kOut, kTmp})
        QFile::remove(folder.filePath(name));
}

// An error the report cannot go on from: the user reads it and the program ends.
MameDiffText fail(const QDir& folder, const QString& error)
{
    removeToolFiles(folder);
    platform::showMessage(QStringLiteral("Error In MAMEDiff: ") + error, kTitle,
                          platform::MessageIcon::Critical);
    platform::endProgram();
    return {};
}

QByteArray trimmedOfBlanks(QByteArray line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && line[begin] == ' ')
        ++begin;
    while (end > begin && line[end - 1] == ' ')
        --end;
    return line.mid(begin, end - begin);
}

// The log rewritten into mamediff.tmp, which then takes the log's name.
bool rewriteLog(const QDir& folder, const QByteArray& log, QString* error)
{
    if (!writeFileReplacing(folder.filePath(kTmp), tidyMameDiffLines(log), error))
        return false;
    if (renameOver(folder.filePath(kTmp), folder.filePath(kLog)))
        return true;
    *error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

} // namespace

const MameDiffKind& mameDiffKind(MameDiffReport report)
{
    static const MameDiffKind summary{QStringLiteral("General Summary"), QString()};
    static const MameDiffKind merged{QStringLiteral("Changed Merged-Split ROMs"),
                                     QStringLiteral("-s ")};
    static const MameDiffKind full{QStringLiteral("Changed Full-Split ROMs"),
                                   QStringLiteral("-n ")};
    switch (report) {
    case MameDiffReport::MergedSplit:
        return merged;
    case MameDiffReport::FullSplit:
        return full;
    case MameDiffReport::Summary:
        break;
    }
    return summary;
}

QString mameDiffCredit()
{
    return QStringLiteral("MAMEDiff reports by mamediff, the list comparison tool of the Velmora "
                          "developers (" VELMORA_WEBSITE ")");
}

bool mameDiffListsPresent(const ProgramPaths& paths)
{
    if (!QFileInfo::exists(paths.report(QStringLiteral("listxml.txt")))) {
        tell(QStringLiteral("Cannot find listxml.txt."));
        return false;
    }
    if (!QFileInfo::exists(paths.report(QStringLiteral("oldlistxml.txt")))) {
        tell(QStringLiteral("Cannot find oldlistxml.txt.  Velmora must first detect a new version "
                            "of M.A.M.E.\rbefore it can create the oldlistxml.txt file."));
        return false;
    }
    return true;
}

bool runMameDiff(MameDiffReport report, const ProgramPaths& paths, const CommandRunner& exec)
{
    const QString command = MameCommands::mameDiff(mameDiffKind(report).options,
                                                   paths.report(QStringLiteral("oldlistxml.txt")),
                                                   paths.report(QStringLiteral("listxml.txt")));
    return exec && exec(command, WindowStyle::Normal) == ExecOutcome::Ran;
}

MameDiffText takeMameDiffLog(const QString& mameFolder)
{
    const QDir folder(mameFolder);
    QFile log(folder.filePath(kLog));
    if (!log.exists())
        return fail(folder, QStringLiteral("File not found"));
    if (log.size() == 0) {
        tell(QStringLiteral("No changes were found."));
        removeToolFiles(folder);
        return {MameDiffOutcome::NoChanges, {}};
    }
    if (!log.open(QIODevice::ReadOnly))
        return fail(folder, log.errorString());
    const QByteArray bytes = log.readAll();
    log.close();
    QString error;
    if (!rewriteLog(folder, bytes, &error))
        return fail(folder, error);
    const QString text = removeHyphenRuns(readReportText(folder.filePath(kLog)));
    removeToolFiles(folder);
    return {MameDiffOutcome::Report, text};
}

QByteArray tidyMameDiffLines(const QByteArray& log)
{
    QByteArray out;
    out.reserve(log.size() + log.size() / 8);
    QList<QByteArray> lines = log.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the final line end ends the last line
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QByteArray tidy = trimmedOfBlanks(line);
        out += tidy;
        if (tidy.startsWith("---"))
            out += kCrLf;
        out += kCrLf;
    }
    return out;
}

QString removeHyphenRuns(QString text)
{
    return text.remove(QStringLiteral("------------"));
}

} // namespace velmora
