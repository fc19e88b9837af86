#pragma once
// A stand-in `mame` for tests: a shell script installed in the MAME folder.
//
// Each run records its arguments (one per line) and its working folder, and adds a line to a call
// log. For the options -listxml, -listcrc, -showusage, -showconfig, -help, -verifyroms,
// -verifysamples, -listroms and -listsamples it prints the file the test chose with answer() (on
// standard output, or on the error stream as MAME does for a missing set) and exits 0; anything
// else (a launch) is only recorded. setSilentExit() makes every run end at once, without output,
// with the given status.
//
//     FakeMame mame(tp.mameFolder());
//     mame.answer("-listxml", fixturePath("listxml-machine.xml"));
//     mame.answer("-verifyroms", fixturePath("verifyroms-missing.err"), FakeMame::ErrorStream);
//     ... run a command through ExecCmd ...
//     QCOMPARE(mame.arguments(), QStringList({"-listxml"}));
//     QCOMPARE(mame.callCount(), 1);
#include <QString>
#include <QStringList>

namespace velmora::testing {

class FakeMame
{
public:
    enum Stream
    {
        OutputStream,
        ErrorStream
    };

    // Installs the script as `<mameFolder>/mame` (replacing any file of that name).
    explicit FakeMame(const QString& mameFolder);

    QString scriptPath() const { return m_folder + QStringLiteral("/mame"); }

    // `option` is the option with its dash ("-listxml"); `file` is copied into the MAME folder.
    // An option may have one file per stream.
    bool answer(const QString& option, const QString& file, Stream stream = OutputStream);
    // Every later run prints nothing and exits with `status`; a negative status switches this off.
    void setSilentExit(int status);
    // Every later run (with `option`, "-listcrc": only those) waits this long after recording
    // itself before it answers; 0 switches it off. For commands that must be seen running side
    // by side, or ended while they run.
    void setDelay(double seconds, const QString& option = QString());

    // What the last run received and where it ran (physical path, as `pwd -P` gives it).
    QStringList arguments() const;
    QString workingFolder() const;
    // How many times the script ran, and each run's arguments joined by blanks.
    int callCount() const { return calls().size(); }
    QStringList calls() const;
    // Forgets the runs so far.
    void clearRecord();

private:
    QString recordFile(const char* name) const;
    // Writes the script's flag file `name` holding `value`, or removes it when not `on`.
    void setFlag(const char* name, bool on, const QByteArray& value) const;

    QString m_folder;
};

} // namespace velmora::testing
