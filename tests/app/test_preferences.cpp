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
        QCOMPARE(read.webSite, QString("http://127.0.0.1:8080"));
        QVERIFY(read.scroll && !read.hidden(HideFlag::NeoGeo));
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
        p.year = "1985";
        p.disableHotKeys = p.cloneShots = p.useStarfield = p.autoRun = true;
        p.screenShots = p.favorites = true;
        p.backColor = 0x102030;
        p.fontColor = -2147483640;
        p.fontSize = "12";
        p.gradientColor = 0x00FF00;
        for (int i = 0; i < kDataFolderCount; ++i)
            p.folders[i] = QString("/data/folder %1").arg(i);
        p.mameSize = 356894752;
        p.news = "20240101";
        p.gameView = "Uninstalled Games";
        p.windowState = 2;
        p.all = {40000, 17, 1};
        p.installed = {2, 3, 0};
        p.uninstalled = {5, 0, 1};

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
        QVERIFY(!back.autoRun && !back.favorites);
        QCOMPARE(back.mameSize, 123);
        QCOMPARE(keysInFileOrder(ini), expected);
    }

    void valuesThatDoNotConvertNameTheirKey()
    {
        const struct
        {
            QByteArray content;
            QString key;
        } cases[] = {{"[View]\r\nAllIndex=abc\r\n", "AllIndex"},
                     {"[Preferences]\r\nHideNeoGeo=maybe\r\n", "HideNeoGeo"},
                     {"[Preferences]\r\nBackColor=2147483653\r\n", "BackColor"},
                     {"[Miscellaneous]\r\nMAMESize=\r\n", "MAMESize"},
                     {"[View]\r\nWindowState=max\r\n", "WindowState"}};
        for (const auto& c : cases) {
            const QString ini = freshFile();
            TempProgram::writeFile(ini, c.content);
            Preferences p;
            p.news = "untouched";
            QString error;
            QVERIFY(!readPreferences(ini, &p, &error));
            QVERIFY2(error.contains(c.key), qPrintable(error));
            QCOMPARE(p.news, QString("untouched"));
        }
    }

    void versionNumber()
    {
        const struct
        {
            QByteArray content;
            int number; // -1: does not convert
        } cases[] = {{"[Miscellaneous]\r\nVelmoraVersion=3.4.1\r\n", 341},
                     {"[Miscellaneous]\r\nVelmoraVersion=3.27.67\r\n", 32767},
                     {"[Miscellaneous]\r\nVelmoraVersion=3.27.68\r\n", -1},
                     {"[Miscellaneous]\r\nVelmoraVersion=four\r\n", -1},
                     {"[Miscellaneous]\r\nVelmoraVersion=\r\n", -1},
                     {"[miscellaneous]\r\nvelmoraversion=4.0.0\r\n", 400},
                     {"[Miscellaneous]\r\nNews=x\r\n", 0},
                     {"", 0}};
        for (const auto& c : cases) {
            const QString ini = freshFile();
            if (!c.content.isEmpty())
                TempProgram::writeFile(ini, c.content);
            const std::optional<int> read = readVersionNumber(ini);
            QVERIFY2(c.number < 0 ? !read : read == c.number, c.content.constData());
        }
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "test_preferences.moc"
