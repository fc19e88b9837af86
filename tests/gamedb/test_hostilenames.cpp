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
    void run(const QString& command)
    {
        QCOMPARE(ExecCmd(command, WindowStyle::Minimised, m_tp->mameFolder()), ExecOutcome::Ran);
    }
    // Runs `command` and checks that `file` holds the fixture mame answered with.
    void runWritingFixture(const QString& command, const QString& file, const char* fixture)
    {
        run(command);
        QCOMPARE(TempProgram::readFile(file), TempProgram::readFile(fixturePath(fixture)));
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
    }

    void cleanupTestCase()
    {
        QCOMPARE(strayFiles(m_tp->root()) + strayFiles(m_startFolder), QStringList());
        delete m_mame;
        delete m_tp;
    }

    // The lists keep MAME's standard output only; audits and help capture the error stream too.
    void outputsReachTheirReports()
    {
        m_mame->answer("-listxml", fixturePath("listxml-machine.xml"));
        m_mame->answer("-listxml", fixturePath("verifyroms-missing.err"), FakeMame::ErrorStream);
        m_mame->answer("-listcrc", fixturePath("listcrc.txt"));
        m_mame->answer("-help", fixturePath("help.txt"));
        m_mame->answer("-verifyroms", fixturePath("verifyroms-missing.err"), FakeMame::ErrorStream);
        m_mame->answer("-verifysamples", fixturePath("verifysamples-all.txt"));
        m_mame->answer("-listroms", fixturePath("listroms-puckman.txt"));
        m_mame->answer("-listsamples", fixturePath("listsamples-005.txt"));
        const QString roms = report("roms.txt"), samples = report("samples.txt");

        runWritingFixture(MameCommands::listXml(report("listxml.txt")), report("listxml.txt"),
                          "listxml-machine.xml");
        QCOMPARE(m_mame->arguments(), QStringList{"-listxml"});
        QCOMPARE(m_mame->workingFolder(), QDir(m_tp->mameFolder()).canonicalPath());
        runWritingFixture(MameCommands::listCrc(report("crcinfo.txt")), report("crcinfo.txt"),
                          "listcrc.txt");
        runWritingFixture(MameCommands::help(report("version.txt")), report("version.txt"),
                          "help.txt");
        runWritingFixture(MameCommands::verifyRoms("puckman", roms), roms,
                          "verifyroms-missing.err");
        QCOMPARE(m_mame->arguments(), QStringList({"puckman", "-verifyroms"}));
        runWritingFixture(MameCommands::listRoms("puckman", roms), roms, "listroms-puckman.txt");
        runWritingFixture(MameCommands::listSamples("005", samples), samples,
                          "listsamples-005.txt");

        // "*" reaches MAME as a word, not as the names of the files in the MAME folder.
        runWritingFixture(MameCommands::verifyAllSamples(samples), samples,
                          "verifysamples-all.txt");
        QCOMPARE(m_mame->arguments(), QStringList({"*", "-verifysamples"}));
        run(MameCommands::verifyAllRoms(roms));
        QCOMPARE(m_mame->arguments(), QStringList({"*", "-verifyroms"}));
    }

    void launchPassesQuotedOtherCommands()
    {
        const QString ini = m_tp->makeFolder("Ini $(touch pwned-ini)");
        m_mame->clearRecord();
        run(MameCommands::launch("puckman", "-inipath " + shellQuote(ini) + " -window"));
        QCOMPARE(m_mame->arguments(), QStringList({"puckman", "-inipath", ini, "-window"}));
    }
};

QTEST_GUILESS_MAIN(TestHostileNames)
#include "test_hostilenames.moc"
