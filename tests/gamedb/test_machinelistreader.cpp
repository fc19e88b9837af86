// The database builder on today's <machine> layout, read from a real excerpt of MAME 0.251's list:
// resource machines go to resource.txt, quality columns come from features (overall first),
// several screens, LCD and SVG screens, a machine without a screen, attributes in any order, a
// list cut short.
#include "gamedb/GameDatabaseBuilder.h"
#include "support/TempProgram.h"

#include <QTest>

using namespace velmora;
using velmora::testing::TempProgram;

namespace {

const QByteArray kExcerpt =
    TempProgram::readFile(velmora::testing::fixturePath("gamedb/machines-0251.xml"));

const auto crlf = TempProgram::withCrLf;

// The lines of one machine of the excerpt, from its start tag to its end tag, with CR LF ends.
QByteArray machineLines(const QByteArray& name)
{
    const qsizetype start = kExcerpt.indexOf("\t<machine name=\"" + name + '"');
    const qsizetype end = kExcerpt.indexOf("\t</machine>\n", start) + strlen("\t</machine>\n");
    return crlf(kExcerpt.mid(start, end - start));
}

} // namespace

class TestMachineListReader : public QObject
{
    Q_OBJECT
private:
    TempProgram m_tp;
    GameInfoResult m_result;

    QByteArray report(const char* name) const
    {
        return TempProgram::readFile(m_tp.paths().report(name));
    }
    // Builds the database from `list` and gives what gameinfo.txt holds then.
    QByteArray build(const QByteArray& list)
    {
        TempProgram::writeFile(m_tp.paths().report("listxml.txt"), list);
        NullProgress progress;
        m_result = CreateGameInfo(m_tp.paths(), progress);
        return report("gameinfo.txt");
    }

private slots:
    void realExcerptGivesTheRecordsOfTheOlderLayout()
    {
        const QByteArray gameInfo = build(kExcerpt);
        QCOMPARE(m_result.layout, ListLayout::MachineElements);

        // Sound without an overall state gives its status (cowtipp); overall, devices counted,
        // wins over status (gamecst2, with a disk, a clone); SVG screens, one showing its size;
        // a palette feature feeds Color (kuzmich); three screens (ppsatan); no screen keeps the
        // display defaults (snowbwar); an LCD screen shows its size, overall without status (vl1).
        const QByteArray expected = crlf(
            R"csv("Cow Tipping - Shake Cattle &amp; Roll (set 1)","2004","Preliminary","Good","Unemulated","Good","","Game Refuge / Team Play","Raster","1024x256","Vertical","60.000000","Original","cowtipp","misc/cowtipping.cpp","N/A","No"
"GameCristal (version 2.613)","2002","Preliminary","Good","Unemulated","Imperfect","","Cristaltec","Raster"," 640x480","Horizontal","53.178707","Clone of gamecstl","gamecst2","pc/sis630.cpp","gamecstl","Yes"
"Game &amp; Watch: Black Jack","1985","Good","Good","Good","Good","","Nintendo","Svg","Multiple","Horizontal","60.000000","Original","gnw_bjack","handheld/hh_sm510.cpp","N/A","No"
"Kuzmich-Egorych","199?","Imperfect","Imperfect","Good","Good","","Nippel","Raster"," 560x192","Horizontal","60.000000","Original","kuzmich","apple/superga2.cpp","N/A","No"
"Super Mario Bros. 3 (Nelsonic)","1990","Preliminary","Good","Good","Good","","Nelsonic (licensed from Nintendo)","Svg","1000x1000","Horizontal","60.000000","Original","nsmb3","handheld/hh_sm510.cpp","N/A","No"
"Pac-Man (Midway)","1980","Good","Good","Good","Good","","Namco (Midway license)","Raster"," 288x224","Vertical","60.606061","Clone of puckman","pacman","pacman/pacman.cpp","puckman","No"
"Poka Poka Satan (Japan)","1996","Imperfect","Good","Good","Imperfect","","Kato Seisakujo Co., Ltd.","Raster","Multiple","Horizontal","57.550645","Original","ppsatan","misc/cave.cpp","N/A","No"
"Puck Man (Japan set 1)","1980","Good","Good","Good","Good","","Namco","Raster"," 288x224","Vertical","60.606061","Original","puckman","pacman/pacman.cpp","N/A","No"
"Spectrum I+","1984","Preliminary","Good","Good","Good","","Roy Abel &amp; Associates","Vector","N/A","Vertical","60.000000","Original","raaspec","miltonbradley/vectrex.cpp","N/A","No"
"Snowball War - WakuWaku Yukigassen","20??","Preliminary","Good","Unemulated","Good","","Sealy","","","","","Original","snowbwar","misc/sealy_fr.cpp","N/A","Yes"
"VL1","1993","Preliminary","Good","Unemulated","Imperfect","","Yamaha","Lcd","  240x64","Horizontal","60.000000","Original","vl1","yamaha/ymvl1.cpp","N/A","No"
)csv");
        QCOMPARE(gameInfo, expected);
        // The BIOS set and the device, verbatim and in list order.
        QCOMPARE(report("resource.txt"), machineLines("sys246") + machineLines("z80"));
    }

    void attributesAreTakenByNameWhereverTheyStand()
    {
        const QByteArray list = R"xml(<mame build="x">
  <machine romof="base" cloneof="base" sourcefile="a/b.cpp" name="g">
    <description>G</description>
    <display refresh="50" height="30" width="40" rotate="180" type="raster"/>
    <driver palettesize="256" sound="imperfect" status="good"/>
    <feature type="sound" status="unemulated"/>
  </machine>
  <machine name="res" runnable="no"/>
</mame>
)xml";
        const QByteArray gameInfo = build(list);
        // The driver's own sound attribute wins over the feature.
        const QByteArray expected = crlf(
            R"csv("G","19??","Good","Good","Imperfect","Good","   256","","Raster","   40x30","Horizontal","50","Clone of base","g","a/b.cpp","base","No"
)csv");
        QCOMPARE(gameInfo, expected);
        QCOMPARE(report("resource.txt"),
                 QByteArray("  <machine name=\"res\" runnable=\"no\"/>\r\n"));

        // Cut short, the list fails after its complete machines and the database stays.
        QCOMPARE(build(list.left(list.indexOf("</mame>"))), gameInfo);
        QCOMPARE(m_result.error, "Error In CreateGameInfo: Input past end of file\rLine Number: 9");
        QCOMPARE(m_result.games, 1);
    }
};

QTEST_GUILESS_MAIN(TestMachineListReader)
#include "test_machinelistreader.moc"
