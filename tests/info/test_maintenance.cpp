// The Maintenance screen's deletions: per-game files, reports and lists, and the ROM compare,
// with every answer and what is left on disk afterwards.
#include "FileTree.h"
#include "info/Maintenance.h"
#include "support/ScriptedMessageBox.h"

#include <QtTest>

using namespace velmora;
using namespace velmora::testing;

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
    void gameFiles_data();
    void gameFiles();
    void reports_data();
    void reports();
    void romCompare_data();
    void romCompare();
};

void TestMaintenance::gameFiles_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<bool>("allFiles");
    QTest::addColumn<QString>("rom");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("gone");

    const QString cfgQuestion = "Are you sure you want to delete the .cfg file for pacman?";
    QTest::newRow("current game, Yes")
        << 0 << false << "pacman" << cfgQuestion << "Yes" << QStringList{"cfg/pacman.cfg"};
    QTest::newRow("current game, No")
        << 0 << false << "pacman" << cfgQuestion << "No" << QStringList{};
    QTest::newRow("current game, missing") << 0 << false << "digdug"
                                           << "There is no .cfg file for digdug."
                                           << "" << QStringList{};
    QTest::newRow("name leading outside the folder") << 0 << false << "../outside"
                                                     << "There is no .cfg file for ../outside."
                                                     << "" << QStringList{};
    QTest::newRow("current game's nvram file and folder")
        << 1 << false << "pacman"
        << "Are you sure you want to delete the .nv file for pacman?"
        << "Yes" << QStringList{"nvram/pacman.nv", "nvram/pacman/eeprom"};
    QTest::newRow("all recordings, any case of the extension")
        << 2 << true << ""
        << "Are you sure you want to delete all .inp files?"
        << "Yes" << QStringList{"inp/a.inp", "inp/b.INP"};
    QTest::newRow("all recordings, No") << 2 << true << ""
                                        << "Are you sure you want to delete all .inp files?"
                                        << "No" << QStringList{};
    QTest::newRow("all nvram with the game folders")
        << 1 << true << ""
        << "Are you sure you want to delete all .nv files?"
        << "Yes" << QStringList{"nvram/pacman.nv", "nvram/pacman/eeprom", "nvram/galaga/ram"};
    QTest::newRow("all, none there") << 3 << true << ""
                                     << "There are no .hi files to delete."
                                     << "" << QStringList{};
}

void TestMaintenance::gameFiles()
{
    QFETCH(int, box);
    QFETCH(bool, allFiles);
    QFETCH(QString, rom);
    QFETCH(QString, message);
    QFETCH(QString, answer);
    QFETCH(QStringList, gone);
    TempProgram tp;
    makeFiles(tp.root(), kTree);
    const QStringList before = filesUnder(tp.root());
    ScriptedMessageBox box_;
    box_.expect(message, answerNamed(answer),
                answer.isEmpty() ? QStringLiteral("Maintenance")
                                 : QStringLiteral("Confirm Delete"));

    deleteGameFiles(treePreferences(tp), kGameFileKinds[size_t(box)],
                    allFiles ? FileScope::AllFiles : FileScope::CurrentGame, rom);

    QVERIFY(box_.allExpectedShown());
    if (!answer.isEmpty())
        QCOMPARE(box_.shown().first().defaultButton, platform::MessageAnswer::No);
    QCOMPARE(filesUnder(tp.root()), without(before, gone));
}

void TestMaintenance::reports_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("present");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("Yes") << 0 << "roms.txt"
                         << "Are you sure you want to delete the ROMs report?"
                         << "Yes" << true;
    QTest::newRow("No") << 8 << "whatsnew.txt"
                        << "Are you sure you want to delete the What's Changed (All Info) report?"
                        << "No" << false;
    QTest::newRow("missing") << 2 << ""
                             << "There is no Rebuilt Settings report to delete."
                             << "" << false;
    QTest::newRow("exported list in another case")
        << 3 << "AllGames.TXT"
        << "Are you sure you want to delete the All Games list?"
        << "Yes" << true;
    QTest::newRow("reports are matched exactly") << 1 << "Samples.txt"
                                                 << "There is no Samples report to delete."
                                                 << "" << false;
}

