// A new user's first start with Debian's MAME: from process start to the filled lists, while
// MAME makes its machine list and its checksum list, beside the two MAME list commands timed
// alone in the same run. The first start asks for both lists side by side, so it should cost
// little more than the slower of the two:
//
//     first start <= 1.15 x max(-listxml alone, -listcrc alone) + 1 s
//
// Run it headless: QT_QPA_PLATFORM=offscreen build-release/bench/bench_firststart [rounds]
// Everything lives in bench-firststart/ next to the program, with HOME pointed there, so a
// user's ~/.mame is never touched. Each round times both commands alone, then a first start in
// a fresh process with an empty reports folder.
#include "ProcessClock.h"
#include "app/IniFile.h"
#include "app/Preferences.h"
#include "gamedb/ListFiles.h"
#include "platform/Seams.h"
#include "ui/CommandWiring.h"
#include "ui/MainWindow.h"
#include "ui/StartUp.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

using namespace velmora;
using velmora::bench::millisecondsSinceProcessStart;

namespace {

const QString kRealMame = QStringLiteral("/usr/games/mame");
const QString kFirstStartArgument = QStringLiteral("--first-start");
const char* const kResultPrefix = "first-start-ms ";

struct Folders
{
    QString root;
    QString home() const { return root + QStringLiteral("/home"); }
    QString mame() const { return root + QStringLiteral("/mame"); }
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

// The child process: the program's own start-up, wired as the program wires it.
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
    const double ms = millisecondsSinceProcessStart();
    const int games = window.gameCount(ListKind::All);
    std::printf("%s%.0f %d\n", kResultPrefix, ms, games);
    window.stopTimers();
    return games > 0 ? 0 : 1;
}

double timeAlone(const Folders& folders, const QString& option)
{
    QProcess mame;
    mame.setProcessEnvironment(environmentWithHome(folders));
    mame.setStandardOutputFile(folders.root + QStringLiteral("/alone") + option + ".txt");
    QElapsedTimer timer;
    timer.start();
    mame.start(kRealMame, {option});
    if (!mame.waitForFinished(600000) || mame.exitCode() != 0)
        return -1;
    return double(timer.elapsed());
}

double timeFirstStart(const Folders& folders, int* games)
{
    if (!prepareFirstStart(folders))
        return -1;
    QProcess child;
    QProcessEnvironment env = environmentWithHome(folders);
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.start(QCoreApplication::applicationFilePath(), {kFirstStartArgument});
    if (!child.waitForFinished(900000) || child.exitCode() != 0)
        return -1;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        if (line.startsWith(kResultPrefix)) {
            const QList<QByteArray> values = line.mid(qstrlen(kResultPrefix)).split(' ');
            *games = values.value(1).toInt();
            return values.value(0).toDouble();
        }
    }
    return -1;
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
        const double listXml = timeAlone(folders, QStringLiteral("-listxml"));
        const double listCrc = timeAlone(folders, QStringLiteral("-listcrc"));
        int games = 0;
        const double firstStart = timeFirstStart(folders, &games);
        if (listXml < 0 || listCrc < 0 || firstStart < 0) {
            std::fprintf(stderr, "Round %d failed (a command or the first start).\n", round);
            return 1;
        }
        const double target = 1.15 * std::max(listXml, listCrc) + 1000.0;
        const bool met = firstStart <= target;
        allMet = allMet && met;
        std::printf("Round %d: mame -listxml alone %8.0f ms\n", round, listXml);
        std::printf("Round %d: mame -listcrc alone %8.0f ms\n", round, listCrc);
        std::printf("Round %d: first start to the filled lists (%d games) %8.0f ms "
                    "(target <= 1.15 x %.0f + 1000 = %.0f ms) %s\n",
                    round, games, firstStart, std::max(listXml, listCrc), target,
                    met ? "ok" : "MISSED");
        std::fflush(stdout);
    }
    return allMet ? 0 : 2;
}
