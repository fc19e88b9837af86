// The Maintenance screen's deletions: per-game files, reports and lists, and the ROM compare,
// with every answer and what is left on disk afterwards.
#include "FileTree.h"
#include "info/Maintenance.h"
#include "support/ScriptedMessageBox.h"

#include <QtTest>

using namespace velmora;
using namespace velmora::testing;
using Answer = platform::MessageAnswer;

namespace {

const QStringList kTree = {
    "cfg/pacman.cfg", "cfg/galaga.cfg", "cfg/default.cfg", "nvram/pacman.nv", "nvram/pacman/eeprom",
    "nvram/galaga/ram", "nvram/galaga/sw/ram", "nvram/galaga_1/ram", "nvram/neogeo/ram",
    "inp/pacman.inp", "inp/Galaga.INP", "inp/a.inp", "inp/notes.txt", "roms/pacman.zip",
    "roms/Galaga.ZIP", "roms/hidden.zip", "roms/pacman.7z", "roms/readme.txt", "extra/extra.zip",
    "outside.cfg",
    // What MAME never writes: the user's own folders and files beside a game's, and in one.
    "nvram/x.nv", "nvram/Documents/notes", "nvram/roms/a.zip", "nvram/pacman/cv.txt",
    "roms/Documents/cv.txt"};

} // namespace

class TestMaintenance : public QObject
{
    Q_OBJECT
private slots:
    // Questions default to No; an answer of Ok marks a notice that nothing is there. Only files
    // and folders named after a machine of the database go, and of a game's folder only what
    // MAME writes there: other games' files, other kinds, the user's own files and folders and a
    // name leading outside the folder stay. The files deleted are separated by |.
    void gameFilesAndReports()
    {
        const QString nv = "nvram/pacman.nv|nvram/pacman/eeprom";
        const std::tuple<int, const char*, QString, Answer, QString> gameCases[] = {
            {0, "pacman", "Are you sure you want to delete the .cfg file for pacman?", Answer::Yes,
             "cfg/pacman.cfg"},
            {0, "../outside", "There is no .cfg file for ../outside.", Answer::Ok, ""},
            {2, "a", "There is no .inp file for a.", Answer::Ok, ""}, // no game's name
            {1, "pacman", "Are you sure you want to delete the .nv file for pacman?", Answer::Yes,
             nv},
            {2, nullptr, "Are you sure you want to delete all .inp files?", Answer::Yes,
             "inp/pacman.inp|inp/Galaga.INP"}, // any case of name and extension
            {1, nullptr, "Are you sure you want to delete all .nv files?", Answer::Yes,
             nv + "|nvram/galaga/ram|nvram/galaga/sw/ram|nvram/galaga_1/ram|nvram/neogeo/ram"},
            {3, nullptr, "There are no .hi files to delete.", Answer::Ok, ""}};
        for (const auto& [kind, rom, message, answer, gone] : gameCases) {
            TempProgram tp;
            const MachineNames machines = gameMachines(tp);
            makeFiles(tp.root(), kTree);
            const QStringList before = filesUnder(tp.root());
            ScriptedMessageBox box;
            box.expect(message, answer, answer == Answer::Ok ? "Maintenance" : "Confirm Delete");
            deleteGameFiles(gamePreferences(tp), kGameFileKinds[size_t(kind)],
                            rom ? FileScope::CurrentGame : FileScope::AllFiles, rom, machines);
            QVERIFY2(box.allExpectedShown(), qPrintable(message));
            QVERIFY(answer == Answer::Ok || box.shown().first().defaultButton == Answer::No);
            QCOMPARE(filesUnder(tp.root()), without(before, gone.split('|')));
            // A game folder emptied goes; one that holds the user's file stays.
            QCOMPARE(QDir(tp.root() + "/nvram/galaga").exists(), !gone.contains("galaga/ram"));
            QVERIFY(QDir(tp.root() + "/nvram/pacman").exists());
        }

        // Reports are matched by their exact name, exported lists in any letter case.
        const std::tuple<int, const char*, QString, Answer> reportCases[] = {
            {0, "roms.txt", "Are you sure you want to delete the ROMs report?", Answer::Yes},
            {8, "whatsnew.txt",
             "Are you sure you want to delete the What's Changed (All Info) report?", Answer::No},
            {3, "AllGames.TXT", "Are you sure you want to delete the All Games list?", Answer::Yes},
            {1, "Samples.txt", "There is no Samples report to delete.", Answer::Ok},
            {0, "roms.txt/x", "There is no ROMs report to delete.", Answer::Ok}}; // a folder
        for (const auto& [row, present, message, answer] : reportCases) {
            TempProgram tp;
            makeFiles(tp.paths().reportsFolder(), {present});
            ScriptedMessageBox box;
            box.expect(message, answer);
            deleteReport(tp.paths(), kReportFiles[size_t(row)]);
            QVERIFY2(box.allExpectedShown(), qPrintable(message));
            QCOMPARE(filesUnder(tp.paths().reportsFolder()).size(),
                     qsizetype(*present && answer != Answer::Yes));
        }
    }

    // Orphans in listing order: hidden.zip (a game the list hides), pacman.7z, readme.txt, and
    // extra.zip of the additional folder when it is another folder. Folders are never offered.
    void romCompare()
    {
        // The answers to the questions in turn (Yes, No, Cancel) and the files deleted, separated
        // by |.
        const std::tuple<const char*, QString, QString> cases[] = {
            {"", "YNY", "roms/hidden.zip|roms/readme.txt"},
            {"", "C", ""},
            {"roms/", "NNN", ""}, // the ROM folder itself is not compared twice
            {"extra", "NNNY", "extra/extra.zip"}};
        for (const auto& [additional, answers, gone] : cases) {
            TempProgram tp;
            makeFiles(tp.root(), kTree);
            const QStringList before = filesUnder(tp.root());
            Preferences prefs = gamePreferences(tp);
            prefs.setFolder(DataFolder::AdditionalROMs,
                            *additional ? tp.root() + '/' + additional : "");
            const QStringList orphans = {"Hidden.zip", "Pacman.7z", "Readme.txt", "Extra.zip"};
            ScriptedMessageBox box;
            for (qsizetype i = 0; i < answers.size(); ++i)
                box.expect(orphans[i] + " is not in the All Games List.\rDo you want to delete it?",
                           answers[i] == 'Y'   ? Answer::Yes
                           : answers[i] == 'N' ? Answer::No
                                               : Answer::Cancel,
                           "Confirm Delete");
            QVERIFY(compareRomFolders(prefs, {"pacman.zip", "galaga.zip"}, {}) ==
                        (answers == "C" ? RomCompareResult::Cancelled
                                        : RomCompareResult::OrphansFound) &&
                    box.allExpectedShown());
            QCOMPARE(filesUnder(tp.root()), without(before, gone.split('|')));
        }
    }
};

QTEST_GUILESS_MAIN(TestMaintenance)
#include "test_maintenance.moc"
