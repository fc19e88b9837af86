// The database builder on lists of the older <game> layout: the records of the layout's edge
// cases byte for byte, the resource tail, oldresource.txt, the failures and what they keep.
#include "gamedb/GameDatabaseBuilder.h"
#include "gamedb/GameRecord.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace velmora;
using velmora::testing::TempProgram;

namespace {

const auto readFile = TempProgram::readFile;
const auto writeFile = TempProgram::writeFile;

// Records the progress messages in order.
class RecordingProgress : public ProgressSink
{
public:
    void setMessage(const QString& message) override { messages << message; }
    void setCount(const QString&) override {}
    QStringList messages;
};

QByteArray withCrLf(QByteArray text)
{
    return text.replace("\n", "\r\n");
}

const QByteArray kHeader = R"xml(<?xml version="1.0"?>
<!DOCTYPE mame [
<!ELEMENT mame (game+)>
	<!ATTLIST mame build CDATA #IMPLIED>
<!ELEMENT game (description, year?, manufacturer, rom*, disk*, display*, driver?)>
		<!ATTLIST game runnable (yes|no) "yes">
]>

<mame build="0.106 (May 16 2006)">
)xml";

// A raster game with the widest palette, and a clone of it with a reference in its description,
// no year and a vertical screen.
const QByteArray kGameAandB = R"xml(	<game name="gamea" sourcefile="drv.c">
		<description>Game A</description>
		<year>1984</year>
		<manufacturer>Maker</manufacturer>
		<rom name="a.1" size="4096" crc="01234567" region="cpu1" offset="0"/>
		<display type="raster" rotate="0" width="384" height="224" refresh="60.000000" />
		<input players="2" buttons="2" coins="2">
		</input>
		<driver status="good" color="good" sound="imperfect" graphic="good" savestate="supported" palettesize="4096"/>
	</game>
	<game name="gameb" sourcefile="drv.c" cloneof="gamea" romof="gamea">
		<description>Game B &amp; Friends</description>
		<manufacturer>Maker</manufacturer>
		<display type="raster" rotate="270" width="224" height="288" refresh="60.606061" />
		<driver status="preliminary" color="IMPERFECT" sound="good" graphic="good" savestate="unsupported" palettesize="16"/>
	</game>
)xml";

// A game that needs a BIOS (romof without cloneof) on a vector screen with a disk; a game with
// two screens.
const QByteArray kBiosGameAndTwoScreens =
    R"xml(	<game name="biosgame" sourcefile="neogeo.c" romof="neogeo">
		<description>Bios Game</description>
		<year>1991</year>
		<manufacturer>SNK</manufacturer>
		<disk name="biosgame" sha1="0123" region="disks" index="0"/>
		<display type="vector" rotate="0" refresh="40.000000" />
		<driver status="good" color="good" sound="good" graphic="good" savestate="unsupported" palettesize="0"/>
	</game>
	<game name="twoscr" sourcefile="nemesis.c">
		<description>Two Screens</description>
		<year>1988</year>
		<manufacturer>Konami</manufacturer>
		<display type="raster" rotate="90" width="256" height="224" refresh="59.637405" />
		<display type="raster" rotate="0" width="256" height="224" refresh="60.000000" />
		<driver status="good" color="good" sound="good" graphic="good" savestate="unsupported" palettesize="2048"/>
	</game>
)xml";

// A game without a driver line is not written; what it set stays for the next game, and so does
// its display mark. A game without a description keeps the previous game's.
const QByteArray kCarryOver = R"xml(	<game name="nodrv" sourcefile="x.c">
		<description>No Driver</description>
		<year>1990</year>
		<manufacturer>Nobody</manufacturer>
		<disk name="nodrv" sha1="0123" region="disks" index="0"/>
		<display type="raster" rotate="90" width="320" height="240" refresh="57.000000" />
	</game>
	<game name="after" sourcefile="y.c">
		<description>After</description>
		<display type="raster" rotate="0" width="640" height="480" refresh="60.000000" />
		<driver status="imperfect" color="good" sound="good" graphic="good" savestate="unsupported" palettesize="256"/>
	</game>
	<game name="nodesc" sourcefile="z.c">
		<year>1999</year>
		<driver status="good" color="good" sound="good" graphic="good" savestate="unsupported" palettesize="8"/>
	</game>
)xml";

