// Delete ROM and Delete Samples with their questions and what they leave on disk, and the
// exported list's print-zone layout.
#include "FileTree.h"
#include "info/DeleteSets.h"
#include "info/ExportList.h"
#include "support/ScriptedMessageBox.h"

#include <QtTest>

using namespace velmora;
using namespace velmora::testing;
using Answer = platform::MessageAnswer;

namespace {

const QString kAlsoQuestion = "A %1 for this ROM was found.  Would you like to permanently "
                              "delete it also?\rUse caution as a clone game might be using it.";
const QStringList kGameFiles = {"roms/pacman.zip",    "extra/pacman.zip", "cfg/pacman.cfg",
                                "hi/pacman.hi",       "nvram/pacman.nv",  "nvram/pacman/eeprom",
                                "nvram/pacman_1/ram", "inp/pacman.inp",   "artwork/pacman.zip"};
// Beside the game's files and in its folder: other games' files and the user's own.
const QStringList kOthers = {"roms/galaga.zip", "cfg/galaga.cfg",      "x.zip",
                             "roms/x.zip",      "nvram/pacman/cv.txt", "nvram/Documents/a"};

} // namespace

class TestDeleteExport : public QObject
{
    Q_OBJECT
private slots:
    // Every question with its answer; files of other games, the user's own files and a name that
    // is no game's or leads outside the ROM folder are never touched.
    void deleteRomAsks()
    {
        // The sample set and snapshot present, the answers to the ROM's, the sample set's and the
        // snapshot's questions in turn, what goes.
        using R = DeleteRomResult;
        const std::tuple<const char*, QString, const char*, QStringList, R> cases[] = {
            {"pacman", "", "Y", kGameFiles, R::Deleted},
            {"pacman", "samples/pacman.zip", "N", {}, R::Declined},
            {"pacman", "samples/pacman.zip|snap/pacman.png", "YNY",
             kGameFiles + QStringList{"snap/pacman.png"}, R::Deleted},
            {"../x", "", "", {}, R::Failed},
            {"x", "", "", {}, R::Failed}};
        const QString questions[] = {kDeleteRomQuestion, kAlsoQuestion.arg("Sample set"),
                                     kAlsoQuestion.arg("Snapshot")};
        for (const auto& [rom, extra, answers, gone, result] : cases) {
            TempProgram tp;
            const Preferences prefs = gamePreferences(tp);
            const MachineNames machines = gameMachines(tp);
            makeFiles(tp.root(), kGameFiles + extra.split('|', Qt::SkipEmptyParts) + kOthers);
            const QStringList before = filesUnder(tp.root());
            ScriptedMessageBox box;
            for (int i = 0; answers[i]; ++i)
                box.expect(questions[i], answers[i] == 'Y' ? Answer::Yes : Answer::No);
            if (!*answers)
                box.expect("Error in mnuDeleteROM_Click: Bad file name or number");
            QVERIFY2(deleteRom(prefs, rom, machines) == result && box.allExpectedShown(), rom);
            QCOMPARE(filesUnder(tp.root()), without(before, gone));
        }
    }

    // Yes deletes the sample set; once it is gone, deleting it is an error, and a folder in its
    // place is no sample set.
    void deleteSamplesAsks()
    {
        TempProgram tp;
        const Preferences prefs = gamePreferences(tp);
        const MachineNames machines = gameMachines(tp);
        makeFiles(tp.root(), {"samples/pacman.zip"});
        const QString question =
            "Are you sure you want to permanently delete the sample pacman.zip "
            "from your hard drive?\rUse caution as a clone game might be using it.";
        ScriptedMessageBox box;
        box.expect(question, Answer::Yes, "Confirm Delete");
        QVERIFY(deleteSamples(prefs, "pacman", machines) &&
                !QFile::exists(tp.root() + "/samples/pacman.zip"));
        makeFiles(tp.root(), {"samples/pacman.zip/a"});
        box.expect(question, Answer::Yes);
        box.expect("Error in mnuDeleteSamples_Click: File not found", Answer::Ok, "Delete Samples");
        QVERIFY(!deleteSamples(prefs, "pacman", machines) && box.allExpectedShown() &&
                QFile::exists(tp.root() + "/samples/pacman.zip/a"));
    }

    // Names fill a 14-character print zone, longer ones take two; a list with a game played has
    // its Played and Time Played between them; the export writes over an older one.
    void exportLayoutAndFile()
    {
        const QByteArray tail = " Pac-Man\r\n\r\nTotal Count:   1 \r\n";
        QCOMPARE(exportListText({{"abcdefghijklm", "Pac-Man"}}),
                 "ROM           Game\r\n\r\nabcdefghijklm" + tail);
        QCOMPARE(exportListText({{"abcdefghijklmn", "Pac-Man"}}),
                 "ROM           Game\r\n\r\nabcdefghijklmn             " + tail);
        QCOMPARE(exportListText({{"pacman", "Pac-Man", "12", "1:02"}, {"galaga", "Galaga"}}),
                 "ROM           Played        Time Played   Game\r\n\r\n"
                 "pacman        12            1:02          Pac-Man\r\n"
                 "galaga                                    Galaga\r\n\r\nTotal Count:   2 \r\n");

        TempProgram tp;
        ScriptedMessageBox box;
        const QString question =
            "Do you want to export this list of ROMs and Games to a text file in "
            "your Velmora\\Reports directory?";
        const QString file = tp.paths().report("installedgames.txt");
        TempProgram::writeFile(file, "old contents, longer");
        box.expect(question, Answer::Yes, "Confirm Export");
        box.expect("Export complete.  Game list exported as installedgames.txt.", Answer::Ok,
                   "Export List");
        QVERIFY(exportList(tp.paths(), ListKind::Installed, {{"pacman", "Pac-Man"}}) &&
                box.allExpectedShown());
        QCOMPARE(TempProgram::readFile(file), exportListText({{"pacman", "Pac-Man"}}));
    }
};

QTEST_GUILESS_MAIN(TestDeleteExport)
#include "test_deleteexport.moc"
