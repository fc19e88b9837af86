// The MAMEDiff reports: the tidying of the tool's log, and the reports run with the real tool in a
// throw-away MAME folder, which must hold none of the tool's files afterwards.
#include "changes/MameDiffReport.h"
#include "gamedb/ExecCmd.h"
#include "platform/Seams.h"
#include "support/NamedWidget.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"
#include "ui/MameDiffController.h"

#include <QtTest>
#include <QtWidgets>

using namespace velmora;
using namespace velmora::testing;

namespace {

// A window with the report panel's text, a program folder with both lists and a MAME folder
// holding a link to the built mamediff.
struct Rig : QMainWindow
{
    QGroupBox* fraVerify = addNamed<QGroupBox>(this, "fraVerify");
    QTextEdit* txtVerify = addNamed<QTextEdit>(fraVerify, "txtVerify");
    TempProgram tp;
    AppState state;
    int disabled = 0;
    QStringList commands;
    // What runs the command; the real command runner unless a test replaces it.
    CommandRunner exec = [this](const QString& command, WindowStyle style) {
        commands << command;
        return ExecCmd(command, style, tp.mameFolder());
    };
    MameDiffController diff{*this,
                            state,
                            {.disableFormButtons = [this] { ++disabled; }},
                            [this](const QString& c, WindowStyle s) { return exec(c, s); }};

    Rig()
    {
        state.paths = tp.paths();
        state.prefs = tp.standardPreferences();
        QFile::link(VELMORA_MAMEDIFF_BINARY, tp.mameFolder() + "/mamediff");
        QDir().mkpath(tp.paths().reportsFolder());
    }

    // The previous and the current list copied from fixtures; an empty name leaves one out.
    void lists(const QString& oldFixture, const QString& newFixture)
    {
        for (const auto& [fixture, name] :
             {std::pair{oldFixture, "oldlistxml.txt"}, std::pair{newFixture, "listxml.txt"}}) {
            QFile::remove(tp.paths().report(name));
            QFile::copy(fixturePath(fixture), tp.paths().report(name));
        }
    }

    // The MAME folder holds the tool and nothing the tool or the report wrote.
    QStringList mameFolderFiles() const
    {
        return QDir(tp.mameFolder()).entryList(QDir::Files | QDir::System | QDir::Hidden);
    }
};

} // namespace

class MameDiffReportTest : public QObject
{
    Q_OBJECT

private slots:
    void tidyingTheLogAndHyphenRuns()
    {
        // Blanks trimmed, tabs kept; an empty line after each separator; a last line end added.
        QCOMPARE(tidyMameDiffLines("  a  b  \n\tc \r\n--- Added\nx\n  ---\n--\n\nb"),
                 QByteArray("a  b\r\n\tc\r\n--- Added\r\n\r\nx\r\n---\r\n\r\n--\r\n\r\nb\r\n"));
        const QString twelve(12, u'-');
        QCOMPARE(removeHyphenRuns(twelve + twelve + "---- x -" + twelve + "-"),
                 QString("---- x --"));
    }

    // A report with changes: the tidied log under the bold credit. No change, a missing list, a
    // tool that wrote nothing: the user is told and no panel shows; only the first runs the tool.
    // No file of the tool is left in the MAME folder.
    void reportsAndMessages()
    {
        Rig rig;
        rig.lists("listxml-game.xml", "listxml-machine.xml");
        ScriptedMessageBox box;
        rig.diff.MAMEDiff(MameDiffReport::MergedSplit);
        QVERIFY(rig.commands.size() == 1 && rig.commands[0].startsWith("mamediff -s "));
        QVERIFY(rig.fraVerify->title() == "Changed Merged-Split ROMs" && rig.state.panelBusy == 1 &&
                rig.disabled == 1);
        const QTextBlock credit = rig.txtVerify->document()->firstBlock();
        QVERIFY(credit.text() == mameDiffCredit() &&
                credit.begin().fragment().charFormat().fontWeight() == QFont::Bold);
        const QString text = rig.txtVerify->toPlainText();
        QVERIFY2(text.contains("\n\n\n\nROM sets that changed in merged-split form") &&
                     text.contains("--- Changed merged-split sets ("),
                 qPrintable(text));
        QCOMPARE(rig.mameFolderFiles(), QStringList{"mamediff"});

        rig.state.panelBusy = 0;
        const auto tell = [&box](const QString& message) {
            box.expect(message, platform::MessageAnswer::Ok, "MAMEDiff");
        };
        rig.lists("listxml-machine.xml", "listxml-machine.xml");
        tell("No changes were found.");
        rig.diff.MAMEDiff(MameDiffReport::FullSplit);
        rig.lists("listxml-machine.xml", "");
        tell("Cannot find listxml.txt.");
        rig.diff.MAMEDiff(MameDiffReport::Summary);
        QCOMPARE(rig.commands.size(), 2);

        // A tool that leaves a second output and no log: the error ends the program.
        int ended = 0;
        platform::seams().endProgram = [&ended] { ++ended; };
        rig.lists("listxml-game.xml", "listxml-machine.xml");
        rig.exec = [&rig](const QString&, WindowStyle) {
            TempProgram::writeFile(rig.tp.mameFolder() + "/mamediff.out", "x");
            return ExecOutcome::Ran;
        };
        tell("Error In MAMEDiff: File not found");
        rig.diff.MAMEDiff(MameDiffReport::Summary);
        platform::seams().endProgram = nullptr;
        QVERIFY(ended == 1 && box.allExpectedShown() && rig.state.panelBusy == 0);
        QCOMPARE(rig.mameFolderFiles(), QStringList{"mamediff"});
    }
};

QTEST_MAIN(MameDiffReportTest)
#include "test_mamediffreport.moc"
