#include "launch/BadSets.h"
#include "launch/GameAudit.h"
#include "launch/MoveSummary.h"
#include "launch/ReportText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora;

namespace {

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class TestReportTexts : public QObject
{
    Q_OBJECT
private slots:
    // The summary line goes first (also when it is the first line or has no line end); a report
    // without its mode's own phrase finds no sets.
    void moveSummary()
    {
        const std::tuple<const char*, SummaryMode, const char*> cases[] = {
            {"romset a is good\r\nromset b [a] is bad\r\n2 romsets found, 1 were OK.\r\n",
             SummaryMode::Roms,
             "2 romsets found, 1 were OK.\r\n\r\nromset a is good\r\nromset b [a] is bad\r\n"
             "\r\nEnd of report.\r\n"},
            {"3 samplesets found, 3 were OK.\r\nx\r\n", SummaryMode::Samples,
             "3 samplesets found, 3 were OK.\r\n\r\n\r\nEnd of report.\r\nx\r\n"},
            {"a\r\n1 romsets found, 1 were OK.", SummaryMode::Roms,
             "1 romsets found, 1 were OK.\r\n\r\na\r\n\r\nEnd of report."},
            {"", SummaryMode::Roms, "No sets were found."},
            {"sampleset \"*\" not found!\r\n", SummaryMode::Samples, "No sets were found."},
            {"2 samplesets found, 2 were OK.\r\n", SummaryMode::Roms, "No sets were found."},
        };
        for (const auto& [report, mode, moved] : cases)
            QCOMPARE(MoveSummary(QString::fromLatin1(report), mode), QString::fromLatin1(moved));
    }

    // Lines ending in " is bad" are listed; the working files go, and an unwritable reports
    // folder is an error.
    void listBadSets()
    {
        QTemporaryDir dir;
        const ProgramPaths paths{dir.path()};
        const BadSetList list = ListBadSets(
            QStringLiteral("198 romsets found, 197 were OK.\r\n\r\nromset pacman [puckman] is bad"
                           "\r\nromset this is bad news\r\nromset mslug is bad \r\nromset x is bad"
                           "\r\n\r\nEnd of report.\r\n"),
            paths);
        QCOMPARE(list.count, 2);
        QCOMPARE(list.text, QStringLiteral("2 bad sets found.\r\r"
                                           "romset pacman [puckman] is bad\r\nromset x is bad\r\n"
                                           "\rEnd of report.\r\r"));
        QCOMPARE(QDir(paths.reportsFolder()).entryList(QDir::Files), QStringList());

        // " is bad" only in the middle of lines: a count of 0, the frame of the list still there.
        const BadSetList none = ListBadSets(QStringLiteral("it is bad luck\nnothing\n"), paths);
        QCOMPARE(none.text, QStringLiteral("0 bad sets found.\r\r\rEnd of report.\r\r"));
        QVERIFY(reportHasBadSet(QStringLiteral("it is bad luck")));

        QTemporaryDir blocked;
        QVERIFY(writeBytes(blocked.filePath(QStringLiteral("reports")), "x"));
        const BadSetList failed =
            ListBadSets(QStringLiteral("romset a is bad\r\n"), ProgramPaths{blocked.path()});
        QVERIFY(!failed.ok && !failed.error.isEmpty());
    }

    void gameAuditReportHasBothHeadingsWhereItSays()
    {
        const GameAuditReport r = gameAuditReport(
            {QStringLiteral("romset pong is best available"), QStringLiteral("1 romsets found")},
            {QStringLiteral("No ROMs required for driver \"pong\".")},
            {QStringLiteral("sampleset \"pong\" not required!")}, {});
        QCOMPARE(r.text,
                 QStringLiteral("ROMs\r\n\r\nromset pong is best available\r\n"
                                "1 romsets found\r\nNo ROMs required for driver \"pong\".\r\n"
                                "\r\n\r\nSamples\r\n\r\nsampleset \"pong\" not required!\r\n"));
        QCOMPARE(r.text.mid(r.samplesHeading, 7), QStringLiteral("Samples"));
    }

    void reportFilesAreReadWithCrLfInEitherEncoding()
    {
        QTemporaryDir dir;
        const QString utf8 = dir.filePath(QStringLiteral("u.txt"));
        const QString latin1 = dir.filePath(QStringLiteral("l.txt"));
        QVERIFY(writeBytes(utf8, "Cr\xc3\xa8me\nb\r\nc"));
        QVERIFY(writeBytes(latin1, "Cr\xe8me\n"));
        QCOMPARE(readReportText(utf8), QStringLiteral("Crème\r\nb\r\nc"));
        QCOMPARE(readReportText(latin1), QStringLiteral("Crème\r\n"));
        QCOMPARE(readReportLines(utf8), QStringList({"Crème", "b", "c"}));
        QCOMPARE(withCrLf(QStringLiteral("a\rb\nc\r\n")), QStringLiteral("a\r\nb\r\nc\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestReportTexts)
#include "test_reporttexts.moc"
