// The What's Changed compares at today's scale: Debian's MAME 0.251 machine list (about 270 MB)
// and checksum list (about 33 MB) against previous lists made from them by changing, removing and
// reordering a few hundred games.
//
// Prints, against their targets, for each compare: the best time of five runs (including saving
// the report), the peak private memory (RssAnon) above what the process held before, and the
// longest stretch between two chances for the window to run (how long Cancel could wait); beside
// it the time `wc -l` takes over the same two files in the same run.
//
// The current lists come from bench-data/listxml.txt and bench-data/crcinfo.txt next to this
// program, else from running `mame -listxml` and `mame -listcrc` (HOME set to a temporary folder);
// the previous lists are made once into bench-data/program/reports.
#include "changes/WhatsChanged.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>

using namespace velmora;

namespace {

constexpr int kRuns = 5;
constexpr int kEdits = 100; // games changed, removed and moved, each

QString dataFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/bench-data");
}

bool runMame(const QString& option, const QString& target)
{
    if (QFile::exists(target))
        return true;
    QTemporaryDir home;
    QProcess mame;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    mame.setProcessEnvironment(env);
    mame.setStandardOutputFile(target + QStringLiteral(".part"));
    std::printf("Running mame %s ...\n", qPrintable(option));
    std::fflush(stdout);
    mame.start(QStringLiteral("/usr/games/mame"), {option});
    if (!mame.waitForFinished(-1) || mame.exitCode() != 0)
        return false;
    return QFile::rename(target + QStringLiteral(".part"), target);
}

// Splits a text before every occurrence of `marker` (the first piece is the header).
QList<QByteArray> splitBefore(const QByteArray& text, const QByteArray& marker)
{
    QList<QByteArray> pieces;
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(marker, 1); at >= 0; at = text.indexOf(marker, at + 1)) {
        pieces << text.mid(from, at - from);
        from = at;
    }
    pieces << text.mid(from);
    return pieces;
}

// Changes, removes and moves kEdits games each, between the first and the last piece.
QByteArray editedCopy(QList<QByteArray> pieces, const QByteArray& changeFrom,
                      const QByteArray& changeTo)
{
    QRandomGenerator rng(251);
    const auto middle = [&] { return 1 + int(rng.bounded(quint32(pieces.size() - 2))); };
    for (int i = 0; i < kEdits; ++i) {
        QByteArray& piece = pieces[middle()];
        const qsizetype at = piece.indexOf(changeFrom);
        if (at >= 0)
            piece.replace(at, changeFrom.size(), changeTo);
        pieces.removeAt(middle());
        pieces.move(middle(), middle());
    }
    QByteArray out;
    for (const QByteArray& p : pieces)
        out += p;
    return out;
}

// The checksum list's games: runs of lines with the same set.
QList<QByteArray> crcBlocks(const QByteArray& text)
{
    QList<QByteArray> blocks;
    QByteArray key;
    for (const QByteArray& line : text.split('\n')) {
        const QByteArray lineKey = line.split('\t').value(1).trimmed();
        if (blocks.isEmpty() || lineKey != key)
            blocks << QByteArray();
        key = lineKey;
        blocks.last() += line + '\n';
    }
    return blocks;
}

bool prepare(const QString& reports)
{
    QDir().mkpath(reports);
    const QString data = dataFolder();
    if (!runMame(QStringLiteral("-listxml"), data + QStringLiteral("/listxml.txt")) ||
        !runMame(QStringLiteral("-listcrc"), data + QStringLiteral("/crcinfo.txt")))
        return false;
    for (const char* name : {"listxml.txt", "crcinfo.txt"}) {
        const QString link = reports + u'/' + QLatin1String(name);
        if (!QFile::exists(link))
            QFile::link(data + u'/' + QLatin1String(name), link);
    }
    const auto makeOld = [&](const char* source, const char* target, auto edit) {
        const QString path = reports + u'/' + QLatin1String(target);
        if (QFile::exists(path))
            return true;
        QFile in(data + u'/' + QLatin1String(source)), out(path);
        if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
            return false;
        std::printf("Making %s ...\n", target);
        std::fflush(stdout);
        return out.write(edit(in.readAll())) > 0;
    };
    return makeOld("listxml.txt", "oldlistxml.txt",
                   [](const QByteArray& t) {
                       return editedCopy(splitBefore(t, "\t<machine name="), "<year>", "<year>1");
                   }) &&
           makeOld("crcinfo.txt", "oldcrcinfo.txt",
                   [](const QByteArray& t) { return editedCopy(crcBlocks(t), "\t", "0\t"); });
}

qint64 rssAnonKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("RssAnon:"))
            return line.mid(8).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

// Records the longest time between two chances for the window to run.
class GapMonitor : public CompareMonitor
{
public:
    GapMonitor() { m_clock.start(); }
    bool letEventsRun() override
    {
        const qint64 now = m_clock.nsecsElapsed();
        m_longest = std::max(m_longest, now - m_last);
        m_last = now;
        return false;
    }
    double longestMs() const { return double(m_longest) / 1e6; }

private:
    QElapsedTimer m_clock;
    qint64 m_last = 0, m_longest = 0;
};

void measure(ChangeReport report, const ProgramPaths& paths, double targetSeconds)
{
    const ChangeReportTexts& t = changeReportTexts(report);
    const qint64 idle = rssAnonKb();
    std::atomic<bool> running = true;
    std::atomic<qint64> peak = idle;
    std::thread sampler([&] {
        while (running) {
            peak = std::max(peak.load(), rssAnonKb());
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    double best = 1e9, longestGap = 0;
    qsizetype reportSize = 0;
    for (int run = 0; run < kRuns; ++run) {
        GapMonitor monitor;
        QElapsedTimer clock;
        clock.start();
        const ChangeRun result = runChangeCompare(report, paths, monitor);
        best = std::min(best, double(clock.nsecsElapsed()) / 1e9);
        longestGap = std::max(longestGap, monitor.longestMs());
        reportSize = result.panelText.size();
    }
    running = false;
    sampler.join();

    QElapsedTimer wcClock;
    wcClock.start();
    QProcess wc;
    wc.start(QStringLiteral("wc"),
             {QStringLiteral("-l"), paths.report(t.newList), paths.report(t.oldList)});
    wc.waitForFinished(-1);
    const double wcSeconds = double(wcClock.nsecsElapsed()) / 1e9;

    std::printf("%s: %.3f s (target %.1f s), peak RssAnon %.0f MB above idle (target 300 MB), "
                "longest wait for Cancel %.1f ms, report %lld characters; wc -l of the same "
                "files: %.3f s\n",
                qPrintable(t.title), best, targetSeconds, double(peak - idle) / 1024, longestGap,
                qlonglong(reportSize), wcSeconds);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const ProgramPaths paths{dataFolder() + QStringLiteral("/program")};
    // The data is made in this process; the measuring runs in a fresh one.
    if (!app.arguments().contains(QStringLiteral("--measure"))) {
        if (!prepare(paths.reportsFolder())) {
            std::fprintf(stderr, "Cannot prepare the lists in %s\n", qPrintable(dataFolder()));
            return 1;
        }
        return QProcess::execute(app.applicationFilePath(), {QStringLiteral("--measure")});
    }
    measure(ChangeReport::AllInfo, paths, 1.5);
    measure(ChangeReport::RomsInfo, paths, 0.5);
    return 0;
}
