// Game information and the ROM compare at today's scale.
//
// Measures, and prints against their targets:
//   - Game Information for the last game of a 40 MB history.dat and a 10 MB mameinfo.dat (and a
//     cheat.dat of 40,000 games), the whole text as the panel gets it;
//   - the Maintenance ROM compare of a folder of 10,000 archives against a list of 40,000 games,
//     every archive belonging to a game, including building the list's set of archive names.
//
// The files are generated on the first run into bench-data next to this program and kept there.
#include "BestOf.h"
#include "info/GameInfo.h"
#include "info/Maintenance.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace velmora;

namespace {

constexpr int kGames = 40000;
constexpr int kArchives = 10000;
constexpr qint64 kHistoryBytes = 40LL * 1024 * 1024;
constexpr qint64 kMameinfoBytes = 10LL * 1024 * 1024;
constexpr int kRuns = 5;

QByteArray gameName(int i)
{
    return "game" + QByteArray::number(i).rightJustified(5, '0');
}

// Entries of about the same size that together make `bytes`; every entry names a clone first.
void writeDat(const QString& path, qint64 bytes, const char* marker, bool paragraphs)
{
    if (QFileInfo(path).size() >= bytes)
        return;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    const qint64 perEntry = bytes / kGames;
    const QByteArray line =
        "This machine was made by a company of its day and is remembered for its sound. ";
    for (int i = 0; i < kGames; ++i) {
        QByteArray entry =
            "$info=" + gameName(i) + "c," + gameName(i) + ",\r\n" + marker + "\r\n\r\n";
        while (entry.size() < perEntry - 40) {
            entry += line.trimmed() + "\r\n";
            if (paragraphs && entry.size() % 5 == 0)
                entry += "\r\n";
        }
        entry += "$end\r\n\r\n";
        file.write(entry);
    }
}

void writeCheats(const QString& path)
{
    if (QFileInfo::exists(path))
        return;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    for (int i = 0; i < kGames; ++i)
        for (int c = 0; c < 3; ++c)
            file.write(gameName(i) + ":0:4e0" + QByteArray::number(c) + ":0:Cheat " +
                       QByteArray::number(c) + "\r\n");
}

void report(const char* what, bench::Timing t, double target)
{
    std::printf("%-64s %8.1f ms (processor %6.1f ms, target < %g ms) %s\n", what, t.wall, t.cpu,
                target, t.wall < target ? "ok" : "MISSED");
}

template <typename F> bench::Timing bestOf(F&& run)
{
    return bench::bestTiming(kRuns, run);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString data =
        QCoreApplication::applicationDirPath() + QStringLiteral("/bench-data/info");
    QDir().mkpath(data);
    writeDat(data + QStringLiteral("/history.dat"), kHistoryBytes, "$bio", true);
    writeDat(data + QStringLiteral("/mameinfo.dat"), kMameinfoBytes, "$mame", false);
    writeCheats(data + QStringLiteral("/cheat.dat"));

    const QString last = QString::fromLatin1(gameName(kGames - 1));
    int length = 0;
    const bench::Timing info = bestOf([&] {
        const GameInformation text = gameInformation(data, last, [] {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
        length = int(text.text.size());
    });
    std::printf("Game Information text: %d characters\n", length);
    report("Game Information, last game of 40 MB history.dat + 10 MB mameinfo", info, 300);

    QTemporaryDir roms;
    for (int i = 0; i < kArchives; ++i)
        QFile(roms.path() + u'/' + QString::fromLatin1(gameName(i * 4)) + QStringLiteral(".zip"))
            .open(QIODevice::WriteOnly);
    QStringList listed;
    for (int i = 0; i < kGames; ++i)
        listed << QString::fromLatin1(gameName(i));
    Preferences prefs;
    prefs.setFolder(DataFolder::ROMs, roms.path());
    RomCompareResult result = RomCompareResult::Cancelled;
    const bench::Timing compare = bestOf([&] {
        ArchiveNames archives;
        archives.reserve(kGames);
        for (const QString& rom : listed)
            archives.insert(rom.toLower() + QLatin1String(".zip"));
        RomCompareHooks hooks;
        QElapsedTimer sinceRepaint;
        sinceRepaint.start();
        hooks.advanced = [&](int) {
            if (sinceRepaint.elapsed() >= 30) {
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                sinceRepaint.restart();
            }
        };
        result = compareRomFolders(prefs, archives, hooks);
    });
    std::printf("ROM compare result: %s\n",
                result == RomCompareResult::NoOrphans ? "no orphans" : "UNEXPECTED");
    report("ROM compare, 10,000 archives against 40,000 games", compare, 1000);
    return 0;
}
