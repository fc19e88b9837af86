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
    "cfg/pacman.cfg",   "cfg/galaga.cfg",  "nvram/pacman.nv", "nvram/pacman/eeprom",
    "nvram/galaga/ram", "inp/a.inp",       "inp/b.INP",       "inp/notes.txt",
    "roms/pacman.zip",  "roms/Galaga.ZIP", "roms/hidden.zip", "roms/pacman.7z",
    "roms/readme.txt",  "extra/extra.zip", "outside.cfg",
};

Preferences treePreferences(const TempProgram& tp)
{
    Preferences prefs = tp.standardPreferences();
    prefs.setFolder(DataFolder::Cfg, tp.root() + "/cfg");
    prefs.setFolder(DataFolder::Nvram, tp.root() + "/nvram");
    prefs.setFolder(DataFolder::Input, tp.root() + "/inp");
    prefs.setFolder(DataFolder::Hiscore, tp.makeFolder("hi"));
    prefs.setFolder(DataFolder::ROMs, tp.root() + "/roms");
    return prefs;
}

} // namespace

class TestMaintenance : public QObject
{
    Q_OBJECT
private slots:
    void gameFilesAndReports();
    void romCompare();
};

// Questions default to No; an answer of Ok marks a notice that nothing is there. Files of other
// games, of other kinds, and a name leading outside the folder are never touched.
void TestMaintenance::gameFilesAndReports()
{
    const QString cfgQuestion = "Are you sure you want to delete the .cfg file for pacman?";
    const QString allInp = "Are you sure you want to delete all .inp files?";
    const struct
    {
        int kind;
        bool allFiles;
        const char* rom;
        QString message;
        Answer answer;
        QStringList gone;
    } gameCases[] = {
        {0, false, "pacman", cfgQuestion, Answer::Yes, {"cfg/pacman.cfg"}},
        {0, false, "pacman", cfgQuestion, Answer::No, {}},
        {0, false, "digdug", "There is no .cfg file for digdug.", Answer::Ok, {}},
        {0, false, "../outside", "There is no .cfg file for ../outside.", Answer::Ok, {}},
        {1,
         false,
         "pacman",
         "Are you sure you want to delete the .nv file for pacman?",
         Answer::Yes,
         {"nvram/pacman.nv", "nvram/pacman/eeprom"}},
        {2, true, "", allInp, Answer::Yes, {"inp/a.inp", "inp/b.INP"}}, // any case of extension
        {2, true, "", allInp, Answer::No, {}},
        {1,
         true,
         "",
         "Are you sure you want to delete all .nv files?",
         Answer::Yes,
         {"nvram/pacman.nv", "nvram/pacman/eeprom", "nvram/galaga/ram"}},
        {3, true, "", "There are no .hi files to delete.", Answer::Ok, {}}};
    for (const auto& c : gameCases) {
        TempProgram tp;
        makeFiles(tp.root(), kTree);
        const QStringList before = filesUnder(tp.root());
        ScriptedMessageBox box;
        box.expect(c.message, c.answer, c.answer == Answer::Ok ? "Maintenance" : "Confirm Delete");
        deleteGameFiles(treePreferences(tp), kGameFileKinds[size_t(c.kind)],
                        c.allFiles ? FileScope::AllFiles : FileScope::CurrentGame, c.rom);
        QVERIFY2(box.allExpectedShown(), qPrintable(c.message));
        if (c.answer != Answer::Ok)
            QCOMPARE(box.shown().first().defaultButton, Answer::No);
        QCOMPARE(filesUnder(tp.root()), without(before, c.gone));
    }

    // Reports are matched by their exact name, exported lists in any letter case.
    const struct
    {
        int row;
        const char* present;
        QString message;
        Answer answer;
    } reportCases[] = {
        {0, "roms.txt", "Are you sure you want to delete the ROMs report?", Answer::Yes},
        {8, "whatsnew.txt", "Are you sure you want to delete the What's Changed (All Info) report?",
         Answer::No},
        {2, "", "There is no Rebuilt Settings report to delete.", Answer::Ok},
        {3, "AllGames.TXT", "Are you sure you want to delete the All Games list?", Answer::Yes},
        {1, "Samples.txt", "There is no Samples report to delete.", Answer::Ok}};
    for (const auto& c : reportCases) {
        TempProgram tp;
        makeFiles(tp.paths().reportsFolder(), {c.present});
        ScriptedMessageBox box;
        box.expect(c.message, c.answer);
        deleteReport(tp.paths(), kReportFiles[size_t(c.row)]);
        QVERIFY2(box.allExpectedShown(), qPrintable(c.message));
        QCOMPARE(filesUnder(tp.paths().reportsFolder()).size(),
                 qsizetype(*c.present && c.answer != Answer::Yes));
    }
}

// Orphans in listing order: hidden.zip (a game the list hides), pacman.7z, readme.txt, and
// extra.zip of the additional folder when it is another folder.
void TestMaintenance::romCompare()
{
    const struct
    {
        const char* additional;
        QList<Answer> answers;
        QStringList gone;
        QStringList labels;
        RomCompareResult result;
    } cases[] = {
        {"",
         {Answer::Yes, Answer::No, Answer::Yes},
         {"roms/hidden.zip", "roms/readme.txt"},
         {""},
         RomCompareResult::OrphansFound},
        {"", {Answer::Cancel}, {}, {""}, RomCompareResult::Cancelled},
        {"roms/", {Answer::No, Answer::No, Answer::No}, {}, {""}, RomCompareResult::OrphansFound},
        {"extra",
         {Answer::No, Answer::No, Answer::No, Answer::Yes},
         {"extra/extra.zip"},
         {"ROMs Folder", "Additional ROMs Folder"},
         RomCompareResult::OrphansFound}};
    for (const auto& c : cases) {
        TempProgram tp;
        makeFiles(tp.root(), kTree);
        const QStringList before = filesUnder(tp.root());
        Preferences prefs = treePreferences(tp);
        if (*c.additional)
            prefs.setFolder(DataFolder::AdditionalROMs, tp.root() + '/' + c.additional);
        const QStringList orphans = {"Hidden.zip", "Pacman.7z", "Readme.txt", "Extra.zip"};
        ScriptedMessageBox box;
        for (qsizetype i = 0; i < c.answers.size(); ++i)
            box.expect(orphans[i] + " is not in the All Games List.\rDo you want to delete it?",
                       c.answers[i], "Confirm Delete");
        QStringList seenLabels;
        int lastDone = 0;
        RomCompareHooks hooks;
        hooks.folderStarted = [&](const QString& label) { seenLabels << label; };
        hooks.advanced = [&](int done) { lastDone = done; };
        QVERIFY(compareRomFolders(prefs, {"pacman.zip", "galaga.zip"}, hooks) == c.result);
        QVERIFY(box.allExpectedShown());
        QCOMPARE(box.shown().first().buttons, platform::MessageButtons::YesNoCancel);
        QCOMPARE(filesUnder(tp.root()), without(before, c.gone));
        QCOMPARE(seenLabels, c.labels);
        QVERIFY(lastDone > 0 || c.result == RomCompareResult::Cancelled);
    }
}

QTEST_GUILESS_MAIN(TestMaintenance)
#include "test_maintenance.moc"