void TestMaintenance::reports()
{
    QFETCH(int, row);
    QFETCH(QString, present);
    QFETCH(QString, message);
    QFETCH(QString, answer);
    QFETCH(bool, deleted);
    TempProgram tp;
    if (!present.isEmpty())
        makeFiles(tp.paths().reportsFolder(), {present});
    ScriptedMessageBox box;
    box.expect(message, answerNamed(answer));
    deleteReport(tp.paths(), kReportFiles[size_t(row)]);
    QVERIFY(box.allExpectedShown());
    if (!present.isEmpty())
        QCOMPARE(QFile::exists(tp.paths().report(present)), !deleted);
}

void TestMaintenance::romCompare_data()
{
    QTest::addColumn<QString>("additional"); // "", "same" (ROMs with a trailing separator), "other"
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("gone");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<int>("result");
    // Orphans in listing order: hidden.zip (a game the list hides), pacman.7z, readme.txt.
    QTest::newRow("Yes, No, Yes") << "" << QStringList{"Yes", "No", "Yes"}
                                  << QStringList{"roms/hidden.zip", "roms/readme.txt"}
                                  << QStringList{""} << int(RomCompareResult::OrphansFound);
    QTest::newRow("Cancel at the first orphan")
        << "" << QStringList{"Cancel"} << QStringList{} << QStringList{""}
        << int(RomCompareResult::Cancelled);
    QTest::newRow("additional folder equal to ROMs")
        << "same" << QStringList{"No", "No", "No"} << QStringList{} << QStringList{""}
        << int(RomCompareResult::OrphansFound);
    QTest::newRow("additional folder")
        << "other" << QStringList{"No", "No", "No", "Yes"} << QStringList{"extra/extra.zip"}
        << QStringList{"ROMs Folder", "Additional ROMs Folder"}
        << int(RomCompareResult::OrphansFound);
}

void TestMaintenance::romCompare()
{
    QFETCH(QString, additional);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, gone);
    QFETCH(QStringList, labels);
    QFETCH(int, result);
    TempProgram tp;
    makeFiles(tp.root(), kTree);
    const QStringList before = filesUnder(tp.root());
    Preferences prefs = treePreferences(tp);
    if (additional == "same")
        prefs.setFolder(DataFolder::AdditionalROMs, tp.root() + "/roms/");
    else if (additional == "other")
        prefs.setFolder(DataFolder::AdditionalROMs, tp.root() + "/extra");
    const QStringList orphans = {"Hidden.zip", "Pacman.7z", "Readme.txt", "Extra.zip"};
    ScriptedMessageBox box;
    for (qsizetype i = 0; i < answers.size(); ++i)
        box.expect(orphans[i] + " is not in the All Games List.\rDo you want to delete it?",
                   answerNamed(answers[i]), "Confirm Delete");

    QStringList seenLabels;
    int lastDone = 0;
    RomCompareHooks hooks;
    hooks.folderStarted = [&](const QString& label) { seenLabels << label; };
    hooks.advanced = [&](int done) { lastDone = done; };
    const ArchiveNames archives = {"pacman.zip", "galaga.zip"};
    QCOMPARE(int(compareRomFolders(prefs, archives, hooks)), result);

    QVERIFY(box.allExpectedShown());
    QCOMPARE(box.shown().first().buttons, platform::MessageButtons::YesNoCancel);
    QCOMPARE(filesUnder(tp.root()), without(before, gone));
    QCOMPARE(seenLabels, labels);
    if (result != int(RomCompareResult::Cancelled))
        QVERIFY(lastDone > 0);
}

QTEST_GUILESS_MAIN(TestMaintenance)
#include "test_maintenance.moc"
