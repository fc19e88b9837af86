// The load sequence and the orderly end: first run, the version and preferences-problem paths,
// the stored view state, bringing the program forward and SIGTERM, against throw-away program
// folders. Detecting a new MAME is tested with the database routines in the gamedb tests.
#include "app/IniFile.h"
#include "lists/ListFixtures.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"
#include "ui/BringForward.h"
#include "ui/MainWindow.h"
#include "ui/StartUp.h"

#include "platform/SingleInstance.h"

#include <QtTest>
#include <QtWidgets>

#include <csignal>
#include <cstring>
#include <sys/stat.h>

using namespace velmora;
using namespace velmora::testing;

namespace {

const QString kProblem =
    QStringLiteral("Problem in options.ini file.  Velmora will now create a new one.");
const QString kRecreate =
    QStringLiteral("The options.ini file must be recreated with this version of Velmora.");

// A program folder, and a MAME folder holding an executable `mame` of 100 bytes.
struct Folders
{
    QTemporaryDir dir;
    QString program() const { return dir.path() + "/Velmora program"; }
    QString mame() const { return dir.path() + "/mame folder"; }
    QString optionsIni() const { return program() + "/settings/options.ini"; }
    QString ini(const char* section, const char* key) const
    {
        return ReadIniValue(optionsIni(), QLatin1String(section), QLatin1String(key), "<none>");
    }
    void writeReports(const QStringList& names) const
    {
        for (const QString& name : names)
            TempProgram::writeFile(program() + "/reports/" + name,
                                   database({game("pong", "Pong")}));
    }

    Folders()
    {
        QDir().mkpath(program());
        TempProgram::writeFile(mame() + "/mame", QByteArray(100, '#'));
        QFile(mame() + "/mame").setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }

    // An options.ini of the given version and a database of one game.
    void write(const QString& version, const QByteArray& extra = {}) const
    {
        const QByteArray m = mame().toUtf8();
        TempProgram::writeFile(optionsIni(),
                               "[Miscellaneous]\r\nVelmoraVersion=" + version.toUtf8() +
                                   "\r\nMAMESize=100\r\n[Directories]\r\nMAME=" + m +
                                   "\r\nIni=" + m + "\r\n" + extra);
        writeReports({"listxml.txt", "crcinfo.txt", "resource.txt", "gameinfo.txt"});
    }
};

// The load sequence with the first-run dialog and the database build as counting stand-ins.
struct Run
{
    AppState state;
    MainWindow window{state};
    StartUp startUp{state, window};
    int firstRuns = 0, firstBuilds = 0;

    explicit Run(const Folders& folders, bool accept = false)
    {
        state.paths.programFolder = folders.program();
        StartUp::Hooks& hooks = startUp.hooks();
        hooks.firstRunDialog = [this, &folders, accept](Preferences& prefs) {
            ++firstRuns;
            if (accept) {
                prefs.setFolder(DataFolder::MAME, folders.mame());
                writeDirectories(folders.optionsIni(), prefs);
            }
            return accept;
        };
        hooks.firstBuild = [this, &folders](ProgressSink&) {
            ++firstBuilds;
            folders.writeReports({"gameinfo.txt"});
            return true;
        };
        hooks.endProcess = [] {};
    }
};

} // namespace

