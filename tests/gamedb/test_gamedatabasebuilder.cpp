// The database builder on lists of the older <game> layout: the records of the layout's edge
// cases byte for byte, the resource tail, oldresource.txt, the failures and what they keep.
// This layout is read line by line by each line's first tag, so the samples leave out the closing
// tags the reader never looks at.
#include "gamedb/GameDatabaseBuilder.h"
#include "gamedb/RomSetName.h"
#include "support/TempProgram.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace velmora;
using velmora::testing::TempProgram;

namespace {

const auto readFile = TempProgram::readFile;
const auto writeFile = TempProgram::writeFile;

struct RecordingProgress : NullProgress
{
    void setMessage(const QString& message) override { messages << message; }
    QStringList messages;
};

const auto withCrLf = TempProgram::withCrLf;

const QByteArray kHeader = "<mame build=\"0.106 (May 16 2006)\">\n";

// A raster game with the widest palette, and a clone of it with a reference in its description,
// no year, a vertical screen and a raw double quote in its manufacturer, which must not end the
// field early in the database.
const QByteArray kGames = R"xml(	<game name="gamea" sourcefile="drv.c">
		<description>Game A</description>
		<year>1984</year>
		<manufacturer>Maker</manufacturer>
		<display type="raster" rotate="0" width="384" height="224" refresh="60.000000" />
		<driver status="good" color="good" sound="imperfect" graphic="good" savestate="supported" palettesize="4096"/>
	<game name="gameb" sourcefile="drv.c" cloneof="gamea" romof="gamea">
		<description>Game B &amp; Friends</description>
		<manufacturer>Atari","1999</manufacturer>
		<display type="raster" rotate="270" width="224" height="288" refresh="60.606061" />
		<driver status="preliminary" color="IMPERFECT" sound="good" graphic="good" savestate="unsupported" palettesize="16"/>
)xml";

// Short names that MAME would read as an option or that lead out of a folder are left out. A
// game that needs a BIOS (romof
// without cloneof) on a vector screen with a disk. A game with two screens takes its type,
// orientation and refresh rate from the first.
const QByteArray kMoreGames = R"xml(	<game name="-createconfig" sourcefile="x.c">
		<driver status="good" color="good" sound="good" graphic="good" savestate="unsupported" palettesize="8"/>
	<game name="../../outside/victim" sourcefile="x.c">
		<driver status="good" color="good" sound="good" graphic="good" savestate="unsupported" palettesize="8"/>
	<game name="biosgame" sourcefile="neogeo.c" romof="neogeo">
		<description>Bios Game</description>
		<disk name="biosgame" sha1="0123" region="disks" index="0"/>
		<display type="vector" rotate="0" refresh="40.000000" />
		<driver status="good" color="good" sound="good" graphic="good" savestate="unsupported" palettesize="0"/>
	<game name="twoscr" sourcefile="y.c">
		<description>Two Screens</description>
		<display type="raster" rotate="90" width="320" height="240" refresh="57.000000" />
		<display type="raster" rotate="0" width="640" height="480" refresh="60.000000" />
		<driver status="imperfect" color="good" sound="good" graphic="good" savestate="unsupported" palettesize="256"/>
)xml";

// A game without a driver line is not written; what it set stays for the next game, and so does
// its display. A game without a description keeps the previous game's.
const QByteArray kCarryOver = R"xml(	<game name="nodrv" sourcefile="x.c">
		<description>No Driver</description>
		<year>1990</year>
		<manufacturer>Nobody</manufacturer>
		<disk name="nodrv" sha1="0123" region="disks" index="0"/>
		<display type="raster" rotate="90" width="320" height="240" refresh="57.000000" />
	<game name="after" sourcefile="y.c">
		<description>After</description>
		<display type="raster" rotate="0" width="640" height="480" refresh="60.000000" />
		<driver status="imperfect" color="good" sound="good" graphic="good" savestate="unsupported" palettesize="256"/>
	<game name="nodesc" sourcefile="z.c">
		<year>1999</year>
		<driver status="good" color="good" sound="good" graphic="good" savestate="unsupported" palettesize="8"/>
)xml";

const QByteArray kResourceTail = R"xml(	<game runnable="no" name="neogeo" sourcefile="neogeo.c">
		<description>Neo-Geo</description>
</mame>
)xml";

const QByteArray kExpectedGames = withCrLf(
    R"csv("Game A","1984","Good","Good","Imperfect","Good","  4096","Maker","Raster"," 384x224","Horizontal","60.000000","Original","gamea","drv.c","N/A","No"
"Game B &amp; Friends","19??","Preliminary","Imperfect","Good","Good","    16","Atari&quot;,&quot;1999","Raster"," 224x288","Vertical","60.606061","Clone of gamea","gameb","drv.c","gamea","No"
"Bios Game","19??","Good","Good","Good","Good","     0","","Vector","N/A","Horizontal","40.000000","Original","biosgame","neogeo.c","neogeo","Yes"
"Two Screens","19??","Imperfect","Good","Good","Good","   256","","Raster","Multiple","Vertical","57.000000","Original","twoscr","y.c","N/A","No"
"After","1990","Imperfect","Good","Good","Good","   256","Nobody","Raster","Multiple","Vertical","57.000000","Original","after","y.c","N/A","Yes"
"After","1999","Good","Good","Good","Good","     8","","","","","","Original","nodesc","z.c","N/A","No"
)csv");

