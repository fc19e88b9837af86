// What the window shows for a selected game: status panels and the game commands per list, the
// screenshot file with clone shots, its placement with and without nostretch.ini, the icon and
// artwork look-ups, and catver.ini read once giving what ReadIniValue gives.
#include "app/IniFile.h"
#include "lists/IniSection.h"
#include "lists/ListFixtures.h"
#include "lists/SelectionFiles.h"
#include "lists/SelectionStatus.h"
#include "lists/ShotPlacement.h"

#include <QTemporaryDir>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

class TestSelectionFiles : public QObject
{
    Q_OBJECT
private slots:
    void statusPanelsForTheThreeLists()
    {
        QTemporaryDir dir;
        const QString root = dir.path();
        SelectionFolders folders{root + "/roms", root + "/extra", root + "/settings"};
        writeFile(root + "/extra/mspacman.zip", "PK");
        writeFile(root + "/roms/pacman.zip", "PK");
        writeFile(root + "/settings/pacman.cfg", "[Video]\r\n");
        GameTable table;
        const ListedGame pacman{game("pacman", "Pac-Man"), {}, {}};
        const ListedGame mspacman{
            game("mspacman", "Ms. Pac-Man",
                 {{GameRecord::Origin, "Clone of pacman"}, {GameRecord::Orientation, "Vertical"}}),
            {},
            {}};
        const ListedGame missing{game("galaga", "Galaga"), {}, {}};

        SelectionStatus s = describeSelection(table, pacman, ListKind::All, folders);
        QCOMPARE(s.description, QString("Pac-Man"));
        QCOMPARE(s.rom, QString("pacman"));
        QCOMPARE(s.originKind, QString("Original"));
        QCOMPARE(s.orientation, QString("Vertical"));
        QCOMPARE(s.settings, QString("Custom Settings"));
        QVERIFY(s.setsGameCommands && s.installed);

        // Installed only through the additional folder, with no settings of its own.
        s = describeSelection(table, mspacman, ListKind::All, folders);
        QCOMPARE(s.settings, QString("Default Settings"));
        QCOMPARE(s.originKind, QString("Clone"));
        QVERIFY(s.installed);

        s = describeSelection(table, missing, ListKind::All, folders);
        QCOMPARE(s.settings, QString("Not Installed"));
        QVERIFY(s.setsGameCommands && !s.installed);

        // The Installed list does not look at the archive; the Uninstalled list always says so.
        s = describeSelection(table, missing, ListKind::Installed, folders);
        QCOMPARE(s.settings, QString("Default Settings"));
        // A settings file made by hand in other letters is the one the launch uses.
        writeFile(root + "/settings/Galaga.CFG", "[Video]\r\n");
        s = describeSelection(table, missing, ListKind::Installed, folders);
        QCOMPARE(s.settings, QString("Custom Settings"));
        QVERIFY(!s.setsGameCommands);
        s = describeSelection(table, pacman, ListKind::Uninstalled, folders);
        QCOMPARE(s.settings, QString("Not Installed"));
        QVERIFY(!s.setsGameCommands);
    }

    void placementStretchesUnlessNostretchIniPinsIt()
    {
        QTemporaryDir dir;
        const QString ini = dir.path() + "/nostretch.ini";
        ShotPlacement p = placeShot(ini, false, 4000, 9000);
        QVERIFY(p.stretched);
        QCOMPARE(p.rect, QRect(9000 - 180 - 3975, 270, 3975, 3975));
        QCOMPARE(listWidthBesideShot(9000, p.rect.width()), 9000 - 3975 - 480);
        QCOMPARE(listWidthWithoutShot(9000), 9000 - 330);

        writeFile(ini,
                  "[Position]\r\nLeft=6000\r\nTop=300\r\n[Size]\r\nHeight=2400\r\nWidth=3200\r\n");
        p = placeShot(ini, false, 4000, 9000);
        QVERIFY(!p.stretched);
        QCOMPARE(p.rect, QRect(6000, 300, 3200, 2400));
        // Maximised: the file is ignored.
        QVERIFY(placeShot(ini, true, 4000, 9000).stretched);
    }

    // The screenshot file with clone shots; icons and artwork found in either spelling.
    void screenshotIconAndArtworkFiles()
    {
        const QString shots = QStringLiteral("/data/snap");
        QCOMPARE(screenshotFile("mspacman", "Clone of pacman", false, shots),
                 QString("/data/snap/mspacman.png"));
        QCOMPARE(screenshotFile("mspacman", "Clone of pacman", true, shots),
                 QString("/data/snap/pacman.png"));
        QCOMPARE(screenshotFile("pacman", "Original", true, shots),
                 QString("/data/snap/pacman.png"));
        // "Clone of" needs its blank: the parent's name starts after it.
        QCOMPARE(screenshotFile("odd", "Clone ofx", true, shots), QString("/data/snap/odd.png"));

        QTemporaryDir dir;
        const QString mame = dir.path() + "/mame";
        QCOMPARE(iconFile(mame, "pacman"), QString());
        writeFile(mame + "/Icons/PacMan.ico", "ico");
        QCOMPARE(iconFile(mame, "pacman"), mame + "/Icons/PacMan.ico");
        writeFile(mame + "/Icons/pacman.ico", "ico");
        QCOMPARE(iconFile(mame, "pacman"), mame + "/Icons/pacman.ico");
        QCOMPARE(iconFile(mame, "galaga"), QString());
        QCOMPARE(iconFile(QString(), "pacman"), QString());

        writeFile(dir.path() + "/artwork/pacman.zip", "PK");
        QVERIFY(artworkExists(dir.path() + "/artwork", "pacman"));
        QVERIFY(!artworkExists(dir.path() + "/artwork", "galaga"));
        QVERIFY(!artworkExists(QString(), "pacman"));
    }

    void iniSectionGivesWhatReadIniValueGives()
    {
        QTemporaryDir dir;
        const QString ini = dir.path() + "/catver.ini";
        const QByteArray latin1Value = "Caf\xE9 / Bar";
        writeFile(ini,
                  ";; comment\r\n[category]\r\n  PacMan  =  Maze / Collect  \r\n"
                  "galaga=Shooter\r\ngalaga=Second\r\n;dkong=Commented\r\nnoequals\r\n"
                  "cafe=" +
                      latin1Value + "\r\nlong=" + QByteArray(300, 'x') +
                      "\r\n[VerAdded]\r\ndkong=.37b\r\n[Category]\r\ndkong=Second section\r\n");
        const IniSection section = IniSection::load(ini, "Category");
        for (const char* key : {"pacman", "PACMAN", "galaga", "dkong", "cafe", "long", "noequals",
                                "missing", ";dkong"}) {
            QCOMPARE(section.value(key, "Not Found"),
                     ReadIniValue(ini, "Category", QString::fromLatin1(key), "Not Found"));
        }
        QCOMPARE(section.value("cafe", {}), QString::fromLatin1(latin1Value));
        QCOMPARE(section.value("long", {}).size(), kIniValueLimit);
        QCOMPARE(IniSection::load(dir.path() + "/none.ini", "Category").size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestSelectionFiles)
#include "test_selectionfiles.moc"
