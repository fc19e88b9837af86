// Game lists at today's scale: the database of Debian's MAME 0.251 machine list (about 40,000
// games) with a catver.ini and an nplayers.ini of 40,000 entries each.
//
// Measures, and prints against their targets:
//   - start-up with an existing database, from process start to the shown, responsive window;
//   - LoadLists into the three lists;
//   - a column sort of the All list;
//   - the search for each column's widest texts, which size the columns at every load;
//   - the resident memory of the whole program afterwards.
//
// The machine list comes from bench-data/listxml.xml next to this program, else from
// /tmp/listxml-full.xml, else from running `mame -listxml` (HOME set to a temporary folder).
// It is turned into gameinfo.txt by a small converter below and everything is cached in
// bench-data, so later runs start at once.
#include "ProcessClock.h"
#include "app/IniFile.h"
#include "app/Preferences.h"
#include "app/Progress.h"
#include "lists/ColumnContent.h"
#include "lists/GameListModel.h"
#include "lists/LoadLists.h"
#include "platform/Seams.h"
#include "ui/GameListView.h"
#include "ui/MainWindow.h"
#include "ui/StartUp.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unistd.h>

using namespace velmora;
using velmora::bench::millisecondsSinceProcessStart;

namespace {

constexpr int kIniEntries = 40000;
constexpr int kInstalledEvery = 7; // every seventh game gets an archive in the ROMs folder
constexpr int kRuns = 5;

// ---- Time and memory ---------------------------------------------------------------------

QByteArray statusValue(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed();
    return {};
}

double megabytes(const QByteArray& kbText)
{
    return kbText.split(' ').value(0).toDouble() / 1024.0;
}

void report(const char* what, double value, const char* unit, double target)
{
    std::printf("%-58s %9.1f %-3s (target < %g %s) %s\n", what, value, unit, target, unit,
                value < target ? "ok" : "MISSED");
    std::fflush(stdout);
}

// ---- The machine list and its conversion -------------------------------------------------

QString attribute(const QString& line, const char* name)
{
    const QString key = QLatin1String(name) + QStringLiteral("=\"");
    const qsizetype at = line.indexOf(QLatin1Char(' ') + key);
    if (at < 0)
        return {};
    const qsizetype start = at + 1 + key.size();
    return line.mid(start, line.indexOf(u'"', start) - start);
}

QString element(const QString& line)
{
    const qsizetype open = line.indexOf(u'>');
    return line.mid(open + 1, line.lastIndexOf(u'<') - open - 1);
}

QString properCase(const QString& word)
{
    return word.isEmpty() ? word : word.left(1).toUpper() + word.mid(1).toLower();
}

// Enough of the database builder to give the lists their real shape: one record per runnable
// machine with the fields the lists show, sort and filter on.
class Converter
{
public:
    void line(const QString& raw)
    {
        const QString l = raw.trimmed();
        if (l.startsWith(QLatin1String("<machine ")))
            begin(l);
        else if (!m_inMachine)
            return;
        else if (l.startsWith(QLatin1String("<description>")))
            m_r[GameRecord::Game] = element(l).toUtf8();
        else if (l.startsWith(QLatin1String("<year>")))
            m_r[GameRecord::Year] = element(l).toUtf8();
        else if (l.startsWith(QLatin1String("<manufacturer>")))
            m_r[GameRecord::Manufacturer] = element(l).toUtf8();
        else if (l.startsWith(QLatin1String("<disk ")))
            m_r[GameRecord::Chd] = "Yes";
        else if (l.startsWith(QLatin1String("<display ")))
            display(l);
        else if (l.startsWith(QLatin1String("<driver ")))
            m_r[GameRecord::Status] = properCase(attribute(l, "status")).toUtf8();
        else if (l.startsWith(QLatin1String("</machine>")))
            end();
    }
    QByteArray takeOutput() { return std::move(m_out); }

private:
    void begin(const QString& l)
    {
        m_inMachine = attribute(l, "isbios") != QLatin1String("yes") &&
                      attribute(l, "isdevice") != QLatin1String("yes") &&
                      attribute(l, "runnable") != QLatin1String("no");
        m_r.resetToDefaults();
        m_r[GameRecord::Rom] = attribute(l, "name").toUtf8();
        m_r[GameRecord::Source] = attribute(l, "sourcefile").toUtf8();
        m_r[GameRecord::Color] = m_r[GameRecord::Sound] = m_r[GameRecord::Graphic] = "Good";
        const QString clone = attribute(l, "cloneof");
        if (!clone.isEmpty())
            m_r[GameRecord::Origin] = ("Clone of " + clone).toUtf8();
        const QString romOf = attribute(l, "romof");
        if (!romOf.isEmpty())
            m_r[GameRecord::RomOf] = romOf.toUtf8();
        m_displays = 0;
    }
    void display(const QString& l)
    {
        if (++m_displays > 1) {
            m_r[GameRecord::Display] = "Multiple";
            return;
        }
        const QString type = properCase(attribute(l, "type"));
        m_r[GameRecord::Type] = type.toUtf8();
        const QString rotate = attribute(l, "rotate");
        m_r[GameRecord::Orientation] =
            (rotate == QLatin1String("90") || rotate == QLatin1String("270")) ? "Vertical"
                                                                              : "Horizontal";
        m_r[GameRecord::Frequency] = attribute(l, "refresh").toUtf8();
        m_r[GameRecord::Display] = type == QLatin1String("Vector")
                                       ? QByteArray("N/A")
                                       : (attribute(l, "width") + u'x' + attribute(l, "height"))
                                             .rightJustified(8)
                                             .toUtf8();
    }
    void end()
    {
        if (m_inMachine)
            m_r.appendLine(m_out);
        m_inMachine = false;
    }

