// options.ini as the program keeps it (defaults for keys a file lacks, every key written in its
// place and read back, values that do not convert named in the error, the version number), the
// fixed choices of the preferences page, and what a change of preferences makes the window reload.
#include "app/ColorChoices.h"
#include "app/IniFile.h"
#include "app/OptionsApply.h"
#include "app/PreferenceChoices.h"
#include "app/Preferences.h"
#include "info/ArtworkLocator.h"
#include "support/TempProgram.h"

#include <QTemporaryDir>
#include <QTest>
#include <functional>

using namespace velmora;
using velmora::testing::TempProgram;

class TestPreferences : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    int m_files = 0;
    QString freshFile() { return m_dir.filePath(QString("options%1.ini").arg(++m_files)); }
    // A new file holding `content`; a null `content` leaves the file missing.
    QString fileWith(const QByteArray& content)
    {
        const QString ini = freshFile();
        return content.isNull() || TempProgram::writeFile(ini, content), ini;
    }
    // The file every writer makes of `p`, written in the order a start, an Options OK and an
    // exit write it: two preferences are the same when these are.
    QByteArray written(const Preferences& p)
    {
        const QString ini = freshFile();
        writeStartupMiscellaneous(ini, p);
        writeNews(ini, p.news);
        writeOptionsPreferences(ini, p);
        writeDirectories(ini, p);
        writeGradientColor(ini, p.gradientColor);
        writeView(ini, p);
        return TempProgram::readFile(ini);
    }

