// The path layer of mame.ini: its exact lines, the ROM path rules, the optional comment folder,
// and the replacement of the file on disk.
#include "SettingsFixtures.h"
#include "emulator_settings/MameIni.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora;

namespace {

Preferences folderPrefs(const QString& base)
{
    Preferences p;
    const char* names[] = {"mame", "roms", "",    "samples", "ini",  "cfg",  "nvram", "memcard",
                           "inp",  "hi",   "sta", "artwork", "snap", "diff", "ctrlr", ""};
    for (int i = 0; i < kDataFolderCount; ++i)
        if (*names[i])
            p.folders[i] = base + u'/' + QLatin1String(names[i]);
    return p;
}

QByteArray lineStarting(const QByteArray& text, const QByteArray& option)
{
    for (const QByteArray& line : text.split('\n'))
        if (line.startsWith(option + '\t') || line == option + "\r")
            return line.chopped(1);
    return QByteArray("<missing>");
}

} // namespace

class TestMameIni : public QObject
{
    Q_OBJECT
private slots:
    void pathLayerHasEveryLineInOrder()
    {
        // Case and non-ASCII letters of the folder are kept as they are.
        const QString base = QStringLiteral("/home/José/MAME Folder");
        const QByteArray text = mameIniPathLayer(folderPrefs(base));
        QByteArray expected = "#\r\n# PATH AND DIRECTORY OPTIONS #\r\n#\r\n"
                              "rompath\t.;$/roms\r\nsamplepath\t.;$/samples\r\ninipath\t.;$/ini\r\n"
                              "cfg_directory\t$/cfg\r\nnvram_directory\t$/nvram\r\n"
                              "memcard_directory\t$/memcard\r\ninput_directory\t$/inp\r\n"
                              "hiscore_directory\t$/hi\r\nstate_directory\t$/sta\r\n"
                              "artpath\t$/artwork\r\nsnapshot_directory\t$/snap\r\nsnapname\t%g\r\n"
                              "diff_directory\t$/diff\r\nctrlrpath\t$/ctrlr\r\n"
                              "cheat_file\tcheat.dat\r\n\r\n";
        QCOMPARE(text, expected.replace("$", base.toUtf8()));
    }

    void romPathAddsOnlyADifferentAdditionalFolder()
    {
        Preferences p = folderPrefs(QStringLiteral("/m"));
        auto romPath = [&p](const char* additional) {
            p.setFolder(DataFolder::AdditionalROMs, QString::fromUtf8(additional));
            return lineStarting(mameIniPathLayer(p), "rompath");
        };
        QCOMPARE(romPath(""), QByteArray("rompath\t.;/m/roms"));
        QCOMPARE(romPath("/m/roms"), QByteArray("rompath\t.;/m/roms"));
        // Folders are compared exactly: on a case-sensitive system these are two folders.
        QCOMPARE(romPath("/m/ROMS"), QByteArray("rompath\t.;/m/roms;/m/ROMS"));
        QCOMPARE(romPath("/data/more roms"), QByteArray("rompath\t.;/m/roms;/data/more roms"));
    }

    void commentFolderOnlyWhenSet()
    {
        Preferences p = folderPrefs(QStringLiteral("/m"));
        QCOMPARE(lineStarting(mameIniPathLayer(p), "comment_directory"), QByteArray("<missing>"));
        p.setFolder(DataFolder::Comments, QStringLiteral("/m/Comments"));
        const QByteArray text = mameIniPathLayer(p);
        QCOMPARE(lineStarting(text, "comment_directory"),
                 QByteArray("comment_directory\t/m/Comments"));
        // It sits between ctrlrpath and cheat_file.
        QVERIFY(text.indexOf("ctrlrpath") < text.indexOf("comment_directory"));
        QVERIFY(text.indexOf("comment_directory") < text.indexOf("cheat_file"));
    }

    void createWritesAndReplacesTheFile()
    {
        QTemporaryDir tmp;
        Preferences p = folderPrefs(tmp.path());
        QVERIFY(QDir(tmp.path()).mkpath(QStringLiteral("ini")));
        const QString ini = tmp.path() + QStringLiteral("/ini/mame.ini");
        QCOMPARE(mameIniPath(p), ini);

        // A file holding a settings layer is put back to the path layer alone.
        QVERIFY(
            testing::writeAll(ini, mameIniPathLayer(p) + "#\r\n# CONFIGURATION OPTIONS\r\n#\r\n"));

        QString error;
        QVERIFY(CreateMAMEIni(p, &error));
        QVERIFY(error.isEmpty());
        QCOMPARE(testing::readAll(ini), mameIniPathLayer(p));
        QCOMPARE(QDir(tmp.path() + QStringLiteral("/ini")).entryList(QDir::Files),
                 QStringList{QStringLiteral("mame.ini")});
    }

    void missingIniFolderIsReportedAndWritesNothing()
    {
        QTemporaryDir tmp;
        Preferences p = folderPrefs(tmp.path());
        QString error;
        QVERIFY(!CreateMAMEIni(p, &error));
        QVERIFY2(error.contains(QStringLiteral("/ini/mame.ini")), qPrintable(error));
        QVERIFY(!QFile::exists(tmp.path() + QStringLiteral("/ini")));
        QVERIFY(!CreateMAMEIni(p)); // the error text is optional
    }
};

QTEST_GUILESS_MAIN(TestMameIni)
#include "test_mameini.moc"
