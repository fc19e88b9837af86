// What the window shows for a selected game: status panels and the game commands per list, the
// clone's parent for its pictures, the picture placement with and without nostretch.ini, the icon
// and artwork look-ups, and catver.ini read once giving what ReadIniValue gives.
#include "app/IniFile.h"
#include "info/ArtworkLocator.h"
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
        const GameRecord pacman = game("pacman", "Pac-Man"), missing = game("galaga", "Galaga");
        const GameRecord mspacman =
            game("mspacman", "Ms. Pac-Man", {{GameRecord::Origin, "Clone of pacman"}});
        // Origin, settings panel, whether the game commands are set and whether it is installed.
        const auto status = [&](const GameRecord& g, ListKind list) {
            const SelectionStatus s = describeSelection(table, {g, {}, {}}, list, folders);
            return QStringList{s.originKind, s.settings, s.setsGameCommands ? "commands" : "-",
                               s.installed ? "installed" : "-"}
                .join('|');
        };
        QCOMPARE(status(pacman, ListKind::All), "Original|Custom Settings|commands|installed");
        // Installed only through the additional folder, with no settings of its own.
        QCOMPARE(status(mspacman, ListKind::All), "Clone|Default Settings|commands|installed");
        QCOMPARE(status(missing, ListKind::All), "Original|Not Installed|commands|-");
        // The Installed and Uninstalled lists do not look at the archive: the list says it.
        QCOMPARE(status(pacman, ListKind::Uninstalled), "Original|Not Installed|-|-");
        // A settings file made by hand in other letters is the one the launch uses.
        writeFile(root + "/settings/Galaga.CFG", "[Video]\r\n");
        QCOMPARE(status(missing, ListKind::Installed), "Original|Custom Settings|-|installed");
    }

    // The shot stretches beside the list (at most 40% of the frame) unless nostretch.ini pins it
    // (and a maximised window ignores the file); the screenshot file is the parent's only with
    // clone shots on; icons and artwork are found in either spelling; catver.ini is read.
    void filesOfTheSelection()
    {
        QTemporaryDir dir;
        const QString ini = dir.path() + "/nostretch.ini";
        ShotPlacement p = placeShot(ini, false, 4000, 12000);
        QVERIFY(p.stretched && p.rect == QRect(12000 - 180 - 3975, 270, 3975, 3975));
        QCOMPARE(listWidthBesideShot(12000, p.rect.width()), 12000 - 3975 - 480);
        // A narrower frame: the square takes at most 40% of it.
        p = placeShot(ini, false, 4000, 9000);
        QVERIFY(p.stretched && p.rect == QRect(9000 - 180 - 3600, 270, 3600, 3600));
        writeFile(ini,
                  "[Position]\r\nLeft=6000\r\nTop=300\r\n[Size]\r\nHeight=2400\r\nWidth=3200\r\n");
        p = placeShot(ini, false, 4000, 9000);
        QVERIFY(!p.stretched && p.rect == QRect(6000, 300, 3200, 2400));
        QVERIFY(placeShot(ini, true, 4000, 9000).stretched);

        // "Clone of" needs its blank: the parent's name starts after it.
        QCOMPARE(pictureOwner("mspacman", "Clone of pacman").parent, "pacman");
        QVERIFY(pictureOwner("odd", "Clone ofx").parent.isEmpty());

        // The exact name wins over another spelling.
        const QString mame = dir.path() + "/mame";
        writeFile(mame + "/Icons/PacMan.ico", "ico");
        QCOMPARE(iconFile(mame, "pacman"), mame + "/Icons/PacMan.ico");
        writeFile(mame + "/Icons/pacman.ico", "ico");
        QCOMPARE(iconFile(mame, "pacman"), mame + "/Icons/pacman.ico");
        QVERIFY(iconFile(mame, "galaga").isEmpty() && iconFile(QString(), "pacman").isEmpty());
        writeFile(dir.path() + "/artwork/pacman.zip", "PK");
        QVERIFY(artworkExists(dir.path() + "/artwork", "pacman") &&
                !artworkExists(dir.path() + "/artwork", "galaga") && !artworkExists({}, "pacman"));

        // catver.ini read once gives what a look-up per game gives: any key case, the first of
        // repeated keys and sections, comments skipped, Latin-1 values and the length limit.
        const QString catver = dir.path() + "/catver.ini";
        writeFile(catver, ";; comment\r\n[category]\r\n  PacMan  =  Maze / Collect  \r\n"
                          "galaga=Shooter\r\ngalaga=Second\r\n;dkong=Commented\r\nnoequals\r\n"
                          "cafe=Caf\xE9 / Bar\r\nlong=" +
                              QByteArray(300, 'x') +
                              "\r\n[VerAdded]\r\ndkong=.37b\r\n[Category]\r\ndkong=Second\r\n");
        const IniSection section = IniSection::load(catver, "Category");
        for (const char* key : {"pacman", "PACMAN", "galaga", "dkong", "cafe", "long", "noequals",
                                "missing", ";dkong"})
            QCOMPARE(section.value(key, "Not Found"),
                     ReadIniValue(catver, "Category", QString::fromLatin1(key), "Not Found"));
        QCOMPARE(IniSection::load(dir.path() + "/none.ini", "Category").size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestSelectionFiles)
#include "test_selectionfiles.moc"