private slots:
    // The window opens where the user left it, inside the screen and never below its smallest
    // size; on a first start at two thirds of the screen, centred.
    void windowPlacementOnTheScreen()
    {
        const QRect screen(0, 0, 1600, 1000);
        const QSize smallest(900, 426);
        QCOMPARE(windowPlacement({}, QRect(100, 30, 1500, 900), smallest),
                 QRect(350, 180, 1000, 600));
        QCOMPARE(windowPlacement({}, QRect(0, 0, 1024, 600), smallest), QRect(62, 87, 900, 426));
        QCOMPARE(windowPlacement({40, 50, 1000, 700}, screen, smallest), QRect(40, 50, 1000, 700));
        QCOMPARE(windowPlacement({1500, -40, 300, 200}, screen, smallest), QRect(700, 0, 900, 426));
        QCOMPARE(windowPlacement({0, 0, 2000, 700}, screen, smallest), QRect(0, 0, 2000, 700));
    }

    // A key the file lacks reads as its default, not as the value held before; every key is
    // written in its section and place and read back as written; a single-key writer changes
    // only its key; a value that does not convert fails the whole read. Then the fixed choices
    // of the preferences page and what a change of them makes the window reload.
    void optionsIniAndThePreferencesPage()
    {
        Preferences read;
        read.scroll = false;
        read.setHidden(HideFlag::NeoGeo, true);
        QString error;
        QVERIFY(readPreferences(fileWith("[View]\r\nGameView=Installed Games\r\n[Miscellaneous]"
                                         "\r\nWebSite=http://127.0.0.1:8080\r\n"),
                                &read, &error));
        QVERIFY(read.webSite == "http://127.0.0.1:8080" && read.scroll &&
                !read.hidden(HideFlag::NeoGeo));
        Preferences expected = firstRunPreferences();
        expected.gameView = "Installed Games";
        QCOMPARE(written(read), written(expected)); // the web site is read but never written
        // A file from before the Extra Art folder and the picture kinds is read as before: the
        // pictures are looked for in the MAME folder, and the snapshot is shown.
        QVERIFY(readPreferences(fileWith("[Miscellaneous]\r\nVelmoraVersion=3.4.1\r\n[Directories]"
                                         "\r\nMAME=/m\r\n[View]\r\nPicture=Poster\r\n"),
                                &read, &error));
        QVERIFY(artworkFolders(read).extraArt == "/m" && read.picture == PictureKind::Snapshot);

        Preferences p = firstRunPreferences();
        for (int i = 0; i < kHideFlagCount; i += 2)
            p.hide[i] = true;
        p.disableHotKeys = p.cloneShots = p.useStarfield = p.autoRun = p.screenShots = p.favorites =
            p.hideBadRoms = true;
        p.year = "1985", p.fontSize = "12", p.news = "20240101", p.gameView = "Uninstalled Games";
        p.backColor = 0x102030, p.fontColor = -2147483640, p.gradientColor = 0x00FF00;
        for (int i = 0; i < kDataFolderCount; ++i)
            p.folders[i] = QString("/f%1").arg(i);
        p.mameSize = 356894752, p.windowState = 2, p.picture = PictureKind::ControlPanel;
        p.all = {40000, 17, 1}, p.installed = {2, 3, 0}, p.uninstalled = {5, 0, 1};
        p.columnWidths = {{"Game", 300}, {"Time Played", 90}},
        p.windowGeometry = {-8, 20, 999, 600};
        QByteArray all =
            "[Miscellaneous]\r\nVelmoraVersion=4.0.0\r\nMAMESize=356894752\r\nAutoRun=True\r\n"
            "News=20240101\r\n\r\n[Preferences]\r\nHideArcadia=True\r\nHideBabyPhoenix=False\r\n"
            "HideCassette=True\r\nHideCrystal=False\r\nHideCVS=True\r\nHideHyperNeo=False\r\n"
            "HideMaxAFlex=True\r\nHideSEGAC2.C=False\r\nHideMultiCassette=True\r\n"
            "HideNeoGeo=False\r\nHideNintendo=True\r\nHidePGM=False\r\nHidePlayChoice=True\r\n"
            "HideZN.C=False\r\nHideStandard=True\r\nHideST-V=False\r\nHideKaneko=True\r\n"
            "HideSystemGX=False\r\nHideMPU4=True\r\nHideClones=False\r\nHidePreliminary=True\r\n"
            "HideVs=False\r\nHideYear=True\r\nHideBootleg=False\r\nHideTest=True\r\n"
            "HideCHD=False\r\nHideImperfect=True\r\nYear=1985\r\nDisableHotKeys=True\r\n"
            "CloneShots=True\r\nUseStarfield=True\r\nBackColor=1056816\r\n"
            "FontColor=-2147483640\r\nFontSize=12\r\nGradientColor=65280\r\n\r\n[Directories]\r\n"
            "MAME=/f0\r\nROMs=/f1\r\nAdditionalROMs=/f2\r\nSamples=/f3\r\nIni=/f4\r\nCfg=/f5\r\n"
            "Nvram=/f6\r\nMemcard=/f7\r\nInput=/f8\r\nHiscore=/f9\r\nState=/f10\r\n"
            "Artwork=/f11\r\nSnapshots=/f12\r\nExtraArt=/f13\r\nDiff=/f14\r\nCtrlr=/f15\r\n"
            "Comments=/f16\r\n\r\n[View]\r\nGameView=Uninstalled Games\r\nScreenShots=True\r\n"
            "Picture=ControlPanel\r\nFavorites=True\r\n"
            "HideBadRoms=True\r\nWindowState=2\r\nAllIndex=40000\r\nAllSortKey=17\r\nAllSortOrder="
            "1\r\n"
            "InstalledIndex=2\r\nInstalledSortKey=3\r\nInstalledSortOrder=0\r\n"
            "UninstalledIndex=5\r\nUninstalledSortKey=0\r\nUninstalledSortOrder=1\r\n"
            "ColumnWidths=Game:300,Time Played:90\r\nWindowGeometry=-8,20,999,600\r\n";
        QCOMPARE(written(p), all);
        const QString ini = fileWith(all);
        Preferences back;
        QVERIFY2(readPreferences(ini, &back, &error), qPrintable(error));
        QCOMPARE(written(back), all);

        writeAutoRun(ini, false);
        writeMameSize(ini, 123);
        writeFavorites(ini, false);
        QCOMPARE(TempProgram::readFile(ini), all.replace("AutoRun=True", "AutoRun=False")
                                                 .replace("MAMESize=356894752", "MAMESize=123")
                                                 .replace("Favorites=True", "Favorites=False"));

        // The window's layout keys are the user's own: a value that does not read is let go.
        QVERIFY(readPreferences(fileWith("[View]\r\nColumnWidths=Game:x,:5,Year:-1,Year:40,\r\n"
                                         "WindowGeometry=1,2,3\r\n"),
                                &back, &error));
        QVERIFY(back.columnWidths == ColumnWidths({{"Year", 40}}) && back.windowGeometry.isNull());

        // A value that does not convert fails the read, names its key and changes nothing.
        for (const char* content :
             {"[View]\r\nAllIndex=abc", "[Preferences]\r\nHideNeoGeo=maybe",
              "[Preferences]\r\nBackColor=2147483653", "[Miscellaneous]\r\nMAMESize="}) {
            Preferences p;
            p.news = "untouched";
            const QString key = QString(content).section('\n', 1).section('=', 0, 0);
            QVERIFY2(!readPreferences(fileWith(QByteArray(content) + "\r\n"), &p, &error) &&
                         error.contains(key) && p.news == "untouched",
                     qPrintable(error));
        }

        // The version number of the program that last wrote the file: 0 before versions were
        // kept (or with no file), none (-1 here) when it does not convert.
        const auto number = [this](const QByteArray& content) {
            return readVersionNumber(fileWith(content)).value_or(-1);
        };
        for (const auto& [version, expected] : std::initializer_list<std::pair<const char*, int>>{
                 {"3.4.1", 341}, {"3.27.67", 32767}, {"3.27.68", -1}, {"four", -1}, {"", -1}})
            QCOMPARE(number(QByteArray("[Miscellaneous]\r\nVelmoraVersion=") + version), expected);
        QCOMPARE(number("[miscellaneous]\r\nvelmoraversion=4.0.0\r\n"), 400);
        QVERIFY(number("[Miscellaneous]\r\nNews=x\r\n") == 0 && number(QByteArray()) == 0);

        // The hide-system list is in the list box's order (letter case and hyphens do not count)
        // with one flag each; the year list runs from 1975 to last year; a colour value shared
        // with an earlier entry selects the earlier one.
        const auto key = [](const char* caption) { return QString(caption).remove('-').toLower(); };
        const auto& entries = hideSystemEntries();
        QSet<int> flags{int(entries[0].flag)};
        for (int i = 1; i < kHideSystemCount; ++i) {
            QVERIFY2(key(entries[i - 1].caption) < key(entries[i].caption), entries[i].caption);
            flags.insert(int(entries[i].flag));
        }
        QVERIFY(flags.size() == kHideSystemCount && !flags.contains(int(HideFlag::Clones)));
        const QStringList years = yearChoices(2026);
        QVERIFY(years.size() == 51 && years.last() == "2025");

        const QList<ColorChoice> full = colorChoices(
            ReportedSystemColors{rgbColorValue(10, 20, 30), rgbColorValue(40, 50, 60), 0});
        QVERIFY(indexOfColorValue(full, 0) == kDefaultBackColorIndex &&
                indexOfColorValue(full, rgbColorValue(1, 2, 3)) == -1);

        // After OK the lists reload only when something they are built from changed, and the
        // screenshot only when what it shows may have changed: "refresh lists, reload
        // screenshot" after each change.
        const auto reloads = [](const std::function<void(Preferences&)>& change) {
            Preferences after;
            change(after);
            const OptionsApplyDecision d = decideOptionsApply(Preferences(), after);
            return QString("%1%2").arg(int(d.refreshLists)).arg(int(d.reloadScreenshot));
        };
        using P = Preferences&;
        QCOMPARE(reloads([](P) {}), "00");
        QCOMPARE(reloads([](P p) { p.hide[kHideFlagCount - 1] = true; }), "10");
        QCOMPARE(reloads([](P p) { p.setFolder(DataFolder::ROMs, "/r"); }), "10");
        QCOMPARE(reloads([](P p) { p.backColor = 0, p.setFolder(DataFolder::Samples, "/s"); }),
                 "00");
        QCOMPARE(reloads([](P p) { p.cloneShots = true; }), "01");
        QCOMPARE(reloads([](P p) { p.setFolder(DataFolder::Snapshots, "/sn"); }), "01");
        QCOMPARE(reloads([](P p) { p.setFolder(DataFolder::ExtraArt, "/art"); }), "01");
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "test_preferences.moc"
