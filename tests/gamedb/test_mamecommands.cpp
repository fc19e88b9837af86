#include "gamedb/MameCommands.h"

#include <QTest>

using namespace velmora;

class TestMameCommands : public QObject
{
    Q_OBJECT
private slots:
    void commandLines()
    {
        const QString t = "/p/reports/out.txt";
        QCOMPARE(MameCommands::listXml(t), QString("mame -listxml>'/p/reports/out.txt'"));
        QCOMPARE(MameCommands::listCrc(t), QString("mame -listcrc >'/p/reports/out.txt'"));
        QCOMPARE(MameCommands::verifyRoms("pacman", t),
                 QString("mame pacman -verifyroms > '/p/reports/out.txt' 2>&1"));
        QCOMPARE(MameCommands::verifySamples("005", t),
                 QString("mame 005 -verifysamples > '/p/reports/out.txt' 2>&1"));
        QCOMPARE(MameCommands::listRoms("pacman", t),
                 QString("mame pacman -listroms > '/p/reports/out.txt' 2>&1"));
        QCOMPARE(MameCommands::listSamples("pacman", t),
                 QString("mame pacman -listsamples > '/p/reports/out.txt' 2>&1"));
        QCOMPARE(MameCommands::verifyAllRoms(t),
                 QString("mame * -verifyroms >'/p/reports/out.txt' 2>&1"));
        QCOMPARE(MameCommands::verifyAllSamples(t),
                 QString("mame * -verifysamples >'/p/reports/out.txt' 2>&1"));
        QCOMPARE(MameCommands::help(t), QString("mame -help > '/p/reports/out.txt' 2>&1"));
        QCOMPARE(MameCommands::launch("pacman"), QString("mame pacman"));
        QCOMPARE(MameCommands::launch("pacman", "-nowindow -inipath \"/My Ini\""),
                 QString("mame pacman -nowindow -inipath \"/My Ini\""));
    }

    void unusualNamesAreQuoted()
    {
        QCOMPARE(MameCommands::listXml("/it's here/x.txt"),
                 QString("mame -listxml>'/it'\\''s here/x.txt'"));
        QCOMPARE(MameCommands::verifyRoms("a;b", "/x"),
                 QString("mame 'a;b' -verifyroms > '/x' 2>&1"));
        QCOMPARE(MameCommands::launch("$(id)"), QString("mame '$(id)'"));
    }
};

QTEST_GUILESS_MAIN(TestMameCommands)
#include "test_mamecommands.moc"