    GameRecord m_r;
    QByteArray m_out;
    bool m_inMachine = false;
    int m_displays = 0;
};

bool runMameListXml(const QString& target)
{
    std::printf("Asking MAME for its machine list (once; cached in %s)...\n", qPrintable(target));
    QTemporaryDir home;
    QProcess mame;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    mame.setProcessEnvironment(env);
    mame.setStandardOutputFile(target);
    mame.start(QStringLiteral("/usr/games/mame"), {QStringLiteral("-listxml")});
    return mame.waitForFinished(600000) && mame.exitCode() == 0;
}

QString machineList(const QString& dataFolder)
{
    const QString cached = dataFolder + QStringLiteral("/listxml.xml");
    if (QFile::exists(cached))
        return cached;
    if (QFile::exists(QStringLiteral("/tmp/listxml-full.xml")))
        return QStringLiteral("/tmp/listxml-full.xml");
    return runMameListXml(cached) ? cached : QString();
}

bool convertMachineList(const QString& listXml, const QString& gameinfo)
{
    QFile in(listXml);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    Converter converter;
    while (!in.atEnd())
        converter.line(QString::fromUtf8(in.readLine()));
    QFile out(gameinfo);
    return out.open(QIODevice::WriteOnly) && out.write(converter.takeOutput()) > 0;
}

// ---- The program folder ------------------------------------------------------------------

QStringList romsOf(const QString& gameinfo)
{
    QFile in(gameinfo);
    QStringList roms;
    if (!in.open(QIODevice::ReadOnly))
        return roms;
    while (!in.atEnd())
        roms << QString::fromUtf8(GameRecord::fromLine(in.readLine())[GameRecord::Rom]);
    return roms;
}

void writeIni(const QString& path, const char* section, const QStringList& roms,
              const QStringList& values)
{
    QByteArray text = ";; generated for the list benchmark\r\n[" + QByteArray(section) + "]\r\n";
    for (int i = 0; i < std::min<qsizetype>(kIniEntries, roms.size()); ++i)
        text += roms[i].toUtf8() + '=' + values[i % values.size()].toUtf8() + "\r\n";
    text += "\r\n[VerAdded]\r\n";
    for (int i = 0; i < std::min<qsizetype>(kIniEntries, roms.size()); ++i)
        text += roms[i].toUtf8() + "=0." + QByteArray::number(37 + i % 200) + "\r\n";
    QFile out(path);
    if (out.open(QIODevice::WriteOnly))
        out.write(text);
}

void makeRomArchives(const QString& folder, const QStringList& roms)
{
    QDir().mkpath(folder);
    for (int i = 0; i < roms.size(); i += kInstalledEvery) {
        QFile zip(folder + u'/' + roms[i] + QStringLiteral(".zip"));
        if (!zip.exists() && zip.open(QIODevice::WriteOnly))
            zip.write("PK\x05\x06", 4);
    }
}

void writeOptions(const ProgramPaths& paths, const QString& roms)
{
    Preferences prefs = firstRunPreferences();
    prefs.setFolder(DataFolder::MAME, QStringLiteral("/usr/games"));
    prefs.setFolder(DataFolder::ROMs, roms);
    prefs.setFolder(DataFolder::Ini, paths.programFolder);
    prefs.useStarfield = true;
    prefs.screenShots = true;
    writeStartupMiscellaneous(paths.optionsIni(), prefs);
    writeOptionsPreferences(paths.optionsIni(), prefs);
    writeDirectories(paths.optionsIni(), prefs);
    writeView(paths.optionsIni(), prefs);
    // The database is complete: nothing is asked of MAME at start-up.
    for (const char* name : {"listxml.txt", "crcinfo.txt", "resource.txt"})
        QFile(paths.report(QLatin1String(name))).open(QIODevice::WriteOnly);
    QFile(paths.programFolder + QStringLiteral("/mame.ini")).open(QIODevice::WriteOnly);
}

bool prepareProgram(const QString& dataFolder, const ProgramPaths& paths)
{
    QDir().mkpath(paths.reportsFolder());
    QDir().mkpath(paths.settingsFolder());
    const QString gameinfo = paths.report(QStringLiteral("gameinfo.txt"));
    if (!QFile::exists(gameinfo)) {
        const QString list = machineList(dataFolder);
        if (list.isEmpty() || !convertMachineList(list, gameinfo))
            return false;
    }
    const QStringList roms = romsOf(gameinfo);
    const QStringList categories = {"Maze / Collect",      "Shooter / Flying Vertical",
                                    "Fighter / Versus",    "Sports / Soccer",
                                    "Puzzle / Drop",       "Driving / Race",
                                    "Platform / Run Jump", "Casino / Cards"};
    const QStringList players = {"1P", "2P alt", "2P sim", "4P sim", "1P / 2P alt"};
    writeIni(paths.file(QStringLiteral("catver.ini")), "Category", roms, categories);
    writeIni(paths.file(QStringLiteral("nplayers.ini")), "NPlayers", roms, players);
    const QString romsFolder = dataFolder + QStringLiteral("/roms");
    makeRomArchives(romsFolder, roms);
    QFile::remove(paths.optionsIni());
    writeOptions(paths, romsFolder);
    std::printf("Database: %lld games in %s\n", qlonglong(roms.size()), qPrintable(gameinfo));
    return true;
}

// ---- The measurements --------------------------------------------------------------------

double measureStartUp(AppState& state, MainWindow& window, StartUp& startUp)
{
    if (!startUp.runLoadSequence())
        return -1;
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed())) {
        if (waited.elapsed() > 10000)
            return -1;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    // Responsive: a queued event comes through the event loop.
    bool answered = false;
    QTimer::singleShot(0, &window, [&answered] { answered = true; });
    while (!answered)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double ms = millisecondsSinceProcessStart();
    state.endTime = state.startTime + ms / 1000.0;
    return ms;
}

