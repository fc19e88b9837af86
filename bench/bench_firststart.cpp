// A new user's first start with Debian's MAME, beside the two MAME list commands timed alone in
// the same run. The first start asks for both lists side by side and shows the game lists as
// soon as the machine list is in, while the checksum list finishes behind the window:
//
//     filled lists      <= 1.15 x (-listxml alone) + 1 s
//     complete crcinfo  <= 1.1 x max(-listxml alone, -listcrc alone) + 1 s
//     a 100 ms timer of the window's thread, while -listcrc runs behind it, is never late by
//     more than 100 ms
//
// and crcinfo.txt must be byte for byte what `mame -listcrc` alone writes.
//
// Run it headless: QT_QPA_PLATFORM=offscreen build-release/bench/bench_firststart [rounds]
// Everything lives in bench-firststart/ next to the program, with HOME pointed there, so a
// user's ~/.mame is never touched. Each round times both commands alone, then a first start in
// a fresh process with an empty reports folder. The machine's load is printed with the figures:
// on a busy machine they are noisy.
#include "ProcessClock.h"
#include "app/IniFile.h"
#include "app/Preferences.h"
#include "gamedb/ChecksumList.h"
#include "gamedb/ListFiles.h"
#include "platform/Seams.h"
#include "ui/CommandWiring.h"
#include "ui/MainWindow.h"
#include "ui/StartUp.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

using namespace velmora;
using velmora::bench::millisecondsSinceProcessStart;

namespace {

const QString kRealMame = QStringLiteral("/usr/games/mame");
const QString kFirstStartArgument = QStringLiteral("--first-start");
const char* const kResultPrefix = "first-start ";
constexpr int kTickMs = 100;

struct Folders
{
    QString root;
    QString home() const { return root + QStringLiteral("/home"); }
    QString mame() const { return root + QStringLiteral("/mame"); }
    QString alone(const QString& option) const
    {
        return root + QStringLiteral("/alone") + option + QStringLiteral(".txt");
    }
    ProgramPaths program() const { return ProgramPaths{root + QStringLiteral("/program")}; }
};

Folders foldersNextToProgram()
{
    return Folders{QCoreApplication::applicationDirPath() + QStringLiteral("/bench-firststart")};
}

QProcessEnvironment environmentWithHome(const Folders& folders)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), folders.home());
    return env;
}

QByteArray loadAverage()
{
    QFile load(QStringLiteral("/proc/loadavg"));
    return load.open(QIODevice::ReadOnly) ? load.readAll().trimmed() : QByteArray("unknown");
}

// A program that has been set up (options.ini written, the MAME folder known) but has never
// asked MAME for anything: the reports folder is empty.
bool prepareFirstStart(const Folders& folders)
{
    const ProgramPaths paths = folders.program();
    QDir(paths.reportsFolder()).removeRecursively();
    QDir().mkpath(paths.reportsFolder());
    QDir().mkpath(paths.settingsFolder());
    QDir().mkpath(folders.home());
    QDir().mkpath(folders.mame());
    const QString link = folders.mame() + QStringLiteral("/mame");
    if (!QFileInfo::exists(link) && !QFile::link(kRealMame, link))
        return false;
    Preferences prefs = firstRunPreferences();
    prefs.setFolder(DataFolder::MAME, folders.mame());
    prefs.setFolder(DataFolder::ROMs, folders.root + QStringLiteral("/roms"));
    prefs.setFolder(DataFolder::Ini, paths.programFolder);
    prefs.mameSize = currentMameSize(folders.mame());
    QFile::remove(paths.optionsIni());
    writeStartupMiscellaneous(paths.optionsIni(), prefs);
    writeOptionsPreferences(paths.optionsIni(), prefs);
    writeDirectories(paths.optionsIni(), prefs);
    writeView(paths.optionsIni(), prefs);
    FlushIni(paths.optionsIni());
    QFile ini(paths.programFolder + QStringLiteral("/mame.ini"));
    return ini.open(QIODevice::WriteOnly);
}

// How late a 100 ms timer of the window's thread fired, at worst, while the checksum list was
// being made behind the window.
struct Responsiveness
{
    double worstLateMs = 0;
    int ticks = 0;
};

Responsiveness waitForChecksums(ChecksumList& checksums)
{
    Responsiveness seen;
    if (!checksums.isRunning())
        return seen;
    QEventLoop loop;
    QTimer tick;
    QElapsedTimer sinceTick;
    QObject::connect(&checksums, &ChecksumList::finished, &loop, &QEventLoop::quit);
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        seen.worstLateMs = std::max(seen.worstLateMs, double(sinceTick.restart() - kTickMs));
        ++seen.ticks;
    });
    tick.setTimerType(Qt::PreciseTimer);
    tick.start(kTickMs);
    sinceTick.start();
    loop.exec();
    return seen;
}

