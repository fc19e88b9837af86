// options.ini as the program keeps it: defaults for keys a file lacks, every key written in its
// place and read back, values that do not convert named in the error, and the version number.
#include "app/IniFile.h"
#include "app/Preferences.h"
#include "support/TempProgram.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora;
using velmora::testing::TempProgram;

namespace {

// Writes every section the program writes, in the order a start, an Options OK and an exit do.
void writeAll(const QString& ini, const Preferences& p)
{
    writeStartupMiscellaneous(ini, p);
    writeNews(ini, p.news);
    writeOptionsPreferences(ini, p);
    writeDirectories(ini, p);
    writeGradientColor(ini, p.gradientColor);
    writeView(ini, p);
}

// The keys of the file in file order, as "Section/Key".
QStringList keysInFileOrder(const QString& path)
{
    QStringList keys;
    QString section;
    for (const QByteArray& raw : TempProgram::readFile(path).split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith('['))
            section = line.mid(1, line.size() - 2);
        else if (line.contains('='))
            keys << section + '/' + line.left(line.indexOf('='));
    }
    return keys;
}

} // namespace

class TestPreferences : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    int m_files = 0;
    QString freshFile() { return m_dir.filePath(QString("options%1.ini").arg(++m_files)); }
    // The file every writer makes of `p`: two preferences are the same when these are.
    QByteArray written(const Preferences& p)
    {
        const QString ini = freshFile();
        writeAll(ini, p);
        return TempProgram::readFile(ini);
    }

private slots:
    void aPartialFileReadsEveryOtherKeyAsItsDefault()
    {
        // Key spellings older files hold.
        QCOMPARE(hideFlagKey(HideFlag::SegaC2), QString("HideSEGAC2.C"));
        QCOMPARE(hideFlagKey(HideFlag::STV), QString("HideST-V"));
        const QString ini = freshFile();
        TempProgram::writeFile(ini, "[View]\r\nGameView=Installed Games\r\n"
                                    "[Miscellaneous]\r\nWebSite=http://127.0.0.1:8080\r\n");
        Preferences read;
        read.scroll = false;
        read.setHidden(HideFlag::NeoGeo, true);
        QString error;
        QVERIFY(readPreferences(ini, &read, &error));
        QVERIFY(read.webSite == "http://127.0.0.1:8080" && read.scroll &&
                !read.hidden(HideFlag::NeoGeo));
        Preferences expected = firstRunPreferences();
        expected.gameView = "Installed Games";
        QCOMPARE(written(read), written(expected));
        // The web site is read but never written.
        QVERIFY(!written(read).contains("WebSite"));
    }

    void everyKeyRoundTripsInItsOwnersOrder()
    {
        Preferences p = firstRunPreferences();
        for (int i = 0; i < kHideFlagCount; i += 2)
            p.hide[i] = true;
        p.disableHotKeys = p.cloneShots = p.useStarfield = p.autoRun = p.screenShots = true;
        p.favorites = true;
        p.year = "1985", p.fontSize = "12", p.news = "20240101", p.gameView = "Uninstalled Games";
        p.backColor = 0x102030, p.fontColor = -2147483640, p.gradientColor = 0x00FF00;
        for (int i = 0; i < kDataFolderCount; ++i)
            p.folders[i] = QString("/data/folder %1").arg(i);
        p.mameSize = 356894752, p.windowState = 2;
        p.all = {40000, 17, 1}, p.installed = {2, 3, 0}, p.uninstalled = {5, 0, 1};

        const QString ini = freshFile();
        writeAll(ini, p);
        Preferences back;
        QString error;
        QVERIFY2(readPreferences(ini, &back, &error), qPrintable(error));
        QCOMPARE(written(back), TempProgram::readFile(ini));
        QCOMPARE(back.velmoraVersion, QString("4.0.0"));

        QStringList expected{"Miscellaneous/VelmoraVersion", "Miscellaneous/MAMESize",
                             "Miscellaneous/AutoRun", "Miscellaneous/News"};
        for (int i = 0; i < kHideFlagCount; ++i)
            expected << "Preferences/" + hideFlagKey(HideFlag(i));
        for (const char* key : {"Year", "DisableHotKeys", "CloneShots", "UseStarfield", "BackColor",
                                "FontColor", "FontSize", "GradientColor"})
            expected << QString("Preferences/") + key;
        for (int i = 0; i < kDataFolderCount; ++i)
            expected << "Directories/" + dataFolderKey(DataFolder(i));
        for (const char* key : {"GameView", "ScreenShots", "Favorites", "WindowState"})
            expected << QString("View/") + key;
        for (const char* list : {"All", "Installed", "Uninstalled"})
            for (const char* key : {"Index", "SortKey", "SortOrder"})
                expected << QString("View/%1%2").arg(list, key);
        QCOMPARE(keysInFileOrder(ini), expected);

        // Single-key writers change only their key.
        writeAutoRun(ini, false);
        writeMameSize(ini, 123);
        writeFavorites(ini, false);
        QVERIFY(readPreferences(ini, &back, &error));
        QVERIFY(!back.autoRun && !back.favorites && back.mameSize == 123);
        QCOMPARE(keysInFileOrder(ini), expected);
    }

    void valuesThatDoNotConvertNameTheirKey()
    {
        for (const char* content :
             {"[View]\r\nAllIndex=abc", "[Preferences]\r\nHideNeoGeo=maybe",
              "[View]\r\nWindowState=max", "[Preferences]\r\nBackColor=2147483653",
              "[Miscellaneous]\r\nMAMESize="}) {
            const QString ini = freshFile();
            TempProgram::writeFile(ini, QByteArray(content) + "\r\n");
            Preferences p;
            p.news = "untouched";
            QString error;
            const QString key = QString(content).section('\n', 1).section('=', 0, 0);
            QVERIFY2(!readPreferences(ini, &p, &error) && error.contains(key), qPrintable(error));
            QCOMPARE(p.news, QString("untouched"));
        }
    }

    void versionNumber()
    {
        const auto number = [this](const QByteArray& content) {
            const QString ini = freshFile();
            if (!content.isEmpty())
                TempProgram::writeFile(ini, content);
            return readVersionNumber(ini);
        };
        // -1: does not convert.
        for (const auto& [version, expected] : std::initializer_list<std::pair<const char*, int>>{
                 {"3.4.1", 341}, {"3.27.67", 32767}, {"3.27.68", -1}, {"four", -1}, {"", -1}}) {
            const auto read = number(QByteArray("[Miscellaneous]\r\nVelmoraVersion=") + version);
            QVERIFY2(expected < 0 ? !read : read == expected, version);
        }
        QCOMPARE(number("[miscellaneous]\r\nvelmoraversion=4.0.0\r\n"), 400);
        QCOMPARE(number("[Miscellaneous]\r\nNews=x\r\n"), 0); // no version: before versions
        QCOMPARE(number(""), 0);                              // no file
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "test_preferences.moc"