const QStringList kListsAndDatabase = {"gameinfo.txt", "listxml.txt", "oldresource.txt",
                                       "resource.txt"};

} // namespace

class TestGameDatabaseBuilder : public QObject
{
    Q_OBJECT
private:
    std::optional<TempProgram> m_tp; // a new one for each test
    ProgramPaths m_paths;

    QString report(const char* name) const { return m_paths.report(QLatin1String(name)); }
    void writeList(const QByteArray& list) { writeFile(report("listxml.txt"), list); }
    void writePreviousDatabase()
    {
        writeFile(report("gameinfo.txt"), "old database\r\n");
        writeFile(report("resource.txt"), "old resources\r\n");
    }
    void verifyPreviousDatabase()
    {
        QCOMPARE(readFile(report("gameinfo.txt")), QByteArray("old database\r\n"));
        QCOMPARE(readFile(report("resource.txt")), QByteArray("old resources\r\n"));
    }

private slots:
    void init()
    {
        m_tp.emplace();
        m_paths = m_tp->paths();
    }

    void oldLayoutRecordsByteForByte()
    {
        for (const bool crLf : {false, true}) {
            const QByteArray list = kHeader + kGames + kMoreGames + kCarryOver + kResourceTail;
            writeList(crLf ? withCrLf(list) : list);
            writeFile(report("resource.txt"), "previous resource\r\n");
            RecordingProgress progress;
            const GameInfoResult result = CreateGameInfo(m_paths, progress);
            QVERIFY(result.ok && result.layout == ListLayout::GameElements && result.games == 6 &&
                    result.refused == 2);
            QCOMPARE(readFile(report("gameinfo.txt")), kExpectedGames);
            QCOMPARE(readFile(report("resource.txt")), withCrLf(kResourceTail));
            QCOMPARE(readFile(report("oldresource.txt")), QByteArray("previous resource\r\n"));
            QCOMPARE(progress.messages, QStringList({"Creating gameinfo.txt...",
                                                     "Creating resource.txt...", QString()}));
            QCOMPARE(QDir(m_paths.reportsFolder()).entryList(QDir::Files), kListsAndDatabase);
        }
    }

    // Names that would leave a folder, name no file or read as an option on MAME's command line.
    void unsafeRomSetNames()
    {
        for (const char* name : {"", ".", "..", "a/b", "a\\b", "a b", "a\tb", "a\x7f", "-x"})
            QVERIFY2(!isSafeRomSetName(name), name);
        for (const char* name : {"pacman", "88games", "a.b", "x-y", "sf2_1"})
            QVERIFY2(isSafeRomSetName(name), name);
    }

    // A list at fault fails at its line and leaves the previous database in place: the user
    // keeps a usable list.
    void faultyListsKeepThePreviousDatabase()
    {
        writePreviousDatabase();
        const QByteArray games = kHeader + kGames;
        const QString pastEnd = "Input past end of file\rLine Number: ";
        const QString invalid = "Invalid procedure call or argument\rLine Number: ";
        // No list at all; an empty one; one that ends before its resource sets; a game line
        // without a sourcefile (the value after the name has no closing quote).
        const std::pair<QByteArray, QString> cases[] = {
            {{}, "File not found\rLine Number: 0"},
            {"", pastEnd + "1"},
            {games + "</mame>\n", pastEnd + QString::number(games.count('\n') + 2)},
            {games + "\t<game name=\"broken\">\n",
             invalid + QString::number(games.count('\n') + 1)},
        };
        for (const auto& [list, message] : cases) {
            if (!list.isNull())
                writeList(list);
            NullProgress progress;
            QCOMPARE(CreateGameInfo(m_paths, progress).error,
                     "Error In CreateGameInfo: " + message);
            verifyPreviousDatabase();
        }
        QCOMPARE(readFile(report("oldresource.txt")), QByteArray("old resources\r\n"));
    }

    // The builder is killed while it reads the list (here fed through a pipe, so it waits
    // half-way): the previous database stays in place and nothing half-written is left.
    void killHalfWayKeepsThePreviousDatabase()
    {
        writePreviousDatabase();
        QVERIFY(mkfifo(QFile::encodeName(report("listxml.txt")).constData(), 0600) == 0);
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            NullProgress progress;
            CreateGameInfo(m_paths, progress);
            _exit(0);
        }
        QFile pipe(report("listxml.txt"));
        QVERIFY(pipe.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray half = kHeader + kGames.repeated(2000);
        QCOMPARE(pipe.write(half), half.size());
        QTest::qWait(300);
        kill(child, SIGKILL);
        int status = 0;
        QVERIFY(waitpid(child, &status, 0) == child && WIFSIGNALED(status));
        verifyPreviousDatabase();
        QCOMPARE(QDir(m_paths.reportsFolder()).entryList(QDir::Files | QDir::System),
                 kListsAndDatabase);
    }
};

QTEST_GUILESS_MAIN(TestGameDatabaseBuilder)
#include "test_gamedatabasebuilder.moc"
