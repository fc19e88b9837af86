// Times the game database builder on the full machine list of the installed MAME against `wc -l`
// on the same file, and measures how much memory the build needs above the program's idle
// footprint. The list is made once with `mame -listxml` and cached beside this program.
//
//   bench_gamedb [--list <listxml file>] [--mame <mame program>] [--runs <n>]
//
// Targets: build time at most 8 times the `wc -l` time; peak memory under 64 MB above idle.
#include "app/ProgramPaths.h"
#include "app/Progress.h"
#include "gamedb/GameDatabaseBuilder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

using namespace velmora;

namespace {

constexpr double kTimeRatioTarget = 8.0;
constexpr double kMemoryTargetMb = 64.0;

// A value of /proc/self/status in kB ("VmRSS", "VmHWM"); -1 when it cannot be read.
qint64 statusKb(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// Sets the peak resident size back to the current one, so the next peak is the build's own.
bool resetPeak()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

bool endsWithClosingRoot(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        return false;
    file.seek(file.size() - 64 > 0 ? file.size() - 64 : 0);
    return file.readAll().trimmed().endsWith("</mame>");
}

// Runs `mame -listxml` into `target` (through a partial file) unless it is there already.
bool ensureList(const QString& target, const QString& mame)
{
    if (endsWithClosingRoot(target))
        return true;
    std::printf("Generating the machine list with %s -listxml (once)...\n", qPrintable(mame));
    std::fflush(stdout);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QTemporaryDir home;
    QProcess mameProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path()); // never touch the user's ~/.mame
    mameProcess.setProcessEnvironment(env);
    const QString partial = target + QStringLiteral(".part");
    mameProcess.setStandardOutputFile(partial);
    mameProcess.setStandardErrorFile(QProcess::nullDevice());
    mameProcess.start(mame, {QStringLiteral("-listxml")});
    if (!mameProcess.waitForFinished(-1) || !endsWithClosingRoot(partial)) {
        QFile::remove(partial);
        return false;
    }
    QFile::remove(target);
    return QFile::rename(partial, target);
}

struct Timing
{
    double wall = 1e9; // seconds
    double cpu = 1e9;  // user + system seconds
};

double seconds(const timeval& t)
{
    return t.tv_sec + t.tv_usec / 1e6;
}

double cpuSecondsOfThisProcess()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// One `wc -l` run on the list, started directly (no shell, no Qt process machinery) so that its
// time is wc's own; its output goes to `output`.
Timing timeLineCount(const QString& list, const QString& output)
{
    const QByteArray listName = QFile::encodeName(list);
    const QByteArray outputName = QFile::encodeName(output);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outputName.constData(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    char* const args[] = {const_cast<char*>("wc"), const_cast<char*>("-l"),
                          const_cast<char*>(listName.constData()), nullptr};
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    Timing timing;
    if (posix_spawnp(&pid, "wc", &actions, nullptr, args, environ) == 0) {
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        timing.wall = timer.nsecsElapsed() / 1e9;
        timing.cpu = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    }
    posix_spawn_file_actions_destroy(&actions);
    return timing;
}

Timing timeBuild(const ProgramPaths& paths, GameInfoResult* result)
{
    NullProgress progress;
    const double cpuBefore = cpuSecondsOfThisProcess();
    QElapsedTimer timer;
    timer.start();
    *result = CreateGameInfo(paths, progress);
    return Timing{timer.nsecsElapsed() / 1e9, cpuSecondsOfThisProcess() - cpuBefore};
}

void keepBest(Timing* best, const Timing& t)
{
    best->wall = std::min(best->wall, t.wall);
    best->cpu = std::min(best->cpu, t.cpu);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption listOption(QStringLiteral("list"), QStringLiteral("Machine list."),
                                        QStringLiteral("file"));
    const QCommandLineOption mameOption(QStringLiteral("mame"), QStringLiteral("MAME program."),
                                        QStringLiteral("program"),
                                        QStringLiteral("/usr/games/mame"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Timed runs."),
                                        QStringLiteral("n"), QStringLiteral("5"));
    parser.addOptions({listOption, mameOption, runsOption});
    parser.process(app);

    const QString list = parser.isSet(listOption)
                             ? parser.value(listOption)
                             : app.applicationDirPath() + QStringLiteral("/bench-data/listxml.txt");
    if (!ensureList(list, parser.value(mameOption))) {
        std::fprintf(stderr, "No complete machine list at %s\n", qPrintable(list));
        return 2;
    }
    const int runs = std::max(1, parser.value(runsOption).toInt());

    QTemporaryDir program;
    const ProgramPaths paths{program.path()};
    QDir().mkpath(paths.reportsFolder());
    QFile::link(QFileInfo(list).absoluteFilePath(), paths.report(QStringLiteral("listxml.txt")));

#ifndef NDEBUG
    std::printf("Note: built without NDEBUG; configure with -DCMAKE_BUILD_TYPE=Release for "
                "figures that count.\n");
#endif
    const QString wcOutput = program.filePath(QStringLiteral("wc.txt"));
    timeLineCount(list, wcOutput); // brings the file into the page cache
    Timing wcBest;
    for (int i = 0; i < runs; ++i)
        keepBest(&wcBest, timeLineCount(list, wcOutput));
    QFile wcFile(wcOutput);
    wcFile.open(QIODevice::ReadOnly);
    const QByteArray lineCount = wcFile.readAll().trimmed();

    const qint64 idleKb = statusKb("VmRSS");
    const bool peakReset = resetPeak();
    const qint64 peakBeforeKb = statusKb("VmHWM");
    GameInfoResult result;
    Timing buildBest = timeBuild(paths, &result);
    const qint64 peakKb = statusKb("VmHWM");
    for (int i = 1; i < runs; ++i)
        keepBest(&buildBest, timeBuild(paths, &result));
    if (!result.ok) {
        std::fprintf(stderr, "The build failed: %s\n", qPrintable(result.error));
        return 2;
    }

    const double ratio = buildBest.wall / wcBest.wall;
    const double peakAboveIdleMb =
        (peakKb - (peakReset ? idleKb : std::max(idleKb, peakBeforeKb))) / 1024.0;
    std::printf("machine list:        %s (%lld bytes; wc -l: %s)\n", qPrintable(list),
                static_cast<long long>(QFileInfo(list).size()), lineCount.constData());
    std::printf("games written:       %d\n", result.games);
    std::printf("wc -l:               %.3f s wall, %.3f s CPU (best of %d)\n", wcBest.wall,
                wcBest.cpu, runs);
    std::printf("CreateGameInfo:      %.3f s wall, %.3f s CPU (best of %d)\n", buildBest.wall,
                buildBest.cpu, runs);
    std::printf("ratio (wall):        %.2f (target at most %.0f)\n", ratio, kTimeRatioTarget);
    std::printf("ratio (CPU):         %.2f\n", buildBest.cpu / wcBest.cpu);
    std::printf("idle resident:       %.1f MB\n", idleKb / 1024.0);
    std::printf("peak above idle:     %.1f MB (target under %.0f MB)\n", peakAboveIdleMb,
                kMemoryTargetMb);
    const bool met = ratio <= kTimeRatioTarget && peakAboveIdleMb < kMemoryTargetMb;
    std::printf("%s\n", met ? "targets met" : "TARGETS MISSED");
    return met ? 0 : 1;
}
