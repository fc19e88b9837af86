#include "gamedb/ExecCmd.h"
#include "gamedb/ExecCmdFailures.h"
#include "gamedb/MameCommands.h"
#include "platform/Seams.h"
#include "support/FakeMame.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <cerrno>

using namespace velmora;
using namespace velmora::testing;

namespace {

// Counts platform::endProgram() calls for the lifetime of the object.
struct EndProgramRecorder
{
    int calls = 0;
    EndProgramRecorder()
    {
        platform::seams().endProgram = [this] { ++calls; };
    }
    ~EndProgramRecorder() { platform::seams().endProgram = nullptr; }
};

// Restores the test's own current folder and PATH whatever a test did to them.
struct ProcessStateGuard
{
    QString folder = QDir::currentPath();
    QByteArray path = qgetenv("PATH");
    ~ProcessStateGuard()
    {
        QDir::setCurrent(folder);
        qputenv("PATH", path);
    }
};

// Writes an executable shell script.
bool script(const QString& path, const QByteArray& body)
{
    return TempProgram::writeFile(path, "#!/bin/sh\n" + body) &&
           QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
}

} // namespace

class TestExecCmd : public QObject
{
    Q_OBJECT
private slots:
    // The MAME folder's own mame and mamediff run inside it by their full paths, never a decoy
    // earlier on PATH or in the caller's current folder; a ":" in the folder's name once split a
    // search path and let the mame on PATH answer.
    void runsTheProgramsOfTheMameFolderInsideIt()
    {
        ProcessStateGuard guard;
        TempProgram tp("velmora", "program", "ma:me");
        FakeMame mame(tp.mameFolder());
        const QString decoys = tp.makeFolder("decoys");
        const QString decoyRan = tp.root() + "/decoy-ran";
        for (const char* name : {"/mame", "/mamediff"})
            QVERIFY(script(decoys + name, "touch '" + decoyRan.toUtf8() + "'\n"));
        // The folder's mamediff: the fake mame under the other name, recording the same way.
        QVERIFY(QFile::copy(mame.scriptPath(), tp.mameFolder() + "/mamediff"));
        qputenv("PATH", "ma:me:" + decoys.toUtf8() + ':' + guard.path);
        QVERIFY(QDir::setCurrent(decoys));

        const auto run = [&](const QString& command) {
            return ExecCmd(command, WindowStyle::Minimised, tp.mameFolder()) == ExecOutcome::Ran;
        };
        QVERIFY(run("mame puckman -skip_gameinfo"));
        QCOMPARE(mame.arguments(), QStringList({"puckman", "-skip_gameinfo"}));
        QCOMPARE(mame.workingFolder(), QDir(tp.mameFolder()).canonicalPath());
        QCOMPARE(QDir::currentPath(), QDir(decoys).canonicalPath());
        QVERIFY(run(MameCommands::listXml(tp.paths().report("listxml.txt"))));
        QCOMPARE(mame.arguments(), QStringList({"-listxml"}));
        QVERIFY(run("mamediff -s old.xml new.xml"));
        QCOMPARE(mame.arguments(), QStringList({"-s", "old.xml", "new.xml"}));
        QVERIFY(!QFile::exists(decoyRan));
        QCOMPARE(withProgramPath("mame>x", "/a'b"), QString("'/a'\\''b/mame'>x"));
        QCOMPARE(withProgramPath("mamex -y", "/m"), QString("mamex -y"));

        // MAME's own exit status is not looked at.
        mame.setSilentExit(3);
        QVERIFY(run("mame -listxml") && mame.callCount() == 4);
    }

