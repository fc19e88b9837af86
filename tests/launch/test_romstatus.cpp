// The kept ROM states: MAME's verdicts read from its audit output, the status file read however
// damaged, saved whole, and moved aside as an older MAME's on an upgrade.
#include "launch/RomStatus.h"
#include "support/TempProgram.h"

#include <QTest>

using namespace velmora;
using velmora::testing::TempProgram;

class TestRomStatus : public QObject
{
    Q_OBJECT
private slots:
    void verdictsOfMamesLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("romset");
        QTest::addColumn<int>("state");
        const auto row = [](const char* line, const char* set, RomState state) {
            QTest::newRow(line) << QByteArray(line) << QByteArray(set) << int(state);
        };
        row("romset pong is best available", "pong", RomState::BestAvailable);
        row("romset pacman [puckman] is bad\r", "pacman", RomState::Bad);
        row("romset 1942 is good", "1942", RomState::Good);
        row("romset \"galaga\" not found!", "galaga", RomState::NotFound);
        row("romset \"two words\" not found!", "", RomState::Unknown);
        row("romset pong is fine", "", RomState::Unknown);
        row("romset pong is bad ", "", RomState::Unknown);
        row("puckman     : pm1_prg3.6f (2048 bytes) - NOT FOUND", "", RomState::Unknown);
        row("198 romsets found, 197 were OK.", "", RomState::Unknown);
        row("sampleset \"pong\" not required!", "", RomState::Unknown);
    }
    void verdictsOfMamesLines()
    {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, romset);
        QFETCH(int, state);
        const RomVerdict v = verdictOfLine(line);
        QCOMPARE(v.romset, romset);
        QCOMPARE(int(v.state), state);
    }

    // A report's verdicts in order; a launch MAME refused for its files.
    void verdictsOfAReport()
    {
        const std::vector<RomVerdict> v = romVerdicts(
            "romset a is good\nb : x.rom - NOT FOUND\nromset b [a] is bad\r\n2 romsets found");
        QCOMPARE(v.size(), size_t(2));
        QCOMPARE(v[1].romset + '/' + romStateWord(v[1].state), QByteArray("b/bad"));
        QVERIFY(launchRefusedForFiles(
            "pm1 NOT FOUND\nRequired files are missing, the machine cannot be run.\n"));
        QVERIFY(!launchRefusedForFiles("Average speed: 100.00%"));
    }

    // Damaged lines are skipped; recorded states are saved sorted and read back; Verify All's
    // unnamed installed sets become not found; an upgrade keeps every state as an older MAME's
    // until a new audit records the set again.
    void keptAcrossRunsAndUpgrades()
    {
        TempProgram tp(QStringLiteral("romstatus"));
        const QString file = tp.paths().report(kRomStatusFile);
        QVERIFY(TempProgram::writeFile(file, "zaxxon\tgood\t2026-01-02\r\n"
                                             "broken line\n"
                                             "pong\tgreat\t2026-01-02\n"
                                             "qbert\tbad\t2026-13-40\n"
                                             "\tbad\t2026-01-02\n"
                                             "mrdo\tbest available\t2025-12-31"));
        RomStatus status = RomStatus::under(tp.paths());
        QCOMPARE(status.size(), 2);
        QCOMPARE(status.entry("mrdo").date, QDate(2025, 12, 31));
        QCOMPARE(status.state("pong"), RomState::Unknown);

        const QDate day(2026, 12, 6);
        status.record({{"pong", RomState::BestAvailable}, {"zaxxon", RomState::Bad}}, day);
        QCOMPARE(
            status.recordUnnamedAsNotFound({"pong", "galaga"}, {{"pong", RomState::Good}}, day), 1);
        QVERIFY(status.save());
        QCOMPARE(TempProgram::readFile(file), QByteArray("galaga\tnot found\t2026-12-06\r\n"
                                                         "mrdo\tbest available\t2025-12-31\r\n"
                                                         "pong\tbest available\t2026-12-06\r\n"
                                                         "zaxxon\tbad\t2026-12-06\r\n"));

        QVERIFY(status.keepAsOlderMame());
        RomStatus upgraded = RomStatus::under(tp.paths());
        QCOMPARE(upgraded.size(), 0);
        QVERIFY(upgraded.entry("zaxxon").olderMame);
        QCOMPARE(upgraded.state("zaxxon"), RomState::Bad);
        upgraded.record("zaxxon", RomState::Good, day.addDays(1));
        QVERIFY(upgraded.save() && upgraded.keepAsOlderMame());
        const RomStatus again = RomStatus::under(tp.paths());
        QCOMPARE(again.entry("zaxxon").date, day.addDays(1));
        QVERIFY(again.entry("mrdo").olderMame && again.entry("zaxxon").olderMame);
    }
};

QTEST_GUILESS_MAIN(TestRomStatus)
#include "test_romstatus.moc"
