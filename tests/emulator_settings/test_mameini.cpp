// The path layer of mame.ini: its exact lines, the ROM path rules, the optional comment folder,
// and the replacement of the file on disk.
#include "SettingsFixtures.h"
#include "app/FolderTable.h"
#include "emulator_settings/MameIni.h"
#include "emulator_settings/MamePathLinks.h"

using namespace velmora;

namespace {

Preferences folderPrefs(const QString& base)
{
    Preferences p;
    for (const FolderEntry& e : folderTable())
        p.setFolder(e.folder, defaultFolderPath(e.folder, base));
    p.setFolder(DataFolder::Ini, base + QStringLiteral("/ini"));
    return p;
}

// The rompath line, the first after the block's heading.
QByteArray romPathLine(const QByteArray& text)
{
    return text.split('\n').at(3).chopped(1);
}

} // namespace

class TestMameIni : public QObject
{
    Q_OBJECT
private slots:
    void pathLayer()
    {
        // Letter case and blanks of the folder are kept as they are.
        const QString base = QStringLiteral("/home/Jose/MAME Folder");
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
        // Told what today's MAME reads, the layer leaves out the three options it does not know.
        const auto usage = MameUsage::fromFile(testing::fixturePath("showusage-0251.txt"));
        for (const char* unknown : {"memcard_directory\t$/memcard\r\n",
                                    "hiscore_directory\t$/hi\r\n", "cheat_file\tcheat.dat\r\n"})
            expected.replace(QByteArray(unknown).replace("$", base.toUtf8()), "");
        QCOMPARE(mameIniPathLayer(folderPrefs(base), &*usage), expected);

        // The ROM path adds only an additional folder that differs from the ROMs folder.
        Preferences p = folderPrefs(QStringLiteral("/m"));
        auto romPath = [&p](const char* additional) {
            p.setFolder(DataFolder::AdditionalROMs, QString::fromUtf8(additional));
            return romPathLine(mameIniPathLayer(p));
        };
        QCOMPARE(romPath(""), QByteArray("rompath\t.;/m/roms"));
        QCOMPARE(romPath("/m/roms"), QByteArray("rompath\t.;/m/roms"));
        // Folders are compared exactly: on a case-sensitive system these are two folders.
        QCOMPARE(romPath("/m/ROMS"), QByteArray("rompath\t.;/m/roms;/m/ROMS"));

        // The comment folder only when set, between ctrlrpath and cheat_file.
        p.setFolder(DataFolder::Comments, QStringLiteral("/m/Comments"));
        QVERIFY(mameIniPathLayer(p).contains(
            "\r\nctrlrpath\t/m/ctrlr\r\ncomment_directory\t/m/Comments\r\ncheat_file\t"));
    }

    // MAME cuts a value at '#', splits it at ';', expands '$' and hangs on bytes above 127: such
    // folders reach it through plain-named links that follow the folders chosen.
    void foldersMameCannotReadGoThroughLinks()
    {
        QVERIFY(mameReadsAsWritten(QStringLiteral("/m/My ROMs/a-b_c.d+e(f)")));
        for (const char* awkward : {"/m/Ärcade", "/m/a#b", "/m/a;b", "/m/$HOME", "/m/\"q\"",
                                    "/m/trailing ", "/m/tab\there"})
            QVERIFY2(!mameReadsAsWritten(QString::fromUtf8(awkward)), awkward);

        QTemporaryDir tmp;
        setMamePathLinkFolder(tmp.path() + QStringLiteral("/links"));
        Preferences p = folderPrefs(tmp.path());
        QVERIFY(QDir(tmp.path()).mkpath(QStringLiteral("ini")));
        const QString awkward = tmp.path() + QStringLiteral("/Spiele/Ärcade #1; x");
        const QString other = tmp.path() + QStringLiteral("/$other;roms");
        p.setFolder(DataFolder::ROMs, awkward);
        p.setFolder(DataFolder::AdditionalROMs, other);
        QVERIFY(CreateMAMEIni(p));
        const QByteArray text = testing::readAll(mameIniPath(p));
        const QByteArray links = QFile::encodeName(tmp.path() + QStringLiteral("/links"));
        QCOMPARE(romPathLine(text), "rompath\t.;" + links + "/rompath;" + links + "/rompath2");
        QCOMPARE(QFileInfo(tmp.path() + QStringLiteral("/links/rompath")).symLinkTarget(), awkward);

        // A new folder chosen in the Options dialog moves the link.
        p.setFolder(DataFolder::ROMs, other);
        QVERIFY(CreateMAMEIni(p));
        QCOMPARE(QFileInfo(tmp.path() + QStringLiteral("/links/rompath")).symLinkTarget(), other);
        setMamePathLinkFolder(QString());
    }

    // At start-up a mame.ini holding more than the path layer (a crash during a game left its
    // `record` line) or nothing is written afresh, leaving no other file; a right one is left
    // alone. A missing ini folder is reported and nothing is written.
    void fileOnDisk()
    {
        QTemporaryDir tmp;
        Preferences p = folderPrefs(tmp.path());
        QString error;
        QVERIFY(!CreateMAMEIni(p, &error));
        QVERIFY2(error.contains(QStringLiteral("/ini/mame.ini")), qPrintable(error));
        QVERIFY(!QFile::exists(tmp.path() + QStringLiteral("/ini")));

        QVERIFY(QDir(tmp.path()).mkpath(QStringLiteral("ini")));
        const QString ini = mameIniPath(p);
        QVERIFY(resetMameIni(p));
        QCOMPARE(testing::readAll(ini), mameIniPathLayer(p));
        const QDateTime old(QDate(2001, 1, 1), QTime(12, 0));
        QFile file(ini);
        QVERIFY(file.open(QIODevice::ReadWrite) &&
                file.setFileTime(old, QFileDevice::FileModificationTime));
        file.close();
        QVERIFY(resetMameIni(p));
        QCOMPARE(QFileInfo(ini).lastModified(), old);

        QVERIFY(testing::writeAll(ini, mameIniPathLayer(p) + "record\tpong.inp\r\n"));
        QVERIFY(resetMameIni(p));
        QCOMPARE(testing::readAll(ini), mameIniPathLayer(p));
        QCOMPARE(QDir(tmp.path() + QStringLiteral("/ini")).entryList(QDir::Files),
                 QStringList{QStringLiteral("mame.ini")});
    }
};

QTEST_GUILESS_MAIN(TestMameIni)
#include "test_mameini.moc"
