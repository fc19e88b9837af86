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
#include <memory>

using namespace velmora;
using namespace velmora::testing;

namespace {

// Writes an executable shell script.
bool script(const QString& path, const QByteArray& body)
{
    return TempProgram::writeFile(path, "#!/bin/sh\n" + body) &&
           QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

// Every test runs in one program whose MAME folder's name holds a ":", which once split a search
// path; each ends with the test's own current folder and PATH back and no end-program hook.
class TestExecCmd : public QObject
{
    Q_OBJECT
private:
    TempProgram m_tp{"velmora", "program", "ma:me"};
    const QString m_folder = QDir::currentPath();
    const QByteArray m_path = qgetenv("PATH");
    int m_ends = 0; // platform::endProgram() calls

    bool run(const QString& command, const QString& folder)
    {
        return ExecCmd(command, WindowStyle::Minimised, folder) == ExecOutcome::Ran;
    }

private slots:
    void cleanup()
    {
        platform::seams().endProgram = nullptr;
        QDir::setCurrent(m_folder);
        qputenv("PATH", m_path);
    }

    // The MAME folder's own mame and mamediff run inside it by their full paths, never a decoy
    // earlier on PATH or in the caller's current folder; what the commands carry is quoted so
    // that the shell passes it on as it is.
    void runsTheProgramsOfTheMameFolderInsideItQuoted()
    {
        FakeMame mame(m_tp.mameFolder());
        const QString decoys = m_tp.makeFolder("decoys");
        const QString decoyRan = m_tp.root() + "/decoy-ran";
        for (const char* name : {"/mame", "/mamediff"})
            QVERIFY(script(decoys + name, "touch '" + decoyRan.toUtf8() + "'\n"));
        // The folder's mamediff: the fake mame under the other name, recording the same way.
        QVERIFY(QFile::copy(mame.scriptPath(), m_tp.mameFolder() + "/mamediff"));
        qputenv("PATH", "ma:me:" + decoys.toUtf8() + ':' + m_path);
        QVERIFY(QDir::setCurrent(decoys));

        QVERIFY(run("mame puckman -skip_gameinfo", m_tp.mameFolder()));
        QCOMPARE(mame.arguments(), QStringList({"puckman", "-skip_gameinfo"}));
        QCOMPARE(mame.workingFolder(), QDir(m_tp.mameFolder()).canonicalPath());
        QCOMPARE(QDir::currentPath(), QDir(decoys).canonicalPath());
        QVERIFY(run("mamediff -s old.xml new.xml", m_tp.mameFolder()));
        QCOMPARE(mame.arguments(), QStringList({"-s", "old.xml", "new.xml"}));
        QVERIFY(!QFile::exists(decoyRan));
        QCOMPARE(withProgramPath("mame>x", "/a'b"), QString("'/a'\\''b/mame'>x"));
        QCOMPARE(withProgramPath("mamex -y", "/m"), QString("mamex -y"));

        // MAME's own exit status is not looked at.
        mame.setSilentExit(3);
        QVERIFY(run("mame -listxml", m_tp.mameFolder()) && mame.callCount() == 3);

        // A ROM name reaches the command line quoted when it needs it, and quoting survives the
        // shell.
        QCOMPARE(MameCommands::launch("$(id)"), QString("mame '$(id)'"));
        for (const char* utf8 : {"plain", "two  spaces", "it's", "\"double\"",
                                 "$(touch pwned); `id` $HOME", "caf\u00E9 \u65E5\u672C", "*", ""}) {
            const QString text = QString::fromUtf8(utf8);
            QProcess sh;
            sh.setWorkingDirectory(m_tp.root());
            sh.start("/bin/sh", {"-c", "printf %s " + shellQuote(text)});
            QVERIFY(sh.waitForFinished(5000));
            QCOMPARE(QString::fromUtf8(sh.readAllStandardOutput()), text);
        }
        QVERIFY(!QFile::exists(m_tp.root() + "/pwned"));
    }

    // A folder that cannot be entered ends the program; a drive that does not answer asks to
    // try again instead.
    void folderFailures()
    {
        platform::seams().endProgram = [this] { ++m_ends; };
        ScriptedMessageBox box;
        const QString missing = m_tp.root() + "/no such folder";
        box.expect("Error In ExecCmd: Cannot enter the M.A.M.E. folder \"" + missing +
                       "\": No such file or directory.",
                   platform::MessageAnswer::Ok, "Velmora");
        QCOMPARE(ExecCmd("mame -help", WindowStyle::Minimised, missing), ExecOutcome::Failed);
        QVERIFY(box.allExpectedShown() && m_ends == 1 && QDir::currentPath() == m_folder);
        QCOMPARE(box.shown().last().icon, platform::MessageIcon::Critical);
        // No folder at all fails the same way.
        box.expect("Error In ExecCmd: No M.A.M.E. folder is set.");
        QVERIFY(!run("mame", QString()) && box.allExpectedShown() && m_ends == 2);
        box.expect("There is a problem communicating with the drive M.A.M.E. is on!  Try again.");
        QCOMPARE(reportFolderFailure(ESTALE, "/mnt/share/mame"), ExecOutcome::DeviceUnavailable);
        QVERIFY(box.allExpectedShown() && m_ends == 2);
    }

    // A program asked to end while a command runs passes the request on to the program the shell
    // runs, keeps its output and waits for it; one that will not end is killed after the wait.
    // The request comes from a timer, so the windows go on working during the wait.
    void anEndRequestReachesTheRunningProgram()
    {
        const QString mame = m_tp.mameFolder() + "/mame";
        const QString output = m_tp.root() + "/output.txt";
        const QByteArray loop = "while :; do sleep 0.1; done\n";
        for (const bool obeys : {true, false}) {
            QVERIFY(script(mame, obeys ? "trap 'echo ending; exit 0' TERM\necho started\n" + loop
                                       : "trap '' TERM\n" + loop));
            bool wasRunning = false;
            QTimer::singleShot(800, [&] {
                wasRunning = commandRunning();
                endRunningCommand(1000);
            });
            QElapsedTimer clock;
            clock.start();
            const ExecStatus status = ExecCmdKeepingOutput("mame pong", WindowStyle::Minimised,
                                                           m_tp.mameFolder(), output);
            QVERIFY(wasRunning && clock.elapsed() < 5000 && status.endRequested);
            QCOMPARE(status.outcome, ExecOutcome::Ran);
            // One that obeys heard the request and finished its own way out before the wait ended
            // (the shell between reports the signal, so the status is not the program's).
            const QByteArray heard = TempProgram::readFile(output);
            QVERIFY2(obeys ? heard.startsWith("started\n") && heard.contains("ending\n")
                           : status.crashed || status.exitCode != 0,
                     heard);
        }
        // A command that ends on its own reports its status and keeps its error output, and
        // nothing asked it to end.
        QVERIFY(script(mame, "echo oops >&2\nexit 3\n"));
        const ExecStatus status =
            ExecCmdKeepingOutput("mame", WindowStyle::Minimised, m_tp.mameFolder(), output);
        QVERIFY(status.exitCode == 3 && !status.endRequested && !status.crashed);
        QCOMPARE(TempProgram::readFile(output), QByteArray("oops\n"));
    }

    // A command behind the window returns at once and is not the running command. Its time
    // limit stops one that hangs, deaf to SIGTERM as MAME is, whole group included; destroying it
    // does the same; one that ends by itself ran to its end.
    void aBackgroundCommandRunsBehindAndIsStoppedByItsTimeLimit()
    {
        const QString mame = m_tp.mameFolder() + "/mame";
        const QString pidFile = m_tp.root() + "/pid";
        QVERIFY(script(mame, "trap '' TERM\necho $$ > " + shellQuote(pidFile).toUtf8() +
                                 "\nwhile :; do sleep 0.1; done\n"));
        auto pidAlive = [&] { // a zombie waiting to be reaped does not count
            const QByteArray pid = TempProgram::readFile(pidFile).trimmed();
            const QByteArray stat =
                TempProgram::readFile(QString::fromLatin1("/proc/" + pid + "/stat"));
            return !pid.isEmpty() && !stat.isEmpty() &&
                   stat.mid(stat.lastIndexOf(')') + 2, 1) != "Z";
        };
        for (const bool limited : {true, false}) {
            QFile::remove(pidFile);
            QElapsedTimer clock;
            clock.start();
            auto command = std::make_unique<BackgroundCommand>(
                "mame -showconfig", m_tp.mameFolder(), limited ? 500 : 0);
            QVERIFY(clock.elapsed() < 300 && command->isRunning() && !commandRunning());
            QTRY_VERIFY(pidAlive());
            // Timed from MAME's start, which a busy machine may delay: the stop is at once, not
            // after the grace an orderly end would give.
            clock.restart();
            if (limited)
                command->waitForEnd();
            else
                command.reset();
            const qint64 stoppedIn = clock.elapsed();
            QVERIFY2(stoppedIn < 2500, QByteArray::number(stoppedIn).constData());
            // A killed process is gone a moment after the kill, not at the same instant.
            QTRY_VERIFY_WITH_TIMEOUT(!pidAlive(), 1000);
            QVERIFY(!command || (command->timedOut() && !command->ranToEnd()));
        }
        QVERIFY(script(mame, "exit 0\n"));
        BackgroundCommand quick("mame", m_tp.mameFolder(), 5000);
        quick.waitForEnd();
        QVERIFY(quick.ranToEnd() && !quick.timedOut());
    }
};

QTEST_GUILESS_MAIN(TestExecCmd)
#include "test_execcmd.moc"
