#include "launch/BadSets.h"
#include "launch/MoveSummary.h"
#include "launch/ReportText.h"

#include "support/TempProgram.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora;
using velmora::testing::TempProgram;

class TestReportTexts : public QObject
{
    Q_OBJECT
private slots:
    // The summary line goes first (also when it is the first line or has no line end); a report
    // without its mode's own phrase finds no sets.
    void moveSummary()
    {
        const std::tuple<const char*, SummaryMode, const char*> cases[] = {
            {"3 samplesets found, 3 were OK.\r\nx\r\n", SummaryMode::Samples,
             "3 samplesets found, 3 were OK.\r\n\r\n\r\nEnd of report.\r\nx\r\n"},
            {"a\r\nb\r\n1 romsets found, 1 were OK.", SummaryMode::Roms,
             "1 romsets found, 1 were OK.\r\n\r\na\r\nb\r\n\r\nEnd of report."},
            {"sampleset \"*\" not found!\r\n", SummaryMode::Samples, "No sets were found."},
            {"2 samplesets found, 2 were OK.\r\n", SummaryMode::Roms, "No sets were found."},
        };
        for (const auto& [report, mode, moved] : cases)
            QCOMPARE(MoveSummary(QString::fromLatin1(report), mode), QString::fromLatin1(moved));
    }

    // Lines ending in " is bad" are listed, in the frame of the list also when there are none;
    // the working files go, and an unwritable reports folder is an error.
    void listBadSets()
    {
        QTemporaryDir dir;
        const ProgramPaths paths{dir.path()};
        const std::pair<const char*, const char*> cases[] = {
            {"romset a [b] is bad\r\nc is bad news\r\nd is bad \r\nx is bad",
             "2 bad sets found.\r\rromset a [b] is bad\r\nx is bad\r\n\rEnd of report.\r\r"},
            {"it is bad luck\n", "0 bad sets found.\r\r\rEnd of report.\r\r"}};
        for (const auto& [text, list] : cases)
            QCOMPARE(ListBadSets(QString::fromLatin1(text), paths).text, QString::fromLatin1(list));
        QCOMPARE(QDir(paths.reportsFolder()).entryList(QDir::Files), QStringList());

        QVERIFY(TempProgram::writeFile(dir.filePath("blocked/reports"), "x"));
        const BadSetList failed =
            ListBadSets("romset a is bad", ProgramPaths{dir.filePath("blocked")});
        QVERIFY(!failed.ok && !failed.error.isEmpty());
    }

    void reportFilesAreReadWithCrLfInEitherEncoding()
    {
        QTemporaryDir dir;
        const QString utf8 = dir.filePath(QStringLiteral("u.txt"));
        const QString latin1 = dir.filePath(QStringLiteral("l.txt"));
        QVERIFY(TempProgram::writeFile(utf8, "Cr\xc3\xa8me\nb\r\nc"));
        QVERIFY(TempProgram::writeFile(latin1, "Cr\xe8me\n"));
        QCOMPARE(readReportText(utf8), QStringLiteral("Crème\r\nb\r\nc"));
        QCOMPARE(readReportText(latin1), QStringLiteral("Crème\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestReportTexts)
#include "test_reporttexts.moc"
