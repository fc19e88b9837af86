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
    // A missing file, section or key reads the default; values are read up to their length
    // limit (stored whole) and written with line breaks as spaces; values convert.
    void defaultsLimitsAndLineBreaks()
    {
        const QString missing = path("nothing-here.ini");
        QCOMPARE(ReadIniValue(missing, "View", "Scroll", true), QString("True"));
        QVERIFY(!QFile::exists(missing)); // reading never creates the file

        const QString ini = path("limits.ini");
        TempProgram::writeFile(ini, "[View]\nScroll=False\n");
        QVERIFY(ReadIniValue(ini, "Preferences", "HideNeoGeo", false) == "False" &&
                ReadIniValue(ini, "View", "Scroll", true) == "False");
        const QString longPath = "/" + QString(299, 'x');
        QVERIFY(WriteIniValue(ini, "Directories", "ROMs", longPath));
        QVERIFY(TempProgram::readFile(ini).contains(longPath.toLatin1()));
        QCOMPARE(ReadIniValue(ini, "Directories", "ROMs", ""), longPath.left(254));
        QVERIFY(WriteIniValue(ini, "Miscellaneous", "News", "one\r\ntwo\nthree\rfour"));
        QVERIFY(TempProgram::readFile(ini).endsWith(
            "\r\n\r\n[Miscellaneous]\r\nNews=one  two three four\r\n"));

        // How stored text reads as yes/no and as numbers.
        for (const char* yes : {"True", "TRUE", "true", "1", "-1", "2.5", " True "})
            QCOMPARE(iniToBool(yes), std::optional<bool>(true));
        for (const char* no : {"False", "fAlSe", "0", "-0", "0.0"})
            QCOMPARE(iniToBool(no), std::optional<bool>(false));
        for (const char* bad : {"", "yes", "maybe", "nan", "inf", "1x"})
            QVERIFY2(!iniToBool(bad), bad);
        QVERIFY(iniToInt32("-2147483643") == qint32(0x80000005u) && iniToInt32("16777215"));
        for (const char* bad : {"2147483648", "12abc", "", "-"})
            QVERIFY2(!iniToInt32(bad), bad);
        QVERIFY(iniToInt16("32767") == 32767 && iniToInt16("-32768") == -32768 &&
                !iniToInt16("32768"));
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

        // A Latin-1 file stays Latin-1 until a value needs more, then turns into UTF-8 without
        // losing the rest; a UTF-8 file keeps its byte-order mark.
        const QString latin1 = path("latin1.ini");
        TempProgram::writeFile(latin1, "[Directories]\r\nROMs=/roms/caf\xE9\r\n");
        QVERIFY(WriteIniValue(latin1, "Directories", "Samples", "/samples/\u00FC"));
        QCOMPARE(TempProgram::readFile(latin1),
                 QByteArray("[Directories]\r\nROMs=/roms/caf\xE9\r\nSamples=/samples/\xFC\r\n"));
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

    // A write that cannot happen fails and leaves what is there as it was: a file where the
    // folder should be, a missing folder, or a file that cannot be replaced (no temporary file
    // is left behind).
    void failedWritesLeaveFilesAlone()
    {
        const QString blocker = path("settings");
        TempProgram::writeFile(blocker, "not a folder");
        QVERIFY(!WriteIniValue(blocker + "/options.ini", "View", "Scroll", true));
        QCOMPARE(TempProgram::readFile(blocker), QByteArray("not a folder"));
        QVERIFY(!WriteIniValue(path("no-such-folder/options.ini"), "View", "Scroll", true));

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
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "test_inifile.moc"