    // The wait keeps the windows repainting; commands run side by side take as long as the
    // slowest, not as long as all of them.
    void windowsKeepRepaintingWhileCommandsRunSideBySide()
    {
        TempProgram tp;
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; }), timer.start(20);
        QElapsedTimer elapsed;
        QList<int> ended;
        elapsed.start();
        QCOMPARE(ExecCmds({"sleep 0.6", "sleep 0.3", "sleep 0.6"}, WindowStyle::Minimised,
                          tp.mameFolder(), [&ended](int index) { ended << index; }),
                 ExecOutcome::Ran);
        QVERIFY2(elapsed.elapsed() < 1500 && ticks >= 8, qPrintable(QString::number(ticks)));
        QVERIFY(ended.size() == 3 && ended.first() == 1);
    }

    // A folder that cannot be entered ends the program; a drive that does not answer asks to
    // try again instead.
    void folderFailures()
    {
        ProcessStateGuard guard;
        TempProgram tp;
        ScriptedMessageBox box;
        EndProgramRecorder end;
        const QString missing = tp.root() + "/no such folder";
        box.expect("Error In ExecCmd: Cannot enter the M.A.M.E. folder \"" + missing +
                       "\": No such file or directory.",
                   platform::MessageAnswer::Ok, "Velmora");
        QCOMPARE(ExecCmd("mame -help", WindowStyle::Minimised, missing), ExecOutcome::Failed);
        QVERIFY(box.allExpectedShown() && end.calls == 1 && QDir::currentPath() == guard.folder);
        QCOMPARE(box.shown().last().icon, platform::MessageIcon::Critical);
        // A file where the folder should be, and no folder at all, fail the same way.
        const QString file = tp.root() + "/plain-file";
        QVERIFY(TempProgram::writeFile(file, "x"));
        box.allowAny(true);
        QCOMPARE(ExecCmd("mame", WindowStyle::Minimised, file), ExecOutcome::Failed);
        QVERIFY(box.lastText().startsWith("Error In ExecCmd: "));
        QCOMPARE(ExecCmd("mame", WindowStyle::Minimised, QString()), ExecOutcome::Failed);
        QVERIFY(box.lastText() == "Error In ExecCmd: No M.A.M.E. folder is set." && end.calls == 3);

        for (int e : {EIO, ENODEV, ENXIO, ESTALE, EHOSTDOWN})
            QVERIFY(isDeviceFailure(e));
        for (int e : {0, ENOENT, ENOTDIR, EACCES, ELOOP, ENAMETOOLONG})
            QVERIFY(!isDeviceFailure(e));
        box.allowAny(false);
        box.expect("There is a problem communicating with the drive M.A.M.E. is on!  Try again.");
        QCOMPARE(reportFolderFailure(ESTALE, "/mnt/share/mame"), ExecOutcome::DeviceUnavailable);
        QVERIFY(box.allExpectedShown() && end.calls == 3);
    }

    void quotingSurvivesTheShell()
    {
        TempProgram tp;
        QVERIFY(GetShortPath(tp.root() + "/not there").isEmpty() && GetShortPath({}).isEmpty());
        QCOMPARE(GetShortPath(tp.mameFolder()), "'" + tp.mameFolder() + "'");
        QCOMPARE(shellQuote("it's"), QString("'it'\\''s'"));
        // ROM names and report paths reach the command line quoted only when they need it.
        QCOMPARE(MameCommands::verifySamples("005", "/it's/x"),
                 QString("mame 005 -verifysamples > '/it'\\''s/x' 2>&1"));
        QCOMPARE(MameCommands::verifyRoms("a;b", "/x"),
                 QString("mame 'a;b' -verifyroms > '/x' 2>&1"));
        QCOMPARE(MameCommands::launch("$(id)"), QString("mame '$(id)'"));

        for (const char* utf8 : {"plain", "two  spaces", "it's", "\"double\"",
                                 "$(touch pwned); `id` $HOME", "caf\u00E9 \u65E5\u672C", "*", ""}) {
            const QString text = QString::fromUtf8(utf8);
            QProcess sh;
            sh.setWorkingDirectory(tp.root());
            sh.start("/bin/sh", {"-c", "printf %s " + shellQuote(text)});
            QVERIFY(sh.waitForFinished(5000));
            QCOMPARE(QString::fromUtf8(sh.readAllStandardOutput()), text);
        }
        QVERIFY(!QFile::exists(tp.root() + "/pwned"));
    }

    // A program asked to end while a command runs passes the request on to the program the shell
    // runs, keeps its output and waits for it; one that will not end is killed after the wait.
    void anEndRequestReachesTheRunningProgram()
    {
        ProcessStateGuard guard;
        TempProgram tp;
        const QString mame = tp.mameFolder() + QStringLiteral("/mame");
        const QString output = tp.root() + QStringLiteral("/output.txt");
        for (const bool obeys : {true, false}) {
            QVERIFY(script(mame, obeys
                                     ? "trap 'echo ending; exit 0' TERM\necho started\nwhile :; do "
                                       "sleep 0.1; done\n"
                                     : "trap '' TERM\nwhile :; do sleep 0.1; done\n"));
            QVERIFY(!commandRunning());
            bool wasRunning = false;
            QTimer::singleShot(800, [&] {
                wasRunning = commandRunning();
                endRunningCommand(1000);
            });
            QElapsedTimer clock;
            clock.start();
            const ExecStatus status =
                ExecCmdKeepingOutput("mame pong", WindowStyle::Minimised, tp.mameFolder(), output);
            QVERIFY(wasRunning && clock.elapsed() < 5000 && status.endRequested);
            QCOMPARE(status.outcome, ExecOutcome::Ran);
            if (obeys) {
                // The program heard the request and finished its own way out before the wait
                // ended (the shell between reports the signal, so the status is not the program's).
                const QByteArray heard = TempProgram::readFile(output);
                QVERIFY2(heard.startsWith("started\n") && heard.contains("ending\n"), heard);
            } else {
                QVERIFY(status.crashed || status.exitCode != 0);
            }
        }
        // A command that ends on its own reports its status, and nothing asked it to end.
        QVERIFY(script(mame, "echo oops >&2\nexit 3\n"));
        const ExecStatus status =
            ExecCmdKeepingOutput("mame", WindowStyle::Minimised, tp.mameFolder(), output);
        QVERIFY(status.exitCode == 3 && !status.endRequested && !status.crashed);
        QCOMPARE(TempProgram::readFile(output), QByteArray("oops\n"));
    }
};

QTEST_GUILESS_MAIN(TestExecCmd)
#include "test_execcmd.moc"
