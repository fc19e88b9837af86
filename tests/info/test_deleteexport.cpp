// Delete ROM and Delete Samples with their questions and what they leave on disk, and the
// exported list's print-zone layout.
#include "FileTree.h"
#include "info/DeleteSets.h"
#include "info/ExportList.h"
#include "support/ScriptedMessageBox.h"

#include <QtTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

const QString kRomQuestion =
    "Are you sure you want to permanently delete the ROM pacman.zip from your hard drive?\r"
    "Associated artwork, .cfg, .hi, .nv, and .inp files will also be deleted.";
const QString kSampleQuestion = "A Sample set for this ROM was found.  Would you like to "
                                "permanently delete it also?\rUse caution as a clone game might "
                                "be using it.";
const QString kShotQuestion = "A Snapshot for this ROM was found.  Would you like to permanently "
                              "delete it also?\rUse caution as a clone game might be using it.";
const QStringList kGameFiles = {"roms/pacman.zip", "extra/pacman.zip",  "cfg/pacman.cfg",
                                "hi/pacman.hi",    "nvram/pacman.nv",   "nvram/pacman/eeprom",
                                "inp/pacman.inp",  "artwork/pacman.zip"};
const QStringList kOthers = {"roms/galaga.zip", "cfg/galaga.cfg", "x.zip"};

Preferences gamePreferences(const TempProgram& tp)
{
    Preferences prefs = tp.standardPreferences();
    const std::pair<DataFolder, const char*> folders[] = {
        {DataFolder::ROMs, "roms"},       {DataFolder::AdditionalROMs, "extra"},
        {DataFolder::Cfg, "cfg"},         {DataFolder::Hiscore, "hi"},
        {DataFolder::Nvram, "nvram"},     {DataFolder::Input, "inp"},
        {DataFolder::Artwork, "artwork"}, {DataFolder::Samples, "samples"},
        {DataFolder::Snapshots, "snap"},
    };
    for (const auto& [folder, name] : folders)
        prefs.setFolder(folder, tp.makeFolder(QLatin1String(name)));
    return prefs;
}

} // namespace

class TestDeleteExport : public QObject
{
    Q_OBJECT
private slots:
    void deleteRomAsks_data();
    void deleteRomAsks();
    void deleteSamplesAsks_data();
    void deleteSamplesAsks();
    void exportLayout_data();
    void exportLayout();
    void exportWritesTheListsFile();
};

void TestDeleteExport::deleteRomAsks_data()
{
    QTest::addColumn<QString>("rom");
    QTest::addColumn<QStringList>("extra"); // sample set and snapshot present
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("gone");
    QTest::addColumn<int>("result");
    QTest::newRow("both ROM folders, one question")
        << "pacman" << QStringList{} << QStringList{kRomQuestion} << QStringList{"Yes"}
        << kGameFiles << int(DeleteRomResult::Deleted);
    QTest::newRow("No keeps everything")
        << "pacman" << QStringList{"samples/pacman.zip"} << QStringList{kRomQuestion}
        << QStringList{"No"} << QStringList{} << int(DeleteRomResult::Declined);
    QTest::newRow("samples kept, snapshot deleted")
        << "pacman" << QStringList{"samples/pacman.zip", "snap/pacman.png"}
        << QStringList{kRomQuestion, kSampleQuestion, kShotQuestion}
        << QStringList{"Yes", "No", "Yes"} << (kGameFiles + QStringList{"snap/pacman.png"})
        << int(DeleteRomResult::Deleted);
    QTest::newRow("a name leading outside the ROM folder")
        << "../x" << QStringList{}
        << QStringList{"Error in mnuDeleteROM_Click: Bad file name or number"} << QStringList{""}
        << QStringList{} << int(DeleteRomResult::Failed);
}

