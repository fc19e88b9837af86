// The file writer on a full disk: options.ini, a settings file, mame.ini and the favourites, each
// written on a small file system filled to the last byte (where the test may
// mount one) and through the file seam failing every write with ENOSPC. Every file keeps its old
// content, no temporary file stays, and the user is told once. Also: the leftovers of a killed
// write are removed at the next start, and nothing else.
#include "app/Leftovers.h"
#include "changes/FavoritesList.h"
#include "emulator_settings/MameIni.h"
#include "emulator_settings/SettingsLoader.h"
#include "lists/ListFixtures.h"
#include "platform/Seams.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"

#include <QProcess>
#include <QTest>

#include <cerrno>

using namespace velmora;
using namespace velmora::testing;

namespace {

const QString kFull = QStringLiteral(" could not be saved: No space left on device");

// Writes every file of the table (all but options.ini in reports/, the Ini folder too) and
// compares each message the user reads and each file's content afterwards.
void everyFileStaysWhole(const TempProgram& tp, const std::function<void()>& fillDisk)
{
    Preferences prefs = tp.standardPreferences();
    prefs.setFolder(DataFolder::Ini, tp.paths().reportsFolder());
    const QString reports = tp.paths().reportsFolder();
    const std::pair<QString, std::function<QString()>> writers[] = {
        {tp.optionsIni(),
         [&] {
             ScriptedMessageBox boxes;
             boxes.expect(tp.optionsIni() + kFull); // once, though saved twice
             writeView(tp.optionsIni(), prefs);
             writeDirectories(tp.optionsIni(), prefs);
             return boxes.allExpectedShown() ? tp.optionsIni() + kFull : QString();
         }},
        {reports + "/raster.cfg",
         [&] {
             QString error;
             SaveSettings(SettingsModel(), reports + "/raster.cfg", &error);
             return error;
         }},
        {mameIniPath(prefs),
         [&] {
             QString error;
             CreateMAMEIni(prefs, &error);
             return error;
         }},
        {reports + "/favorite.txt",
         [&] { return addFavorite(FavoritesFiles::under(tp.paths()), game("z", "Z")).error; }}};

    for (const auto& [file, write] : writers)
        QVERIFY(TempProgram::writeFile(file, "old"));
    fillDisk();
    for (const auto& [file, write] : writers) {
        QCOMPARE(write(), file + kFull);
        QCOMPARE(TempProgram::readFile(file), QByteArray("old"));
    }
    for (const QString& folder : {tp.paths().settingsFolder(), reports})
        QCOMPARE(QDir(folder).entryList({"*.velmora-*", "newfav.txt"}), QStringList());
}

} // namespace

class TestFileWriter : public QObject
{
    Q_OBJECT
private slots:
    void fullFileSystem()
    {
        TempProgram tp;
        const QString disk = tp.programFolder();
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=1m", "tmpfs", disk}) != 0)
            QSKIP("no small file system can be mounted here; the file seam is tried below");
        QVERIFY(QDir(disk).mkpath("settings") && QDir(disk).mkpath("reports"));
        everyFileStaysWhole(tp, [&disk] {
            QFile fill(disk + "/fill");
            QVERIFY(fill.open(QIODevice::WriteOnly));
            while (fill.write(QByteArray(4096, 'x')) == 4096 && fill.flush()) {
            }
        });
        QProcess::execute("umount", {disk});
    }

    void writesFailingThroughTheSeam()
    {
        everyFileStaysWhole(TempProgram(), [] {
            platform::seams().writeFault = [](const QString&) { return ENOSPC; };
        });
        platform::seams().writeFault = nullptr;
    }

    void leftoversOfAKilledRunAreRemoved()
    {
        TempProgram tp;
        const Preferences prefs = tp.standardPreferences();
        const QString settings = tp.paths().setting(""), reports = tp.paths().report(""),
                      ini = prefs.folder(DataFolder::Ini) + '/';
        const QStringList left = {settings + "options.ini.velmora-Ab12Cd", reports + "newfav.txt",
                                  reports + "endgame-12-3.request",
                                  ini + "mame.ini.velmora-QwE8ty"};
        const QStringList kept = {settings + "options.ini.backup", ini + "newfav.txt",
                                  reports + "a.txt.velmora-short", ini + "b.ini.velmora-QwE8ty"};
        for (const QString& file : left + kept)
            QVERIFY(TempProgram::writeFile(file, "x"));
        removeLeftovers(tp.paths(), prefs);
        for (const QString& file : left + kept)
            QVERIFY2(QFile::exists(file) == kept.contains(file), qPrintable(file));
    }
};

QTEST_GUILESS_MAIN(TestFileWriter)
#include "test_filewriter.moc"
