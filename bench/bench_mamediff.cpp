// mamediff on two full machine lists: the list of the installed MAME (made once with
// `mame -listxml`) and an "old" list made from it by changing, removing and renaming a few hundred
// machines. Each of the three reports is timed in a process of its own, with its peak memory.
//
//     bench_mamediff [mamediff program] [data folder]
//
// Defaults: the mamediff of the build tree (beside bench/) and bench/bench-data of the build, where
// the list is shared with the database benchmark.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

qint64 lineCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    qint64 lines = 0;
    QByteArray block;
    while (!(block = file.read(4 << 20)).isEmpty())
        lines += block.count('\n');
    return lines;
}

bool makeNewList(const QString& path)
{
    if (QFileInfo(path).size() > 0)
        return true;
    std::printf("making %s with mame -listxml ...\n", qPrintable(path));
    std::fflush(stdout);
    QTemporaryDir home;
    QProcess mame;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    mame.setProcessEnvironment(env);
    mame.setStandardOutputFile(path + ".part");
    mame.start("/usr/games/mame", {"-listxml"});
    if (!mame.waitForFinished(-1) || mame.exitCode() != 0)
        return false;
    return QFile::rename(path + ".part", path);
}

// The old list: every 97th machine is edited in one of five ways (description, year, a ROM's
// checksum, removed, renamed); the rest is copied unchanged.
int makeOldList(const QString& newPath, const QString& oldPath)
{
    QFile in(newPath);
    QFile out(oldPath);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return -1;
    int machine = 0, edited = 0, edit = -1;
    bool romChanged = false;
    while (!in.atEnd()) {
        QByteArray line = in.readLine();
        if (line.startsWith("\t<machine ")) {
            ++machine;
            edit = machine % 97 == 0 ? (machine / 97) % 5 : -1;
            edited += edit >= 0;
            romChanged = false;
            if (edit == 4)
                line.replace("name=\"", "name=\"old_");
        }
        if (edit == 3) { // removed
            if (line.startsWith("\t</machine>"))
                edit = -1;
            continue;
        }
        if (edit == 0 && line.startsWith("\t\t<description>"))
            line.replace("</description>", " (older set)</description>");
        if (edit == 1 && line.startsWith("\t\t<year>"))
            line = "\t\t<year>19xx</year>\n";
        if (edit == 2 && !romChanged && line.startsWith("\t\t<rom ") && line.contains("crc=\"")) {
            const qsizetype crc = line.indexOf("crc=\"") + 5;
            line[crc] = line[crc] == '0' ? '1' : '0';
            romChanged = true;
        }
        out.write(line);
    }
    return edited;
}

struct Timing
{
    double seconds = 0;
    double cpuSeconds = 0; // user and system, both reading threads counted
    long peakKb = 0;
    int status = -1;
};

// Runs mamediff in `folder` and waits for it, with its own peak resident memory.
Timing timeRun(const QString& program, const QStringList& arguments, const QString& folder)
{
    QList<QByteArray> args{QFile::encodeName(program)};
    for (const QString& a : arguments)
        args << QFile::encodeName(a);
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const QByteArray dir = QFile::encodeName(folder);

    QElapsedTimer clock;
    clock.start();
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(dir.constData()) == 0)
            execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return {clock.nsecsElapsed() / 1e9, seconds(usage.ru_utime) + seconds(usage.ru_stime),
            usage.ru_maxrss, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString here = QCoreApplication::applicationDirPath();
    // Absolute paths: mamediff runs in a folder of its own.
    const QString program =
        QFileInfo(argc > 1 ? argv[1] : here + "/../mamediff").absoluteFilePath();
    const QString data = QFileInfo(argc > 2 ? argv[2] : here + "/bench-data").absoluteFilePath();
    QDir().mkpath(data);
    const QString newList = data + "/listxml.txt";
    const QString oldList = data + "/oldlistxml.txt";
    if (!makeNewList(newList)) {
        std::fprintf(stderr, "mame -listxml failed\n");
        return 1;
    }
    const int edited = makeOldList(newList, oldList);
    std::printf("old list: %d machines changed, removed or renamed\n", edited);
    std::printf("size:  %.0f MB and %.0f MB\n", QFileInfo(oldList).size() / 1e6,
                QFileInfo(newList).size() / 1e6);
    std::fflush(stdout);

    // The yardstick: wc -l reading the same two files, in the same run.
    QTemporaryDir work;
    const Timing wc = timeRun("/usr/bin/wc", {"-l", oldList, newList}, work.path());
    std::printf("wc -l             %6.2f s (cpu %.2f s)\n", wc.seconds, wc.cpuSeconds);
    const struct
    {
        const char* name;
        QStringList options;
    } reports[] = {
        {"general summary  ", {}}, {"merged-split (-s)", {"-s"}}, {"full-split (-n)  ", {"-n"}}};
    bool ok = true;
    for (const auto& r : reports) {
        const Timing t = timeRun(program, r.options + QStringList{oldList, newList}, work.path());
        const qint64 logLines = lineCount(work.filePath("mamediff.log"));
        std::printf("%s %6.2f s (cpu %.2f s)  peak memory %5ld MB  exit %d  log %lld lines\n",
                    r.name, t.seconds, t.cpuSeconds, t.peakKb / 1024, t.status, logLines);
        ok = ok && t.status == 0 && t.seconds < 5.0;
    }
    std::printf("%s\n", ok ? "every report under 5 s" : "NOT every report under 5 s");
    return ok ? 0 : 1;
}