void TestDeleteExport::deleteRomAsks()
{
    QFETCH(QString, rom);
    QFETCH(QStringList, extra);
    QFETCH(QStringList, questions);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, gone);
    QFETCH(int, result);
    TempProgram tp;
    const Preferences prefs = gamePreferences(tp);
    makeFiles(tp.root(), kGameFiles + kOthers + extra);
    makeFiles(tp.root() + "/roms", {"x.zip"});
    const QStringList before = filesUnder(tp.root());
    ScriptedMessageBox box;
    for (qsizetype i = 0; i < questions.size(); ++i)
        box.expect(questions[i], answerNamed(answers[i]));
    QCOMPARE(int(deleteRom(prefs, rom)), result);
    QVERIFY(box.allExpectedShown());
    QCOMPARE(filesUnder(tp.root()), without(before, gone));
}

void TestDeleteExport::deleteSamplesAsks_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("Yes") << true << "Yes"
                         << "" << true;
    QTest::newRow("No") << true << "No"
                        << "" << false;
    QTest::newRow("no sample set") << false << "Yes"
                                   << "Error in mnuDeleteSamples_Click: File not found" << false;
}

void TestDeleteExport::deleteSamplesAsks()
{
    QFETCH(bool, present);
    QFETCH(QString, answer);
    QFETCH(QString, error);
    QFETCH(bool, deleted);
    TempProgram tp;
    const Preferences prefs = gamePreferences(tp);
    if (present)
        makeFiles(tp.root(), {"samples/pacman.zip"});
    ScriptedMessageBox box;
    box.expect("Are you sure you want to permanently delete the sample pacman.zip from your hard "
               "drive?\rUse caution as a clone game might be using it.",
               answerNamed(answer), "Confirm Delete");
    if (!error.isEmpty())
        box.expect(error, platform::MessageAnswer::Ok, "Delete Samples");
    QCOMPARE(deleteSamples(prefs, "pacman"), deleted);
    QVERIFY(box.allExpectedShown());
    QCOMPARE(QFile::exists(tp.root() + "/samples/pacman.zip"), present && !deleted);
}

void TestDeleteExport::exportLayout_data()
{
    QTest::addColumn<QByteArray>("rom");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("short") << QByteArray("pacman") << QByteArray("pacman        Pac-Man\r\n");
    QTest::newRow("13 characters")
        << QByteArray("abcdefghijklm") << QByteArray("abcdefghijklm Pac-Man\r\n");
    QTest::newRow("14 characters")
        << QByteArray("abcdefghijklmn") << QByteArray("abcdefghijklmn              Pac-Man\r\n");
    QTest::newRow("longer") << QByteArray("abcdefghijklmnopq")
                            << QByteArray("abcdefghijklmnopq           Pac-Man\r\n");
}

void TestDeleteExport::exportLayout()
{
    QFETCH(QByteArray, rom);
    QFETCH(QByteArray, line);
    const QByteArray head = "ROM           Game\r\n\r\n";
    QCOMPARE(exportListText({{rom, "Pac-Man"}}), head + line + "\r\nTotal Count:   1 \r\n");
    QCOMPARE(exportListText({}), head + "\r\nTotal Count:   0 \r\n");
}

void TestDeleteExport::exportWritesTheListsFile()
{
    TempProgram tp;
    ScriptedMessageBox box;
    const QString question = "Do you want to export this list of ROMs and Games to a text file in "
                             "your Velmora\\Reports directory?";
    box.expect(question, platform::MessageAnswer::No, "Confirm Export");
    QVERIFY(!exportList(tp.paths(), ListKind::Installed, {{"pacman", "Pac-Man"}}));
    QVERIFY(!QFile::exists(tp.paths().report("installedgames.txt")));

    TempProgram::writeFile(tp.paths().report("installedgames.txt"), "old contents, longer");
    box.expect(question, platform::MessageAnswer::Yes);
    box.expect("Export complete.  Game list exported as installedgames.txt.",
               platform::MessageAnswer::Ok, "Export List");
    QVERIFY(exportList(tp.paths(), ListKind::Installed, {{"pacman", "Pac-Man"}}));
    QCOMPARE(TempProgram::readFile(tp.paths().report("installedgames.txt")),
             exportListText({{"pacman", "Pac-Man"}}));
    QVERIFY(box.allExpectedShown());
}

QTEST_GUILESS_MAIN(TestDeleteExport)
#include "test_deleteexport.moc"
