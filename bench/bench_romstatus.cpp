// The kept ROM states at full scale, on made-up sets (no MAME needed):
//
// - start-up: reading a reports/romstatus.txt of 40,000 sets and showing their states in an All
//   list of 40,000 games (the Roms column's texts, as the column's width is fitted), against the
//   target of 50 ms;
// - Verify All ROMs: recording the verdicts of a 45,000-set report (reading them out of MAME's
//   output, recording, saving romstatus.txt) against the time the report itself takes to read
//   as the panel reads it; the target is at most 1.5 times that.
//
// Best of 5 runs each.
#include "BestOf.h"
#include "launch/ReportText.h"
#include "launch/RomStatus.h"
#include "lists/ColumnContent.h"
#include "lists/GameListModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <numeric>

using namespace velmora;

namespace {

constexpr int kRuns = 5;
constexpr int kGames = 40000;
constexpr int kReportSets = 45000;

QByteArray setName(int i)
{
    return "set" + QByteArray::number(i * 7919 % 100000);
}

template <typename Run> double bestOf(Run&& run)
{
    return bench::bestOfMs(kRuns, run);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const char* words[] = {"good", "best available", "bad", "not found"};

    QByteArray status;
    auto table = std::make_shared<GameTable>();
    for (int i = 0; i < kGames; ++i) {
        status += setName(i) + '\t' + words[i % 4] + "\t2026-12-06\r\n";
        ListedGame game;
        game.record.resetToDefaults();
        game.record[GameRecord::Rom] = setName(i);
        table->add(game);
    }
    writeFile(folder.filePath(kRomStatusFile), status);
    std::vector<int> rows(kGames);
    std::iota(rows.begin(), rows.end(), 0);

    const double startUp = bestOf([&] {
        const RomStatus states(folder.path());
        GameListModel model;
        model.setGames(table, rows);
        model.setRomStatus(&states);
        const auto widest = widestTexts(model, {GameListModel::Roms});
        if (widest[GameListModel::Roms].isEmpty())
            std::puts("no states shown");
    });
    std::printf("start-up, %d states read and shown: %.1f ms (target 50 ms)\n", kGames, startUp);

    QByteArray output;
    for (int i = 0; i < kReportSets; ++i) {
        if (i % 4 == 2)
            output += setName(i) + "     : a.rom (2048 bytes) - INCORRECT LENGTH: 100 bytes\n";
        output += "romset " + setName(i) + " is " + words[i % 3] + '\n';
    }
    output += QByteArray::number(kReportSets) + " romsets found, 30000 were OK.\n";
    const QString report = folder.filePath(QStringLiteral("roms.txt"));
    writeFile(report, output);

    const double read = bestOf([&] { readReportText(report); });
    const QString text = readReportText(report);
    // The program holds the states already: each run gets a copy of its own, made beforehand.
    const QDate today(2026, 12, 6);
    std::vector<RomStatus> held(kRuns, RomStatus(folder.path()));
    for (RomStatus& states : held)
        states.record("set0", RomState::Good, today);
    int run = 0;
    const double record = bestOf([&] {
        RomStatus& states = held[size_t(run++)];
        const std::vector<RomVerdict> verdicts = romVerdicts(text.toUtf8());
        states.record(verdicts, today);
        states.recordUnnamedAsNotFound({"set1", "set2", "missing"}, verdicts, today);
        states.save();
    });
    std::printf("Verify All ROMs of %d sets: reading the report %.1f ms, recording %.1f ms "
                "(%.2f times; target at most 1.5)\n",
                kReportSets, read, record, record / read);
    return 0;
}