const QByteArray kResourceTail = R"xml(	<game runnable="no" name="neogeo" sourcefile="neogeo.c">
		<description>Neo-Geo</description>
		<year>1990</year>
		<manufacturer>SNK</manufacturer>
		<biosset name="euro" description="Europe MVS (Ver. 2)" default="yes"/>
		<rom name="sp-s2.sp1" bios="euro" size="131072" region="mainbios"/>
	</game>
</mame>
)xml";

const QByteArray kExpectedGames = withCrLf(
    R"csv("Game A","1984","Good","Good","Imperfect","Good","  4096","Maker","Raster"," 384x224","Horizontal","60.000000","Original","gamea","drv.c","N/A","No"
"Game B &amp; Friends","19??","Preliminary","Imperfect","Good","Good","    16","Maker","Raster"," 224x288","Vertical","60.606061","Clone of gamea","gameb","drv.c","gamea","No"
"Bios Game","1991","Good","Good","Good","Good","     0","SNK","Vector","N/A","Horizontal","40.000000","Original","biosgame","neogeo.c","neogeo","Yes"
"Two Screens","1988","Good","Good","Good","Good","  2048","Konami","Raster","Multiple","Vertical","59.637405","Original","twoscr","nemesis.c","N/A","No"
"After","1990","Imperfect","Good","Good","Good","   256","Nobody","Raster","Multiple","Vertical","57.000000","Original","after","y.c","N/A","Yes"
"After","1999","Good","Good","Good","Good","     8","","","","","","Original","nodesc","z.c","N/A","No"
)csv");

} // namespace

