// Folder names with blanks, quotes, command substitution, ";" and non-ASCII letters reach MAME
// and the redirection intact, and nothing in them is ever run.
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

class TestHostileNames : public QObject
{
    Q_OBJECT
private slots:
    // The lists keep MAME's standard output only; audits capture the error stream too.
    void commandsReachMameAndTheirReports()
    {
        const QString startFolder = QDir::currentPath();
        TempProgram tp("velmora $(touch pwned-root) 'q' \"d\"",
                       "Program Files; touch pwned-prog; \u00C9t\u00E9 \u65E5",
                       "MAME $(touch pwned-mame) `touch pwned-tick` it's");
        FakeMame mame(tp.mameFolder());
        mame.answer("-listxml", fixturePath("listxml-machine.xml"));
        mame.answer("-listxml", fixturePath("verifyroms-missing.err"), FakeMame::ErrorStream);
        mame.answer("-verifyroms", fixturePath("verifyroms-missing.err"), FakeMame::ErrorStream);
        const auto report = [&tp](const char* name) { return tp.paths().report(name); };
        // Runs `command`: mame gets `arguments`, and the report `name` then holds `fixture`.
        const auto run = [&](const QString& command, const QStringList& arguments,
                             const char* name = nullptr, const char* fixture = nullptr) {
            QCOMPARE(ExecCmd(command, WindowStyle::Minimised, tp.mameFolder()), ExecOutcome::Ran);
            QCOMPARE(mame.arguments(), arguments);
            if (name)
                QCOMPARE(TempProgram::readFile(report(name)),
                         TempProgram::readFile(fixturePath(fixture)));
        };
        run(MameCommands::listXml(report("listxml.txt")), {"-listxml"}, "listxml.txt",
            "listxml-machine.xml");
        run(MameCommands::verifyRoms("puckman", report("roms.txt")), {"puckman", "-verifyroms"},
            "roms.txt", "verifyroms-missing.err");
        // "*" reaches MAME as a word, not as the names of the files in the MAME folder.
        run(MameCommands::verifyAllRoms(report("all.txt")), {"*", "-verifyroms"}, "all.txt",
            "verifyroms-missing.err");
        const QString ini = tp.makeFolder("Ini $(touch pwned-ini)");
        run(MameCommands::launch("puckman", "-inipath " + shellQuote(ini) + " -window"),
            {"puckman", "-inipath", ini, "-window"});
        QCOMPARE(mame.workingFolder(), QDir(tp.mameFolder()).canonicalPath());
        QCOMPARE(strayFiles(tp.root()) + strayFiles(startFolder), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestHostileNames)
#include "test_hostilenames.moc"