class TestStartUp : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // As in the program: closing the window takes the orderly-end path, not Qt's own quit.
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }

    // Without an options.ini, an accepted first run builds the database and stores the version
    // and the size of mame. An options.ini that is too old or cannot be read is deleted and the
    // first run comes back; cancelled, it ends the start. A rejected file that cannot be deleted
    // is named once and the start ends, instead of being rejected again after every first-run
    // dialog.
    void loadSequence()
    {
        // `accept` answers the first-run dialog; `stuck` makes the rejected file undeletable.
        const auto check = [](const char* version, const QByteArray& extra, const QString& message,
                              bool accept = false, bool stuck = false) {
            Folders folders;
            if (*version)
                folders.write(version, extra);
            ScriptedMessageBox boxes;
            boxes.allowAny(stuck);
            if (!message.isEmpty())
                boxes.expect(message);
            Run run(folders, accept);
            if (stuck)
                run.startUp.hooks().removeOptionsFile = [](const QString&, QString* why) {
                    return *why = "Permission denied", false;
                };
            const bool started = message.isEmpty();
            QVERIFY2(run.startUp.runLoadSequence() == started && boxes.allExpectedShown() &&
                         run.firstRuns == int(!*version || (!started && !stuck)) &&
                         run.state.startAborted == !started &&
                         QFile::exists(folders.optionsIni()) == (started || stuck),
                     version);
            QVERIFY(!accept ||
                    (folders.ini("Miscellaneous", "VelmoraVersion") == "4.0.0" &&
                     folders.ini("Miscellaneous", "MAMESize") == "100" && run.firstBuilds == 1));
            QVERIFY(!stuck ||
                    (boxes.shown().size() == 2 &&
                     boxes.lastText().contains(folders.optionsIni() + "\rPermission denied") &&
                     boxes.shown().last().icon == platform::MessageIcon::Critical));
        };
        check("", {}, {}, true);
        check("3.4.0", {}, kRecreate);
        check("3.4.1", {}, {});
        check("4.x", {}, kProblem);
        check("4.0.0", "[View]\r\nAllIndex=abc", kProblem);
        check("3.4.0", {}, kRecreate, false, true);
    }

    // A second start asks the first to come forward. Asked while loading, the program brings
    // what it shows (here the first-run dialog), never its half-loaded main window.
    void comingForward()
    {
        const QString name = QString("velmora-test-%1").arg(QCoreApplication::applicationPid());
        platform::SingleInstance first(name);
        QVERIFY(!first.forwardToRunningInstance() && first.listen());
        QSignalSpy raised(&first, &platform::SingleInstance::activationRequested);
        platform::SingleInstance second(name);
        QVERIFY(second.forwardToRunningInstance() && raised.wait(2000));

        AppState state;
        MainWindow window(state);
        QDialog dialog;
        dialog.show();
        bringForward(window);
        QVERIFY(!window.isVisible() && dialog.isVisible());
    }

    // The real program, copied into a program folder of its own: SIGTERM, SIGHUP (a closed
    // terminal) and SIGINT take the orderly end once the window is up, saving the view state (a
    // stored category sort, without catver.ini, fell back to the first column); during the
    // first-run dialog SIGTERM ends it as Cancel does, writing nothing. FIFOs in place of the
    // optional files (splash picture, category and player lists, screenshot, icon) are never
    // opened, so neither the start nor the end waits on them.
    void terminationSignal()
    {
        for (const int signal : {SIGTERM, SIGHUP, SIGINT})
            QVERIFY2(terminatedSafely(false, signal), strsignal(signal));
        QVERIFY2(terminatedSafely(true, SIGTERM), "first-run dialog");
    }

private:
    bool terminatedSafely(bool firstRun, int signal)
    {
        Folders folders;
        const QString shots = folders.dir.path() + "/snap";
        if (!firstRun)
            folders.write("4.0.0", "Snapshots=" + shots.toUtf8() +
                                       "\r\n[View]\r\nGameView=Uninstalled Games\r\n"
                                       "AllSortKey=17\r\nAllSortOrder=1\r\nScreenShots=True\r\n"
                                       "WindowGeometry=0,40,900,500\r\n");
        QDir().mkpath(shots);
        QDir().mkpath(folders.mame() + "/icons");
        for (const QString& fifo :
             {folders.program() + "/splash.jpg", folders.program() + "/catver.ini",
              folders.program() + "/nplayers.ini", shots + "/pong.png",
              folders.mame() + "/icons/pong.ico"})
            ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
        const QString binary = folders.program() + "/velmora";
        if (!QFile::copy(VELMORA_BINARY, binary))
            return false;
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        // The single-instance socket lives in the temporary folder: a running Velmora is not asked.
        for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "TMPDIR"})
            env.insert(name, folders.dir.path());
        program.setProcessEnvironment(env);
        program.start(binary, {});
        // The first-run dialog is open once the program folders are made; the window is up once
        // the start-up has rewritten the version.
        const bool up = QTest::qWaitFor(
            [&] {
                return firstRun ? QFileInfo(folders.program() + "/reports").isDir()
                                : folders.ini("Miscellaneous", "AutoRun") != "<none>";
            },
            10000);
        QTest::qWait(firstRun ? 1500 : 500);
        ::kill(pid_t(program.processId()), signal);
        if (!up || !program.waitForFinished(10000) || program.exitStatus() != QProcess::NormalExit)
            return false;
        if (firstRun)
            return !QFile::exists(folders.optionsIni()) &&
                   QDir(folders.program() + "/reports").isEmpty();
        QStringList view;
        for (const char* key :
             {"GameView", "AllSortKey", "AllSortOrder", "ScreenShots", "WindowGeometry"})
            view << folders.ini("View", key);
        // The window came back where it was left, and is left there again (the window system
        // may nudge it sideways onto the screen).
        const QString geometry = view.takeLast();
        return view == QStringList{"Uninstalled Games", "0", "0", "True"} &&
               geometry.endsWith(",40,900,500");
    }
};

QTEST_MAIN(TestStartUp)
#include "test_startup.moc"