double measureLoadLists(const AppState& state, qsizetype* games)
{
    const ListLoadRequest request =
        ListLoadRequest::forProgram(state.paths, state.prefs, false, true, true);
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        NullProgress progress;
        LoadedLists lists;
        QElapsedTimer timer;
        timer.start();
        if (!LoadLists(request, progress, &lists).ok)
            return -1;
        times.push_back(timer.nsecsElapsed() / 1e6);
        *games = qsizetype(lists.all.size());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Clicks through the headers of the All list as a user would; returns the slowest sort.
double measureSorts(MainWindow& window)
{
    GameListView* all = window.listView(ListKind::All);
    double slowest = 0;
    for (int column : {int(GameListModel::Manufacturer), int(GameListModel::Manufacturer),
                       int(GameListModel::Year), int(GameListModel::Game), int(GameListModel::Game),
                       int(GameListModel::Category)}) {
        QElapsedTimer timer;
        timer.start();
        all->sortByColumnClick(column);
        QCoreApplication::processEvents();
        slowest = std::max(slowest, timer.nsecsElapsed() / 1e6);
    }
    return slowest;
}

double threadProcessorMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

// The columns' widest texts in the All list, found at every load to size the columns; in
// processor time, which a busy machine does not stretch.
double measureColumnTexts(MainWindow& window)
{
    const GameListView* all = window.listView(ListKind::All);
    std::vector<int> shown;
    for (int c = 0; c < GameListModel::ColumnCount; ++c)
        if (c != GameListModel::Game && !all->isColumnHidden(c))
            shown.push_back(c);
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        const double start = threadProcessorMs();
        const std::vector<QStringList> texts = widestTexts(*all->gameModel(), shown);
        times.push_back(threadProcessorMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString dataFolder =
        QCoreApplication::applicationDirPath() + QStringLiteral("/bench-data");
    const ProgramPaths paths{dataFolder + QStringLiteral("/program")};
    if (!QFile::exists(paths.optionsIni())) {
        if (!prepareProgram(dataFolder, paths)) {
            std::fprintf(stderr, "Could not prepare the benchmark's database.\n");
            return 1;
        }
        // The time since this process started now includes the preparation: measure in a
        // fresh process, with the database already in the file cache.
        return QProcess::execute(QCoreApplication::applicationFilePath(), {});
    }
    AppState state;
    state.paths = paths;
    state.startTime =
        platform::clock().secondsSinceMidnight() - millisecondsSinceProcessStart() / 1000.0;
    MainWindow window(state);
    StartUp startUp(state, window);
    const double startMs = measureStartUp(state, window, startUp);
    qsizetype games = 0;
    const double loadMs = measureLoadLists(state, &games);
    const double sortMs = measureSorts(window);
    const double widthsMs = measureColumnTexts(window);
    const double rssMb = megabytes(statusValue("VmRSS:"));
    const double peakMb = megabytes(statusValue("VmHWM:"));

    std::printf("Lists: All %d, Installed %d, Uninstalled %d (of %lld games after filters)\n",
                window.gameCount(ListKind::All), window.gameCount(ListKind::Installed),
                window.gameCount(ListKind::Uninstalled), qlonglong(games));
    report("Start-up, process start to shown and responsive window", startMs, "ms", 1500);
    report("LoadLists into the three lists (median of 5)", loadMs, "ms", 500);
    report("Column sort of the All list (slowest of 6 clicks)", sortMs, "ms", 150);
    report("Widest texts of the All list's columns (processor, median of 5)", widthsMs, "ms", 50);
    report("Resident memory after start-up and sorting", rssMb, "MB", 200);
    report("Peak resident memory", peakMb, "MB", 200);
    window.stopTimers();
    return 0;
}
