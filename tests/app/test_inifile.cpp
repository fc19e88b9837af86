#include "app/IniFile.h"
#include "support/TempProgram.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora;
using velmora::testing::TempProgram;

class TestIniFile : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void missingFileSectionOrKeyReadsTheDefault()
    {
        const QString missing = path("nothing-here.ini");
        QCOMPARE(ReadIniValue(missing, "View", "Scroll", true), QString("True"));
        QCOMPARE(ReadIniValue(missing, "View", "GameView", "All Games"), QString("All Games"));
        QVERIFY(!QFile::exists(missing)); // reading never creates the file

        const QString ini = path("partial.ini");
        TempProgram::writeFile(ini, "[View]\nScroll=False\n");
        QCOMPARE(ReadIniValue(ini, "Preferences", "HideNeoGeo", false), QString("False"));
        QCOMPARE(ReadIniValue(ini, "View", "Favorites", qint64(-7)), QString("-7"));
        QCOMPARE(ReadIniValue(ini, "View", "Scroll", true), QString("False"));
    }

    void longValuesAreCutAndLineBreaksBecomeSpaces()
    {
        const QString ini = path("limits.ini");
        const QString longPath = "/" + QString(299, 'x');
        QVERIFY(WriteIniValue(ini, "Directories", "ROMs", longPath));
        QVERIFY(TempProgram::readFile(ini).contains(longPath.toLatin1())); // stored whole
        QCOMPARE(ReadIniValue(ini, "Directories", "ROMs", ""), longPath.left(254));

        QVERIFY(WriteIniValue(ini, "Miscellaneous", "News", "one\r\ntwo\nthree\rfour"));
        QCOMPARE(ReadIniValue(ini, "Miscellaneous", "News", ""), QString("one  two three four"));
        QVERIFY(TempProgram::readFile(ini).endsWith(
            "\r\n\r\n[Miscellaneous]\r\nNews=one  two three four\r\n"));
    }

    void writesKeepEveryOtherLine()
    {
        const QString ini = path("layout.ini");
        // Mixed line ends, a comment, a line without "=" and no line end on the last line.
        TempProgram::writeFile(ini, "; written by hand\n[Preferences]\nHideCVS = True\n"
                                    "; a comment inside\nYear=1985\n\n[View]\r\nScroll=True\r\n"
                                    "junk line without equals\r\nAllIndex=3");
        // Any case finds the key; the key takes the written spelling.
        QVERIFY(WriteIniValue(ini, "preferences", "YEAR", "1990"));
        QVERIFY(WriteIniValue(ini, "Preferences", "FontSize", "10"));
        QVERIFY(WriteIniValue(ini, "View", "AllSortKey", 2));
        QVERIFY(WriteIniValue(ini, "Directories", "MAME", "/m"));
        QCOMPARE(TempProgram::readFile(ini),
                 QByteArray("; written by hand\r\n[Preferences]\r\nHideCVS = True\r\n"
                            "; a comment inside\r\nYEAR=1990\r\nFontSize=10\r\n\r\n[View]\r\n"
                            "Scroll=True\r\njunk line without equals\r\nAllIndex=3\r\n"
                            "AllSortKey=2\r\n\r\n[Directories]\r\nMAME=/m\r\n"));
        QCOMPARE(ReadIniValue(ini, "PREFERENCES", "hidecvs", false), QString("True"));
        QCOMPARE(ReadIniValue(ini, "Preferences", "; a comment inside", "none"), QString("none"));
    }

    void settingsPathThatIsAFileFailsWithoutDamage()
    {
        // "settings" is a file, so nothing can be created under it.
        const QString blocker = path("settings");
        TempProgram::writeFile(blocker, "not a folder");
        const QString ini = blocker + "/options.ini";
        QVERIFY(!WriteIniValue(ini, "View", "Scroll", true));
        QCOMPARE(TempProgram::readFile(blocker), QByteArray("not a folder"));
        QVERIFY(!WriteIniValue(path("no-such-folder/options.ini"), "View", "Scroll", true));
    }

    void readOnlyFolderKeepsTheOldFile()
    {
        // A file that cannot be replaced keeps its old text and leaves no temporary file behind.
        QTemporaryDir locked;
        const QString kept = locked.filePath("options.ini");
        TempProgram::writeFile(kept, "[View]\r\nScroll=True\r\n");
        QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::ExeOwner);
        if (QFile(locked.filePath("probe")).open(QIODevice::WriteOnly)) {
            QFile::setPermissions(locked.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("running with permission to write into read-only folders");
        }
        QVERIFY(!WriteIniValue(kept, "View", "Scroll", false));
        QFile::setPermissions(locked.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(TempProgram::readFile(kept), QByteArray("[View]\r\nScroll=True\r\n"));
        QCOMPARE(QDir(locked.path()).entryList(QDir::Files), QStringList{"options.ini"});
    }

    void latin1AndUtf8FilesRoundTrip()
    {
        const QString latin1 = path("latin1.ini");
        TempProgram::writeFile(latin1, "[Directories]\r\nROMs=/roms/caf\xE9\r\n");
        QCOMPARE(ReadIniValue(latin1, "Directories", "ROMs", ""), QString("/roms/caf\u00E9"));
        QVERIFY(WriteIniValue(latin1, "Directories", "Samples", "/samples/\u00FC"));
        QCOMPARE(TempProgram::readFile(latin1),
                 QByteArray("[Directories]\r\nROMs=/roms/caf\xE9\r\nSamples=/samples/\xFC\r\n"));
        // A value that Latin-1 cannot hold turns the file into UTF-8 without losing the rest.
        QVERIFY(WriteIniValue(latin1, "Directories", "Artwork", "/art/\u65E5"));
        QVERIFY(ReadIniValue(latin1, "Directories", "ROMs", "") == "/roms/caf\u00E9" &&
                ReadIniValue(latin1, "Directories", "Artwork", "") == "/art/\u65E5");

        const QString utf8 = path("utf8.ini");
        TempProgram::writeFile(utf8, "\xEF\xBB\xBF[Directories]\nROMs=/roms/caf\xC3\xA9\n");
        QCOMPARE(ReadIniValue(utf8, "Directories", "ROMs", ""), QString("/roms/caf\u00E9"));
        QVERIFY(WriteIniValue(utf8, "Directories", "Ini", "/ini"));
        QCOMPARE(TempProgram::readFile(utf8),
                 QByteArray("\xEF\xBB\xBF[Directories]\r\nROMs=/roms/caf\xC3\xA9\r\nIni=/ini\r\n"));
    }

    void valueEncodings()
    {
        for (const char* yes : {"True", "TRUE", "true", "1", "-1", "2.5", " True "})
            QCOMPARE(iniToBool(yes), std::optional<bool>(true));
        for (const char* no : {"False", "fAlSe", "0", "-0", "0.0"})
            QCOMPARE(iniToBool(no), std::optional<bool>(false));
        for (const char* bad : {"", "yes", "maybe", "nan", "inf", "1x"})
            QVERIFY2(!iniToBool(bad), bad);
        QVERIFY(iniToInt32("-2147483643") == qint32(0x80000005u));
        QVERIFY(iniToInt32("16777215") == 0xFFFFFF);
        for (const char* bad : {"2147483648", "12abc", "", "-"})
            QVERIFY2(!iniToInt32(bad), bad);
        QVERIFY(iniToInt16("32767") == 32767 && iniToInt16("-32768") == -32768);
        QVERIFY(!iniToInt16("32768"));
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "test_inifile.moc"
