#include "app/IniFile.h"
#include "app/Preferences.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora;

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The keys of the file in file order, as "Section/Key".
QStringList keysInFileOrder(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList keys;
    QString section;
    for (const QByteArray& raw : f.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith('['))
            section = line.mid(1, line.size() - 2);
        else if (line.contains('='))
            keys << section + '/' + line.left(line.indexOf('='));
    }
    return keys;
}

bool samePreferences(const Preferences& a, const Preferences& b)
{
    auto sameList = [](const ListViewState& x, const ListViewState& y) {
        return x.index == y.index && x.sortKey == y.sortKey && x.sortOrder == y.sortOrder;
    };
    return a.mameSize == b.mameSize && a.news == b.news && a.autoRun == b.autoRun &&
           a.webSite == b.webSite && a.hide == b.hide && a.year == b.year &&
           a.disableHotKeys == b.disableHotKeys && a.cloneShots == b.cloneShots &&
           a.useStarfield == b.useStarfield && a.backColor == b.backColor &&
           a.fontColor == b.fontColor && a.fontSize == b.fontSize &&
           a.gradientColor == b.gradientColor && a.folders == b.folders && a.scroll == b.scroll &&
           a.gameView == b.gameView && a.screenShots == b.screenShots &&
           a.favorites == b.favorites && a.windowState == b.windowState && sameList(a.all, b.all) &&
           sameList(a.installed, b.installed) && sameList(a.uninstalled, b.uninstalled);
}

} // namespace

class TestPreferences : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    int m_files = 0;
    QString freshFile() { return m_dir.filePath(QString("options%1.ini").arg(++m_files)); }