// The child process: the program's own start-up, wired as the program wires it, then the wait
// for the checksum list behind the shown window.
int runFirstStart(int argc, char* argv[])
{
    QApplication app(argc, argv);
    AppState state;
    state.paths = foldersNextToProgram().program();
    state.startTime =
        platform::clock().secondsSinceMidnight() - millisecondsSinceProcessStart() / 1000.0;
    MainWindow window(state);
    StartUp startUp(state, window);
    wireCommands(window, state, startUp);
    if (!startUp.runLoadSequence())
        return 1;
    const double listsMs = millisecondsSinceProcessStart();
    const int games = window.gameCount(ListKind::All);
    window.show();
    const Responsiveness seen = waitForChecksums(*state.checksumList);
    const double checksumsMs = millisecondsSinceProcessStart();
    const bool taken = state.checksumList->outcome() == ListOutcome::Taken;
    std::printf("%s%.0f %d %.0f %.0f %d %d\n", kResultPrefix, listsMs, games, checksumsMs,
                seen.worstLateMs, seen.ticks, taken ? 1 : 0);
    window.stopTimers();
    return games > 0 && taken ? 0 : 1;
}

double timeAlone(const Folders& folders, const QString& option)
{
    QProcess mame;
    mame.setProcessEnvironment(environmentWithHome(folders));
    mame.setStandardOutputFile(folders.alone(option));
    QElapsedTimer timer;
    timer.start();
    mame.start(kRealMame, {option});
    if (!mame.waitForFinished(600000) || mame.exitCode() != 0)
        return -1;
    return double(timer.elapsed());
}

struct FirstStart
{
    double listsMs = -1;
    int games = 0;
    double checksumsMs = -1;
    double worstLateMs = 0;
    int ticks = 0;
};

std::optional<FirstStart> timeFirstStart(const Folders& folders)
{
    if (!prepareFirstStart(folders))
        return std::nullopt;
    QProcess child;
    QProcessEnvironment env = environmentWithHome(folders);
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.start(QCoreApplication::applicationFilePath(), {kFirstStartArgument});
    if (!child.waitForFinished(900000) || child.exitCode() != 0)
        return std::nullopt;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        if (!line.startsWith(kResultPrefix))
            continue;
        const QList<QByteArray> v = line.mid(qstrlen(kResultPrefix)).split(' ');
        return FirstStart{v.value(0).toDouble(), v.value(1).toInt(), v.value(2).toDouble(),
                          v.value(3).toDouble(), v.value(4).toInt()};
    }
    return std::nullopt;
}

bool sameFile(const QString& a, const QString& b)
{
    QFile one(a);
    QFile two(b);
    if (!one.open(QIODevice::ReadOnly) || !two.open(QIODevice::ReadOnly) ||
        one.size() != two.size())
        return false;
    while (!one.atEnd())
        if (one.read(1 << 20) != two.read(1 << 20))
            return false;
    return true;
}

const char* verdict(bool met)
{
    return met ? "ok" : "MISSED";
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && QString::fromLocal8Bit(argv[1]) == kFirstStartArgument)
        return runFirstStart(argc, argv);
    QCoreApplication app(argc, argv);
    if (!QFile::exists(kRealMame)) {
        std::fprintf(stderr, "Debian's mame (%s) is not installed.\n", qPrintable(kRealMame));
        return 1;
    }
    const int rounds = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 1;
    const Folders folders = foldersNextToProgram();
    QDir().mkpath(folders.home());
    bool allMet = true;
    for (int round = 1; round <= rounds; ++round) {
        const QByteArray loadBefore = loadAverage();
        const double listXml = timeAlone(folders, QStringLiteral("-listxml"));
        const double listCrc = timeAlone(folders, QStringLiteral("-listcrc"));
        const std::optional<FirstStart> start = timeFirstStart(folders);
        if (listXml < 0 || listCrc < 0 || !start) {
            std::fprintf(stderr, "Round %d failed (a command or the first start).\n", round);
            return 1;
        }
        const double slower = std::max(listXml, listCrc);
        const double listsTarget = 1.15 * listXml + 1000.0;
        const double checksumsTarget = 1.1 * slower + 1000.0;
        const bool exact = sameFile(folders.program().report(QStringLiteral("crcinfo.txt")),
                                    folders.alone(QStringLiteral("-listcrc")));
        const bool listsMet = start->listsMs <= listsTarget;
        const bool checksumsMet = start->checksumsMs <= checksumsTarget && exact;
        const bool responsive = start->worstLateMs <= kTickMs;
        allMet = allMet && listsMet && checksumsMet && responsive;
        std::printf("Round %d: load average before: %s; after: %s\n", round, loadBefore.constData(),
                    loadAverage().constData());
        std::printf("Round %d: mame -listxml alone %8.0f ms\n", round, listXml);
        std::printf("Round %d: mame -listcrc alone %8.0f ms\n", round, listCrc);
        std::printf("Round %d: first start to the filled lists (%d games) %8.0f ms "
                    "(target <= 1.15 x %.0f + 1000 = %.0f ms) %s\n",
                    round, start->games, start->listsMs, listXml, listsTarget, verdict(listsMet));
        std::printf("Round %d: first start to a complete crcinfo.txt %8.0f ms "
                    "(target <= 1.1 x %.0f + 1000 = %.0f ms), same bytes as -listcrc alone: %s "
                    "%s\n",
                    round, start->checksumsMs, slower, checksumsTarget, exact ? "yes" : "NO",
                    verdict(checksumsMet));
        std::printf("Round %d: a %d ms timer while -listcrc ran behind the window: %d ticks, "
                    "latest by %.0f ms (target <= %d ms) %s\n",
                    round, kTickMs, start->ticks, start->worstLateMs, kTickMs, verdict(responsive));
        std::fflush(stdout);
    }
    return allMet ? 0 : 2;
}