class TestGameDatabaseBuilder : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    ProgramPaths m_paths;

    QString report(const char* name) const { return m_paths.report(QLatin1String(name)); }
    void writeList(const QByteArray& list) { writeFile(report("listxml.txt"), list); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_paths = ProgramPaths{m_dir->path()};
        QVERIFY(QDir().mkpath(m_paths.reportsFolder()));
    }

    void oldLayoutRecordsByteForByte_data()
    {
        QTest::addColumn<bool>("crLf");
        QTest::newRow("LF line ends") << false;
        QTest::newRow("CR LF line ends") << true;
    }

    void oldLayoutRecordsByteForByte()
    {
        QFETCH(bool, crLf);
        const QByteArray list =
            kHeader + kGameAandB + kBiosGameAndTwoScreens + kCarryOver + kResourceTail;
        writeList(crLf ? withCrLf(list) : list);
        writeFile(report("resource.txt"), "previous resource\r\n");

        RecordingProgress progress;
        const GameInfoResult result = CreateGameInfo(m_paths, progress);
        QVERIFY2(result.ok, qPrintable(result.error));
        QVERIFY(result.layout == ListLayout::GameElements && result.games == 6);
        QCOMPARE(readFile(report("gameinfo.txt")), kExpectedGames);
        QCOMPARE(readFile(report("resource.txt")), withCrLf(kResourceTail));
        QCOMPARE(readFile(report("oldresource.txt")), QByteArray("previous resource\r\n"));
        QCOMPARE(progress.messages,
                 QStringList({QStringLiteral("Creating gameinfo.txt..."),
                              QStringLiteral("Creating resource.txt..."), QString()}));
        // Nothing but the lists and the database is left in the reports folder.
        QCOMPARE(QDir(m_paths.reportsFolder()).entryList(QDir::Files),
                 QStringList({"gameinfo.txt", "listxml.txt", "oldresource.txt", "resource.txt"}));
    }

    // Text the list may legally hold must not break the database's lines: a raw double quote
    // in an element's text, and a short name that MAME would read as an option.
    void everyRecordReadsBackAndNoGameIsAnOption()
    {
        QByteArray games = kGameAandB;
        games.replace("<manufacturer>Maker</manufacturer>",
                      "<manufacturer>Atari\",\"1999</manufacturer>");
        games.replace("name=\"gameb\"", "name=\"-createconfig\"");
        writeList(kHeader + games + kResourceTail);
        NullProgress progress;
        const GameInfoResult result = CreateGameInfo(m_paths, progress);
        QVERIFY2(result.ok && result.games == 1 && result.refused == 1, qPrintable(result.error));
        const QByteArray line = readFile(report("gameinfo.txt")).trimmed();
        GameRecord record;
        QVERIFY2(GameRecord::fromLine(line, &record), line.constData());
        QCOMPARE(record[GameRecord::Manufacturer] + '|' + record[GameRecord::Rom],
                 QByteArray("Atari&quot;,&quot;1999|gamea"));
        QCOMPARE(record.toLine(), line);
    }

    // A list at fault fails at its line and leaves the previous database in place: the user
    // keeps a usable list.
    void faultyListsKeepThePreviousDatabase()
    {
        writeFile(report("gameinfo.txt"), "old database\r\n");
        writeFile(report("resource.txt"), "old resources\r\n");
        int games = -1; // games read before the failure
        const auto failsAt = [&](const char* error, qsizetype line) {
            RecordingProgress progress;
            const GameInfoResult result = CreateGameInfo(m_paths, progress);
            QCOMPARE(result.error, QStringLiteral("Error In CreateGameInfo: %1\rLine Number: %2")
                                       .arg(QLatin1String(error))
                                       .arg(line));
            QCOMPARE(progress.messages.last(), QString());
            QCOMPARE(readFile(report("gameinfo.txt")), QByteArray("old database\r\n"));
            QCOMPARE(readFile(report("resource.txt")), QByteArray("old resources\r\n"));
            games = result.games;
        };
        failsAt("File not found", 0);
        writeList(QByteArray());
        failsAt("Input past end of file", 1);
        // A game line without a sourcefile: the value after the name has no closing quote.
        writeList(kHeader + kGameAandB + "\t<game name=\"broken\">\n" + kResourceTail);
        failsAt("Invalid procedure call or argument", (kHeader + kGameAandB).count('\n') + 1);
        QCOMPARE(games, 2);
        // A driver line whose status has no closing quote.
        writeList(kHeader + "\t<game name=\"x\" sourcefile=\"x.c\">\n\t\t<driver status=\"good\n" +
                  kResourceTail);
        failsAt("Invalid procedure call or argument", kHeader.count('\n') + 2);

        // A list without resource sets; the message box the user sees.
        const QByteArray list = kHeader + kGameAandB + "</mame>\n";
        writeList(list);
        testing::ScriptedMessageBox box;
        const QString expected = QStringLiteral("Error In CreateGameInfo: Input past end of file"
                                                "\rLine Number: %1")
                                     .arg(list.count('\n') + 1);
        box.expect(expected);
        NullProgress progress;
        QCOMPARE(createGameInfoReportingErrors(m_paths, progress).error, expected);
        QVERIFY(box.allExpectedShown() && box.shown().last().title == "Velmora");
        QCOMPARE(box.shown().last().icon, platform::MessageIcon::Critical);
        QCOMPARE(readFile(report("gameinfo.txt")), QByteArray("old database\r\n"));
        QCOMPARE(readFile(report("oldresource.txt")), QByteArray("old resources\r\n"));
    }

    // The builder is killed while it reads the list (here fed through a pipe, so it waits
    // half-way): the previous database stays in place and nothing half-written is left.
    void killHalfWayKeepsThePreviousDatabase()
    {
        writeFile(report("gameinfo.txt"), "old database\r\n");
        writeFile(report("resource.txt"), "old resources\r\n");
        const QByteArray fifo = QFile::encodeName(report("listxml.txt"));
        QVERIFY(mkfifo(fifo.constData(), 0600) == 0);

        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            NullProgress progress;
            CreateGameInfo(m_paths, progress);
            _exit(0);
        }
        QFile pipe(report("listxml.txt"));
        QVERIFY(pipe.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        QByteArray half = kHeader;
        for (int i = 0; i < 2000; ++i)
            half += kGameAandB;
        QCOMPARE(pipe.write(half), half.size());
        QTest::qWait(300);
        kill(child, SIGKILL);
        int status = 0;
        QVERIFY(waitpid(child, &status, 0) == child && WIFSIGNALED(status));
        pipe.close();

        QCOMPARE(readFile(report("gameinfo.txt")), QByteArray("old database\r\n"));
        QCOMPARE(readFile(report("resource.txt")), QByteArray("old resources\r\n"));
        QCOMPARE(QDir(m_paths.reportsFolder()).entryList(QDir::Files | QDir::System),
                 QStringList({"gameinfo.txt", "listxml.txt", "oldresource.txt", "resource.txt"}));
    }
};

QTEST_GUILESS_MAIN(TestGameDatabaseBuilder)
#include "test_gamedatabasebuilder.moc"
