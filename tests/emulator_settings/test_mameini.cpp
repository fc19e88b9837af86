// The path layer of mame.ini: its exact lines, the ROM path rules, the optional comment folder,
// and the replacement of the file on disk.
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
        const Preferences p = folderPrefs(QStringLiteral("/home/Ann/MAME Folder"));
        const QByteArray text = mameIniPathLayer(p);
        const QByteArray b = "/home/Ann/MAME Folder";
        const QByteArray expected = "#\r\n"
                                    "# PATH AND DIRECTORY OPTIONS #\r\n"
                                    "#\r\n"
                                    "rompath\t.;" +
                                    b +
                                    "/roms\r\n"
                                    "samplepath\t.;" +
                                    b +
                                    "/samples\r\n"
                                    "inipath\t.;" +
                                    b +
                                    "/ini\r\n"
                                    "cfg_directory\t" +
                                    b +
                                    "/cfg\r\n"
                                    "nvram_directory\t" +
                                    b +
                                    "/nvram\r\n"
                                    "memcard_directory\t" +
                                    b +
                                    "/memcard\r\n"
                                    "input_directory\t" +
                                    b +
                                    "/inp\r\n"
                                    "hiscore_directory\t" +
                                    b +
                                    "/hi\r\n"
                                    "state_directory\t" +
                                    b +
                                    "/sta\r\n"
                                    "artpath\t" +
                                    b +
                                    "/artwork\r\n"
                                    "snapshot_directory\t" +
                                    b +
                                    "/snap\r\n"
                                    "snapname\t%g\r\n"
                                    "diff_directory\t" +
                                    b +
                                    "/diff\r\n"
                                    "ctrlrpath\t" +
                                    b +
                                    "/ctrlr\r\n"
                                    "cheat_file\tcheat.dat\r\n"
                                    "\r\n";
        QCOMPARE(text, expected);
        // Every line ends CR LF; no bare LF and no space-separated option.
        QCOMPARE(text.count("\r\n"), text.count('\n'));
        QVERIFY(!text.contains("rompath "));
    }

    void romPathAddsOnlyADifferentAdditionalFolder()
    {
        Preferences p = folderPrefs(QStringLiteral("/m"));
        QCOMPARE(lineStarting(mameIniPathLayer(p), "rompath"), QByteArray("rompath\t.;/m/roms"));

        p.setFolder(DataFolder::AdditionalROMs, QStringLiteral("/m/roms"));
        QCOMPARE(lineStarting(mameIniPathLayer(p), "rompath"), QByteArray("rompath\t.;/m/roms"));

        // Folders are compared exactly: on a case-sensitive system these are two folders.
        p.setFolder(DataFolder::AdditionalROMs, QStringLiteral("/m/ROMS"));
        QCOMPARE(lineStarting(mameIniPathLayer(p), "rompath"),
                 QByteArray("rompath\t.;/m/roms;/m/ROMS"));

        p.setFolder(DataFolder::AdditionalROMs, QStringLiteral("/data/more roms"));
        QCOMPARE(lineStarting(mameIniPathLayer(p), "rompath"),
                 QByteArray("rompath\t.;/m/roms;/data/more roms"));
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

    void pathsKeepCaseAndNonAsciiLetters()
    {
        Preferences p = folderPrefs(QStringLiteral("/home/José/Spiele"));
        const QByteArray text = mameIniPathLayer(p);
        QVERIFY(text.contains(QStringLiteral("cfg_directory\t/home/José/Spiele/cfg\r\n").toUtf8()));
    }

    void createWritesAndReplacesTheFile()
    {
        QTemporaryDir tmp;
        Preferences p = folderPrefs(tmp.path());
        QVERIFY(QDir(tmp.path()).mkpath(QStringLiteral("ini")));
        const QString ini = tmp.path() + QStringLiteral("/ini/mame.ini");
        QCOMPARE(mameIniPath(p), ini);

        // A file holding a settings layer is put back to the path layer alone.
        QFile old(ini);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(mameIniPathLayer(p) + "#\r\n# CONFIGURATION OPTIONS\r\n#\r\nreadconfig\t1\r\n");
        old.close();

        QString error;
        QVERIFY(CreateMAMEIni(p, &error));
        QVERIFY(error.isEmpty());
        QFile back(ini);
        QVERIFY(back.open(QIODevice::ReadOnly));
        QCOMPARE(back.readAll(), mameIniPathLayer(p));
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
