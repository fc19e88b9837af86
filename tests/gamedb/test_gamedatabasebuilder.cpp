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

const QByteArray kHeader = "<?xml version=\"1.0\"?>\n"
                           "<!DOCTYPE mame [\n"
                           "<!ELEMENT mame (game+)>\n"
                           "\t<!ATTLIST mame build CDATA #IMPLIED>\n"
                           "<!ELEMENT game (description, year?, manufacturer, rom*, disk*, "
                           "display*, driver?)>\n"
                           "\t\t<!ATTLIST game runnable (yes|no) \"yes\">\n"
                           "]>\n"
                           "\n"
                           "<mame build=\"0.106 (May 16 2006)\">\n";

// A raster game with the widest palette, and a clone of it with a reference in its description,
// no year and a vertical screen.
const QByteArray kGameAandB =
    "\t<game name=\"gamea\" sourcefile=\"drv.c\">\n"
    "\t\t<description>Game A</description>\n"
    "\t\t<year>1984</year>\n"
    "\t\t<manufacturer>Maker</manufacturer>\n"
    "\t\t<rom name=\"a.1\" size=\"4096\" crc=\"01234567\" region=\"cpu1\" offset=\"0\"/>\n"
    "\t\t<chip type=\"cpu\" name=\"Z80\" clock=\"3072000\"/>\n"
    "\t\t<display type=\"raster\" rotate=\"0\" width=\"384\" height=\"224\" "
    "refresh=\"60.000000\" />\n"
    "\t\t<sound channels=\"1\"/>\n"
    "\t\t<input players=\"2\" buttons=\"2\" coins=\"2\">\n"
    "\t\t\t<control type=\"joy8\"/>\n"
    "\t\t</input>\n"
    "\t\t<driver status=\"good\" color=\"good\" sound=\"imperfect\" graphic=\"good\" "
    "savestate=\"supported\" palettesize=\"4096\"/>\n"
    "\t</game>\n"
    "\t<game name=\"gameb\" sourcefile=\"drv.c\" cloneof=\"gamea\" romof=\"gamea\">\n"
    "\t\t<description>Game B &amp; Friends</description>\n"
    "\t\t<manufacturer>Maker</manufacturer>\n"
    "\t\t<display type=\"raster\" rotate=\"270\" width=\"224\" height=\"288\" "
    "refresh=\"60.606061\" />\n"
    "\t\t<driver status=\"preliminary\" color=\"IMPERFECT\" sound=\"good\" graphic=\"good\" "
    "savestate=\"unsupported\" palettesize=\"16\"/>\n"
    "\t</game>\n";

// A game that needs a BIOS (romof without cloneof) on a vector screen with a disk; a game with
// two screens.
const QByteArray kBiosGameAndTwoScreens =
    "\t<game name=\"biosgame\" sourcefile=\"neogeo.c\" romof=\"neogeo\">\n"
    "\t\t<description>Bios Game</description>\n"
    "\t\t<year>1991</year>\n"
    "\t\t<manufacturer>SNK</manufacturer>\n"
    "\t\t<disk name=\"biosgame\" sha1=\"0123\" region=\"disks\" index=\"0\"/>\n"
    "\t\t<display type=\"vector\" rotate=\"0\" refresh=\"40.000000\" />\n"
    "\t\t<driver status=\"good\" color=\"good\" sound=\"good\" graphic=\"good\" "
    "savestate=\"unsupported\" palettesize=\"0\"/>\n"
    "\t</game>\n"
    "\t<game name=\"twoscr\" sourcefile=\"nemesis.c\">\n"
    "\t\t<description>Two Screens</description>\n"
    "\t\t<year>1988</year>\n"
    "\t\t<manufacturer>Konami</manufacturer>\n"
    "\t\t<display type=\"raster\" rotate=\"90\" width=\"256\" height=\"224\" "
    "refresh=\"59.637405\" />\n"
    "\t\t<display type=\"raster\" rotate=\"0\" width=\"256\" height=\"224\" "
    "refresh=\"60.000000\" />\n"
    "\t\t<driver status=\"good\" color=\"good\" sound=\"good\" graphic=\"good\" "
    "savestate=\"unsupported\" palettesize=\"2048\"/>\n"
    "\t</game>\n";

