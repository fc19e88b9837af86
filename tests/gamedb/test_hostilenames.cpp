#include "gamedb/ExecCmd.h"
#include "gamedb/MameCommands.h"
#include "support/FakeMame.h"
#include "support/TempProgram.h"

#include <QDir>
#include <QDirIterator>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

// Every file named "pwned" under `folder`: proof that a name was run as a command.
QStringList strayFiles(const QString& folder)
{
    QStringList found;
    QDirIterator it(folder, {"pwned*"}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    return found;
}

} // namespace

// Folder names with blanks, quotes, command substitution, ";" and non-ASCII letters reach MAME
// and the redirection intact, and nothing in them is ever run.
class TestHostileNames : public QObject
{
    Q_OBJECT
private:
    TempProgram* m_tp = nullptr;
    FakeMame* m_mame = nullptr;
    QString m_startFolder;

    QString report(const QString& name) const { return m_tp->paths().report(name); }
    QByteArray fixture(const QString& name) const
    {
        return TempProgram::readFile(fixturePath(name));
    }
    void run(const QString& command)
    {
        QCOMPARE(ExecCmd(command, WindowStyle::Minimised, m_tp->mameFolder()), ExecOutcome::Ran);
    }

private slots:
    void initTestCase()
    {
        m_startFolder = QDir::currentPath();
        m_tp = new TempProgram("velmora $(touch pwned-root) 'q' \"d\"",
                               "Program Files; touch pwned-prog; \u00C9t\u00E9 \u65E5",
                               "MAME $(touch pwned-mame) `touch pwned-tick` it's");
        QVERIFY(m_tp->isValid());
        m_mame = new FakeMame(m_tp->mameFolder());
        QVERIFY(m_mame->isInstalled());
    }

    void cleanupTestCase()
    {
        QVERIFY(strayFiles(m_tp->root()).isEmpty());
        QVERIFY(strayFiles(m_startFolder).isEmpty());
        delete m_mame;
        delete m_tp;
    }

    void listsKeepStandardOutputOnly()
    {
        m_mame->answer("-listxml", fixturePath("listxml-machine.xml"));
        m_mame->answer("-listxml", fixturePath("verifyroms-missing.err"), FakeMame::ErrorStream);
        m_mame->answer("-listcrc", fixturePath("listcrc.txt"));
        run(MameCommands::listXml(report("listxml.txt")));
        QCOMPARE(m_mame->arguments(), QStringList{"-listxml"});
        QCOMPARE(m_mame->workingFolder(), QDir(m_tp->mameFolder()).canonicalPath());
        QCOMPARE(TempProgram::readFile(report("listxml.txt")), fixture("listxml-machine.xml"));
        run(MameCommands::listCrc(report("crcinfo.txt")));
        QCOMPARE(TempProgram::readFile(report("crcinfo.txt")), fixture("listcrc.txt"));
    }

    void auditsAndHelpCaptureTheErrorStream()
    {
        m_mame->answer("-help", fixturePath("help.txt"));
        m_mame->answer("-verifyroms", fixturePath("verifyroms-missing.err"), FakeMame::ErrorStream);
        m_mame->answer("-verifysamples", fixturePath("verifysamples-all.txt"));
        m_mame->answer("-listroms", fixturePath("listroms-puckman.txt"));
        m_mame->answer("-listsamples", fixturePath("listsamples-005.txt"));

        run(MameCommands::help(report("version.txt")));
        QCOMPARE(TempProgram::readFile(report("version.txt")), fixture("help.txt"));
        run(MameCommands::verifyRoms("puckman", report("roms.txt")));
        QCOMPARE(m_mame->arguments(), QStringList({"puckman", "-verifyroms"}));
        QCOMPARE(TempProgram::readFile(report("roms.txt")), fixture("verifyroms-missing.err"));
        run(MameCommands::listRoms("puckman", report("roms.txt")));
        QCOMPARE(TempProgram::readFile(report("roms.txt")), fixture("listroms-puckman.txt"));
        run(MameCommands::listSamples("005", report("samples.txt")));
        QCOMPARE(TempProgram::readFile(report("samples.txt")), fixture("listsamples-005.txt"));

        // "*" reaches MAME as a word, not as the names of the files in the MAME folder.
        run(MameCommands::verifyAllSamples(report("samples.txt")));
        QCOMPARE(m_mame->arguments(), QStringList({"*", "-verifysamples"}));
        QCOMPARE(TempProgram::readFile(report("samples.txt")), fixture("verifysamples-all.txt"));
        run(MameCommands::verifyAllRoms(report("roms.txt")));
        QCOMPARE(m_mame->arguments(), QStringList({"*", "-verifyroms"}));
    }

    void launchPassesQuotedOtherCommands()
    {
        const QString ini = m_tp->makeFolder("Ini $(touch pwned-ini)");
        m_mame->clearRecord();
        run(MameCommands::launch("puckman", "-inipath " + shellQuote(ini) + " -window"));
        QCOMPARE(m_mame->arguments(), QStringList({"puckman", "-inipath", ini, "-window"}));
        QCOMPARE(m_mame->callCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestHostileNames)
#include "test_hostilenames.moc"