private slots:
    void aPartialFileReadsEveryOtherKeyAsItsDefault()
    {
        // Key spellings older files hold.
        QCOMPARE(hideFlagKey(HideFlag::SegaC2), QString("HideSEGAC2.C"));
        QCOMPARE(hideFlagKey(HideFlag::STV), QString("HideST-V"));
        // A file with only a View section reads every other key as its default.
        const QString ini = freshFile();
        writeBytes(ini, "[View]\r\nGameView=Installed Games\r\n");
        Preferences read;
        read.scroll = false;
        read.setHidden(HideFlag::NeoGeo, true);
        QString error;
        QVERIFY(readPreferences(ini, &read, &error));
        Preferences expected = firstRunPreferences();
        expected.gameView = "Installed Games";
        QVERIFY(samePreferences(read, expected));
    }

    void everyKeyRoundTripsInItsOwnersOrder()
    {
        Preferences p = firstRunPreferences();
        for (int i = 0; i < kHideFlagCount; i += 2)
            p.hide[i] = true;
        p.year = "1985";
        p.disableHotKeys = p.cloneShots = p.useStarfield = true;
        p.backColor = 0x102030;
        p.fontColor = -2147483640;
        p.fontSize = "12";
        p.gradientColor = 0x00FF00;
        for (int i = 0; i < kDataFolderCount; ++i)
            p.folders[i] = QString("/data/folder %1").arg(i);
        p.mameSize = 356894752;
        p.autoRun = true;
        p.news = "20240101";
        p.gameView = "Uninstalled Games";
        p.screenShots = p.favorites = true;
        p.windowState = 2;
        p.all = {40000, 17, 1};
        p.installed = {2, 3, 0};
        p.uninstalled = {5, 0, 1};

        const QString ini = freshFile();
        writeStartupMiscellaneous(ini, p);
        writeNews(ini, p.news);
        writeOptionsPreferences(ini, p);
        writeDirectories(ini, p);
        writeGradientColor(ini, p.gradientColor);
        writeView(ini, p);

        Preferences back;
        QString error;
        QVERIFY2(readPreferences(ini, &back, &error), qPrintable(error));
        QVERIFY(samePreferences(back, p));
        QCOMPARE(back.velmoraVersion, QString("4.0.0"));
        QCOMPARE(readVersionNumber(ini), std::optional<int>(400));

        QStringList expected{"Miscellaneous/VelmoraVersion", "Miscellaneous/MAMESize",
                             "Miscellaneous/AutoRun", "Miscellaneous/News"};
        for (int i = 0; i < kHideFlagCount; ++i)
            expected << "Preferences/" + hideFlagKey(HideFlag(i));
        expected << "Preferences/Year"
                 << "Preferences/DisableHotKeys"
                 << "Preferences/CloneShots"
                 << "Preferences/UseStarfield"
                 << "Preferences/BackColor"
                 << "Preferences/FontColor"
                 << "Preferences/FontSize"
                 << "Preferences/GradientColor";
        for (int i = 0; i < kDataFolderCount; ++i)
            expected << "Directories/" + dataFolderKey(DataFolder(i));
        expected << "View/GameView"
                 << "View/ScreenShots"
                 << "View/Favorites"
                 << "View/WindowState";
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

    void webSiteIsReadButNeverWritten()
    {
        const QString ini = freshFile();
        writeBytes(ini, "[Miscellaneous]\r\nWebSite=http://127.0.0.1:8080\r\n");
        Preferences p;
        QString error;
        QVERIFY(readPreferences(ini, &p, &error));
        QCOMPARE(p.webSite, QString("http://127.0.0.1:8080"));

        const QString other = freshFile();
        writeStartupMiscellaneous(other, p);
        writeView(other, p);
        QVERIFY(!keysInFileOrder(other).contains("Miscellaneous/WebSite"));
    }

    void valuesThatDoNotConvertNameTheirKey_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("key");
        QTest::newRow("index") << QByteArray("[View]\r\nAllIndex=abc\r\n") << "AllIndex";
        QTest::newRow("flag") << QByteArray("[Preferences]\r\nHideNeoGeo=maybe\r\n")
                              << "HideNeoGeo";
        QTest::newRow("colour overflow")
            << QByteArray("[Preferences]\r\nBackColor=2147483653\r\n") << "BackColor";
        QTest::newRow("empty size") << QByteArray("[Miscellaneous]\r\nMAMESize=\r\n") << "MAMESize";
        QTest::newRow("window") << QByteArray("[View]\r\nWindowState=max\r\n") << "WindowState";
    }

    void valuesThatDoNotConvertNameTheirKey()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, key);
        const QString ini = freshFile();
        writeBytes(ini, content);
        Preferences p;
        p.news = "untouched";
        QString error;
        QVERIFY(!readPreferences(ini, &p, &error));
        QVERIFY2(error.contains(key), qPrintable(error));
        QCOMPARE(p.news, QString("untouched"));
    }

    void versionNumber_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("number"); // -1: does not convert
        const auto row = [](const char* name, const char* value, int number) {
            QTest::newRow(name) << QByteArray("[Miscellaneous]\r\nVelmoraVersion=") + value + "\r\n"
                                << number;
        };
        row("3.4.0", "3.4.0", 340);
        row("3.4.1", "3.4.1", 341);
        row("largest", "3.27.67", 32767);
        row("overflow", "3.27.68", -1);
        row("words", "four", -1);
        row("empty", "", -1);
        QTest::newRow("any case") << QByteArray("[miscellaneous]\r\nvelmoraversion=4.0.0\r\n")
                                  << 400;
        QTest::newRow("missing key") << QByteArray("[Miscellaneous]\r\nNews=x\r\n") << 0;
        QTest::newRow("no file") << QByteArray() << 0;
    }

    void versionNumber()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, number);
        const QString ini = freshFile();
        if (!content.isEmpty())
            writeBytes(ini, content);
        const std::optional<int> read = readVersionNumber(ini);
        if (number < 0)
            QVERIFY(!read);
        else
            QCOMPARE(read, std::optional<int>(number));
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "test_preferences.moc"