// A game without a driver line is not written; what it set stays for the next game, and so does
// its display mark. A game without a description keeps the previous game's.
const QByteArray kCarryOver =
    "\t<game name=\"nodrv\" sourcefile=\"x.c\">\n"
    "\t\t<description>No Driver</description>\n"
    "\t\t<year>1990</year>\n"
    "\t\t<manufacturer>Nobody</manufacturer>\n"
    "\t\t<disk name=\"nodrv\" sha1=\"0123\" region=\"disks\" index=\"0\"/>\n"
    "\t\t<display type=\"raster\" rotate=\"90\" width=\"320\" height=\"240\" "
    "refresh=\"57.000000\" />\n"
    "\t</game>\n"
    "\t<game name=\"after\" sourcefile=\"y.c\">\n"
    "\t\t<description>After</description>\n"
    "\t\t<display type=\"raster\" rotate=\"0\" width=\"640\" height=\"480\" "
    "refresh=\"60.000000\" />\n"
    "\t\t<driver status=\"imperfect\" color=\"good\" sound=\"good\" graphic=\"good\" "
    "savestate=\"unsupported\" palettesize=\"256\"/>\n"
    "\t</game>\n"
    "\t<game name=\"nodesc\" sourcefile=\"z.c\">\n"
    "\t\t<year>1999</year>\n"
    "\t\t<driver status=\"good\" color=\"good\" sound=\"good\" graphic=\"good\" "
    "savestate=\"unsupported\" palettesize=\"8\"/>\n"
    "\t</game>\n";

const QByteArray kResourceTail =
    "\t<game runnable=\"no\" name=\"neogeo\" sourcefile=\"neogeo.c\">\n"
    "\t\t<description>Neo-Geo</description>\n"
    "\t\t<year>1990</year>\n"
    "\t\t<manufacturer>SNK</manufacturer>\n"
    "\t\t<biosset name=\"euro\" description=\"Europe MVS (Ver. 2)\" default=\"yes\"/>\n"
    "\t\t<rom name=\"sp-s2.sp1\" bios=\"euro\" size=\"131072\" region=\"mainbios\"/>\n"
    "\t</game>\n"
    "</mame>\n";

const QByteArray kExpectedGames =
    "\"Game A\",\"1984\",\"Good\",\"Good\",\"Imperfect\",\"Good\",\"  4096\",\"Maker\",\"Raster\","
    "\" 384x224\",\"Horizontal\",\"60.000000\",\"Original\",\"gamea\",\"drv.c\",\"N/A\",\"No\"\r\n"
    "\"Game B &amp; Friends\",\"19??\",\"Preliminary\",\"Imperfect\",\"Good\",\"Good\",\"    16\","
    "\"Maker\",\"Raster\",\" 224x288\",\"Vertical\",\"60.606061\",\"Clone of gamea\",\"gameb\","
    "\"drv.c\",\"gamea\",\"No\"\r\n"
    "\"Bios Game\",\"1991\",\"Good\",\"Good\",\"Good\",\"Good\",\"     0\",\"SNK\",\"Vector\","
    "\"N/A\",\"Horizontal\",\"40.000000\",\"Original\",\"biosgame\",\"neogeo.c\",\"neogeo\","
    "\"Yes\"\r\n"
    "\"Two Screens\",\"1988\",\"Good\",\"Good\",\"Good\",\"Good\",\"  2048\",\"Konami\",\"Raster\","
    "\"Multiple\",\"Vertical\",\"59.637405\",\"Original\",\"twoscr\",\"nemesis.c\",\"N/A\","
    "\"No\"\r\n"
    "\"After\",\"1990\",\"Imperfect\",\"Good\",\"Good\",\"Good\",\"   256\",\"Nobody\",\"Raster\","
    "\"Multiple\",\"Vertical\",\"57.000000\",\"Original\",\"after\",\"y.c\",\"N/A\",\"Yes\"\r\n"
    "\"After\",\"1999\",\"Good\",\"Good\",\"Good\",\"Good\",\"     8\",\"\",\"\",\"\",\"\",\"\","
    "\"Original\",\"nodesc\",\"z.c\",\"N/A\",\"No\"\r\n";

QByteArray withCrLf(QByteArray text)
{
    return text.replace("\n", "\r\n");
}

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
        QVERIFY(m_dir->isValid());
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
        QCOMPARE(result.layout, ListLayout::GameElements);
        QCOMPARE(result.games, 6);
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
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(result.games, 1);
        QCOMPARE(result.refused, 1);
        const QByteArray line = readFile(report("gameinfo.txt")).trimmed();
        GameRecord record;
        QVERIFY2(GameRecord::fromLine(line, &record), line.constData());
        QCOMPARE(record[GameRecord::Manufacturer], QByteArray("Atari&quot;,&quot;1999"));
        QCOMPARE(record[GameRecord::Rom], QByteArray("gamea"));
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
        QVERIFY(box.allExpectedShown());
        QCOMPARE(box.shown().last().title, QStringLiteral("Velmora"));
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
        waitpid(child, &status, 0);
        QVERIFY(WIFSIGNALED(status));
        pipe.close();

        QCOMPARE(readFile(report("gameinfo.txt")), QByteArray("old database\r\n"));
        QCOMPARE(readFile(report("resource.txt")), QByteArray("old resources\r\n"));
        QCOMPARE(QDir(m_paths.reportsFolder()).entryList(QDir::Files | QDir::System),
                 QStringList({"gameinfo.txt", "listxml.txt", "oldresource.txt", "resource.txt"}));
    }
};

QTEST_GUILESS_MAIN(TestGameDatabaseBuilder)
#include "test_gamedatabasebuilder.moc"
